#pragma once
// Text forms of the store fields that are not shown raw: the date form
// "ddd, dd.mm.yyyy", the amount form "#.#,##" and the yes/no form "Ja"/"Nein".
// German separators always (decimal comma, grouping point), whatever the machine's locale.
#include "DateSerial.h"

#include <QString>

class TStoreField;

// Converter names for FieldToText / TextToField.
namespace FieldTextConv
{
inline const QString DateToText = QStringLiteral("DateToText");
inline const QString FloatToText = QStringLiteral("FloatToText");
inline const QString YesNoToText = QStringLiteral("YesNoToText");
inline const QString TextToYesNo = QStringLiteral("TextToYesNo");
} // namespace FieldTextConv

inline const QString YesText = QStringLiteral("Ja");
inline const QString NoText = QStringLiteral("Nein");

// Display: by the field's type and the converter name; a combination it does not know
// leaves text as it is. forDisplay is accepted and ignored (edit text = display text).
void FieldToText(const TStoreField *field, QString &text, bool forDisplay, const QString &name);
// Entry: date-time (name empty) through ParseDateText, float (name empty) through
// TextToAmountDef with null for empty text, integer with "TextToYesNo". Never refuses.
void TextToField(TStoreField *field, const QString &text, const QString &name);

// True when field is the field its own store finds under name (case-insensitive).
bool IsYesNoIntField(const TStoreField *field, const QString &name);

// Lenient date-and-time reading: digits grouped by ".", blank and ":" into day, month,
// year, hour, minute, second; anything unreadable gives 0 (30.12.1899 00:00).
TDateTime ParseDateText(const QString &text);

// Strict reading for date fields without a text form: "dd.mm.yyyy", optionally a weekday
// in front ("Mo, ") and a time "hh:nn" or "hh:nn:ss" behind. False when not a valid date.
bool TryReadDateTime(const QString &text, TDateTime &result);

// Plain German number: optional sign, digits, decimal comma, optional exponent; blanks
// around it are allowed. def when the text is not such a finite number.
double TextToFloatDef(const QString &text, double def);
// As TextToFloatDef, but also accepts the grouping point of the display form between
// groups of three digits: "1.234,5" reads 1234.5, "1.234.567,891" 1234567.891.
double TextToAmountDef(const QString &text, double def);
