#include "TestDecliningSchedule.h"

#include "MemoryMovements.h"
#include "ScheduleRecorder.h"

#include <QtTest>

void TestDecliningSchedule::workedExampleWithChangeOver()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.AllowSwitch = true;
    engine.CalcDegressive(D(2024, 1, 1), 20, 0, 10000, 120);

    struct Expected {
        double opening, amount, closing;
        int remaining;
        bool switched;
        const char *label;
    };
    const QList<Expected> expected = {
        {10000, 2000, 8000, 108, false, "D-20,00%"},
        {8000, 1600, 6400, 96, false, "D-20,00%"},
        {6400, 1280, 5120, 84, false, "D-20,00%"},
        {5120, 1024, 4096, 72, false, "D-20,00%"},
        {4096, 819.2, 3276.8, 60, true, "L-20,00%"},
        // From year 6 the declining book value is spread evenly over the 60 months left.
        {3276.8, 655.36, 2621.44, 48, true, "L-20,00%"},
        {2621.44, 655.36, 1966.08, 36, true, "L-25,00%"},
        {1966.08, 655.36, 1310.72, 24, true, "L-33,33%"},
        {1310.72, 655.36, 655.36, 12, true, "L-50,00%"},
        {655.36, 655.36, 0, 0, true, "L-100,00%"},
    };
    QCOMPARE(rec.years.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const YearSeen &y = rec.years[i];
        const Expected &x = expected[i];
        QCOMPARE(y.yearNo, i + 1);
        QCOMPARE(y.year, 2024 + i);
        QCOMPARE(Money(y.opening), Money(x.opening));
        QCOMPARE(Money(y.amount), Money(x.amount));
        QCOMPARE(Money(y.closing), Money(x.closing));
        QCOMPARE(y.remaining, x.remaining);
        QCOMPARE(y.switched, x.switched);
        QCOMPARE(y.label, QString::fromLatin1(x.label));
        // Kind turns LIN only in the year after the decision.
        QCOMPARE(y.kind, i >= 5 ? afaLIN : afaDEG);
    }
    QCOMPARE(rec.years.last().closing, 0.0);
    double total = 0;
    for (const YearSeen &y : rec.years)
        total += y.amount;
    QCOMPARE(Money(total), QStringLiteral("10.000,00"));
}

void TestDecliningSchedule::workedExampleWithoutChangeOver()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.AllowSwitch = false;
    engine.CalcDegressive(D(2024, 1, 1), 20, 0, 10000, 120);
    const QStringList amounts = {"2.000,00", "1.600,00", "1.280,00", "1.024,00", "819,20",
                                 "655,36",   "524,29",   "419,43",   "335,54",   "1.342,18"};
    QCOMPARE(rec.years.size(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(Money(rec.years[i].amount), amounts[i]);
        QVERIFY(!rec.years[i].switched);
        QCOMPARE(rec.years[i].label, QStringLiteral("D-20,00%"));
        QCOMPARE(rec.years[i].kind, afaDEG);
    }
    QCOMPARE(rec.years[9].amount, rec.years[9].opening);
    QCOMPARE(rec.years[9].closing, 0.0);
    QString plain;
    engine.RateLabel(false, plain);
    QCOMPARE(plain, QStringLiteral("Degresssiv"));
}

void TestDecliningSchedule::aprilStartWithoutChangeOver()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.AllowSwitch = false;
    engine.CalcDegressive(D(2024, 4, 15), 30, 0, 10000, 60);
    const QStringList amounts = {"2.250,00", "2.325,00", "1.627,50",
                                 "1.139,25", "797,48",   "1.860,78"};
    QCOMPARE(rec.years.size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(Money(rec.years[i].amount), amounts[i]);
    QCOMPARE(rec.years[5].periodEnd, D(2029, 3, 31));
    QCOMPARE(rec.years[5].closing, 0.0);
}

