#pragma once
// German text of a field or sum value by a format pattern, independent of the machine's
// locale: number patterns ("#,0.00", "0", "#,0", "0.0#") with "," for decimals and "." for
// grouping, date patterns ("dd.mm.yyyy", "dd.mm.yy", "mm.yyyy", "yyyy", "ddd", times with
// "hh:nn:ss") and the empty pattern for plain text. NULL prints nothing.
#include <QString>
#include <QVariant>
#include <vector>

// Whether a value of this type id is a number (integers of every width, float, double).
bool IsNumberType(int typeId);

class TValueFormat
{
public:
    TValueFormat() = default; // plain text
    // The pattern must be valid (IsValid); an invalid one formats as plain text.
    explicit TValueFormat(const QString &pattern, bool blankZero = false);

    // True for the empty pattern, number patterns and date patterns.
    static bool IsValid(const QString &pattern);

    QString Format(const QVariant &value) const;
    QString FormatNumber(double value) const;
    // The value without a pattern: whole numbers without decimals, dates as dd.mm.yyyy.
    static QString Plain(const QVariant &value);

private:
    enum class TKind : quint8 { Plain, Number, Date };
    enum class TDatePart : quint8 {
        Literal,
        Day,
        Day2,
        WeekdayShort,
        WeekdayLong,
        Month,
        Month2,
        Year2,
        Year4,
        Hour,
        Hour2,
        Minute,
        Minute2,
        Second,
        Second2
    };
    struct TDateToken {
        TDatePart Part;
        QChar Literal;
    };

    bool ParseNumber(const QString &pattern);
    bool ParseDate(const QString &pattern);
    QString FormatDigits(bool negative, QString digits, qsizetype intCount) const;
    QString FormatDate(const QDate &date, const QTime &time) const;

    TKind m_kind = TKind::Plain;
    bool m_blankZero = false;
    bool m_grouping = false;
    int m_minIntDigits = 0;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
    std::vector<TDateToken> m_date;
};
