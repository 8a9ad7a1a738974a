#include "TestPickerDateText.h"

#include "PickerDateText.h"

#include <QRandomGenerator>
#include <QtTest>

void TestPickerDateText::formatIsGerman()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(PickerDateText::Format(QDate(2012, 3, 5)), QStringLiteral("Mo, 05.03.2012"));
    QCOMPARE(PickerDateText::Format(QDate(2012, 3, 11)), QStringLiteral("So, 11.03.2012"));
    QCOMPARE(PickerDateText::Format(QDate(1, 1, 1)), QStringLiteral("Mo, 01.01.0001"));
    QCOMPARE(PickerDateText::Format(QDate()), QString());
    QLocale::setDefault(QLocale::system());
}

void TestPickerDateText::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QDate>("date");
    const QDate none;
    QTest::newRow("empty") << "" << true << none;
    QTest::newRow("blanks") << "   " << true << none;
    QTest::newRow("yy 49") << "05.03.49" << true << QDate(2049, 3, 5);
    QTest::newRow("yy 50") << "05.03.50" << true << QDate(1950, 3, 5);
    QTest::newRow("yy 00") << "05.03.00" << true << QDate(2000, 3, 5);
    QTest::newRow("yy 99") << "05.03.99" << true << QDate(1999, 3, 5);
    QTest::newRow("yyyy 1949") << "05.03.1949" << true << QDate(1949, 3, 5);
    QTest::newRow("yyyy 0001") << "01.01.0001" << true << QDate(1, 1, 1);
    QTest::newRow("yyyy 9999") << "31.12.9999" << true << QDate(9999, 12, 31);
    QTest::newRow("single digits") << "5.3.12" << true << QDate(2012, 3, 5);
    QTest::newRow("weekday") << "Mo, 05.03.2012" << true << QDate(2012, 3, 5);
    QTest::newRow("other weekday") << "fr, 05.03.2012" << true << QDate(2012, 3, 5);
    QTest::newRow("long weekday") << "Montag, 05.03.2012" << true << QDate(2012, 3, 5);
    QTest::newRow("blanks around") << "  05.03.2012 " << true << QDate(2012, 3, 5);
    QTest::newRow("29.02 leap") << "29.02.2024" << true << QDate(2024, 2, 29);
    QTest::newRow("29.02 no leap") << "29.02.2023" << false << none;
    QTest::newRow("31.02") << "31.02.2024" << false << none;
    QTest::newRow("day 0") << "00.03.2012" << false << none;
    QTest::newRow("day 32") << "32.01.2012" << false << none;
    QTest::newRow("month 13") << "05.13.2012" << false << none;
    QTest::newRow("year 0000") << "05.03.0000" << false << none;
    QTest::newRow("three-digit year") << "05.03.202" << false << none;
    QTest::newRow("five-digit year") << "05.03.20120" << false << none;
    QTest::newRow("no year") << "05.03." << false << none;
    QTest::newRow("no dots") << "05032012" << false << none;
    QTest::newRow("not a weekday") << "Xy, 05.03.2012" << false << none;
    QTest::newRow("time behind") << "05.03.2012 14:30" << false << none;
    QTest::newRow("other digits") << QString::fromUtf16(u"٠٥.03.2012") << false << none;
}

void TestPickerDateText::reading()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(QDate, date);
    QDate read(1977, 7, 7);
    QCOMPARE(PickerDateText::Read(text, read), readable);
    QCOMPARE(read, readable ? date : QDate(1977, 7, 7));
}

void TestPickerDateText::randomTextReadsBackOrIsRefused()
{
    QRandomGenerator random(20240305);
    const QString alphabet = QStringLiteral("0123456789.,: MoDiSaäöß-/\t");
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = int(random.bounded(16));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(int(random.bounded(alphabet.size())));
        QDate read;
        if (!PickerDateText::Read(text, read))
            continue;
        if (!read.isValid()) {
            QVERIFY2(text.trimmed().isEmpty(), qPrintable(text));
            continue;
        }
        QVERIFY2(read.year() >= 1 && read.year() <= 9999, qPrintable(text));
        QDate again;
        QVERIFY(PickerDateText::Read(PickerDateText::Format(read), again));
        QCOMPARE(again, read);
    }
}
