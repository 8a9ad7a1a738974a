#include "TestProjectFileReader.h"

#include "LayoutTestSupport.h"
#include "MemoryDataSource.h"
#include "ReportError.h"
#include "ReportLayouter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

using TType = TReportComponent::TType;

const TReportComponent *Find(const TReportComponent &root, const QString &name)
{
    if (root.Name == name)
        return &root;
    for (const auto &child : root.Children) {
        if (const TReportComponent *found = Find(*child, name))
            return found;
    }
    return nullptr;
}

QByteArray ExampleProject()
{
    QFile file(QStringLiteral(LAYOUT_TEST_DATA "/Beispiel.nrp"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Beispiel.nrp fehlt");
    return file.readAll();
}

} // namespace

void TestProjectFileReader::readsExample()
{
    const TReportList reports = ReadProject(ExampleProject());
    QCOMPARE(reports.size(), size_t(2));
    const TReportComponent &report = *reports.front();
    QCOMPARE(report.Type, TType::Report);
    QCOMPARE(report.Name, "rep_Konten");
    QCOMPARE(report.Title, "Kontenliste");
    QCOMPARE(report.DataConnection, "rdc_Konten");
    QCOMPARE(report.Margins, QMargins(1500, 1000, 1000, 1000));

    const TReportComponent *group = Find(report, "grp_Konto");
    QVERIFY(group);
    QCOMPARE(group->Type, TType::Group);
    QCOMPARE(group->Field, "KONTO_ID");
    QVERIFY(group->RepeatHeader);
    QCOMPARE(group->Children.size(), size_t(3));
    QCOMPARE(group->Children[0]->Type, TType::GroupHeader);
    QCOMPARE(group->Children[1]->Type, TType::Detail);
    QCOMPARE(group->Children[2]->Type, TType::GroupFooter);

    const TReportComponent *amount = Find(report, "txt_Betrag");
    QVERIFY(amount);
    QCOMPARE(amount->Type, TType::DataText);
    QCOMPARE(amount->Box, QRect(14000, 0, 4500, 500));
    QCOMPARE(amount->Align, int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(amount->Format, "#,0.00");
    QCOMPARE(amount->Parent->Name, "bnd_Zeile");

    const TReportComponent *sum = Find(report, "sum_Konto");
    QCOMPARE(sum->Type, TType::Sum);
    QCOMPARE(sum->SumOver, "grp_Konto"); // written "GRP_KONTO" in the file
    QCOMPARE(sum->Box.top(), 50);
    QVERIFY(sum->Font.Bold);

    const TReportComponent *line = Find(report, "lin_Kopf");
    QCOMPARE(line->Type, TType::Line);
    QCOMPARE(line->Line, QLine(0, 1100, 18500, 1100));
    QCOMPARE(line->PenWidth, 30);

    const TReportComponent *total = Find(report, "txt_Gesamt");
    QCOMPARE(total->Type, TType::Text);
    QCOMPARE(total->Text, "Gesamt");

    const TReportComponent *pageNumber = Find(report, "txt_Seite");
    QCOMPARE(pageNumber->Type, TType::PageNumber);
    QCOMPARE(pageNumber->Text, "Seite {page} von {pages}");
    QCOMPARE(pageNumber->Align, int(Qt::AlignHCenter | Qt::AlignVCenter));

    const TReportComponent *memo = Find(report, "dmo_Kopf");
    QCOMPARE(memo->Type, TType::Memo);
    QCOMPARE(memo->Parameter, "param_Kopf");

    const TReportComponent *rect = Find(*reports.back(), "rct_Rahmen");
    QVERIFY(rect);
    QCOMPARE(rect->Fill, QRgb(0xffdedede));
    QCOMPARE(rect->Color, QRgb(0xff10697b));
    QCOMPARE(rect->PenWidth, 0);
}

void TestProjectFileReader::defaultsAndInheritedFont()
{
    // the font comes after the band, and still is every component's default
    const TReportList reports = ReadProject(ProjectText(
        "<summary name=\"bnd_S\" height=\"8\">"
        "  <text name=\"txt_A\" x=\"0\" y=\"0\" width=\"10\" height=\"5\">A</text>"
        "  <text name=\"txt_B\" x=\"0\" y=\"0\" width=\"10\" height=\"5\" size=\"12.5\""
        "        bold=\"false\" color=\"#00ff00\" family=\"DejaVu Serif\" valign=\"top\">B</text>"
        "  <rect name=\"rct_A\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>"
        "  <pageNumber name=\"txt_P\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>"
        "</summary>"
        "<font family=\"DejaVu Sans\" size=\"10\" bold=\"true\" color=\"#FF0000\"/>",
        false));
    QCOMPARE(reports.size(), size_t(1));
    const TReportComponent &report = *reports.front();
    QCOMPARE(report.PageSize, QSize(21000, 29700));
    QCOMPARE(report.Margins, QMargins(1500, 1000, 1000, 1000));
    QVERIFY(report.DataConnection.isEmpty());
    const TReportComponent *a = Find(report, "txt_A");
    QCOMPARE(a->Font, (TSnapFont{"DejaVu Sans", 10, true, false, false}));
    QCOMPARE(a->Color, QRgb(0xffff0000));
    QCOMPARE(a->Align, int(Qt::AlignLeft | Qt::AlignVCenter));
    const TReportComponent *b = Find(report, "txt_B");
    QCOMPARE(b->Font, (TSnapFont{"DejaVu Serif", 12.5, false, false, false}));
    QCOMPARE(b->Color, QRgb(0xff00ff00));
    QCOMPARE(b->Align, int(Qt::AlignLeft | Qt::AlignTop));
    const TReportComponent *rect = Find(report, "rct_A");
    QCOMPARE(rect->PenWidth, 20);
    QCOMPARE(rect->Color, QRgb(0xff000000));
    QCOMPARE(qAlpha(rect->Fill), 0);
    QCOMPARE(Find(report, "txt_P")->Text, "Seite {page} von {pages}");
}

void TestProjectFileReader::missingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fehlt.nrp");
    try {
        TProjectFileReader::ReadFile(path);
        QFAIL("no error");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(),
                 QStringLiteral("Die Report-Projektdatei „%1“ wurde nicht gefunden.").arg(path));
    }
    // a folder of that name is no project file either
    QVERIFY(QDir(dir.path()).mkdir("ordner.nrp"));
    try {
        TProjectFileReader::ReadFile(dir.filePath("ordner.nrp"));
        QFAIL("no error");
    } catch (const EReportError &e) {
        QVERIFY(e.Message().contains("wurde nicht gefunden"));
    }
}

