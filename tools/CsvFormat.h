#pragma once
// Fields of the report rows as CSV text: ";" separator, decimal comma, no grouping.
#include <QString>
#include <QVariant>

namespace CsvFormat
{

// NULL as empty; numbers in their shortest exact form, without an exponent from 1e-5 up to
// below 1e15 (-0 as 0); date-times "dd.mm.yyyy" with " hh:nn:ss" only when the time of day
// is not 00:00:00; text quoted when it holds ";", a double quote, CR or LF (inner quotes
// doubled).
QString Field(const QVariant &value);
QString Text(const QString &text);

} // namespace CsvFormat