void TestDecliningSchedule::aprilStartWithChangeOver()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.AllowSwitch = true;
    engine.CalcDegressive(D(2024, 4, 15), 30, 0, 10000, 60);
    const QStringList amounts = {"2.250,00", "2.325,00", "1.627,50",
                                 "1.687,78", "1.687,78", "421,94"};
    const QStringList labels = {"D-30,00%", "D-30,00%",  "L-50,00%",
                                "L-50,00%", "L-100,00%", "L-100,00%"};
    QCOMPARE(rec.years.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(Money(rec.years[i].amount), amounts[i]);
        QCOMPARE(rec.years[i].label, labels[i]);
    }
    QVERIFY(!rec.years[1].switched);
    QVERIFY(rec.years[2].switched);
    // Year 4 goes on from the declining closing value of year 3, over 27 months.
    QCOMPARE(Money(rec.years[3].opening), QStringLiteral("3.797,50"));
    QCOMPARE(rec.years[3].opening, rec.years[2].closing);
    QCOMPARE(rec.years[5].amount, rec.years[5].opening);
    QCOMPARE(rec.years[5].closing, 0.0);
}

void TestDecliningSchedule::equalAmountsDoNotChangeOver()
{
    // 20 % over 60 months from January: both amounts are one fifth of the base in year 1.
    for (double cost : {10000.0, 12345.67, 999.99, 0.03, 7777777.77, 1.0 / 3}) {
        TAfABerechnung engine;
        ScheduleRecorder rec(engine);
        engine.CalcDegressive(D(2024, 1, 1), 20, 0, cost, 60);
        QVERIFY2(!rec.years[0].switched, qPrintable(QString::number(cost, 'g', 17)));
        QCOMPARE(rec.years[0].label, QStringLiteral("D-20,00%"));
        QVERIFY(rec.years[1].switched); // year 2: 16 % of cost against 20 %
    }
    // Equal in exact arithmetic, a few units in the last place apart in floating point.
    struct Case {
        double cost, rate;
        int months;
    };
    for (const Case &c :
         {Case{807808.89, 25, 48}, Case{874997.41, 50, 24}, Case{795953.18, 12.5, 96}}) {
        TAfABerechnung engine;
        ScheduleRecorder rec(engine);
        engine.CalcDegressive(D(2024, 6, 1), c.rate, 0, c.cost, c.months);
        QVERIFY2(!rec.years[0].switched, qPrintable(QString::number(c.cost, 'f', 2)));
    }
}

void TestDecliningSchedule::changeOverDoesNotCarryIntoNextRun()
{
    TAfABerechnung engine;
    ScheduleRecorder rec(engine);
    engine.CalcDegressive(D(2024, 1, 1), 20, 0, 10000, 120);
    QCOMPARE(engine.Kind, afaLIN);
    rec.years.clear();
    engine.CalcDegressive(D(2024, 1, 1), 20, 0, 10000, 120);
    QCOMPARE(rec.years.size(), 10);
    QCOMPARE(rec.years[0].kind, afaDEG);
    QVERIFY(!rec.years[0].switched);
    QCOMPARE(rec.years[0].label, QStringLiteral("D-20,00%"));
    QCOMPARE(rec.years[5].label, QStringLiteral("L-20,00%"));
}

void TestDecliningSchedule::additionsEnterBothSchedules()
{
    MemoryMovements moves;
    moves.rows = {{1, QDateTime(QDate(2025, 3, 1), QTime()), 1200.0}};
    TAfABerechnung engine;
    engine.Movements = &moves;
    ScheduleRecorder rec(engine);
    engine.CalcDegressive(D(2024, 1, 1), 20, 0, 10000, 60);
    // Year 2: declining base 8000 + 1200, comparison base 8000 + 1200 over 48 months.
    QCOMPARE(rec.years[1].additions, 1200.0);
    QCOMPARE(Money(rec.years[1].opening), QStringLiteral("9.200,00"));
    QCOMPARE(Money(rec.years[1].amount), QStringLiteral("1.840,00"));
    QVERIFY(rec.years[1].switched); // 1840 < 9200 / 48 * 12 = 2300
    // Year 3 spreads the declining value 7360 over the 36 months left.
    QCOMPARE(Money(rec.years[2].opening), QStringLiteral("7.360,00"));
    QCOMPARE(Money(rec.years[2].amount), QStringLiteral("2.453,33"));
    QCOMPARE(rec.years.last().closing, 0.0);
}

