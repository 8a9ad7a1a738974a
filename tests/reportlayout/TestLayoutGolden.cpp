#include "TestLayoutGolden.h"

#include "LayoutTestSupport.h"
#include "MemoryDataSource.h"
#include "ReportProject.h"
#include "SnapshotDump.h"

#include <QDate>
#include <QFile>
#include <QtTest>

namespace
{

TMemoryDataSource GoldenRows()
{
    TMemoryDataSource source({"KONTO_ID", "KONTO_NR", "NAME", "BETRAG"});
    const QStringList names = {"Büromöbel", "Kopierer Modell 3000 mit Sortierer und Hefter",
                               "Lieferwagen", "Software"};
    for (int i = 0; i < 70; ++i) {
        const int account = i < 12 ? 1 : i < 66 ? 2 : 3;
        QVariant amount = 1000.0 + i * 137.455;
        if (i == 5)
            amount = -250.125;
        if (i == 7)
            amount = QVariant();
        QString name = QStringLiteral("%1 %2").arg(names[i % names.size()]).arg(i + 1);
        if (i == 20) // wraps onto three lines
            name = QStringLiteral("Geringwertige Wirtschaftsgüter, Sammelposten 2025: "
                                  "Büroausstattung, Kleingeräte und Zubehör für die Filiale "
                                  "Nord mit Lager, Werkstatt und zwei Außenstellen im Umland");
        source.Rows.append({account, QStringLiteral("%1").arg(470 + account * 10), name, amount});
    }
    return source;
}

QString GoldenDump(const QString &reportName)
{
    TReportProject project;
    project.SetProjectFile(QStringLiteral(LAYOUT_TEST_DATA "/Beispiel.nrp"));
    TMemoryDataSource source = GoldenRows();
    project.SetDataConnection("rdc_Konten", &source);
    TPageCollector sink;
    TTestEngine engine;
    engine.Sink = &sink;
    project.SetEngine(&engine);
    if (!project.SelectReport(reportName))
        return {};
    project.SetParameter("param_Datum", "Do, 05.03.2026");
    project.SetParameter("param_Kopf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}"
                                       "\\f0\\fs24\\b Muster GmbH\\b0\\par\\fs16 Anlagenliste "
                                       "zum 31.12.2025\\par}");
    project.Run();
    return QStringLiteral("Titel: %1\n").arg(sink.Title) + TSnapshotDump::Dump(sink.Pages);
}

} // namespace

void TestLayoutGolden::reports_data()
{
    QTest::addColumn<QString>("report");
    QTest::newRow("rep_Konten") << "rep_Konten";
    QTest::newRow("rep_Leer") << "rep_Leer";
}

void TestLayoutGolden::reports()
{
    QFETCH(QString, report);
    const QString dump = GoldenDump(report);
    QVERIFY(!dump.isEmpty());
    const QString path = QStringLiteral(LAYOUT_TEST_GOLDEN "/%1.txt").arg(report);
    QFile file(path);
    if (qEnvironmentVariableIntValue("NORBEK_UPDATE_GOLDEN") == 1) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dump.toUtf8());
        QSKIP("golden file rewritten");
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList actual = dump.split('\n');
    for (qsizetype i = 0; i < qMin(expected.size(), actual.size()); ++i)
        QCOMPARE(actual[i], expected[i]); // the first line that differs
    QCOMPARE(actual.size(), expected.size());
}

void TestLayoutGolden::dumpIsStable()
{
    QCOMPARE(GoldenDump("rep_Konten"), GoldenDump("rep_Konten"));
    TSnapshotPage page;
    page.Size = QSize(14800, 10500);
    TSnapItem text;
    text.Box = QRect(1000, 1050, 2000, 500);
    text.Align = Qt::AlignRight | Qt::AlignBottom;
    text.Font = {"Liberation Sans", 8.5, true, false, true};
    text.Color = 0xff10697b;
    text.Text = "a\nb";
    TSnapItem number = text;
    number.Kind = TSnapItem::TKind::PageText;
    number.Color = 0xff000000;
    number.Text = "{page}/{pages}";
    TSnapItem line;
    line.Kind = TSnapItem::TKind::Line;
    line.Line = QLine(0, 1, 2, 3);
    line.PenWidth = 20;
    TSnapItem rect;
    rect.Kind = TSnapItem::TKind::Rect;
    rect.Box = QRect(0, 0, 100, 100);
    rect.Fill = 0xffdedede;
    TSnapItem rich;
    rich.Kind = TSnapItem::TKind::RichText;
    rich.Box = QRect(0, 0, 100, 100);
    rich.Text = "<p>Eins</p><p>Zwei<br/>Drei</p>";
    page.Items = {text, number, line, rect, rich};
    QCOMPARE(TSnapshotDump::DumpPage(page, 2, 3),
             "Seite 2 von 3, 148,00 × 105,00 mm\n"
             "  Text 10,00 10,50 20,00×5,00 \"Liberation Sans\" 8,5 bu right/bottom #10697B "
             "\"a\\nb\"\n"
             "  PageText 10,00 10,50 20,00×5,00 \"Liberation Sans\" 8,5 bu right/bottom \"2/3\"\n"
             "  Line 0,00 0,01 - 0,02 0,03 pen 0,20\n"
             "  Rect 0,00 0,00 1,00×1,00 pen 0,00 fill #DEDEDE\n"
             "  RichText 0,00 0,00 1,00×1,00 \"Eins | Zwei | Drei\"\n");
}
