#include "TestEngineEdges.h"

#include "MemoryMovements.h"
#include "ScheduleRecorder.h"

#include <QtTest>
#include <stdexcept>

void TestEngineEdges::monthBoundary_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("month");
    QTest::addColumn<double>("date");
    QTest::newRow("leap February end") << 2024 << "e" << 2 << D(2024, 2, 29);
    QTest::newRow("February end") << 2023 << "e" << 2 << D(2023, 2, 28);
    QTest::newRow("month 0 end is December") << 2023 << "e" << 0 << D(2023, 12, 31);
    QTest::newRow("month 0 start is January") << 2023 << "a" << 0 << D(2023, 1, 1);
    QTest::newRow("April end") << 2024 << "e" << 4 << D(2024, 4, 30);
    QTest::newRow("start") << 2024 << "a" << 7 << D(2024, 7, 1);
    QTest::newRow("other letter") << 2024 << "x" << 2 << 0.0;
    QTest::newRow("upper case letter") << 2024 << "E" << 2 << 0.0;
    QTest::newRow("empty letter") << 2024 << "" << 2 << 0.0;
    QTest::newRow("month 13") << 2024 << "e" << 13 << 0.0;
}

void TestEngineEdges::monthBoundary()
{
    QFETCH(int, year);
    QFETCH(QString, letter);
    QFETCH(int, month);
    QFETCH(double, date);
    QCOMPARE(TAfABerechnung::MonthBoundary(year, letter, month), date);
}

void TestEngineEdges::livesShorterThanAYear()
{
    struct Case {
        int months;
        TDateTime start, end;
    };
    const QList<Case> cases = {{1, D(2024, 4, 15), D(2024, 4, 30)},
                               {6, D(2024, 4, 15), D(2024, 9, 30)},
                               {11, D(2024, 1, 10), D(2024, 11, 30)}};
    for (const Case &c : cases) {
        for (bool declining : {false, true}) {
            TAfABerechnung engine;
            ScheduleRecorder rec(engine);
            if (declining)
                engine.CalcDegressive(c.start, TAfABerechnung::MaxDegressiveRate(c.months), 1, 601,
                                      c.months);
            else
                engine.CalcLinear(c.start, 1, 601, c.months);
            QCOMPARE(rec.years.size(), 1);
            const YearSeen &y = rec.years[0];
            QCOMPARE(y.periodStart, c.start);
            QCOMPARE(y.periodEnd, c.end);
            QCOMPARE(y.remaining, 0);
            QCOMPARE(y.opening, 600.0);
            QCOMPARE(y.amount, 600.0);
            QCOMPARE(y.closing, 1.0);
            QCOMPARE(y.label, QStringLiteral("L-100,00%"));
        }
    }
}

void TestEngineEdges::lifeEndingInsideTheSecondYear()
{
    // 11 months from December: one month, then ten months of the next year.
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcLinear(D(2024, 12, 1), 0, 1100, 11);
    QCOMPARE(rec.years.size(), 2);
    QCOMPARE(rec.years[0].amount, 100.0);
    QCOMPARE(rec.years[1].amount, 1000.0);
    QCOMPARE(rec.years[1].periodEnd, D(2025, 10, 31));
    QCOMPARE(rec.years[1].label, QStringLiteral("L-100,00%"));

    // Declining: the change-over with under a year left still computes the last year.
    rec.years.clear();
    engine.CalcDegressive(D(2024, 12, 1), 30, 0, 1100, 11);
    QCOMPARE(rec.years.size(), 2);
    QCOMPARE(rec.years[0].label, QStringLiteral("L-100,00%"));
    QCOMPARE(rec.years[1].label, QStringLiteral("L-100,00%"));
    QCOMPARE(rec.years[1].closing, 0.0);
}

void TestEngineEdges::noLifeComputesNothing()
{
    for (int months : {0, -5}) {
        TAfABerechnung engine;
        ScheduleRecorder rec(engine);
        engine.YearAmount = 7;
        engine.YearAdditions = 8;
        engine.CalcLinear(D(2024, 4, 15), 0, 1000, months);
        QVERIFY(rec.years.isEmpty());
        engine.YearAmount = 7;
        engine.YearAdditions = 8;
        engine.CalcDegressive(D(2024, 4, 15), 20, 0, 1000, months);
        QVERIFY(rec.years.isEmpty());
        // A declining run without years leaves the previous figures.
        QCOMPARE(engine.YearAmount, 7.0);
        QCOMPARE(engine.YearAdditions, 8.0);
        QCOMPARE(engine.RemainingMonths, months);
    }
}