void TestProjectFileReader::malformedNamesLineAndColumn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kaputt.nrp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<project version=\"1\">\n  <report name=\"a\">\n"
               "  </reprt>\n</project>\n");
    file.close();
    try {
        TProjectFileReader::ReadFile(path);
        QFAIL("no error");
    } catch (const EReportError &e) {
        QVERIFY2(e.Message().startsWith(
                     QStringLiteral("Die Report-Projektdatei „%1“ ist fehlerhaft (Zeile 4, Spalte ")
                         .arg(path)),
                 qPrintable(e.Message()));
        QVERIFY2(e.Message().endsWith("): kein wohlgeformtes XML"), qPrintable(e.Message()));
    }
    // an unknown element: its line and the column after its tag
    const QString message = ReadError("<project version=\"1\">\n<report name=\"a\">\n"
                                      "  <bogus/>\n</report></project>");
    QCOMPARE(message, "Die Report-Projektdatei „test.nrp“ ist fehlerhaft (Zeile 3, Spalte 10): "
                      "unbekanntes Element „bogus“ in „report“");
}

void TestProjectFileReader::ruleBreaks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    const QString text = "<text name=\"t\" x=\"0\" y=\"0\" width=\"1\" height=\"1\" %1>x</text>";
    const QString summary = "<summary name=\"s\" height=\"5\">%1</summary>";
    auto withText = [&](const char *attributes) {
        return ProjectText(summary.arg(text.arg(QString::fromUtf8(attributes))));
    };
    QTest::newRow("empty") << QByteArray() << "unerwartetes Dateiende";
    QTest::newRow("not xml") << QByteArray("Hallo") << "kein wohlgeformtes XML";
    QTest::newRow("wrong root") << QByteArray("<projekt version=\"1\"/>")
                                << "unbekanntes Element „projekt“ (erwartet: „project“)";
    QTest::newRow("version") << QByteArray("<project version=\"2\"/>")
                             << "nicht unterstützte Version „2“ (erwartet: 1)";
    QTest::newRow("missing version")
        << QByteArray("<project/>") << "Attribut „version“ fehlt in „project“";
    QTest::newRow("dtd") << QByteArray("<!DOCTYPE project [<!ENTITY a \"b\">]><project "
                                       "version=\"1\">&a;</project>")
                         << "eine Dokumenttyp-Deklaration ist nicht erlaubt";
    QTest::newRow("missing report name") << QByteArray("<project version=\"1\"><report/></project>")
                                         << "Attribut „name“ fehlt in „report“";
    QTest::newRow("duplicate report")
        << QByteArray("<project version=\"1\"><report name=\"rep_A\"/><report name=\"REP_a\"/>"
                      "</project>")
        << "der Reportname „REP_a“ kommt zweimal vor";
    QTest::newRow("unknown attribute")
        << withText("colour=\"#000000\"") << "unbekanntes Attribut „colour“ in „text“";
    QTest::newRow("attribute of another element")
        << withText("format=\"0\"") << "unbekanntes Attribut „format“ in „text“";
    QTest::newRow("missing height")
        << ProjectText("<detail name=\"d\"/>") << "Attribut „height“ fehlt in „detail“";
    QTest::newRow("decimal comma") << ProjectText("<detail name=\"d\" height=\"1,5\"/>")
                                   << "ungültige Zahl „1,5“ in Attribut „height“";
    QTest::newRow("point without digits") << ProjectText("<detail name=\"d\" height=\"1.\"/>")
                                          << "ungültige Zahl „1.“ in Attribut „height“";
    QTest::newRow("negative") << ProjectText("<detail name=\"d\" height=\"-1\"/>")
                              << "ungültige Zahl „-1“ in Attribut „height“";
    QTest::newRow("two details") << ProjectText("<detail name=\"d\" height=\"1\"/>"
                                                "<detail name=\"e\" height=\"1\"/>")
                                 << "der Report hat mehr als eine Gruppe oder einen Detailbereich";
    QTest::newRow("group and detail")
        << ProjectText("<detail name=\"d\" height=\"1\"/><group name=\"g\" field=\"F\">"
                       "<detail name=\"e\" height=\"1\"/></group>")
        << "der Report hat mehr als eine Gruppe oder einen Detailbereich";
    QTest::newRow("two page headers") << ProjectText("<pageHeader name=\"a\" height=\"1\"/>"
                                                     "<pageHeader name=\"b\" height=\"1\"/>")
                                      << "„pageHeader“ darf im Report nur einmal vorkommen";
    QTest::newRow("group without detail")
        << ProjectText("<group name=\"g\" field=\"F\"><groupHeader name=\"h\" height=\"1\"/>"
                       "</group>")
        << "die Gruppe „g“ hat keinen Detailbereich";
    QTest::newRow("footer before detail")
        << ProjectText("<group name=\"g\" field=\"F\"><groupFooter name=\"f\" height=\"1\"/>"
                       "<detail name=\"d\" height=\"1\"/></group>")
        << "„groupFooter“ steht in der Gruppe an falscher Stelle";
    QTest::newRow("duplicate component")
        << ProjectText(summary.arg(text.arg("") + "<line name=\"T\" x1=\"0\" y1=\"0\" x2=\"1\" "
                                                  "y2=\"0\"/>"))
        << "der Name „T“ kommt im Report zweimal vor";
    QTest::newRow("unknown format")
        << ProjectText(summary.arg("<field name=\"f\" field=\"A\" format=\"0,00 EUR\" x=\"0\" "
                                   "y=\"0\" width=\"1\" height=\"1\"/>"))
        << "unbekanntes Format „0,00 EUR“";
    QTest::newRow("sum over no group")
        << ProjectText(summary.arg("<sum name=\"u\" field=\"A\" over=\"grp_X\" x=\"0\" y=\"0\" "
                                   "width=\"1\" height=\"1\"/>"))
        << "„over“ nennt keine Gruppe des Reports: „grp_X“";
    QTest::newRow("colour") << withText("color=\"#12345G\"")
                            << "ungültige Farbe „#12345G“ in Attribut „color“ (erwartet: #RRGGBB)";
    QTest::newRow("colour without hash")
        << withText("color=\"123456\"")
        << "ungültige Farbe „123456“ in Attribut „color“ (erwartet: #RRGGBB)";
    QTest::newRow("boolean") << withText("wrap=\"yes\"")
                             << "ungültiger Wahrheitswert „yes“ in Attribut „wrap“ (erlaubt: true, "
                                "false)";
    QTest::newRow("align") << withText("align=\"justify\"")
                           << "ungültige Ausrichtung „justify“ (erlaubt: left, center, right)";
    QTest::newRow("font size below")
        << withText("size=\"0.99\"") << "Wert „0.99“ von „size“ liegt außerhalb von 1 bis 200";
    QTest::newRow("font size above")
        << withText("size=\"200.01\"") << "Wert „200.01“ von „size“ liegt außerhalb von 1 bis 200";
    QTest::newRow("text in band") << ProjectText(summary.arg("Hallo"))
                                  << "unerwarteter Text in „summary“";
    QTest::newRow("element in text")
        << ProjectText(summary.arg("<text name=\"t\" x=\"0\" y=\"0\" width=\"1\" height=\"1\">"
                                   "<b/></text>"))
        << "unbekanntes Element „b“ in „text“";
    QTest::newRow("margins fill the page")
        << ProjectText("<page width=\"100\" left=\"50\" right=\"50\"/>")
        << "die Ränder lassen auf der Seite keinen Platz";
    QTest::newRow("header and footer fill the page")
        << ProjectText("<pageHeader name=\"h\" height=\"138.5\"/>"
                       "<pageFooter name=\"f\" height=\"138.5\"/>")
        << "Seitenkopf und Seitenfuß lassen auf der Seite keinen Platz";
}

