#include "TestReportProject.h"

#include "LayoutTestSupport.h"
#include "MemoryDataSource.h"
#include "ReportError.h"
#include "ReportProject.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QString Example = QStringLiteral(LAYOUT_TEST_DATA "/Beispiel.nrp");

QString RunError(TReportProject &project)
{
    try {
        project.Run();
    } catch (const EReportError &e) {
        return e.Message();
    }
    return {};
}

} // namespace

void TestReportProject::selectOpensAndIgnoresCase()
{
    TReportProject project;
    project.SetProjectFile(Example);
    QVERIFY(!project.IsOpen());
    QVERIFY(project.SelectReport("REP_konten"));
    QVERIFY(project.IsOpen());
    QCOMPARE(project.SelectedReport()->Name, "rep_Konten");
    QCOMPARE(project.ReportNames(), QStringList({"rep_Konten", "rep_Leer"}));
    QVERIFY(project.SelectReport("rep_leer"));
    QCOMPARE(project.SelectedReport()->Name, "rep_Leer");
    // a name the project does not have leaves nothing selected
    QVERIFY(!project.SelectReport("rep_Jahr"));
    QVERIFY(!project.SelectedReport());
    QVERIFY(!project.SelectReport(""));
}

void TestReportProject::missingFileNamesIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("norbekAfa.nrp");
    TReportProject project;
    project.SetProjectFile(path);
    try {
        project.SelectReport("rep_Jahr");
        QFAIL("no error");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(),
                 QStringLiteral("Die Report-Projektdatei „%1“ wurde nicht gefunden.").arg(path));
    }
    QVERIFY(!project.IsOpen());
    QVERIFY(!project.SelectedReport());
}

void TestReportProject::closeForgetsAndRereads()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.nrp");
    auto write = [&](const char *name) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("<project version=\"1\"><report name=\"%1\"/></project>")
                       .arg(QString::fromUtf8(name))
                       .toUtf8());
    };
    TReportProject project;
    project.Close(); // allowed when not open
    write("rep_Alt");
    project.SetProjectFile(path);
    QVERIFY(project.SelectReport("rep_Alt"));
    project.SetParameter("param_Datum", "heute");
    write("rep_Neu");
    QVERIFY(!project.SelectReport("rep_Neu")); // still the project read before
    project.Close();
    QVERIFY(!project.IsOpen());
    QVERIFY(!project.SelectedReport());
    QVERIFY(project.ReportNames().isEmpty());
    QCOMPARE(project.Parameter("param_Datum"), "");
    QVERIFY(project.SelectReport("rep_Neu"));
    project.Close();
    project.Close();
}

void TestReportProject::parametersAndConnections()
{
    TReportProject project;
    project.SetParameter("param_FirmenDaten", "{\\rtf1 A}");
    QCOMPARE(project.Parameter("PARAM_FIRMENDATEN"), "{\\rtf1 A}");
    project.SetParameter("PARAM_firmendaten", "B");
    QCOMPARE(project.Parameter("param_FirmenDaten"), "B");
    QCOMPARE(project.Parameter("param_Unbekannt"), "");
    TMemoryDataSource source;
    project.SetDataConnection("rdc_AfaReport", &source);
    QCOMPARE(project.DataConnection("RDC_AFAREPORT"), &source);
    QCOMPARE(project.DataConnection("rdc_Andere"), nullptr);
}

void TestReportProject::runChecks()
{
    TReportProject project;
    QCOMPARE(RunError(project), "Es ist kein Report ausgewählt.");
    project.SetProjectFile(Example);
    QVERIFY(project.SelectReport("rep_Konten"));
    QCOMPARE(RunError(project), "Für den Report ist kein Ausgabeziel gesetzt.");
    TTestEngine engine; // between renders: no sink
    project.SetEngine(&engine);
    QCOMPARE(RunError(project), "Für den Report ist kein Ausgabeziel gesetzt.");
    TPageCollector sink;
    engine.Sink = &sink;
    QCOMPARE(RunError(project), "Die Datenverbindung „rdc_Konten“ ist im Projekt nicht bekannt.");
    project.SetDataConnection("rdc_Konten", nullptr);
    QCOMPARE(RunError(project), "Die Datenverbindung „rdc_Konten“ ist im Projekt nicht bekannt.");
    TMemoryDataSource source({"KONTO_ID", "KONTO_NR", "NAME"}); // no BETRAG
    project.SetDataConnection("RDC_KONTEN", &source);
    QCOMPARE(RunError(project),
             "Das Feld „BETRAG“ gibt es in der Datenverbindung „rdc_Konten“ nicht.");
    QCOMPARE(sink.Begun, 0); // refused before the first page
}

void TestReportProject::runRendersIntoTheEnginesSink()
{
    TReportProject project;
    project.SetProjectFile(Example);
    TMemoryDataSource source({"konto_id", "Konto_Nr", "NAME", "betrag"});
    source.Rows = {{1, "4711", "Miete", 100.0}, {1, "4711", "Strom", 20.5}};
    project.SetDataConnection("rdc_Konten", &source);
    TPageCollector sink;
    TTestEngine engine;
    engine.Sink = &sink;
    project.SetEngine(&engine);
    QVERIFY(project.SelectReport("rep_Konten"));
    project.SetParameter("param_Datum", "Do, 05.03.2026");
    QCOMPARE(project.Run(), 1);
    QCOMPARE(sink.Title, "Kontenliste");
    QCOMPARE(sink.EndedWith, 1);
    const QStringList texts = TextsOf(sink.Pages[0]);
    QVERIFY(texts.contains("Do, 05.03.2026"));
    QVERIFY(texts.contains("120,50"));

    // without data connection the bands print once
    QVERIFY(project.SelectReport("rep_Leer"));
    TPageCollector empty;
    engine.Sink = &empty;
    QCOMPARE(project.Run(), 1);
    QCOMPARE(empty.Title, "Leer");
    QCOMPARE(TextsOf(empty.Pages[0]), QStringList({"Keine Daten & kein „Feld“", ""}));
}
