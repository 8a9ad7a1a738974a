#include "TestValueFormat.h"

#include "ValueFormat.h"

#include <QDateTime>
#include <QtTest>
#include <cmath>
#include <limits>

void TestValueFormat::numbers_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouping") << "#,0.00" << 1234.5 << "1.234,50";
    QTest::newRow("negative") << "#,0.00" << -1234.5 << "-1.234,50";
    QTest::newRow("millions") << "#,0.00" << 1234567.891 << "1.234.567,89";
    QTest::newRow("half cent up") << "#,0.00" << 0.005 << "0,01";
    QTest::newRow("below half cent") << "#,0.00" << 0.0049999 << "0,00";
    QTest::newRow("decimal half, binary below") << "#,0.00" << 2.675 << "2,68";
    QTest::newRow("negative half away from zero") << "#,0.00" << -2.675 << "-2,68";
    QTest::newRow("carry through grouping") << "#,0.00" << 999999.995 << "1.000.000,00";
    QTest::newRow("last below carry") << "#,0.00" << 999999.994 << "999.999,99";
    QTest::newRow("negative rounding to zero") << "#,0.00" << -0.004 << "0,00";
    QTest::newRow("zero") << "#,0.00" << 0.0 << "0,00";
    QTest::newRow("three digits no point") << "#,0" << 999.0 << "999";
    QTest::newRow("four digits one point") << "#,0" << 1000.0 << "1.000";
    QTest::newRow("six digits") << "#,0" << 999999.0 << "999.999";
    QTest::newRow("seven digits") << "#,0" << 1000000.0 << "1.000.000";
    QTest::newRow("no grouping") << "0" << 1234.0 << "1234";
    QTest::newRow("0 half up") << "0" << 0.5 << "1";
    QTest::newRow("0 below half") << "0" << 0.49 << "0";
    QTest::newRow("0 negative half") << "0" << -0.5 << "-1";
    QTest::newRow("one decimal up") << "0.0" << 1.25 << "1,3";
    QTest::newRow("one decimal down") << "0.0" << 1.24 << "1,2";
    QTest::newRow("optional decimal kept") << "0.0#" << 1.255 << "1,26";
    QTest::newRow("optional decimal dropped") << "0.0#" << 1.2 << "1,2";
    QTest::newRow("leading zeros") << "000" << 7.0 << "007";
    QTest::newRow("huge") << "#,0" << 1e20 << "100.000.000.000.000.000.000";
    QTest::newRow("not a number") << "#,0.00" << std::nan("") << "";
    QTest::newRow("infinity") << "#,0.00" << std::numeric_limits<double>::infinity() << "";
}

void TestValueFormat::numbers()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, text);
    QVERIFY(TValueFormat::IsValid(pattern));
    QCOMPARE(TValueFormat(pattern).Format(value), text);
    QCOMPARE(TValueFormat(pattern).FormatNumber(value), text);
}

void TestValueFormat::integers()
{
    const TValueFormat grouped(QStringLiteral("#,0"));
    QCOMPARE(grouped.Format(std::numeric_limits<qlonglong>::max()), "9.223.372.036.854.775.807");
    QCOMPARE(grouped.Format(std::numeric_limits<qlonglong>::min()), "-9.223.372.036.854.775.808");
    QCOMPARE(grouped.Format(std::numeric_limits<qulonglong>::max()), "18.446.744.073.709.551.615");
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00")).Format(-42), "-42,00");
    // numbers in text, as some drivers deliver decimals
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00")).Format(QStringLiteral("1234.5")), "1.234,50");
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00")).Format(QStringLiteral("abc")), "abc");
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00")).Format(QVariant()), "");
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00")).Format(QVariant(QMetaType::fromType<double>())),
             "");
}

void TestValueFormat::blankZero()
{
    const TValueFormat blank(QStringLiteral("#,0.00"), true);
    QCOMPARE(blank.Format(0.0), "");
    QCOMPARE(blank.Format(0), "");
    QCOMPARE(blank.FormatNumber(-0.0), "");
    QCOMPARE(blank.Format(0.001), "0,00"); // not zero, only printed so
    QCOMPARE(blank.Format(0.01), "0,01");
    QCOMPARE(TValueFormat(QString(), true).Format(0.0), "");
    QCOMPARE(TValueFormat(QString(), true).Format(QStringLiteral("0")), "0"); // text stays
    QCOMPARE(TValueFormat(QStringLiteral("#,0.00"), false).Format(0.0), "0,00");
}

