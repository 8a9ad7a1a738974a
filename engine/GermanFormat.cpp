#include "GermanFormat.h"

#include "AfaError.h"

#include <QHash>

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <utility>

namespace GermanFormat
{

namespace
{

const std::array<const char16_t *, 7> ShortDays = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
const std::array<const char16_t *, 7> LongDays = {
    u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"};
const std::array<const char16_t *, 12> ShortMonths = {
    u"Jan", u"Feb", u"Mrz", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
const std::array<const char16_t *, 12> LongMonths = {
    u"Januar", u"Februar", u"März",      u"April",   u"Mai",      u"Juni",
    u"Juli",   u"August",  u"September", u"Oktober", u"November", u"Dezember"};

struct NumberPattern {
    QString prefix;
    QString suffix;
    int requiredIntDigits = 0;
    int requiredDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

NumberPattern ParsePattern(const QString &fullPattern)
{
    // Only the first section of a "pos;neg;zero" pattern is used.
    QString pattern = fullPattern.section(u';', 0, 0);
    NumberPattern p;
    bool seenPlaceholder = false, seenDecimal = false, seenRequiredInt = false;
    int lastPlaceholderEnd = 0;
    int intPlaceholdersFromFirstZero = 0;
    QString literalRun;
    QChar quote;
    for (int i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                literalRun += c;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
            continue;
        }
        if (c == u'0' || c == u'#') {
            if (!seenPlaceholder)
                p.prefix = literalRun;
            literalRun.clear();
            seenPlaceholder = true;
            if (seenDecimal) {
                ++p.maxDecimals;
                if (c == u'0')
                    p.requiredDecimals = p.maxDecimals;
            } else {
                if (c == u'0')
                    seenRequiredInt = true;
                if (seenRequiredInt)
                    ++intPlaceholdersFromFirstZero;
            }
            lastPlaceholderEnd = i + 1;
        } else if (c == u'.') {
            if (!seenPlaceholder)
                p.prefix = literalRun, literalRun.clear();
            seenDecimal = true;
            seenPlaceholder = true;
            lastPlaceholderEnd = i + 1;
        } else if (c == u',') {
            p.grouping = true;
        } else {
            literalRun += c;
        }
    }
    if (!seenPlaceholder)
        p.prefix = literalRun;
    else
        p.suffix = literalRun;
    Q_UNUSED(lastPlaceholderEnd);
    p.requiredIntDigits = intPlaceholdersFromFirstZero;
    return p;
}

// Formatted texts of the values a run meets again and again (rates, period dates).
template <typename Key> class TRecentTexts
{
public:
    const QString *Find(const Key &key) const
    {
        const auto it = m_texts.constFind(key);
        return it == m_texts.cend() ? nullptr : &it.value();
    }
    QString Keep(const Key &key, const QString &text)
    {
        if (m_texts.size() >= 1024)
            m_texts.clear();
        m_texts.insert(key, text);
        return text;
    }

private:
    QHash<Key, QString> m_texts;
};

QString Group(const QString &digits)
{
    QString out;
    int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ThousandSeparator;
        out += digits[i];
    }
    return out;
}

} // namespace

QString FormatFloat(const QString &pattern, double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // The same few patterns come again and again; parse each once per thread.
    thread_local bool parsed = false;
    thread_local QString lastPattern;
    thread_local NumberPattern lastParsed;
    if (!parsed || lastPattern != pattern) {
        lastParsed = ParsePattern(pattern);
        lastPattern = pattern;
        parsed = true;
    }
    const NumberPattern &p = lastParsed;
    bool negative = std::signbit(value);

    // 15 significant digits: d.dddddddddddddde±x
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    QString mant;
    const char *s = buf;
    for (; *s && *s != 'e'; ++s)
        if (*s >= '0' && *s <= '9')
            mant += QLatin1Char(*s);
    int exponent = std::atoi(s + 1);

    // Keep the digits up to maxDecimals after the point; round half away from zero.
    int keep = exponent + 1 + p.maxDecimals;
    QString digits;
    if (keep < 0) {
        digits.clear();
    } else if (keep >= mant.size()) {
        digits = mant + QString(keep - mant.size(), u'0');
    } else {
        digits = mant.left(keep);
        if (mant[keep] >= u'5') {
            int i = keep - 1;
            while (i >= 0 && digits[i] == u'9') {
                digits[i] = u'0';
                --i;
            }
            if (i >= 0) {
                digits[i] = QChar(digits[i].unicode() + 1);
            } else {
                digits.prepend(u'1');
                ++exponent;
            }
        }
    }
    // digits now holds every digit down to 10^-maxDecimals.
    int intCount = digits.size() - p.maxDecimals;
    QString intPart, fracPart;
    if (intCount > 0) {
        intPart = digits.left(intCount);
        fracPart = digits.mid(intCount);
    } else {
        fracPart = QString(-intCount, u'0') + digits;
    }
    while (intPart.startsWith(u'0'))
        intPart.remove(0, 1);
    while (fracPart.size() > p.requiredDecimals && fracPart.endsWith(u'0'))
        fracPart.chop(1);
    auto nonZero = [](const QString &t) {
        for (QChar ch : t)
            if (ch != u'0')
                return true;
        return false;
    };
    bool allZero = !nonZero(intPart) && !nonZero(fracPart);
    if (intPart.size() < p.requiredIntDigits)
        intPart = QString(p.requiredIntDigits - intPart.size(), u'0') + intPart;
    if (p.grouping)
        intPart = Group(intPart);

    QString out = p.prefix;
    if (negative && !allZero)
        out.prepend(u'-');
    out += intPart;
    if (!fracPart.isEmpty())
        out += DecimalSeparator + fracPart;
    out += p.suffix;
    return out;
}

QString FloatText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // Rounded to 15 significant digits first: the exponent is that of the rounded value.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    QString digits;
    const char *s = buf;
    for (; *s && *s != 'e'; ++s)
        if (*s >= '0' && *s <= '9')
            digits += QLatin1Char(*s);
    const int exponent = std::atoi(s + 1);
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1)
            out += DecimalSeparator + digits.mid(1);
        return out + u'E' + QString::number(exponent);
    }
    if (exponent < 0)
        return out + u'0' + DecimalSeparator + QString(-exponent - 1, u'0') + digits;
    const int intDigits = exponent + 1;
    if (digits.size() <= intDigits)
        return out + digits + QString(intDigits - digits.size(), u'0');
    return out + digits.left(intDigits) + DecimalSeparator + digits.mid(intDigits);
}

