#include "TestGermanFormat.h"

#include "AfaError.h"
#include "GermanFormat.h"

#include <QRandomGenerator>
#include <QtTest>
#include <climits>
#include <cmath>

using namespace GermanFormat;

void TestGermanFormat::formatFloat_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QString amount = QStringLiteral("#,0.00");
    const QString entry = QStringLiteral("#.#,##");
    QTest::newRow("amount plain") << amount << 1800.0 << "1.800,00";
    QTest::newRow("amount rounded up") << amount << 8400.0 / 39 * 12 << "2.584,62";
    QTest::newRow("amount zero") << amount << 0.0 << "0,00";
    QTest::newRow("amount small") << amount << 0.5 << "0,50";
    QTest::newRow("amount half cent up") << amount << 797.475 << "797,48";
    QTest::newRow("amount 2.675") << amount << 2.675 << "2,68";
    QTest::newRow("amount millions") << amount << 1234567.891 << "1.234.567,89";
    QTest::newRow("amount negative") << amount << -1342.17728 << "-1.342,18";
    QTest::newRow("negative rounds to zero") << amount << -0.001 << "0,00";
    QTest::newRow("carry into new digit") << amount << 999.999 << "1.000,00";
    QTest::newRow("rate 100/7") << amount << 100.0 / 7 << "14,29";
    QTest::newRow("entry grouping and decimal") << entry << 1234.5 << "1.234,5";
    QTest::newRow("entry no leading zero") << entry << 0.25 << ",25";
    QTest::newRow("entry three decimals") << entry << 1234567.891 << "1.234.567,891";
    QTest::newRow("entry negative whole") << entry << -3.0 << "-3";
    QTest::newRow("entry zero is empty") << entry << 0.0 << "";
    QTest::newRow("entry rounds to three") << entry << 1.23456 << "1,235";
    QTest::newRow("plain two decimals") << QStringLiteral("0.00") << 1234.5 << "1234,50";
    QTest::newRow("not a number") << amount << std::nan("") << "NAN";
}

void TestGermanFormat::formatFloat()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatFloat(pattern, value), text);
}

void TestGermanFormat::rateText()
{
    QCOMPARE(FormatPercent(20), QStringLiteral("20,00%"));
    QCOMPARE(FormatPercent(100.0 / 3), QStringLiteral("33,33%"));
}

void TestGermanFormat::formatDateTime_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QString>("text");
    const QDateTime monday(QDate(2012, 3, 5), QTime(14, 30, 7));
    QTest::newRow("weekday form") << "ddd, dd.mm.yyyy" << monday << "Mo, 05.03.2012";
    QTest::newRow("upper case letters") << "DDD, DD.MM.YYYY" << monday << "Mo, 05.03.2012";
    QTest::newRow("day and month") << "dd.mm" << QDateTime(QDate(2024, 4, 15), QTime()) << "15.04";
    QTest::newRow("run id stamp") << "yyyymmdd_hhnnss" << monday << "20120305_143007";
    QTest::newRow("minutes after hours") << "hh:mm" << monday << "14:30";
    QTest::newRow("quoted text") << "'Jahr' yyyy" << monday << "Jahr 2012";
    QTest::newRow("sunday") << "ddd dddd" << QDateTime(QDate(2024, 12, 1), QTime()) << "So Sonntag";
    QTest::newRow("month names") << "mmm mmmm" << QDateTime(QDate(2024, 3, 1), QTime())
                                 << "Mrz März";
}

void TestGermanFormat::formatDateTime()
{
    QFETCH(QString, pattern);
    QFETCH(QDateTime, value);
    QFETCH(QString, text);
    QCOMPARE(GermanFormat::FormatDateTime(pattern, DateSerial::FromQDateTime(value)), text);
}

