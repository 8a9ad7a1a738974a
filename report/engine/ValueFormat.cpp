#include "ValueFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <array>
#include <cmath>

namespace
{

const std::array<const char16_t *, 7> ShortDays = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
const std::array<const char16_t *, 7> LongDays = {
    u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"};

void AppendPadded(QString &out, int value, int width)
{
    const QString digits = QString::number(value);
    for (qsizetype i = digits.size(); i < width; ++i)
        out.append(QLatin1Char('0'));
    out.append(digits);
}

bool IsIntegerType(int typeId)
{
    return IsNumberType(typeId) && typeId != QMetaType::Double && typeId != QMetaType::Float;
}

// Shortest decimal text of |value| that reads back as value, without exponent.
QString ShortestDigits(double value)
{
    return QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
}

QString PlainDate(const QDate &date)
{
    QString out;
    out.reserve(10);
    AppendPadded(out, date.day(), 2);
    out.append(QLatin1Char('.'));
    AppendPadded(out, date.month(), 2);
    out.append(QLatin1Char('.'));
    AppendPadded(out, date.year(), 4);
    return out;
}

QString PlainTime(const QTime &time)
{
    QString out;
    AppendPadded(out, time.hour(), 2);
    out.append(QLatin1Char(':'));
    AppendPadded(out, time.minute(), 2);
    out.append(QLatin1Char(':'));
    AppendPadded(out, time.second(), 2);
    return out;
}

} // namespace

bool IsNumberType(int typeId)
{
    switch (typeId) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

TValueFormat::TValueFormat(const QString &pattern, bool blankZero) : m_blankZero(blankZero)
{
    if (pattern.isEmpty())
        return;
    if (ParseNumber(pattern))
        m_kind = TKind::Number;
    else if (ParseDate(pattern))
        m_kind = TKind::Date;
}

bool TValueFormat::IsValid(const QString &pattern)
{
    if (pattern.isEmpty())
        return true;
    TValueFormat probe;
    return probe.ParseNumber(pattern) || probe.ParseDate(pattern);
}

// "0" a required digit, "#" an optional one, "." the decimal separator, "," grouping.
bool TValueFormat::ParseNumber(const QString &pattern)
{
    bool point = false, digit = false;
    int minInt = 0, minDec = 0, maxDec = 0;
    bool grouping = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.')) {
            if (point)
                return false;
            point = true;
        } else if (c == QLatin1Char(',')) {
            if (point)
                return false;
            grouping = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            digit = true;
            if (!point) {
                if (c == QLatin1Char('0'))
                    ++minInt;
            } else {
                if (c == QLatin1Char('0')) {
                    if (maxDec > minDec)
                        return false; // "0.#0": a required digit after an optional one
                    ++minDec;
                }
                ++maxDec;
            }
        } else {
            return false;
        }
    }
    if (!digit || minInt > 30 || maxDec > 30)
        return false;
    m_grouping = grouping;
    m_minIntDigits = minInt;
    m_minDecimals = minDec;
    m_maxDecimals = maxDec;
    return true;
}

