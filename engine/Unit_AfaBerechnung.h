#pragma once
// Depreciation schedule of one asset, announced year by year through OnYear.
#include "AfaArt.h"
#include "DateSerial.h"
#include "MovementCursor.h"

#include <QString>
#include <functional>

class QObject;

using TNotifyEvent = std::function<void(QObject *Sender)>;

class TAfABerechnung
{
public:
    TAfABerechnung() = default;

    TAfaArt SetKindCode(const QString &code);
    void CalcLinear(TDateTime startDate, double residual, double cost, int months);
    void CalcDegressive(TDateTime startDate, double rate, double residual, double cost, int months);
    double AdditionsOfYear(int year);
    double CurrentRate() const;
    QString RateText() const;
    void RateLabel(bool withPercent, QString &target) const;

    static int YearOfDate(TDateTime date);
    // letter "a": first day of the month (0 = January); "e": last day (0 = December);
    // anything else, or a month outside 0..12, gives 0.
    static TDateTime MonthBoundary(int year, const QString &letter, int month);
    static double MaxDegressiveRate(int months);
    // Longest useful life a schedule is computed for: 100 years.
    static constexpr int MaxMonths = 1200;
    // Calendar year of the last schedule year of a run from startDate over months (the start
    // year when months is not positive); 64 bit, so any int input gives a sound answer.
    static long long LastScheduleYear(TDateTime startDate, int months);

    TNotifyEvent OnYear;
    TAfaArt Kind = afaLIN;
    double DegRate = 0;
    double Cost = 0;
    double YearAmount = 0;
    double YearAdditions = 0;
    double YearDisposals = 0;
    double Residual = 0;
    double ClosingValue = 0;
    double OpeningValue = 0;
    TDateTime PeriodStart = 0;
    TDateTime PeriodEnd = 0;
    int Year = 0;
    int YearNo = 0;
    int RemainingMonths = 0;
    int RowNo = 0;
    double LinRate = 0;
    bool Switched = false;
    TMovementCursor *Movements = nullptr;
    bool AllowSwitch = true;

private:
    // Straight-line rate over the whole years of a number of months, at least one year.
    static double LinearRateFor(int months);
    void StartFirstYear(TDateTime startDate, int months, int &monthsOfYear);
    void AdvanceYear(int &monthsOfYear);
    void FireYear();
};