void TestGermanFormat::floatText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("round hundred thousand") << 100000.0 << "100000";
    QTest::newRow("round millions") << 3000000.0 << "3000000";
    QTest::newRow("sum off in the last bit") << 0.1 + 0.2 << "0,3";
    QTest::newRow("four decimals") << 1234.5678 << "1234,5678";
    QTest::newRow("negative") << -1234.5 << "-1234,5";
    QTest::newRow("fifteen digits kept") << 8400.0 / 39 * 12 << "2584,61538461538";
    QTest::newRow("third") << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("smallest without exponent") << 1e-5 << "0,00001";
    QTest::newRow("negative smallest without exponent") << -1e-5 << "-0,00001";
    QTest::newRow("rounds up to 1E-5") << 9.999999999999999e-6 << "0,00001";
    QTest::newRow("just below 1E-5") << 9.99999999999999e-6 << "9,99999999999999E-6";
    QTest::newRow("first with small exponent") << 1e-6 << "1E-6";
    QTest::newRow("negative small exponent") << -1.5e-6 << "-1,5E-6";
    QTest::newRow("largest without exponent") << 9.99999999999999e14 << "999999999999999";
    QTest::newRow("first with large exponent") << 1e15 << "1E15";
    QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E15";
    QTest::newRow("large with digits") << 123456789012345678.0 << "1,23456789012346E17";
    QTest::newRow("negative large") << -2.5e20 << "-2,5E20";
    QTest::newRow("largest double") << 1.7976931348623157e308 << "1,79769313486232E308";
    QTest::newRow("smallest double") << 5e-324 << "4,94065645841247E-324";
}

void TestGermanFormat::floatText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FloatText(value), text);
}

// The standard form is also the edit text: it must read back, to the 15-digit value.
void TestGermanFormat::floatTextReadsBack()
{
    auto *rng = QRandomGenerator::global();
    for (int i = 0; i < 4000; ++i) {
        double v;
        if (i % 2) {
            const quint64 bits = rng->generate64();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isnormal(v))
                continue;
        } else {
            v = (rng->generateDouble() - 0.5) * std::pow(10.0, rng->bounded(-8, 18));
        }
        const QString text = FloatText(v);
        double back = 0;
        QVERIFY2(TryTextToFloat(text, back), qPrintable(text));
        QCOMPARE(FloatText(back), text);
        QVERIFY2(std::fabs(back - v) <= std::fabs(v) * 1e-14, qPrintable(text));
    }
}

void TestGermanFormat::shortestDecimalReadsBack()
{
    QCOMPARE(ShortestDecimal(1800), QStringLiteral("1800"));
    QCOMPARE(ShortestDecimal(8400.0 / 39 * 12), QStringLiteral("2584,6153846153848"));
    QCOMPARE(ShortestDecimal(0.1), QStringLiteral("0,1"));
    QCOMPARE(ShortestDecimal(-3), QStringLiteral("-3"));
    auto *rng = QRandomGenerator::global();
    for (int i = 0; i < 2000; ++i) {
        quint64 bits = rng->generate64();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v))
            continue;
        QString text = ShortestDecimal(v);
        text.replace(u',', u'.');
        QCOMPARE(text.toDouble(), v);
    }
}