// Letters without regard to case: d dd ddd dddd, m mm (minutes right after an hour), yy yyyy,
// h hh, n nn, s ss; ".", ",", "_", "-", ":", "/" and blanks stand for themselves.
bool TValueFormat::ParseDate(const QString &pattern)
{
    std::vector<TDateToken> tokens;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern[i + n].toLower() == c)
            ++n;
        TDatePart part;
        if (c == QLatin1Char('d') && n <= 4) {
            const TDatePart parts[] = {TDatePart::Day, TDatePart::Day2, TDatePart::WeekdayShort,
                                       TDatePart::WeekdayLong};
            part = parts[n - 1];
        } else if (c == QLatin1Char('m') && n <= 2) {
            if (afterHour)
                part = n == 1 ? TDatePart::Minute : TDatePart::Minute2;
            else
                part = n == 1 ? TDatePart::Month : TDatePart::Month2;
        } else if (c == QLatin1Char('y') && (n == 2 || n == 4)) {
            part = n == 2 ? TDatePart::Year2 : TDatePart::Year4;
        } else if (c == QLatin1Char('h') && n <= 2) {
            part = n == 1 ? TDatePart::Hour : TDatePart::Hour2;
        } else if (c == QLatin1Char('n') && n <= 2) {
            part = n == 1 ? TDatePart::Minute : TDatePart::Minute2;
        } else if (c == QLatin1Char('s') && n <= 2) {
            part = n == 1 ? TDatePart::Second : TDatePart::Second2;
        } else if (QStringView(u".,_-:/ ").contains(c)) {
            for (qsizetype k = 0; k < n; ++k)
                tokens.push_back({TDatePart::Literal, c});
            i += n;
            continue;
        } else {
            return false;
        }
        afterHour = part == TDatePart::Hour || part == TDatePart::Hour2;
        tokens.push_back({part, QChar()});
        i += n;
    }
    bool field = false;
    for (const TDateToken &t : tokens)
        field = field || t.Part != TDatePart::Literal;
    if (!field)
        return false;
    m_date = std::move(tokens);
    return true;
}

QString TValueFormat::Format(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    const int type = value.typeId();
    switch (m_kind) {
    case TKind::Plain:
        if (m_blankZero && IsNumberType(type) && value.toDouble() == 0)
            return {};
        return Plain(value);
    case TKind::Number:
        if (IsIntegerType(type)) {
            if (m_blankZero && value.toLongLong() == 0 && value.toULongLong() == 0)
                return {};
            if (type == QMetaType::ULongLong || type == QMetaType::ULong ||
                type == QMetaType::UInt || type == QMetaType::UShort)
                return FormatDigits(false, QString::number(value.toULongLong()), -1);
            const qlonglong v = value.toLongLong();
            const quint64 magnitude = v < 0 ? 0 - quint64(v) : quint64(v);
            return FormatDigits(v < 0, QString::number(magnitude), -1);
        }
        if (type == QMetaType::Double || type == QMetaType::Float)
            return FormatNumber(value.toDouble());
        if (type == QMetaType::QString) {
            bool ok = false;
            const double v = value.toString().trimmed().toDouble(&ok);
            if (ok)
                return FormatNumber(v);
        }
        return Plain(value);
    case TKind::Date:
        if (type == QMetaType::QDate) {
            const QDate date = value.toDate();
            return date.isValid() ? FormatDate(date, QTime(0, 0)) : QString();
        }
        if (type == QMetaType::QDateTime) {
            const QDateTime stamp = value.toDateTime();
            return stamp.isValid() ? FormatDate(stamp.date(), stamp.time()) : QString();
        }
        return Plain(value);
    }
    return {};
}

QString TValueFormat::FormatNumber(double value) const
{
    if (!std::isfinite(value))
        return {};
    if (m_blankZero && value == 0)
        return {};
    if (m_kind != TKind::Number)
        return Plain(value);
    QString digits = ShortestDigits(value);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    qsizetype intCount = digits.size();
    if (point >= 0) {
        digits.remove(point, 1);
        intCount = point;
    }
    return FormatDigits(value < 0, std::move(digits), intCount);
}

