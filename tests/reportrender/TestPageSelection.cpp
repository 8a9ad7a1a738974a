#include "TestPageSelection.h"

#include "PageSelection.h"
#include "ReportError.h"

#include <QtTest>

using Pages = QList<int>;

void TestPageSelection::selects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<Pages>("pages");
    QTest::newRow("list") << "1-3,5" << 7 << Pages{1, 2, 3, 5};
    QTest::newRow("one page") << "7" << 7 << Pages{7};
    QTest::newRow("empty: all") << "" << 7 << Pages{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("blanks: all") << "   " << 7 << Pages{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("first") << "1" << 7 << Pages{1};
    QTest::newRow("0 dropped") << "0" << 7 << Pages{};
    QTest::newRow("8 dropped") << "8" << 7 << Pages{};
    QTest::newRow("0 and 8 dropped") << "0,3,8" << 7 << Pages{3};
    QTest::newRow("range past the end") << "6-8" << 7 << Pages{6, 7};
    QTest::newRow("range from 0") << "0-2" << 7 << Pages{1, 2};
    QTest::newRow("range outside") << "8-9" << 7 << Pages{};
    QTest::newRow("to the end") << "5-" << 7 << Pages{5, 6, 7};
    QTest::newRow("from the start") << "-2" << 7 << Pages{1, 2};
    QTest::newRow("proposal") << "1-7" << 7 << Pages{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("one-page range") << "4-4" << 7 << Pages{4};
    QTest::newRow("spaces") << " 1 - 2 , 4 " << 7 << Pages{1, 2, 4};
    QTest::newRow("order and twice") << "5,1-3,2" << 7 << Pages{1, 2, 3, 5};
    QTest::newRow("huge number") << "3-99999999999999" << 5 << Pages{3, 4, 5};
    QTest::newRow("no pages") << "1-3" << 0 << Pages{};
}

void TestPageSelection::selects()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(Pages, pages);
    QCOMPARE(TPageSelection::Parse(text, count), pages);
}

void TestPageSelection::refusesBadText_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"3-1", "1--2", ",", "1,", ",1", "1,,2", "-", "1-2-3", "a", "1 2",
                             "1;2", "+1", "1.5", "²"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestPageSelection::refusesBadText()
{
    QFETCH(QString, text);
    try {
        TPageSelection::Parse(text, 7);
        QFAIL("bad text was taken");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(), QStringLiteral("'%1' ist keine gültige Seitenauswahl.").arg(text));
    }
}
