#pragma once
// Fields of the report rows as CSV text: ";" separator, decimal comma, no grouping.
#include <QString>
#include <QVariant>

namespace CsvFormat {

// NULL as empty; numbers in their shortest exact form; date-times "dd.mm.yyyy" with
// " hh:nn:ss" only when the time of day is not 00:00:00; text quoted when it holds
// ";", a double quote, CR or LF (inner quotes doubled).
QString Field(const QVariant &value);
QString Text(const QString &text);

} // namespace CsvFormat
