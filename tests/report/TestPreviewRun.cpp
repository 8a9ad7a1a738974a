#include "TestPreviewRun.h"

#include "AfaError.h"
#include "HeadlineCommand.h"

#include "EvaluationFixture.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

namespace
{
AssetSpec Example(int id = 1)
{
    return {id, QStringLiteral("Drucker"), QDate(2024, 4, 15)};
}

QColor ColourAt(const QTextBlock &block, int column)
{
    QTextCursor c(block);
    c.setPosition(block.position() + column + 1);
    return c.charFormat().foreground().color();
}

QTextBlock BlockStartingWith(QTextDocument &doc, const QString &start)
{
    for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next())
        if (b.text().startsWith(start))
            return b;
    return {};
}
} // namespace

void TestPreviewRun::yearLineAndHeader()
{
    EvaluationFixture f;
    f.AddAsset(Example());
    f.Open();
    f.settings.Filter = TAfaFilterChoice::Auswahl;
    f.settings.SelectedIds = {1};
    f.Evaluate(TargetText);
    const QStringList lines = f.PreviewText().split(u'\n');
    // Empty headline, its empty line, then the header at once (first asset of the store).
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QStringLiteral("Bezeichnung        : Drucker"));
    QCOMPARE(lines[2], QStringLiteral("Anschaffungsdatum  : Mo, 15.04.2024"));
    QCOMPARE(lines[3], QStringLiteral("Anschaffungskosten : 12.000,00"));
    QCOMPARE(lines[4], QStringLiteral("Nutzungsdauer      : 60"));
    QCOMPARE(lines[5], QStringLiteral("Konto              : Büroeinrichtung"));
    QCOMPARE(lines[6], QString());
    QCOMPARE(lines[9].left(11), QStringLiteral("-----------"));
    const QString first = lines[10];
    QCOMPARE(first.size(), 97);
    QCOMPARE(first, QStringLiteral("1    (2024)  15.04  31.12  1.800,00          51    "
                                   "12.000,00         10.200,00         L-20,00%  "));
    QCOMPARE(lines[15], QStringLiteral("6    (2029)  01.01  31.03  600,00            0     "
                                       "600,00            0,00              L-20,00%  "));
    QCOMPARE(lines.size(), 17); // the last line break ends the text

    const QTextBlock line = BlockStartingWith(*f.preview, QStringLiteral("1    (2024)"));
    QCOMPARE(ColourAt(line, 0), QColor(0xFF, 0, 0));
    QCOMPARE(ColourAt(line, 12), QColor(0xFF, 0, 0));
    QCOMPARE(ColourAt(line, 13), QColor(0, 0x80, 0));
    QCOMPARE(ColourAt(line, 26), QColor(0, 0x80, 0));
    QCOMPARE(ColourAt(line, 27), QColor(0, 0, 0xFF));
    QCOMPARE(ColourAt(line, 45), QColor(0x80, 0x80, 0x80));
    QCOMPARE(ColourAt(line, 96), QColor(0x80, 0x80, 0x80));
    const QTextBlock header = BlockStartingWith(*f.preview, QStringLiteral("Bezeichnung"));
    QCOMPARE(ColourAt(header, 0), QColor(0, 0, 0));
}

void TestPreviewRun::emptyLineBeforeLaterAssets()
{
    EvaluationFixture f;
    AssetSpec inactive = Example(1);
    inactive.aktiv = 0;
    f.AddAsset(inactive);
    f.AddAsset(Example(2));
    f.AddAsset(Example(3));
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetText);
    const QStringList lines = f.PreviewText().split(u'\n');
    // Asset 2 is not the store's first row: an empty line before its header as well.
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QStringLiteral("Bezeichnung        : Drucker"));
    QCOMPARE(lines[11].left(11), QStringLiteral("3    (2026)"));
    QCOMPARE(lines[12], QString());
    QCOMPARE(lines[13], QStringLiteral("Bezeichnung        : Drucker"));
}