QString FormatAmount(double value)
{
    return FormatFloat(QStringLiteral("#,0.00"), value);
}

QString FormatPercent(double value)
{
    thread_local TRecentTexts<double> recent;
    if (const QString *text = recent.Find(value))
        return *text;
    return recent.Keep(value, FormatAmount(value) + u'%');
}

QString ShortestDecimal(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    QString text = QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
    text.replace(u'.', DecimalSeparator);
    text.replace(u'e', u'E');
    return text;
}

QString ShortDayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf16(ShortDays[dayOfWeek - 1])
                                            : QString();
}

QString LongDayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf16(LongDays[dayOfWeek - 1])
                                            : QString();
}

QString ShortMonthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf16(ShortMonths[month - 1]) : QString();
}

QString LongMonthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf16(LongMonths[month - 1]) : QString();
}

// The formatting itself, without the kept texts.
static QString FormatDateTimeText(const QString &pattern, TDateTime value);

QString FormatDateTime(const QString &pattern, TDateTime value)
{
    thread_local TRecentTexts<std::pair<QString, double>> recent;
    const std::pair<QString, double> key(pattern, value);
    if (const QString *text = recent.Find(key))
        return *text;
    return recent.Keep(key, FormatDateTimeText(pattern, value));
}

static QString FormatDateTimeText(const QString &pattern, TDateTime value)
{
    int year, month, day, hour, minute, second, msec;
    DateSerial::DecodeDate(value, year, month, day);
    DateSerial::DecodeTime(value, hour, minute, second, msec);
    auto two = [](int v) {
        if (v < 0 || v > 99)
            return QString::number(v);
        const QChar digits[2] = {QChar(u'0' + v / 10), QChar(u'0' + v % 10)};
        return QString(digits, 2);
    };

    QString out;
    bool afterHour = false;
    int i = 0;
    const int n = pattern.size();
    while (i < n) {
        QChar c = pattern[i];
        QChar lc = c.toLower();
        if (c == u'"' || c == u'\'') {
            int end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = n;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        int run = 1;
        while (i + run < n && pattern[i + run].toLower() == lc)
            ++run;
        switch (lc.unicode()) {
        case 'd':
            if (run == 1)
                out += QString::number(day);
            else if (run == 2)
                out += two(day);
            else if (run == 3)
                out += ShortDayName(DateSerial::DayOfWeek(value));
            else if (run == 4)
                out += LongDayName(DateSerial::DayOfWeek(value));
            else
                out += FormatDateTimeText(QStringLiteral("dd/mm/yyyy"), value);
            afterHour = false;
            break;
        case 'm':
            if (afterHour && run <= 2) {
                out += run == 1 ? QString::number(minute) : two(minute);
            } else if (run == 1) {
                out += QString::number(month);
            } else if (run == 2) {
                out += two(month);
            } else if (run == 3) {
                out += ShortMonthName(month);
            } else {
                out += LongMonthName(month);
            }
            afterHour = false;
            break;
        case 'y':
            out += run <= 2 ? two(year % 100)
                            : QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
            afterHour = false;
            break;
        case 'h':
            out += run == 1 ? QString::number(hour) : two(hour);
            afterHour = true;
            i += run;
            continue;
        case 'n':
            out += run == 1 ? QString::number(minute) : two(minute);
            afterHour = false;
            break;
        case 's':
            out += run == 1 ? QString::number(second) : two(second);
            afterHour = false;
            break;
        case 'z':
            out += run >= 3 ? QStringLiteral("%1").arg(msec, 3, 10, QLatin1Char('0'))
                            : QString::number(msec);
            afterHour = false;
            break;
        case ':':
            out += QString(run, TimeSeparator);
            break;
        case '/':
            out += QString(run, DateSeparator);
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

bool TryStrToInt(const QString &text, int &value)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i >= n)
        return false;
    qint64 result = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return false;
        result = result * 10 + (c.unicode() - '0');
        if (result > qint64(INT_MAX) + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > INT_MAX || result < INT_MIN)
        return false;
    value = static_cast<int>(result);
    return true;
}

QString InvalidIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

int StrToInt(const QString &text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(InvalidIntegerMessage(text));
    return value;
}

bool TryTextToFloat(const QString &text, double &value)
{
    const QString t = text.trimmed();
    QByteArray plain;
    plain.reserve(t.size());
    int i = 0;
    const int n = t.size();
    auto digits = [&] {
        int count = 0;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            plain += char(t[i].unicode());
            ++i;
            ++count;
        }
        return count;
    };
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        plain += char(t[i++].unicode());
    int mantissaDigits = digits();
    if (i < n && t[i] == DecimalSeparator) {
        plain += '.';
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        plain += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            plain += char(t[i++].unicode());
        if (digits() == 0)
            return false;
    }
    if (i != n)
        return false;
    double result = 0;
    const char *begin = plain.constData();
    auto res =
        std::from_chars(begin + (plain.startsWith('+') ? 1 : 0), begin + plain.size(), result);
    if (res.ec != std::errc() || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

} // namespace GermanFormat
