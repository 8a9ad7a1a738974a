#include "PickerDateText.h"

#include "GermanFormat.h"

#include <QRegularExpression>

namespace PickerDateText
{

namespace
{

// Qt counts Monday 1 .. Sunday 7; the day names count Sunday 1 .. Saturday 7.
int DayNameIndex(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

bool IsDayName(const QString &word)
{
    for (int day = 1; day <= 7; ++day)
        if (word.compare(GermanFormat::ShortDayName(day), Qt::CaseInsensitive) == 0 ||
            word.compare(GermanFormat::LongDayName(day), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString Format(const QDate &date)
{
    if (!date.isValid())
        return {};
    return GermanFormat::ShortDayName(DayNameIndex(date)) + QStringLiteral(", ") +
           date.toString(QStringLiteral("dd.MM.yyyy"));
}

bool Read(const QString &text, QDate &date)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        date = QDate();
        return true;
    }
    static const QRegularExpression form(QStringLiteral(
        "^(?:(\\p{L}+)\\s*,?\\s*)?([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{2}|[0-9]{4})$"));
    const QRegularExpressionMatch match = form.match(trimmed);
    if (!match.hasMatch())
        return false;
    if (match.capturedLength(1) > 0 && !IsDayName(match.captured(1)))
        return false;
    int year = match.captured(4).toInt();
    if (match.capturedLength(4) == 2)
        year += year < TwoDigitYearStart % 100 ? 2000 : 1900;
    const QDate read(year, match.captured(3).toInt(), match.captured(2).toInt());
    if (!read.isValid() || year < 1)
        return false;
    date = read;
    return true;
}

QString InvalidDateMessage(const QString &text)
{
    return QStringLiteral("'%1' ist kein gültiges Datum").arg(text.trimmed());
}

} // namespace PickerDateText
