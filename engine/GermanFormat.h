#pragma once
// German text forms of numbers and dates, independent of the machine's locale:
// decimal comma, grouping point, German weekday and month names.
#include "DateSerial.h"

#include <QString>

namespace GermanFormat
{

constexpr QChar DecimalSeparator = u',';
constexpr QChar ThousandSeparator = u'.';
constexpr QChar DateSeparator = u'.';
constexpr QChar TimeSeparator = u':';

// Number pattern: "0" required digit, "#" optional digit, "." the decimal separator,
// "," anywhere asks for grouping; other characters stand for themselves. Rounds half away
// from zero on the value's 15 significant digits.
QString FormatFloat(const QString &pattern, double value);
// Standard form of a float: 15 significant digits, no trailing zeros, exponent only
// below 1E-5 and from 1E15 on (100000, 0,3, 1E-6, 1,5E15).
QString FloatText(double value);

// "#,0.00": the evaluations' amount form, 1.234,50.
QString FormatAmount(double value);
// "#,0.00" followed by "%": 20,00%.
QString FormatPercent(double value);

// Shortest text that reads back as the same double, decimal comma, no grouping
// (1800, 2584,6153846153848, 1E-20 as 1E-20).
QString ShortestDecimal(double value);

// Date pattern letters, case-insensitive: d dd ddd dddd, m mm mmm mmmm (minutes after an
// hour), yy yyyy, h hh, n nn, s ss, z zzz; ":" time separator, "/" date separator; text in
// quotes stands for itself.
QString FormatDateTime(const QString &pattern, TDateTime value);

// Strict whole number: optional blanks before, optional sign, decimal digits, 32 bit.
bool TryStrToInt(const QString &text, int &value);
// Whole number or EConvertError "'%s' ist kein gültiger Integerwert".
int StrToInt(const QString &text);
QString InvalidIntegerMessage(const QString &text);

// Plain German decimal notation: blanks around, optional sign, digits with an optional
// decimal comma, optional exponent ("1234,5", "-,5", "1,5E3"); no grouping points.
bool TryTextToFloat(const QString &text, double &value);

// dayOfWeek 1 = Sunday ... 7 = Saturday.
QString ShortDayName(int dayOfWeek);
QString LongDayName(int dayOfWeek);
QString ShortMonthName(int month);
QString LongMonthName(int month);

} // namespace GermanFormat