void TestProjectFileReader::ruleBreaks()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    const QString message = ReadError(text);
    QVERIFY2(message.startsWith("Die Report-Projektdatei „test.nrp“ ist fehlerhaft (Zeile "),
             qPrintable(message));
    QVERIFY2(message.endsWith("): " + reason), qPrintable(message));
}

void TestProjectFileReader::lengthEdges()
{
    const QString band = "<detail name=\"d\" height=\"%1\"/>";
    QCOMPARE(ReadProject(ProjectText(band.arg("10000")))[0]->Children[0]->Height, 1000000);
    QVERIFY(ReadError(ProjectText(band.arg("10000.01"))).contains("außerhalb von 0 bis 10000"));
    QCOMPARE(ReadProject(ProjectText(band.arg("0")))[0]->Children[0]->Height, 0);
    QCOMPARE(ReadProject(ProjectText(band.arg("0.3")))[0]->Children[0]->Height, 30);
    QCOMPARE(ReadProject(ProjectText(band.arg("007.25")))[0]->Children[0]->Height, 725);
    // header and footer leave the least room on the page
    QVERIFY(ReadError(ProjectText("<pageHeader name=\"h\" height=\"138.49\"/>"
                                  "<pageFooter name=\"f\" height=\"138.5\"/>"))
                .isEmpty());
    QVERIFY(ReadError(ProjectText("<page width=\"100\" left=\"50\" right=\"49.99\"/>")).isEmpty());
}

