#pragma once
// Day-serial date-time values: whole days since 30.12.1899, time of day as fraction.
#include <QDate>
#include <QDateTime>
#include <QVariant>

using TDateTime = double;

namespace DateSerial
{

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// 0 when the date is not a calendar date.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime &result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result);

void DecodeDate(TDateTime value, int &year, int &month, int &day);
void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec);
int YearOf(TDateTime value);
int MonthOf(TDateTime value);
int DayOf(TDateTime value);
// 1 = Sunday ... 7 = Saturday
int DayOfWeek(TDateTime value);

QDate ToQDate(TDateTime value);
QDateTime ToQDateTime(TDateTime value);
TDateTime FromQDate(const QDate &date);
TDateTime FromQDateTime(const QDateTime &dateTime);
// Null or unreadable gives 0; QDateTime, QDate and numbers are taken as they are.
TDateTime FromVariant(const QVariant &value);

} // namespace DateSerial
