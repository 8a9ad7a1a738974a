#pragma once
// A data connection of the report engine: a name and the dataset whose rows a report reads,
// from the first row on, fields by name without regard to case. Without a dataset (or while
// it is closed) there are no rows, and no field is refused since none is read.
#include "ReportDataSource.h"

#include <QHash>

class TRecordStore;
class TStoreField;

class TReportDataConnection : public TReportDataSource
{
public:
    TReportDataConnection() = default;
    TReportDataConnection(QString name, TRecordStore *dataSet)
        : Name(std::move(name)), DataSet(dataSet)
    {
    }

    QString Name;
    TRecordStore *DataSet = nullptr;

    bool First() override;
    bool Next() override;
    bool HasField(const QString &name) const override;
    QVariant Value(const QString &name) const override;

private:
    bool Readable() const;
    TStoreField *Field(const QString &name) const;

    mutable const TRecordStore *m_fieldsOf = nullptr;
    mutable QHash<QString, TStoreField *> m_fields; // by the name as asked
};
