#include "TestFonts.h"

#include "Fonts.h"

#include <QFontDatabase>
#include <QtTest>

void TestFonts::sizesSortNumerically()
{
    TFonts fonts;
    fonts.Add(QStringLiteral("Bitmap"), {"18", "10", "5", "9", "12", "6", "16", "8", "14", "7"});
    QCOMPARE(fonts.Sizes(QStringLiteral("Bitmap")).join(u','),
             QStringLiteral("5,6,7,8,9,10,12,14,16,18"));
    QCOMPARE(TFonts::SortedSizes({"100", "x", "9", "10"}).join(u','), QStringLiteral("9,10,100,x"));
    QVERIFY(fonts.Sizes(QStringLiteral("Unbekannt")).isEmpty());
}

void TestFonts::namesStaySortedAndUnique()
{
    TFonts fonts;
    fonts.Add(QStringLiteral("beta"), {"8"});
    fonts.Add(QStringLiteral("Alpha"), {"9"});
    fonts.Add(QStringLiteral("Gamma"), {});
    fonts.Add(QStringLiteral("beta"), {"12", "10"});
    QCOMPARE(fonts.Names(), QStringList({"Alpha", "beta", "Gamma"}));
    QCOMPARE(fonts.Sizes(QStringLiteral("beta")), QStringList({"10", "12"}));
    QVERIFY(fonts.Sizes(QStringLiteral("Gamma")).isEmpty());
}

void TestFonts::enumerateGivesScalableSizes()
{
    TFonts fonts;
    fonts.Enumerate();
    const QString family = QStringLiteral("Liberation Mono");
    QVERIFY(fonts.Names().contains(family));
    QVERIFY(QFontDatabase::isScalable(family));
    QCOMPARE(fonts.Sizes(family).join(u','), QStringLiteral("5,6,7,8,9,10,12,14,16,18"));
    for (qsizetype i = 1; i < fonts.Count(); ++i)
        QVERIFY(fonts.Names()[i - 1].compare(fonts.Names()[i], Qt::CaseInsensitive) <= 0);
}
