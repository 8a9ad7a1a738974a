#include "TestRenderReport.h"

#include "AfaReportParameters.h"
#include "DMod_Afa.h"
#include "MemoryDataSource.h"
#include "RenderReport.h"
#include "ReportError.h"
#include "ReportProject.h"
#include "ReportSystem.h"
#include "Snapshot.h"
#include "SnapshotDump.h"
#include "SnapshotWriter.h"
#include "TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const char *Project = R"(<?xml version="1.0" encoding="UTF-8"?>
<project version="1">
  <report name="rep_Kopf" data="rdc_Zeilen">
    <pageHeader name="bnd_Kopf" height="20">
      <memo name="DMO_FIRMENDATEN" parameter="param_FirmenDaten" x="0" y="0" width="100" height="8"/>
      <param name="txt_Datum" parameter="param_Datum" x="100" y="0" width="60" height="5"/>
    </pageHeader>
    <detail name="bnd_Zeile" height="5">
      <field name="txt_Name" field="NAME" x="0" y="0" width="50" height="5"/>
    </detail>
  </report>
  <report name="rep_OhneKopf" data="rdc_Zeilen">
    <detail name="bnd_Zeile" height="5">
      <param name="txt_Datum" parameter="param_Datum" x="0" y="0" width="60" height="5"/>
    </detail>
  </report>
</project>
)";