void TestGermanFormat::dateSerial()
{
    QCOMPARE(DateSerial::EncodeDate(1899, 12, 30), 0.0);
    QCOMPARE(DateSerial::EncodeDate(2024, 4, 15), 45397.0);
    QCOMPARE(DateSerial::EncodeDate(2023, 2, 29), 0.0); // not a date
    QCOMPARE(DateSerial::YearOf(0), 1899);
    const QDateTime dt(QDate(2024, 4, 15), QTime(18, 0));
    const TDateTime serial = DateSerial::FromQDateTime(dt);
    QCOMPARE(serial, 45397.75);
    QCOMPARE(DateSerial::ToQDateTime(serial), dt);
    QCOMPARE(DateSerial::FromVariant(QVariant(dt)), serial);
    QCOMPARE(DateSerial::FromVariant(QVariant()), 0.0);
    // Before the epoch the fraction is the time of the day named by the whole part.
    QCOMPARE(DateSerial::ToQDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    QCOMPARE(DateSerial::FromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

// Formatters keep recent results; another pattern or value must never get a kept text.
void TestGermanFormat::keptTextsFollowPatternAndValue()
{
    const TDateTime day = DateSerial::EncodeDate(2026, 3, 7);
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(FormatDateTime(QStringLiteral("dd.mm"), day), QStringLiteral("07.03"));
        QCOMPARE(FormatDateTime(QStringLiteral("dd.mm.yyyy"), day), QStringLiteral("07.03.2026"));
        QCOMPARE(FormatDateTime(QStringLiteral("dd.mm"), day + 1), QStringLiteral("08.03"));
        QCOMPARE(FormatFloat(QStringLiteral("#,0.00"), 1234.5), QStringLiteral("1.234,50"));
        QCOMPARE(FormatFloat(QStringLiteral("0.000"), 1234.5), QStringLiteral("1234,500"));
        QCOMPARE(FormatPercent(20), QStringLiteral("20,00%"));
        QCOMPARE(FormatPercent(12.5), QStringLiteral("12,50%"));
        QCOMPARE(FormatAmount(20), QStringLiteral("20,00"));
    }
    // More values than are kept: every one still converts as built directly.
    for (int i = -3000; i < 3000; ++i) {
        const TDateTime value = 45000 + i * 1.25;
        const QDate date = QDate(1899, 12, 30).addDays(qint64(std::trunc(value)));
        const QTime time = QTime::fromMSecsSinceStartOfDay(
            int(std::llround(std::fabs(value - std::trunc(value)) * 86400000.0)));
        QCOMPARE(DateSerial::ToQDateTime(value), QDateTime(date, time));
        QCOMPARE(FormatDateTime(QStringLiteral("dd.mm.yyyy"), value),
                 date.toString(QStringLiteral("dd.MM.yyyy")));
    }
}

void TestGermanFormat::strictInteger()
{
    struct Case {
        const char *text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"2026", true, 2026},
                          {"  2026", true, 2026},
                          {"+5", true, 5},
                          {"-2147483648", true, INT_MIN},
                          {"2147483647", true, INT_MAX},
                          {"2147483648", false, 0},
                          {"2026 ", false, 0},
                          {"20a6", false, 0},
                          {"", false, 0},
                          {"-", false, 0},
                          {"2.026", false, 0},
                          {"99999999999999999999", false, 0}};
    for (const Case &c : cases) {
        int value = -7;
        QCOMPARE(TryStrToInt(QString::fromLatin1(c.text), value), c.ok);
        if (c.ok)
            QCOMPARE(value, c.value);
    }
    try {
        StrToInt(QStringLiteral("20x6"));
        QFAIL("no error");
    } catch (const EConvertError &e) {
        QCOMPARE(e.Message(), QStringLiteral("'20x6' ist kein gültiger Integerwert"));
    }
}

void TestGermanFormat::plainDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "20" << true << 20.0;
    QTest::newRow("decimal comma") << "12,5" << true << 12.5;
    QTest::newRow("blanks around") << "  12,5 " << true << 12.5;
    QTest::newRow("no leading digit") << "-,5" << true << -0.5;
    QTest::newRow("exponent") << "1,5E3" << true << 1500.0;
    QTest::newRow("grouping point") << "1.234,5" << false << 0.0;
    QTest::newRow("decimal point") << "12.5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("comma only") << "," << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("open exponent") << "1e" << false << 0.0;
    QTest::newRow("overflow") << "1E999" << false << 0.0;
}

void TestGermanFormat::plainDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double result = -1;
    QCOMPARE(TryTextToFloat(text, result), ok);
    if (ok)
        QCOMPARE(result, value);
}

// Random texts from the characters that matter: the readers never crash, and whatever they
// accept matches a plain reading of the same text.
void TestGermanFormat::readersAgreeOnRandomText()
{
    const QString alphabet = QStringLiteral("0123456789,.+-eE x\u00e4");
    auto *rng = QRandomGenerator::global();
    for (int i = 0; i < 200000; ++i) {
        QString text;
        const int length = rng->bounded(12);
        for (int k = 0; k < length; ++k)
            text += alphabet[rng->bounded(int(alphabet.size()))];
        double value = 0;
        if (TryTextToFloat(text, value)) {
            QString plain = text.trimmed();
            plain.replace(u',', u'.');
            bool ok = false;
            const double expected = plain.toDouble(&ok);
            QVERIFY2(ok && expected == value, qPrintable(text));
        }
        int whole = 0;
        if (TryStrToInt(text, whole)) {
            bool ok = false;
            QCOMPARE(text.trimmed().toInt(&ok), whole);
            QVERIFY2(ok, qPrintable(text));
        }
    }
}
