#include "Unit_AfaBerechnung.h"

#include "GermanFormat.h"
#include "ScopeGuard.h"

#include <algorithm>
#include <cmath>

using Extended = long double;

namespace
{

int WholeYearsAtLeastOne(int months)
{
    return std::max(1, months / 12);
}

// Amounts whose difference lies in the last bits count as equal.
bool DefinitelyLess(double a, double b)
{
    if (!(a < b))
        return false;
    double scale = std::max(std::fabs(a), std::fabs(b));
    return (b - a) >= 1e-9 * scale;
}

} // namespace

TAfaArt TAfABerechnung::SetKindCode(const QString &code)
{
    Kind = KindFromCode(code);
    return Kind;
}

double TAfABerechnung::LinearRateFor(int months)
{
    return static_cast<double>(Extended(100) / WholeYearsAtLeastOne(months));
}

int TAfABerechnung::YearOfDate(TDateTime date)
{
    return DateSerial::YearOf(date);
}

TDateTime TAfABerechnung::MonthBoundary(int year, const QString &letter, int month)
{
    if (month < 0 || month > 12)
        return 0;
    if (letter == u"a")
        return DateSerial::FromQDate(QDate(year, month == 0 ? 1 : month, 1));
    if (letter == u"e") {
        int m = month == 0 ? 12 : month;
        return DateSerial::FromQDate(QDate(year, m, DateSerial::DaysInMonth(year, m)));
    }
    return 0;
}

double TAfABerechnung::MaxDegressiveRate(int months)
{
    Extended rate = Extended(1) / WholeYearsAtLeastOne(months) * 200;
    return rate > 30 ? 30.0 : static_cast<double>(rate);
}

long long TAfABerechnung::LastScheduleYear(TDateTime startDate, int months)
{
    const long long startYear = YearOfDate(startDate);
    const int firstYearMonths = 13 - DateSerial::MonthOf(startDate);
    if (months <= firstYearMonths)
        return startYear;
    return startYear + (static_cast<long long>(months) - firstYearMonths + 11) / 12;
}

double TAfABerechnung::CurrentRate() const
{
    if (Kind == afaDEG && Switched) {
        // Change-over decided this year: the rate the next year will use.
        return LinearRateFor(RemainingMonths);
    }
    if (Kind == afaLIN)
        return LinRate;
    if (Kind == afaDEG)
        return DegRate;
    return 0;
}

QString TAfABerechnung::RateText() const
{
    return GermanFormat::FormatPercent(CurrentRate());
}

void TAfABerechnung::RateLabel(bool withPercent, QString &target) const
{
    if (Kind == afaLIN || Switched) {
        target = withPercent ? QStringLiteral("L-%1").arg(RateText()) : QStringLiteral("Linear");
    } else if (Kind == afaDEG) {
        target =
            withPercent ? QStringLiteral("D-%1").arg(RateText()) : QStringLiteral("Degresssiv");
    }
}

double TAfABerechnung::AdditionsOfYear(int year)
{
    if (!Movements || Movements->IsEmpty())
        return 0;
    double known = 0;
    if (Movements->KnownAdditionsOfYear(year, known))
        return known;
    TMovementCursor &cursor = *Movements;
    const QVariant rememberedId = cursor.CurrentId();
    cursor.DisableControls();
    // Back to the remembered row, then the displays resume (even when moving back fails).
    const TScopeGuard enable([&] { cursor.EnableControls(); });
    const TScopeGuard locate([&] { cursor.LocateId(rememberedId); });
    double sum = 0;
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
        if (DateSerial::YearOf(
                DateSerial::FromVariant(cursor.FieldValue(QStringLiteral("Datum")))) != year)
            continue;
        const QVariant addition = cursor.FieldValue(QStringLiteral("Zugang"));
        if (!addition.isNull())
            sum += addition.toDouble();
    }
    return sum;
}

void TAfABerechnung::FireYear()
{
    if (OnYear)
        OnYear(nullptr);
}

void TAfABerechnung::StartFirstYear(TDateTime startDate, int months, int &monthsOfYear)
{
    Year = YearOfDate(startDate);
    const int firstMonth = DateSerial::MonthOf(startDate);
    // A life shorter than the rest of the first year ends the schedule inside it.
    monthsOfYear = std::min(13 - firstMonth, std::max(months, 0));
    PeriodStart = startDate;
    PeriodEnd = MonthBoundary(Year, QStringLiteral("e"),
                              monthsOfYear > 0 ? firstMonth + monthsOfYear - 1 : 12);
}

