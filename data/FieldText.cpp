#include "FieldText.h"

#include "GermanFormat.h"
#include "RecordStore.h"
#include "StoreField.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

namespace
{

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A part of digits as a number; false when empty, not digits or too large.
bool PartValue(const QString &part, int &value)
{
    if (part.isEmpty())
        return false;
    qsizetype i = 0;
    while (i < part.size() - 1 && part.at(i) == u'0')
        ++i;
    if (part.size() - i > 6)
        return false;
    value = 0;
    for (; i < part.size(); ++i) {
        if (!IsDigit(part.at(i)))
            return false;
        value = value * 10 + (part.at(i).unicode() - u'0');
    }
    return true;
}

// One or two year digits: within 50 years of the current year.
int ExpandYear(int year, qsizetype digits)
{
    if (digits > 2)
        return year;
    const int pivot = QDate::currentDate().year() - 50;
    year += pivot / 100 * 100;
    if (year < pivot)
        year += 100;
    return year;
}

bool ComposeDateTime(const QString &day, const QString &month, const QString &year,
                     const QString &hour, const QString &minute, const QString &second,
                     TDateTime &result)
{
    int d, m, y, h, n, s;
    if (!PartValue(day, d) || !PartValue(month, m) || !PartValue(year, y) || !PartValue(hour, h) ||
        !PartValue(minute, n) || !PartValue(second, s))
        return false;
    y = ExpandYear(y, year.size());
    if (y < 1 || y > 9999 || h > 23 || n > 59 || s > 59)
        return false;
    const QDate date(y, m, d);
    if (!date.isValid())
        return false;
    result = DateSerial::FromQDateTime(QDateTime(date, QTime(h, n, s)));
    return true;
}

// German number in plain notation, with grouping points when allowed.
bool ReadNumber(const QString &input, bool grouping, double &result)
{
    const QString text = input.trimmed();
    QByteArray plain;
    plain.reserve(text.size() + 2);
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        plain += char(text.at(i++).unicode());
    qsizetype digits = 0, groupLen = 0;
    bool grouped = false;
    while (i < n) {
        const QChar c = text.at(i);
        if (IsDigit(c)) {
            plain += char(c.unicode());
            ++digits;
            ++groupLen;
        } else if (grouping && c == GermanFormat::ThousandSeparator) {
            // Only between digits, the first group 1 to 3 digits, then groups of 3.
            if (groupLen == 0 || (grouped ? groupLen != 3 : groupLen > 3))
                return false;
            grouped = true;
            groupLen = 0;
        } else {
            break;
        }
        ++i;
    }
    if (grouped && groupLen != 3)
        return false;
    if (i < n && text.at(i) == GermanFormat::DecimalSeparator) {
        plain += '.';
        ++i;
        while (i < n && IsDigit(text.at(i))) {
            plain += char(text.at(i++).unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
            plain += char(text.at(i++).unicode());
        qsizetype expDigits = 0;
        while (i < n && IsDigit(text.at(i))) {
            plain += char(text.at(i++).unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    char *end = nullptr;
    const double value = std::strtod(plain.constData(), &end);
    if (end != plain.constData() + plain.size() || !std::isfinite(value))
        return false;
    result = value;
    return true;
}

} // namespace

TDateTime ParseDateText(const QString &text)
{
    // day, month, year, hour, minute, second
    QString parts[6] = {{}, {}, {}, {}, QStringLiteral("00"), QStringLiteral("00")};
    int s = 0;
    QString token;
    for (const QChar c : text) {
        if (IsDigit(c)) {
            token += c;
            continue;
        }
        const bool separator = c == u' ' || c == u'.' || c == u':';
        if (!separator || token.isEmpty())
            continue;
        if (c == u'.' && s == 0) {
            parts[0] = token;
            s = 1;
        } else if (c == u'.' && s == 1) {
            parts[1] = token;
            s = 2;
        } else if (c == u' ' && s == 2) {
            parts[2] = token;
            s = 3;
        } else if (c == u':' && s == 3) {
            parts[3] = token;
            s = 4;
        } else if (c == u':' && s == 4) {
            parts[4] = token;
            s = 5;
        }
        token.clear();
    }
    if (!token.isEmpty()) {
        ++s;
        parts[s - 1] = token;
    }
    if (parts[0].isEmpty() || parts[1].isEmpty() || parts[2].isEmpty()) {
        parts[0] = QStringLiteral("30");
        parts[1] = QStringLiteral("12");
        parts[2] = QStringLiteral("1899");
    }
    if (parts[3].isEmpty())
        parts[3] = parts[4] = parts[5] = QStringLiteral("00");
    TDateTime result = 0;
    if (!ComposeDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], result))
        return 0;
    return result;
}

bool TryReadDateTime(const QString &text, TDateTime &result)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(?:\\w{1,3},\\s*)?(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})"
                       "(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const QString hour = m.captured(4).isEmpty() ? QStringLiteral("00") : m.captured(4);
    const QString minute = m.captured(5).isEmpty() ? QStringLiteral("00") : m.captured(5);
    const QString second = m.captured(6).isEmpty() ? QStringLiteral("00") : m.captured(6);
    return ComposeDateTime(m.captured(1), m.captured(2), m.captured(3), hour, minute, second,
                           result);
}

double TextToFloatDef(const QString &text, double def)
{
    double value = 0;
    return ReadNumber(text, false, value) ? value : def;
}

double TextToAmountDef(const QString &text, double def)
{
    double value = 0;
    return ReadNumber(text, true, value) ? value : def;
}

bool IsYesNoIntField(const TStoreField *field, const QString &name)
{
    return field && field->DataSet() && field->DataSet()->FindField(name) == field;
}

void FieldToText(const TStoreField *field, QString &text, bool forDisplay, const QString &name)
{
    Q_UNUSED(forDisplay)
    if (!field)
        return;
    const QVariant value = field->Value();
    if (field->DataType == TFieldType::DateTime && name == FieldTextConv::DateToText) {
        const TDateTime t = DateSerial::FromVariant(value);
        text = value.isNull() || t == 0
                   ? QString()
                   : GermanFormat::FormatDateTime(QStringLiteral("ddd, dd.mm.yyyy"), t);
    } else if (field->DataType == TFieldType::Float && name == FieldTextConv::FloatToText) {
        text = value.isNull()
                   ? QString()
                   : GermanFormat::FormatFloat(QStringLiteral("#.#,##"), value.toDouble());
    } else if (field->DataType == TFieldType::Integer && name == FieldTextConv::YesNoToText) {
        text = value.isNull() ? QString() : (value.toInt() == 1 ? YesText : NoText);
    }
}

void TextToField(TStoreField *field, const QString &text, const QString &name)
{
    if (!field)
        return;
    if (field->DataType == TFieldType::DateTime && name.isEmpty()) {
        field->SetAsDateTime(ParseDateText(text));
    } else if (field->DataType == TFieldType::Float && name.isEmpty()) {
        if (text.trimmed().isEmpty())
            field->Clear();
        else
            field->SetValue(TextToAmountDef(text, 0.0));
    } else if (field->DataType == TFieldType::Integer && name == FieldTextConv::TextToYesNo) {
        field->SetValue(text.compare(YesText, Qt::CaseInsensitive) == 0 ? 1 : 0);
    }
}
