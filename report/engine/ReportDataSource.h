#pragma once
// The rows a report reads, from the first row on, fields by name (case-insensitive).
#include <QString>
#include <QVariant>

class TReportDataSource
{
public:
    virtual ~TReportDataSource() = default;
    // Moves to the first row; false when there is none.
    virtual bool First() = 0;
    // Moves on; false when there is no further row.
    virtual bool Next() = 0;
    virtual bool HasField(const QString &name) const = 0;
    // Value of the current row; an invalid QVariant for NULL.
    virtual QVariant Value(const QString &name) const = 0;
};