void TestValueFormat::dates_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    const QDate day(2026, 3, 5);
    QTest::newRow("dd.mm.yyyy") << "dd.mm.yyyy" << QVariant(day) << "05.03.2026";
    QTest::newRow("upper case") << "DD.MM.YYYY" << QVariant(day) << "05.03.2026";
    QTest::newRow("dd.mm.yy") << "dd.mm.yy" << QVariant(day) << "05.03.26";
    QTest::newRow("yy of 2000") << "dd.mm.yy" << QVariant(QDate(2000, 1, 1)) << "01.01.00";
    QTest::newRow("mm.yyyy") << "mm.yyyy" << QVariant(day) << "03.2026";
    QTest::newRow("yyyy") << "yyyy" << QVariant(day) << "2026";
    QTest::newRow("year below 1000") << "yyyy" << QVariant(QDate(999, 12, 31)) << "0999";
    QTest::newRow("ddd, dd.mm.yyyy") << "ddd, dd.mm.yyyy" << QVariant(day) << "Do, 05.03.2026";
    QTest::newRow("date time") << "dd.mm.yyyy hh:mm" << QVariant(QDateTime(day, QTime(23, 59, 58)))
                               << "05.03.2026 23:59";
    QTest::newRow("nn minutes") << "hh:nn:ss" << QVariant(QDateTime(day, QTime(7, 4, 9)))
                                << "07:04:09";
    QTest::newRow("invalid date") << "dd.mm.yyyy" << QVariant(QDate()) << "";
    QTest::newRow("null") << "dd.mm.yyyy" << QVariant() << "";
    QTest::newRow("number stays plain") << "dd.mm.yyyy" << QVariant(2.5) << "2,5";
}

void TestValueFormat::dates()
{
    QFETCH(QString, pattern);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QVERIFY(TValueFormat::IsValid(pattern));
    QCOMPARE(TValueFormat(pattern).Format(value), text);
}

void TestValueFormat::weekdays()
{
    const TValueFormat shortDay(QStringLiteral("ddd")), longDay(QStringLiteral("dddd"));
    const QStringList shortNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    const QStringList longNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                   "Donnerstag", "Freitag", "Samstag"};
    const QDate sunday(2026, 3, 1);
    QCOMPARE(sunday.dayOfWeek(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(shortDay.Format(sunday.addDays(i)), shortNames[i]);
        QCOMPARE(longDay.Format(sunday.addDays(i)), longNames[i]);
    }
}

void TestValueFormat::plain()
{
    QCOMPARE(TValueFormat::Plain(3.0), "3");
    QCOMPARE(TValueFormat::Plain(-3.0), "-3");
    QCOMPARE(TValueFormat::Plain(2.5), "2,5");
    QCOMPARE(TValueFormat::Plain(-0.0), "0");
    QCOMPARE(TValueFormat::Plain(1e20), "100000000000000000000");
    QCOMPARE(TValueFormat::Plain(0.1), "0,1");
    QCOMPARE(TValueFormat::Plain(1234567), "1234567");
    QCOMPARE(TValueFormat::Plain(QDate(2026, 3, 5)), "05.03.2026");
    QCOMPARE(TValueFormat::Plain(QDateTime(QDate(2026, 3, 5), QTime(0, 0))), "05.03.2026");
    QCOMPARE(TValueFormat::Plain(QDateTime(QDate(2026, 3, 5), QTime(0, 0, 1))),
             "05.03.2026 00:00:01");
    QCOMPARE(TValueFormat::Plain(true), "Ja");
    QCOMPARE(TValueFormat::Plain(false), "Nein");
    QCOMPARE(TValueFormat::Plain(QStringLiteral("Büro")), "Büro");
    QCOMPARE(TValueFormat::Plain(QVariant()), "");
    QCOMPARE(TValueFormat().Format(std::nan("")), "");
}

void TestValueFormat::patterns()
{
    for (const char *valid : {"", "#,0.00", "0", "#,0", "0.0", "0.0#", "#.##", "dd.mm.yyyy",
                              "dd.mm.yy", "mm.yyyy", "yyyy", "ddd", "hh:nn", "d.m.yyyy"})
        QVERIFY2(TValueFormat::IsValid(QString::fromUtf8(valid)), valid);
    for (const char *invalid :
         {"abc", "0.#0", "0.0.0", "#.#,##", "ddddd", "yyy", "mmm", "x0", "...", "0 EUR"})
        QVERIFY2(!TValueFormat::IsValid(QString::fromUtf8(invalid)), invalid);
}

void TestValueFormat::machineLocaleIgnored()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString number = TValueFormat(QStringLiteral("#,0.00")).Format(1234.5);
    const QString day = TValueFormat(QStringLiteral("ddd")).Format(QDate(2026, 3, 5));
    const QString plain = TValueFormat::Plain(2.5);
    QLocale::setDefault(before);
    QCOMPARE(number, "1.234,50");
    QCOMPARE(day, "Do");
    QCOMPARE(plain, "2,5");
}