void TAfABerechnung::AdvanceYear(int &monthsOfYear)
{
    monthsOfYear = std::min(12, RemainingMonths);
    ++Year;
    ++YearNo;
    ++RowNo;
    PeriodStart = MonthBoundary(Year, QStringLiteral("a"), 1);
    PeriodEnd = MonthBoundary(Year, QStringLiteral("e"), monthsOfYear);
}

void TAfABerechnung::CalcLinear(TDateTime startDate, double residual, double cost, int months)
{
    int monthsOfYear = 0;
    StartFirstYear(startDate, months, monthsOfYear);
    RemainingMonths = months;
    Cost = cost;
    ClosingValue = cost;
    YearAmount = 0;
    YearAdditions = 0;
    YearDisposals = 0;
    Residual = residual;
    YearNo = 1;
    RowNo = 1;
    LinRate = LinearRateFor(months);

    double base = static_cast<double>(Extended(cost) - residual);
    int monthsBefore = months;

    while (RemainingMonths > 0) {
        const double additions = AdditionsOfYear(Year);
        base = static_cast<double>(Extended(base) + additions);
        const double amount = static_cast<double>(Extended(base) / monthsBefore * monthsOfYear);
        const double remaining = static_cast<double>(Extended(base) - amount);

        YearAmount = amount;
        OpeningValue = base;
        // The residual only stands in for a closing value of 0; the run goes on from 0.
        ClosingValue = remaining == 0 ? Residual : remaining;
        YearAdditions = additions;
        RemainingMonths -= monthsOfYear;

        FireYear();

        if (RemainingMonths <= 0)
            break;
        AdvanceYear(monthsOfYear);
        monthsBefore = RemainingMonths;
        base = remaining;
    }
}

void TAfABerechnung::CalcDegressive(TDateTime startDate, double rate, double residual, double cost,
                                    int months)
{
    int monthsOfYear = 0;
    StartFirstYear(startDate, months, monthsOfYear);
    Kind = afaDEG;
    Cost = cost;
    ClosingValue = cost;
    RemainingMonths = months;
    DegRate = rate;
    Residual = residual;
    LinRate = 0;
    YearNo = 1;
    RowNo = 1;
    Switched = false;

    double comparisonBase = static_cast<double>(Extended(cost) - residual);
    double decliningBase = comparisonBase;
    int monthsBefore = months;

    while (RemainingMonths > 0) {
        const double additions = AdditionsOfYear(Year);
        comparisonBase = static_cast<double>(Extended(comparisonBase) + additions);
        decliningBase = static_cast<double>(Extended(decliningBase) + additions);

        const double comparisonAmount =
            static_cast<double>(Extended(comparisonBase) / monthsBefore * monthsOfYear);
        const double decliningAmount = static_cast<double>(Extended(monthsOfYear) / 12 *
                                                           decliningBase * (Extended(rate) / 100));

        RemainingMonths -= monthsOfYear;

        // After the change-over the declining book value is spread evenly over the months
        // that remained; the comparison schedule only serves the switch decision.
        double amount =
            Switched ? static_cast<double>(Extended(decliningBase) / monthsBefore * monthsOfYear)
                     : decliningAmount;
        double closing = static_cast<double>(Extended(decliningBase) - amount);
        if (RemainingMonths <= 0) {
            // The last year writes off the whole remaining value.
            amount = decliningBase;
            closing = 0;
        }
        YearAmount = amount;
        OpeningValue = decliningBase;
        ClosingValue = closing;
        Switched = AllowSwitch && DefinitelyLess(decliningAmount, comparisonAmount);
        if (ClosingValue == 0)
            ClosingValue = Residual;
        YearAdditions = additions;

        FireYear();

        if (RemainingMonths <= 0)
            break;
        AdvanceYear(monthsOfYear);
        monthsBefore = RemainingMonths;
        comparisonBase = static_cast<double>(Extended(comparisonBase) - comparisonAmount);
        decliningBase = closing;
        if (Switched) {
            LinRate = LinearRateFor(RemainingMonths);
            Kind = afaLIN;
        }
    }
}
