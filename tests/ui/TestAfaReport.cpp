#include "TestAfaReport.h"

#include "AfaReport.h"
#include "DMod_Afa.h"
#include "EvaluationSession.h"
#include "Form_Afa.h"
#include "Form_AfaReport.h"
#include "Form_RpPreviewGerman.h"
#include "PageRenderer.h"
#include "ReportError.h"
#include "ReportProject.h"
#include "Snapshot.h"
#include "TestModules.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Three assets over the data module, evaluated into report rows; the driver is the run's
// report request, as in the main window.
struct TRig {
    std::unique_ptr<Tdm_Afa> Dm = TestModules::ModuleWithThreeAssets();
    TAfaReport Report;
    TEvaluationSession Session{*Dm, [](const QString &) { return QString(); }};

    TRig()
    {
        Session.UseReportRequest(Report);
        Session.Evaluation.Settings.FiscalYearText = QStringLiteral("2026");
    }
    void Evaluate()
    {
        Session.Filter.SetFlags(TargetPrint, TargetText);
        Session.Evaluation.Evaluate();
    }
    Tfrm_RpPreviewGerman &Preview() { return *Report.PreviewWindow; }
    int Pages() { return Preview().PageRenderer().PageCount(); }
};

} // namespace

void TestAfaReport::modeChoosesTheReport()
{
    TRig r;
    r.Evaluate(); // a fiscal year: "rep_Jahr"
    QCOMPARE(r.Report.Mode, TReportModes(rmJahr));
    r.Report.Execute();
    QCOMPARE(r.Report.Renderer.ReportName, QStringLiteral("rep_Jahr"));
    QCOMPARE(r.Pages(), 1);
    QCOMPARE(r.Preview().PageEdit->text(), QStringLiteral("1"));
    QCOMPARE(r.Preview().sbarMain->currentMessage(), QStringLiteral("Seite 1 von 1"));
    // Both bits: the fiscal year wins.
    r.Report.Mode = rmJahr | rmList;
    r.Report.Execute();
    QCOMPARE(r.Report.Renderer.ReportName, QStringLiteral("rep_Jahr"));
    r.Report.Mode = rmList;
    r.Report.Execute();
    QCOMPARE(r.Report.Renderer.ReportName, QStringLiteral("rep_List"));
    QVERIFY(r.Report.HasMode(rmList) && !r.Report.HasMode(rmJahr));
}

void TestAfaReport::emptyModeAndMissingReportShowTheEmptyState()
{
    TRig r;
    r.Report.Execute(); // no mode yet: no report name, nothing rendered
    QVERIFY(r.Report.Renderer.SnapshotBytes().isEmpty());
    QCOMPARE(r.Preview().PageEdit->text(), QString());
    QCOMPARE(r.Preview().PageLabel->text(), QStringLiteral("von"));
    QCOMPARE(r.Pages(), 0);

    // A project without the report: no error, the empty state.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("ohne.nrp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?><project version=\"1\"><report name=\"rep_Anders\">"
               "<summary name=\"s\" height=\"5\"/></report></project>");
    file.close();
    r.Dm->rpt_Project->SetProjectFile(file.fileName());
    r.Evaluate();
    r.Report.Execute();
    QVERIFY(r.Report.Renderer.SnapshotBytes().isEmpty());
    QCOMPARE(r.Preview().PageLabel->text(), QStringLiteral("von"));

    // "rep_Empty" renders no page either.
    r.Dm->rpt_Project->SetProjectFile(ReportProjectPath);
    r.Report.Mode = rmEmpty;
    r.Report.Execute();
    QVERIFY(r.Report.Renderer.SnapshotBytes().isEmpty() || r.Pages() == 0);
    QCOMPARE(r.Preview().PageEdit->text(), QString());
}

void TestAfaReport::missingProjectFileLeavesThePreview()
{
    TRig r;
    r.Evaluate();
    r.Report.Execute();
    QCOMPARE(r.Preview().sbarMain->currentMessage(), QStringLiteral("Seite 1 von 1"));
    const QString missing = QStringLiteral("/gibt/es/nicht/norbekAfa.nrp");
    r.Dm->rpt_Project->SetProjectFile(missing);
    try {
        r.Report.Execute();
        QFAIL("no error");
    } catch (const EReportError &e) {
        QVERIFY2(e.Message().contains(missing), qPrintable(e.Message()));
    }
    // The preview still shows what it showed.
    QCOMPARE(r.Preview().sbarMain->currentMessage(), QStringLiteral("Seite 1 von 1"));
    QCOMPARE(r.Preview().PageEdit->text(), QStringLiteral("1"));
}

void TestAfaReport::clearEmptiesThePreview()
{
    TRig r;
    r.Report.Mode = rmList;
    r.Session.Evaluation.Settings.Filter = TAfaFilterChoice::Zeitraum;
    r.Session.Evaluation.Settings.To = 2958465; // 31.12.9999
    r.Evaluate();
    r.Report.Execute();
    QVERIFY(r.Pages() >= 1);
    r.Evaluate(); // the run clears the last report before it rebuilds the rows
    QVERIFY(r.Report.Renderer.SnapshotBytes().isEmpty());
    QVERIFY(!r.Preview().PageRenderer().Active);
    QCOMPARE(r.Preview().PageEdit->text(), QString());
    QCOMPARE(r.Preview().PageLabel->text(), QStringLiteral("von"));
    // Paging does nothing on the cleared preview.
    r.Preview().actnPage_Next->trigger();
    r.Preview().PageEdit->setText(QStringLiteral("2"));
    QTest::keyClick(r.Preview().PageEdit, Qt::Key_Return);
    QCOMPARE(r.Preview().PageEdit->text(), QStringLiteral("2"));
    QVERIFY(!r.Preview().PageRenderer().Active);
}

void TestAfaReport::printPreviewButtonShowsTheReport()
{
    QString path;
    std::unique_ptr<Tdm_Afa> dm = TestModules::ModuleWithThreeAssets(&path);
    dm.reset();
    Tdm_Afa module(nullptr, path);
    {
        Tfrm_Afa form(module);
        form.show();
        form.pgc_Main->setCurrentWidget(form.ts_Evaluation);
        form.bt_AfaCalcPrintPreview->click();
        QCOMPARE(form.pgc_Evaluation->currentWidget(), form.ts_PrintPreview);
        Tfrm_RpPreviewGerman &preview = *form.ReportHost()->AfaReport->PreviewWindow;
        QVERIFY(form.ts_PrintPreview->isAncestorOf(preview.pnl_Main));
        QVERIFY(preview.pnl_Main->isVisible());
        QCOMPARE(preview.PageRenderer().PageCount(), 1);
        QCOMPARE(preview.PageEdit->text(), QStringLiteral("1"));
        // Embedded: no exit command.
        QVERIFY(!preview.actnFile_Exit->isVisible());
        QVERIFY(form.bt_AfaCalcPrintPreview->isEnabled());
    }
    // The window and its driver are gone without a crash; the data module goes last.
}

void TestAfaReport::qtDialogsSpeakGerman()
{
    // The save and print dialogs are Qt's own; the application loads their German texts.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("S&peichern"));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drucken"));
}