QString WriteProject(const QTemporaryDir &dir, const QByteArray &text = Project)
{
    const QString path = dir.filePath(QStringLiteral("test.nrp"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    return path;
}

struct Rig {
    TReportProject project;
    TSnapshotWriter writer;
    TReportSystem system;
    TMemoryDataSource rows{{QStringLiteral("NAME")}};
    TRenderReport renderer;

    explicit Rig(const QString &file)
    {
        project.SetProjectFile(file);
        project.SetDataConnection(QStringLiteral("rdc_Zeilen"), &rows);
        rows.Rows = {{QStringLiteral("Drehbank")}, {QStringLiteral("Lieferwagen")}};
        renderer.SetProject(&project);
        renderer.SetSnapshotWriter(&writer);
        renderer.SetReportSystem(&system);
    }

    QString Dump()
    {
        TSnapshot snapshot;
        snapshot.Load(renderer.SnapshotBytes());
        QString text;
        for (int n = 1; n <= snapshot.PageCount(); ++n)
            text += TSnapshotDump::DumpPage(snapshot.Page(n), n, snapshot.PageCount());
        return text;
    }
};

} // namespace

void TestRenderReport::reportOfModeTakesTheFirstBit()
{
    QCOMPARE(ReportNameOfMode(rmJahr | rmList, {}), QStringLiteral("rep_Jahr"));
    QCOMPARE(ReportNameOfMode(rmList | rmTest, {}), QStringLiteral("rep_List"));
    QCOMPARE(ReportNameOfMode(rmTest | rmEmpty, {}), QStringLiteral("rep_Test"));
    QCOMPARE(ReportNameOfMode(rmEmpty, {}), QStringLiteral("rep_Empty"));
    // No bit: the name stays what it was.
    QCOMPARE(ReportNameOfMode(0, {}), QString());
    QCOMPARE(ReportNameOfMode(0, QStringLiteral("rep_List")), QStringLiteral("rep_List"));
    QCOMPARE(ReportNameOfMode(16, QStringLiteral("rep_Jahr")), QStringLiteral("rep_Jahr"));
}

void TestRenderReport::parametersDateAndHeadline()
{
    QTemporaryDir dir;
    Rig rig(WriteProject(dir));
    const QString headline = QStringLiteral("{\\rtf1 Muster GmbH}");
    rig.renderer.OnSetParams = [&](TReportProject &project) {
        SetAfaReportParameters(rig.renderer, project, headline, QDate(2026, 3, 1));
    };
    rig.renderer.ReportName = QStringLiteral("rep_Kopf");
    rig.renderer.RenderToSnapshot();
    QCOMPARE(rig.project.Parameter(QStringLiteral("param_Datum")),
             QStringLiteral("So, 01.03.2026"));
    QCOMPARE(rig.project.Parameter(QStringLiteral("PARAM_FIRMENDATEN")), headline);
    QVERIFY2(rig.Dump().contains(QStringLiteral("Muster GmbH")), qPrintable(rig.Dump()));

    // Without the headline component the date is set all the same, the headline not at all.
    rig.renderer.ReportName = QStringLiteral("rep_OhneKopf");
    rig.renderer.RenderToSnapshot(); // Close() forgot the parameters of the last render
    QCOMPARE(rig.project.Parameter(QStringLiteral("param_Datum")),
             QStringLiteral("So, 01.03.2026"));
    QCOMPARE(rig.project.Parameter(QStringLiteral("param_FirmenDaten")), QString());
    QVERIFY(rig.Dump().contains(QStringLiteral("So, 01.03.2026")));
}

void TestRenderReport::componentsFoundWithoutRegardToCase()
{
    QTemporaryDir dir;
    Rig rig(WriteProject(dir));
    QVERIFY(!rig.renderer.FindReportComponent(QStringLiteral("dmo_Firmendaten"))); // none selected
    QVERIFY(rig.project.SelectReport(QStringLiteral("REP_KOPF")));
    TReportComponent *memo = rig.renderer.FindReportComponent(QStringLiteral("dmo_Firmendaten"));
    QVERIFY(memo);
    QCOMPARE(memo->Name, QStringLiteral("DMO_FIRMENDATEN"));
    // A path through a band; a band that does not hold it finds nothing.
    QCOMPARE(rig.renderer.FindReportComponent(QStringLiteral("BND_kopf.txt_datum"))->Name,
             QStringLiteral("txt_Datum"));
    QVERIFY(!rig.renderer.FindReportComponent(QStringLiteral("bnd_Zeile.txt_Datum")));
    QVERIFY(!rig.renderer.FindReportComponent(QStringLiteral("gibt_es_nicht")));
    // The report itself is the first candidate.
    QCOMPARE(rig.renderer.FindReportComponent(QStringLiteral("rep_kopf"))->Name,
             QStringLiteral("rep_Kopf"));
}

void TestRenderReport::missingProjectFileEmptiesAndRestores()
{
    QTemporaryDir dir;
    Rig rig(WriteProject(dir));
    rig.renderer.ReportName = QStringLiteral("rep_Kopf");
    rig.renderer.RenderToSnapshot();
    QVERIFY(!rig.renderer.SnapshotBytes().isEmpty());

    const QString missing = dir.filePath(QStringLiteral("fehlt.nrp"));
    rig.project.SetProjectFile(missing);
    try {
        rig.renderer.RenderToSnapshot();
        QFAIL("no error");
    } catch (const EReportError &e) {
        QVERIFY2(e.Message().contains(missing), qPrintable(e.Message()));
    }
    QVERIFY(rig.renderer.SnapshotBytes().isEmpty());
    QVERIFY(!rig.project.IsOpen());
    QCOMPARE(rig.project.Engine(), static_cast<TReportEngine *>(&rig.system));
    QCOMPARE(rig.writer.Stream(), nullptr);
}

void TestRenderReport::unknownReportLeavesTheStreamEmpty()
{
    QTemporaryDir dir;
    Rig rig(WriteProject(dir));
    bool called = false;
    rig.renderer.OnSetParams = [&](TReportProject &) { called = true; };
    rig.renderer.ReportName = QStringLiteral("rep_Jahr");
    rig.renderer.RenderToSnapshot();
    QVERIFY(rig.renderer.SnapshotBytes().isEmpty());
    QVERIFY(!called);
    QCOMPARE(rig.project.Engine(), static_cast<TReportEngine *>(&rig.system));
}

void TestRenderReport::projectFileReadAgainAtEveryRender()
{
    QTemporaryDir dir;
    const QString file = WriteProject(dir);
    Rig rig(file);
    rig.renderer.ReportName = QStringLiteral("rep_Kopf");
    rig.renderer.RenderToSnapshot();
    QVERIFY(rig.Dump().contains(QStringLiteral("Text 15,00 30,00 50,00×5,00")));
    QByteArray changed = Project;
    changed.replace("field=\"NAME\" x=\"0\"", "field=\"NAME\" x=\"20\"");
    WriteProject(dir, changed);
    rig.renderer.RenderToSnapshot();
    // 20 mm further right, behind the left margin of 15 mm.
    QVERIFY2(rig.Dump().contains(QStringLiteral("Text 35,00 30,00 50,00×5,00")),
             qPrintable(rig.Dump()));
}

void TestRenderReport::tempFolderFromTheEnvironment()
{
    QTemporaryDir temp, tmp;
    const QByteArray oldTemp = qgetenv("TEMP"), oldTmp = qgetenv("TMP");
    const auto restore = qScopeGuard([&] {
        qputenv("TEMP", oldTemp);
        qputenv("TMP", oldTmp);
    });
    const QString name = QStringLiteral("NorbekReports_3BF09224_D0A4_4C27_9306_B94485F3212C/");
    qputenv("TEMP", temp.path().toUtf8());
    qputenv("TMP", tmp.path().toUtf8());
    QCOMPARE(TRenderReport::GetTempFolder(false), temp.path() + u'/' + name);
    QVERIFY(!QFileInfo::exists(temp.path() + u'/' + name));
    qputenv("TEMP", "");
    QCOMPARE(TRenderReport::GetTempFolder(true), tmp.path() + u'/' + name);
    const QFileInfo made(tmp.path() + u'/' + name);
    QVERIFY(made.isDir());
    QCOMPARE(made.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
    // A folder that does not exist is passed over.
    qputenv("TMP", QByteArray("/gibt/es/nicht"));
    QVERIFY(TRenderReport::GetTempFolder(false).startsWith(QDir::tempPath() + u'/'));
}

void TestRenderReport::runFilesDeletedByPattern()
{
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TEMP");
    const auto restore = qScopeGuard([&] { qputenv("TEMP", oldTemp); });
    qputenv("TEMP", temp.path().toUtf8());
    const QString folder = TRenderReport::GetTempFolder(true);
    const QStringList names = {QStringLiteral("R1_abc.pdf"), QStringLiteral("r1_ABC.nsr"),
                               QStringLiteral("R1_abcd.pdf"), QStringLiteral("R1_ab.pdf"),
                               QStringLiteral(".versteckt")};
    for (const QString &name : names) {
        QFile f(folder + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QDir(folder).mkdir(QStringLiteral("R1_abc.sub"));
    {
        TRenderReport renderer;
        renderer.FilePrefix = QStringLiteral("R1_");
        renderer.FileBaseName = QStringLiteral("abc");
        QCOMPARE(renderer.RunFileName(QStringLiteral("pdf")),
                 folder + QStringLiteral("R1_abc.pdf"));
    }
    QStringList left =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    QCOMPARE(left, (QStringList{QStringLiteral(".versteckt"), QStringLiteral("R1_ab.pdf"),
                                QStringLiteral("R1_abc.sub"), QStringLiteral("R1_abcd.pdf")}));
    // A renderer that never rendered deletes names that begin with "." only.
    {
        TRenderReport renderer;
    }
    left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY(!left.contains(QStringLiteral(".versteckt")));
    QVERIFY(left.contains(QStringLiteral("R1_ab.pdf")));
}

void TestRenderReport::dataModuleReportsRenderItsRows()
{
    Tdm_Afa dm(nullptr, TestDatabase::FreshCopy());
    QTemporaryDir dir;
    dm.rpt_Project->SetProjectFile(WriteProject(dir, QByteArray(Project)
                                                         .replace("rdc_Zeilen", "rdc_AfaReport")
                                                         .replace("\"NAME\"", "\"BEZEICHNUNG\"")));
    dm.PrepareReportStore(0);
    for (const char *name : {"Drehbank", "Lieferwagen"}) {
        dm.ReportStore()->Append();
        dm.ReportStore()->FieldByName(QStringLiteral("ID"))->SetAsInteger(dm.NextReportRowId());
        dm.ReportStore()
            ->FieldByName(QStringLiteral("BEZEICHNUNG"))
            ->SetAsString(QString::fromLatin1(name));
        dm.ReportStore()->Post();
    }
    dm.PrepareReportStore(1);
    dm.ReportStore()->Last();
    TRenderReport renderer;
    dm.AssignReportComponents(renderer);
    renderer.ReportName = QStringLiteral("rep_Kopf");
    renderer.RenderToSnapshot();
    TSnapshot snapshot;
    snapshot.Load(renderer.SnapshotBytes());
    const QString text = TSnapshotDump::DumpPage(snapshot.Page(1), 1, 1);
    // Read from the first row on, although the store stood on its last.
    QVERIFY2(text.indexOf(QStringLiteral("Drehbank")) >= 0 &&
                 text.indexOf(QStringLiteral("Drehbank")) <
                     text.indexOf(QStringLiteral("Lieferwagen")),
             qPrintable(text));
}