void TestProjectFileReader::nestingLimit()
{
    // project and report are two levels, every group one more, the detail the last
    auto nested = [](int groups) {
        QString body;
        for (int i = 0; i < groups; ++i)
            body += QStringLiteral("<group name=\"g%1\" field=\"F%1\">").arg(i);
        body += "<detail name=\"d\" height=\"5\"/>";
        for (int i = 0; i < groups; ++i)
            body += "</group>";
        return ProjectText(body);
    };
    const TReportList deepest = ReadProject(nested(TProjectFileReader::MaxDepth - 3));
    QCOMPARE(deepest.size(), size_t(1));
    QVERIFY(ReadError(nested(TProjectFileReader::MaxDepth - 2))
                .endsWith("zu tief verschachtelt (mehr als 32 Ebenen)"));
    // deep nesting is refused long before it costs anything
    QString deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    QVERIFY(ReadError(ProjectText(deep)).contains("fehlerhaft"));
}

void TestProjectFileReader::sizeLimit()
{
    QTemporaryDir dir;
    auto fileOf = [&](qint64 size) {
        QByteArray text = ProjectText("<detail name=\"d\" height=\"5\"/>");
        text.append(QByteArray(size - text.size(), ' '));
        const QString path = dir.filePath(QString::number(size) + ".nrp");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != size)
            qFatal("cannot write");
        return path;
    };
    QCOMPARE(TProjectFileReader::ReadFile(fileOf(TProjectFileReader::MaxFileSize)).size(),
             size_t(1));
    const QString tooBig = fileOf(TProjectFileReader::MaxFileSize + 1);
    try {
        TProjectFileReader::ReadFile(tooBig);
        QFAIL("no error");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(),
                 QStringLiteral("Die Report-Projektdatei „%1“ ist fehlerhaft (Zeile 1, Spalte 1): "
                                "die Datei ist größer als 8 MB")
                     .arg(tooBig));
    }
}