void TestPreviewRun::wideValueShiftsColouredPieces()
{
    EvaluationFixture f;
    AssetSpec big = Example();
    big.cost = 120000000000.0;
    big.months = 6;
    big.acquired = QDate(2024, 1, 1);
    f.AddAsset(big);
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2024");
    f.Evaluate(TargetText);
    const QTextBlock line = BlockStartingWith(*f.preview, QStringLiteral("1    (2024)"));
    QVERIFY(line.isValid());
    const QString text = line.text();
    QCOMPARE(text.mid(27, 20), QStringLiteral("120.000.000.000,00  "));
    QCOMPARE(ColourAt(line, 27 + 17), QColor(0, 0, 0xFF));
    QCOMPARE(ColourAt(line, 27 + 20), QColor(0x80, 0x80, 0x80));
    QVERIFY(text.endsWith(QStringLiteral("L-100,00%  ")));
    QCOMPARE(ColourAt(line, text.size() - 1), QColor(0x80, 0x80, 0x80));
}

void TestPreviewRun::headlinePlaceholder()
{
    EvaluationFixture f;
    f.AddAsset(Example());
    f.Open();
    f.SetHeadline(
        QStringLiteral("RPT"),
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 "
                       "AfA [%Zeitraum%]\\par {\\b [%Zeit}raum%] und [%Zeitraum%]\\par}"));
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.report->Headline.clear();
    f.Evaluate(TargetPrint);
    QVERIFY(f.report->Headline.contains(QStringLiteral("AfA vom 01.01.2026 bis 31.12.2026\\par")));
    QVERIFY(f.report->Headline.contains(QStringLiteral("{\\b [%Zeit}raum%] und vom 01.01.2026 bis "
                                                       "31.12.2026\\par}")));

    f.Evaluate(TargetText);
    const QStringList lines = f.PreviewText().split(u'\n');
    QCOMPARE(lines[0], QStringLiteral("AfA vom 01.01.2026 bis 31.12.2026"));
    QCOMPARE(lines[1], QStringLiteral("[%Zeitraum%] und vom 01.01.2026 bis 31.12.2026"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], QStringLiteral("Bezeichnung        : Drucker"));
    // The rows keep the preview's own font after a headline in another one.
    const QTextBlock header = BlockStartingWith(*f.preview, QStringLiteral("Bezeichnung"));
    QTextCursor c(header);
    c.setPosition(header.position() + 1);
    QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    QCOMPARE(c.charFormat().fontPointSize(), 10.0);
    QCOMPARE(f.preview->defaultFont().family(), QStringLiteral("Courier New"));
}

void TestPreviewRun::runHeadlineUnchanged()
{
    EvaluationFixture f;
    f.AddAsset(Example());
    f.Open();
    const QString run = QStringLiteral("{\\rtf1\\ansi Verlauf [%Zeitraum%]\\par}");
    f.SetHeadline(QStringLiteral("RUT"), run);
    f.settings.Filter = TAfaFilterChoice::Zeitraum;
    f.Evaluate(TargetPrint);
    QCOMPARE(f.report->Headline, run);
    f.Evaluate(TargetText);
    QVERIFY(f.PreviewText().startsWith(QStringLiteral("Verlauf [%Zeitraum%]\n\nBezeichnung")));
}

void TestPreviewRun::headlineYearOutsideTheCalendar()
{
    THeadlineCommand headline;
    QString year;
    headline.ReadSetting = [](const QString &) { return QStringLiteral("AfA [%Zeitraum%]"); };
    headline.FiscalYearText = [&year] { return year; };
    for (const char *inside : {"1", "9999"}) {
        year = QString::fromLatin1(inside);
        QVERIFY(
            headline.BuildHeadline(QStringLiteral("rep")).startsWith(QStringLiteral("AfA vom ")));
    }
    // Outside the calendar: the same error as a text that is no number, never "vom  bis ".
    for (const char *outside : {"0", "10000", "-1", "x"}) {
        year = QString::fromLatin1(outside);
        try {
            headline.BuildHeadline(QStringLiteral("rep"));
            QFAIL(outside);
        } catch (const EConvertError &e) {
            QCOMPARE(e.Message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(year));
        }
    }
}
