#include "CsvFormat.h"

#include "GermanFormat.h"

#include <QDateTime>
#include <charconv>
#include <cmath>

namespace
{

// Shortest text that reads back as the same double, in plain decimals (decimal comma)
// from 1e-5 up to below 1e15; outside that range the exponent form stays.
QString PlainDecimal(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // -0 as well
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return GermanFormat::ShortestDecimal(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buf, int(res.ptr - buf));
    text.replace(u'.', GermanFormat::DecimalSeparator);
    return text;
}

} // namespace

namespace CsvFormat
{

QString Text(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Field(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return PlainDecimal(value.toDouble());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        const QDateTime dt = value.metaType().id() == QMetaType::QDate
                                 ? QDateTime(value.toDate(), QTime(0, 0))
                                 : value.toDateTime();
        const TDateTime serial = DateSerial::FromQDateTime(dt);
        const bool midnight = dt.time() == QTime(0, 0);
        return GermanFormat::FormatDateTime(midnight ? QStringLiteral("dd.mm.yyyy")
                                                     : QStringLiteral("dd.mm.yyyy hh:nn:ss"),
                                            serial);
    }
    default:
        return Text(value.toString());
    }
}

} // namespace CsvFormat
