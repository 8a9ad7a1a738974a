#include "DateSerial.h"

#include <QHash>

#include <cmath>

namespace DateSerial
{

namespace
{
const qint64 EpochJulianDay = QDate(1899, 12, 30).toJulianDay();
constexpr double MSecsPerDay = 86400000.0;

// Whole days and milliseconds of the day; the fraction is the time whatever the sign.
void Split(TDateTime value, qint64 &days, qint64 &msecs)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e12) {
        days = 0;
        msecs = 0;
        return;
    }
    double whole = std::trunc(value);
    days = static_cast<qint64>(whole);
    msecs = std::llround(std::fabs(value - whole) * MSecsPerDay);
    if (msecs >= static_cast<qint64>(MSecsPerDay))
        msecs = static_cast<qint64>(MSecsPerDay) - 1;
}
} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(QDate(year, month, day).toJulianDay() - EpochJulianDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    return TryEncodeDate(year, month, day, result) ? result : 0;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return false;
    result = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / MSecsPerDay;
    return true;
}

QDate ToQDate(TDateTime value)
{
    qint64 days, msecs;
    Split(value, days, msecs);
    return QDate::fromJulianDay(EpochJulianDay + days);
}

QDateTime ToQDateTime(TDateTime value)
{
    // A local date-time costs a time-zone look-up to build; runs convert the same few
    // dates again and again, so the recent ones are kept.
    thread_local QHash<double, QDateTime> recent;
    const auto it = recent.constFind(value);
    if (it != recent.cend())
        return it.value();
    qint64 days, msecs;
    Split(value, days, msecs);
    const QDateTime result(QDate::fromJulianDay(EpochJulianDay + days),
                           QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
    if (recent.size() >= 4096)
        recent.clear();
    recent.insert(value, result);
    return result;
}

TDateTime FromQDate(const QDate &date)
{
    if (!date.isValid())
        return 0;
    return static_cast<double>(date.toJulianDay() - EpochJulianDay);
}

TDateTime FromQDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return 0;
    double days = FromQDate(dateTime.date());
    double frac = dateTime.time().msecsSinceStartOfDay() / MSecsPerDay;
    // Before the epoch the fraction still counts forward from the day's start.
    return days < 0 ? days - frac : days + frac;
}

TDateTime FromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return 0;
    switch (value.metaType().id()) {
    case QMetaType::QDateTime:
        return FromQDateTime(value.toDateTime());
    case QMetaType::QDate:
        return FromQDate(value.toDate());
    default: {
        bool ok = false;
        double d = value.toDouble(&ok);
        return ok ? d : 0;
    }
    }
}

void DecodeDate(TDateTime value, int &year, int &month, int &day)
{
    ToQDate(value).getDate(&year, &month, &day);
}

void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec)
{
    qint64 days, msecs;
    Split(value, days, msecs);
    hour = static_cast<int>(msecs / 3600000);
    minute = static_cast<int>(msecs / 60000 % 60);
    second = static_cast<int>(msecs / 1000 % 60);
    msec = static_cast<int>(msecs % 1000);
}

int YearOf(TDateTime value)
{
    return ToQDate(value).year();
}
int MonthOf(TDateTime value)
{
    return ToQDate(value).month();
}
int DayOf(TDateTime value)
{
    return ToQDate(value).day();
}

int DayOfWeek(TDateTime value)
{
    return ToQDate(value).dayOfWeek() % 7 + 1;
}

} // namespace DateSerial
