#include "TestLinearSchedule.h"

#include "MemoryMovements.h"
#include "ScheduleRecorder.h"

#include <QRandomGenerator>
#include <QtTest>

void TestLinearSchedule::workedExample()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);

    struct Expected {
        int year;
        TDateTime start, end;
        double opening, amount, closing;
        int remaining;
    };
    const QList<Expected> expected = {
        {2024, D(2024, 4, 15), D(2024, 12, 31), 12000, 1800, 10200, 51},
        {2025, D(2025, 1, 1), D(2025, 12, 31), 10200, 2400, 7800, 39},
        {2026, D(2026, 1, 1), D(2026, 12, 31), 7800, 2400, 5400, 27},
        {2027, D(2027, 1, 1), D(2027, 12, 31), 5400, 2400, 3000, 15},
        {2028, D(2028, 1, 1), D(2028, 12, 31), 3000, 2400, 600, 3},
        {2029, D(2029, 1, 1), D(2029, 3, 31), 600, 600, 0, 0},
    };
    QCOMPARE(rec.years.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const YearSeen &y = rec.years[i];
        const Expected &x = expected[i];
        QCOMPARE(y.yearNo, i + 1);
        QCOMPARE(y.rowNo, i + 1);
        QCOMPARE(y.year, x.year);
        QCOMPARE(y.periodStart, x.start);
        QCOMPARE(y.periodEnd, x.end);
        QCOMPARE(Money(y.opening), Money(x.opening));
        QCOMPARE(Money(y.amount), Money(x.amount));
        QCOMPARE(Money(y.closing), Money(x.closing));
        QCOMPARE(y.remaining, x.remaining);
        QCOMPARE(y.label, QStringLiteral("L-20,00%"));
        QCOMPARE(y.kind, afaLIN);
    }
    QCOMPARE(rec.years.last().closing, 0.0); // exactly, not just to the cent
    QCOMPARE(rec.years.last().amount, rec.years.last().opening);
    QString plain;
    engine.RateLabel(false, plain);
    QCOMPARE(plain, QStringLiteral("Linear"));
}

void TestLinearSchedule::wholeYearsFromJanuary()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 1, 1), 0, 10000, 48);
    QCOMPARE(rec.years.size(), 4);
    for (const YearSeen &y : rec.years) {
        QCOMPARE(y.amount, 2500.0);
        QCOMPARE(y.label, QStringLiteral("L-25,00%"));
    }
    QCOMPARE(rec.years.last().periodEnd, D(2027, 12, 31));
}

void TestLinearSchedule::decemberStartHasOneMonth()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 12, 20), 0, 6000, 60);
    QCOMPARE(rec.years.size(), 6);
    QCOMPARE(rec.years[0].periodStart, D(2024, 12, 20));
    QCOMPARE(rec.years[0].periodEnd, D(2024, 12, 31));
    QCOMPARE(rec.years[0].amount, 100.0);
    QCOMPARE(rec.years[0].remaining, 59);
    QCOMPARE(rec.years[5].periodEnd, D(2029, 11, 30));
    QCOMPARE(rec.years[5].remaining, 0);
}

void TestLinearSchedule::additionIsSpreadOverRemainingMonths()
{
    MemoryMovements moves;
    moves.rows = {{7, QDateTime(QDate(2026, 6, 30), QTime()), 600.0}};
    TAfABerechnung engine;
    engine.Movements = &moves;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);

    QCOMPARE(rec.years.size(), 6);
    QCOMPARE(rec.years[1].additions, 0.0);
    QCOMPARE(rec.years[2].additions, 600.0);
    QCOMPARE(Money(rec.years[2].opening), QStringLiteral("8.400,00"));
    QCOMPARE(Money(rec.years[2].amount), QStringLiteral("2.584,62"));
    QCOMPARE(rec.years[2].amount, 8400.0 / 39 * 12);
    // Years 4 and 5 keep the same monthly share of the value left after year 3.
    const double monthly = rec.years[2].amount / 12;
    QCOMPARE(Money(rec.years[3].amount), Money(monthly * 12));
    QCOMPARE(Money(rec.years[4].amount), Money(monthly * 12));
    QCOMPARE(Money(rec.years[5].amount), Money(monthly * 3));
    QCOMPARE(rec.years[3].additions, 0.0);
    QCOMPARE(rec.years.last().closing, 0.0);
}

