#pragma once
// A row source over rows held in memory.
#include "ReportDataSource.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

class TMemoryDataSource : public TReportDataSource
{
public:
    explicit TMemoryDataSource(QStringList fields = {}) : Fields(std::move(fields)) {}

    QStringList Fields;
    QList<QVariantList> Rows; // values in the order of Fields

    bool First() override;
    bool Next() override;
    bool HasField(const QString &name) const override;
    QVariant Value(const QString &name) const override;

private:
    qsizetype m_row = -1;
};