void TestDecliningSchedule::openingsChainAndAmountsAddUp()
{
    // Random assets, both kinds, with and without change-over and additions: every year
    // opens with the previous closing value plus its additions, and the years write off
    // exactly the depreciable amount.
    QRandomGenerator random(20261210);
    for (int n = 0; n < 3000; ++n) {
        const int months = 12 + random.bounded(229);
        const QDate start(2000 + random.bounded(40), 1 + random.bounded(12),
                          1 + random.bounded(28));
        const double cost = random.bounded(1, 5000000) / 100.0;
        const double residual = n % 3 == 0 ? random.bounded(0, int(cost * 10)) / 100.0 : 0;
        const double rate = 0.5 + random.bounded(595) / 20.0;
        const bool linear = n % 4 == 0;
        MemoryMovements moves;
        const int moveCount = random.bounded(4);
        for (int k = 0; k < moveCount; ++k) {
            const QDate date = start.addMonths(random.bounded(months + 24) - 12);
            const double amount = random.bounded(1, 2000000) / 100.0;
            moves.rows.append({k + 1, QDateTime(date, QTime(10, 30)), amount});
        }
        TAfABerechnung engine;
        engine.Movements = &moves;
        engine.AllowSwitch = n % 2 == 1;
        ScheduleRecorder rec(engine);
        if (linear)
            engine.CalcLinear(D(start.year(), start.month(), start.day()), residual, cost, months);
        else
            engine.CalcDegressive(D(start.year(), start.month(), start.day()), rate, residual, cost,
                                  months);
        const QString what = QStringLiteral("Fall %1: %2 Monate ab %3, Kosten %4, Rest %5, Satz %6")
                                 .arg(n)
                                 .arg(months)
                                 .arg(start.toString(Qt::ISODate))
                                 .arg(cost, 0, 'f', 2)
                                 .arg(residual, 0, 'f', 2)
                                 .arg(rate);
        QVERIFY2(!rec.years.isEmpty(), qPrintable(what));
        double total = 0, additions = 0, previousClosing = cost - residual;
        for (int i = 0; i < rec.years.size(); ++i) {
            const YearSeen &y = rec.years[i];
            additions += y.additions;
            total += y.amount;
            const double expectedOpening = previousClosing + y.additions;
            QVERIFY2(qAbs(y.opening - expectedOpening) <= 1e-6 * qMax(1.0, expectedOpening),
                     qPrintable(what + QStringLiteral(", Jahr %1").arg(i + 1)));
            QVERIFY2(y.amount >= 0, qPrintable(what + QStringLiteral(", Jahr %1").arg(i + 1)));
            previousClosing = i + 1 < rec.years.size() ? y.closing : 0;
        }
        QCOMPARE(rec.years.last().closing, residual);
        const double depreciable = cost - residual + additions;
        QVERIFY2(qAbs(total - depreciable) <= 1e-6 * qMax(1.0, depreciable), qPrintable(what));
    }
}

void TestDecliningSchedule::maxDegressiveRate_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("rate");
    QTest::newRow("72 capped") << 72 << "30,00";
    QTest::newRow("84") << 84 << "28,57";
    QTest::newRow("96") << 96 << "25,00";
    QTest::newRow("120") << 120 << "20,00";
    QTest::newRow("12") << 12 << "30,00";
    QTest::newRow("83") << 83 << "30,00";
    QTest::newRow("6 months") << 6 << "30,00";
    QTest::newRow("no life") << 0 << "30,00";
    QTest::newRow("negative") << -24 << "30,00";
}

void TestDecliningSchedule::maxDegressiveRate()
{
    QFETCH(int, months);
    QFETCH(QString, rate);
    QCOMPARE(GermanFormat::FormatFloat(QStringLiteral("0.00"),
                                       TAfABerechnung::MaxDegressiveRate(months)),
             rate);
}
