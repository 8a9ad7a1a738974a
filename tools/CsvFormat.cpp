#include "CsvFormat.h"

#include "GermanFormat.h"

#include <QDateTime>

namespace CsvFormat {

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
        return GermanFormat::ShortestDecimal(value.toDouble());
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
