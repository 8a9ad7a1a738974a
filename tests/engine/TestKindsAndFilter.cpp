#include "TestKindsAndFilter.h"

#include "AfaFilter.h"
#include "Unit_AfaBerechnung.h"

#include <QDate>
#include <QtTest>

void TestKindsAndFilter::kindFromCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("kind");
    QTest::newRow("LINP is not LIN") << "LINP" << 1;
    QTest::newRow("LIN") << "LIN" << 0;
    QTest::newRow("GWG") << "GWG" << 2;
    QTest::newRow("DEG") << "DEG" << 3;
    QTest::newRow("lower case lin") << "lin" << 0;
    QTest::newRow("lower case deg") << "deg" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("trailing blank") << "DEG " << 0;
}

void TestKindsAndFilter::kindFromCode()
{
    QFETCH(QString, code);
    QFETCH(int, kind);
    QCOMPARE(int(KindFromCode(code)), kind);
    if (kind != 0 || code == u"LIN")
        QCOMPARE(CodeFromKind(TAfaArt(kind)), code);
}

void TestKindsAndFilter::codeFromKindLeavesTargetForUnknownValue()
{
    QString target = QStringLiteral("bleibt");
    CodeFromKind(TAfaArt(4), target);
    QCOMPARE(target, QStringLiteral("bleibt"));
    CodeFromKind(TAfaArt(-1), target);
    QCOMPARE(target, QStringLiteral("bleibt"));
    CodeFromKind(afaLINP, target);
    QCOMPARE(target, QStringLiteral("LINP"));
}

void TestKindsAndFilter::setKindCode()
{
    TAfABerechnung engine;
    QCOMPARE(engine.Kind, afaLIN);
    QCOMPARE(engine.SetKindCode(QStringLiteral("GWG")), afaGWG);
    QCOMPARE(int(engine.Kind), 2);
    // GWG has no label of its own: the target text stays.
    QString label = QStringLiteral("vorher");
    engine.RateLabel(true, label);
    QCOMPARE(label, QStringLiteral("vorher"));
    engine.RateLabel(false, label);
    QCOMPARE(label, QStringLiteral("vorher"));
}

void TestKindsAndFilter::setFlags()
{
    TAfaFilter filter;
    filter.SetFlags(FilterYear, FilterSpan | FilterSelection);
    QCOMPARE(int(filter.Flags), int(FilterYear));
    QVERIFY(filter.HasFlag(FilterYear));
    QVERIFY(filter.HasFlag(FilterYear | FilterSpan));
    QVERIFY(!filter.HasFlag(FilterSpan | FilterSelection));
    QVERIFY(!filter.HasFlag(0));

    filter.SetFlags(TargetPrint, TargetText);
    QCOMPARE(int(filter.Flags), int(FilterYear | TargetPrint));
    // The union comes first: a bit named in both sets ends cleared.
    filter.SetFlags(TargetText, TargetText | TargetPrint);
    QCOMPARE(int(filter.Flags), int(FilterYear));
}
