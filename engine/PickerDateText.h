#pragma once
// Text form of the date pickers: "ddd, dd.MM.yyyy" with German weekday short names
// ("Mo, 05.03.2012"), whatever the machine's locale. Reading takes "d.M.yy" or "d.M.yyyy",
// optionally after a weekday name (short or long, any day: the date decides) and a comma;
// a two-digit year lies in 1950..2049. The empty text is the null date.
#include <QDate>
#include <QString>

namespace PickerDateText
{

constexpr int TwoDigitYearStart = 1950;

// Empty for a null or invalid date.
QString Format(const QDate &date);
// True for a readable text (date set) or a blank one (date null); false otherwise, date
// untouched.
bool Read(const QString &text, QDate &date);
// "'31.02.2024' ist kein gültiges Datum"
QString InvalidDateMessage(const QString &text);

} // namespace PickerDateText