void TestLinearSchedule::movementsOutsideScheduleAndDisposalsChangeNothing()
{
    MemoryMovements moves;
    moves.rows = {{1, QDateTime(QDate(2023, 12, 31), QTime()), 500.0},
                  {2, QDateTime(QDate(2030, 1, 1), QTime()), 700.0},
                  {3, QDateTime(QDate(2026, 5, 1), QTime()), QVariant(), 900.0},
                  {4, QVariant(), 300.0}};
    TAfABerechnung engine;
    engine.Movements = &moves;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);
    QCOMPARE(rec.years.size(), 6);
    const QList<double> amounts = {1800, 2400, 2400, 2400, 2400, 600};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(rec.years[i].amount, amounts[i]);
        QCOMPARE(rec.years[i].additions, 0.0);
    }
}

void TestLinearSchedule::inactiveMovementStillCounts()
{
    MemoryMovements moves;
    moves.rows = {{1, QDateTime(QDate(2026, 1, 1), QTime()), 300.0, QVariant(), 0},
                  {2, QDateTime(QDate(2026, 12, 31), QTime(23, 59)), 300.0, QVariant(), 1}};
    TAfABerechnung engine;
    engine.Movements = &moves;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);
    QCOMPARE(rec.years[2].additions, 600.0);
    QCOMPARE(Money(rec.years[2].amount), QStringLiteral("2.584,62"));
}

void TestLinearSchedule::residualValue()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 1, 12000, 60);
    QCOMPARE(rec.years.size(), 6);
    QCOMPARE(rec.years[0].opening, 11999.0);
    QCOMPARE(rec.years[0].amount, 11999.0 / 60 * 9);
    QCOMPARE(Money(rec.years[0].closing), QStringLiteral("10.199,15"));
    QCOMPARE(Money(rec.years[4].closing), QStringLiteral("599,95"));
    QCOMPARE(rec.years[5].amount, rec.years[5].opening);
    QCOMPARE(rec.years[5].closing, 1.0);
    QCOMPARE(engine.ClosingValue, 1.0);
}

void TestLinearSchedule::zeroBaseDoesNotDepreciateTheResidual()
{
    // Cost equal to the residual: nothing to depreciate in any year.
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 4, 15), 500, 500, 36);
    QCOMPARE(rec.years.size(), 4);
    for (const YearSeen &y : rec.years) {
        QCOMPARE(y.opening, 0.0);
        QCOMPARE(y.amount, 0.0);
        QCOMPARE(y.closing, 500.0); // shown as the residual
    }
}

void TestLinearSchedule::lastYearClosesAtExactlyZero()
{
    // Amounts that are not whole cents: the last year still writes off the exact rest.
    auto *rng = QRandomGenerator::global();
    for (int i = 0; i < 500; ++i) {
        const double cost = rng->bounded(1, 10000000) / 100.0 + rng->bounded(1.0);
        const int months = rng->bounded(12, 241);
        const TDateTime start =
            D(2000 + rng->bounded(30), rng->bounded(1, 13), rng->bounded(1, 29));
        const double residual = rng->bounded(3) == 0 ? 1.0 : 0.0;
        TAfABerechnung engine;
        ScheduleRecorder rec(engine);
        engine.CalcLinear(start, residual, cost, months);
        QVERIFY(!rec.years.isEmpty());
        QCOMPARE(rec.years.last().remaining, 0);
        QCOMPARE(rec.years.last().closing, residual);
        double sum = 0;
        int monthsSeen = 0;
        for (const YearSeen &y : rec.years)
            sum += y.amount;
        for (int k = 1; k < rec.years.size(); ++k)
            monthsSeen += rec.years[k - 1].remaining - rec.years[k].remaining;
        QCOMPARE(monthsSeen + (months - rec.years[0].remaining), months);
        QVERIFY2(std::fabs(sum - (cost - residual)) < 1e-6, qPrintable(QString::number(cost)));
    }
}

void TestLinearSchedule::rateOfOddLives()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 1, 1), 0, 9000, 90);
    QCOMPARE(rec.years.first().label, QStringLiteral("L-14,29%"));
    rec.years.clear();
    engine.CalcLinear(D(2024, 1, 1), 0, 6600, 66);
    QCOMPARE(rec.years.first().label, QStringLiteral("L-20,00%"));
}