// digits: the magnitude's decimal digits, the first intCount of them before the point (all
// when intCount < 0). Rounds half away from zero at the pattern's last decimal.
QString TValueFormat::FormatDigits(bool negative, QString digits, qsizetype intCount) const
{
    if (intCount < 0)
        intCount = digits.size();
    const qsizetype keep = intCount + m_maxDecimals;
    if (digits.size() > keep) {
        const bool up = digits[keep] >= QLatin1Char('5');
        digits.truncate(keep);
        if (up) {
            qsizetype i = keep - 1;
            for (; i >= 0; --i) {
                if (digits[i] == QLatin1Char('9')) {
                    digits[i] = QLatin1Char('0');
                } else {
                    digits[i] = QChar(digits[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend(QLatin1Char('1'));
                ++intCount;
            }
        }
    }
    QString frac = digits.mid(intCount);
    while (frac.size() < m_minDecimals)
        frac.append(QLatin1Char('0'));
    while (frac.size() > m_minDecimals && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    QString whole = digits.left(intCount);
    qsizetype lead = 0;
    while (lead < whole.size() && whole[lead] == QLatin1Char('0'))
        ++lead;
    whole.remove(0, lead);
    while (whole.size() < m_minIntDigits)
        whole.prepend(QLatin1Char('0'));

    const bool zero = !std::any_of(whole.cbegin(), whole.cend(), [](QChar c) {
        return c != QLatin1Char('0');
    }) && !std::any_of(frac.cbegin(), frac.cend(), [](QChar c) { return c != QLatin1Char('0'); });
    QString out;
    out.reserve(whole.size() + whole.size() / 3 + frac.size() + 2);
    if (negative && !zero)
        out.append(QLatin1Char('-'));
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (m_grouping && i > 0 && (whole.size() - i) % 3 == 0)
            out.append(QLatin1Char('.'));
        out.append(whole[i]);
    }
    if (!frac.isEmpty()) {
        out.append(QLatin1Char(','));
        out.append(frac);
    }
    return out;
}

QString TValueFormat::FormatDate(const QDate &date, const QTime &time) const
{
    QString out;
    out.reserve(qsizetype(m_date.size()) + 4);
    for (const TDateToken &t : m_date) {
        switch (t.Part) {
        case TDatePart::Literal:
            out.append(t.Literal);
            break;
        case TDatePart::Day:
            AppendPadded(out, date.day(), 1);
            break;
        case TDatePart::Day2:
            AppendPadded(out, date.day(), 2);
            break;
        case TDatePart::WeekdayShort:
            out.append(QString::fromUtf16(ShortDays[size_t(date.dayOfWeek() % 7)]));
            break;
        case TDatePart::WeekdayLong:
            out.append(QString::fromUtf16(LongDays[size_t(date.dayOfWeek() % 7)]));
            break;
        case TDatePart::Month:
            AppendPadded(out, date.month(), 1);
            break;
        case TDatePart::Month2:
            AppendPadded(out, date.month(), 2);
            break;
        case TDatePart::Year2:
            AppendPadded(out, ((date.year() % 100) + 100) % 100, 2);
            break;
        case TDatePart::Year4:
            AppendPadded(out, date.year(), 4);
            break;
        case TDatePart::Hour:
            AppendPadded(out, time.hour(), 1);
            break;
        case TDatePart::Hour2:
            AppendPadded(out, time.hour(), 2);
            break;
        case TDatePart::Minute:
            AppendPadded(out, time.minute(), 1);
            break;
        case TDatePart::Minute2:
            AppendPadded(out, time.minute(), 2);
            break;
        case TDatePart::Second:
            AppendPadded(out, time.second(), 1);
            break;
        case TDatePart::Second2:
            AppendPadded(out, time.second(), 2);
            break;
        }
    }
    return out;
}

QString TValueFormat::Plain(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double v = value.toDouble();
        if (!std::isfinite(v))
            return {};
        if (v == 0)
            return QStringLiteral("0");
        QString text = ShortestDigits(v);
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        if (v < 0)
            text.prepend(QLatin1Char('-'));
        return text;
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? PlainDate(date) : QString();
    }
    case QMetaType::QDateTime: {
        const QDateTime stamp = value.toDateTime();
        if (!stamp.isValid())
            return {};
        if (stamp.time() == QTime(0, 0))
            return PlainDate(stamp.date());
        return PlainDate(stamp.date()) + QLatin1Char(' ') + PlainTime(stamp.time());
    }
    case QMetaType::QTime: {
        const QTime time = value.toTime();
        return time.isValid() ? PlainTime(time) : QString();
    }
    default:
        return value.toString();
    }
}