static MemoryMovements ThreeMovements()
{
    MemoryMovements moves;
    moves.rows = {{10, QDateTime(QDate(2025, 1, 1), QTime()), 100.0},
                  {11, QDateTime(QDate(2026, 2, 1), QTime()), 200.0},
                  {12, QDateTime(QDate(2025, 12, 31), QTime(12, 0)), QVariant()},
                  {13, QDateTime(QDate(2025, 7, 1), QTime()), 0.25}};
    return moves;
}

void TestEngineEdges::additionsOfYearRestoresTheCursor()
{
    MemoryMovements moves = ThreeMovements();
    moves.position = 2;
    TAfABerechnung engine;
    engine.Movements = &moves;
    QCOMPARE(engine.AdditionsOfYear(2025), 100.25);
    QCOMPARE(engine.AdditionsOfYear(2026), 200.0);
    QCOMPARE(engine.AdditionsOfYear(2027), 0.0);
    QCOMPARE(moves.position, 2);
    QCOMPARE(moves.disableCount, 0);
    QCOMPARE(moves.maxDisable, 1);
}

void TestEngineEdges::additionsOfYearRestoresAfterReadError()
{
    MemoryMovements moves = ThreeMovements();
    moves.position = 1;
    moves.throwOnReadOfRow = 2;
    TAfABerechnung engine;
    engine.Movements = &moves;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.AdditionsOfYear(2025));
    QCOMPARE(moves.position, 1);
    QCOMPARE(moves.disableCount, 0);

    // The same error inside a run ends it before the year is announced.
    ScheduleRecorder rec(engine);
    moves.throwOnReadOfRow = 0;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60));
    QVERIFY(rec.years.isEmpty());
    QCOMPARE(moves.position, 1);
    QCOMPARE(moves.disableCount, 0);

    // Moving back fails as well: the read error goes on and the displays are resumed.
    moves.throwOnLocate = true;
    try {
        engine.AdditionsOfYear(2025);
        QFAIL("no error");
    } catch (const std::runtime_error &error) {
        QCOMPARE(QByteArray(error.what()), QByteArray("Lesefehler"));
    }
    QCOMPARE(moves.disableCount, 0);
}

void TestEngineEdges::additionsWithoutMovements()
{
    TAfABerechnung engine;
    QCOMPARE(engine.AdditionsOfYear(2025), 0.0);
    MemoryMovements empty;
    engine.Movements = &empty;
    QCOMPARE(engine.AdditionsOfYear(2025), 0.0);
    QCOMPARE(empty.maxDisable, 0);
}

void TestEngineEdges::listenerErrorEndsTheRun()
{
    TAfABerechnung engine;
    int calls = 0;
    engine.OnYear = [&](QObject *) {
        if (++calls == 3)
            throw std::runtime_error("Abbruch");
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60));
    QCOMPARE(calls, 3);
    QCOMPARE(engine.Year, 2026);
}

void TestEngineEdges::listenerMayOverwriteFigures()
{
    TAfABerechnung engine;
    QList<int> rowNos;
    QList<double> amounts;
    engine.OnYear = [&](QObject *) {
        rowNos.append(engine.RowNo);
        amounts.append(engine.YearAmount);
        engine.RowNo = 1; // asks for a header in every year
        engine.OpeningValue = -1;
        engine.YearAmount = -1;
    };
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);
    QCOMPARE(rowNos, (QList<int>{1, 2, 2, 2, 2, 2}));
    QCOMPARE(amounts, (QList<double>{1800, 2400, 2400, 2400, 2400, 600}));

    rowNos.clear();
    amounts.clear();
    engine.CalcDegressive(D(2024, 4, 15), 30, 0, 10000, 60);
    QCOMPARE(rowNos, (QList<int>{1, 2, 2, 2, 2, 2}));
    // The overwritten amounts do not reach the declining value carried forward.
    QCOMPARE(Money(amounts[3]), QStringLiteral("1.687,78"));
    QCOMPARE(Money(amounts[5]), QStringLiteral("421,94"));
}

void TestEngineEdges::runWithoutListener()
{
    TAfABerechnung engine;
    engine.CalcLinear(D(2024, 4, 15), 0, 12000, 60);
    QCOMPARE(engine.YearNo, 6);
    QCOMPARE(engine.Year, 2029);
    QCOMPARE(engine.ClosingValue, 0.0);
    QCOMPARE(engine.RemainingMonths, 0);
}