void TestProjectFileReader::randomMutations()
{
    const QByteArray valid = ExampleProject();
    QRandomGenerator random(20260305);
    const QList<QByteArray> pieces = {"<",         ">",       "\"",       "/>",   "</group>",
                                      "<detail ",  "&amp;",   "&#0;",     "\xff", "<group>",
                                      "height=\"", "x=\"9e9", "\xc3\x28", "99999"};
    int read = 0, refused = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray text = valid;
        const int edits = 1 + int(random.bounded(4));
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = random.bounded(text.size());
            switch (random.bounded(4)) {
            case 0:
                text[at] = char(random.bounded(256));
                break;
            case 1:
                text.remove(at, random.bounded(40));
                break;
            case 2:
                text.insert(at, pieces[random.bounded(pieces.size())]);
                break;
            default:
                text.insert(at, text.mid(random.bounded(text.size()), random.bounded(200)));
                break;
            }
        }
        try {
            const TReportList reports = TProjectFileReader::Read(text, "zufall.nrp");
            ++read;
            TMemoryDataSource source({"KONTO_ID", "KONTO_NR", "NAME", "BETRAG"});
            source.Rows = {{1, "4711", "Ein Name", 10.5}, {2, "4712", "Noch einer", 3.0}};
            for (const auto &report : reports) {
                TPageCollector sink;
                TReportLayouter layouter(*report, &source, [](const QString &) { return "x"; });
                try {
                    QVERIFY(layouter.Run(sink) >= 1);
                } catch (const EReportError &e) {
                    QVERIFY(!e.Message().isEmpty());
                }
            }
        } catch (const EReportError &e) {
            ++refused;
            QVERIFY(e.Message().startsWith("Die Report-Projektdatei „zufall.nrp“ ist fehlerhaft"));
        }
    }
    QVERIFY(read > 0);
    QVERIFY(refused > 0);
}
