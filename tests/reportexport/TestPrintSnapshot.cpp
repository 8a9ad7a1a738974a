#include "TestPrintSnapshot.h"

#include "BoxAnswerer.h"
#include "ExportFixture.h"
#include "PdfProbe.h"
#include "ReportError.h"

#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace
{
QString PrintedText(const TJobRecorder &recorder)
{
    QString text;
    for (const TJobRecorder::TJob &job : recorder.Jobs)
        text += PdfProbe::Text(job.File);
    return text;
}
} // namespace

void TestPrintSnapshot::withoutReportTellsAndDoesNothing_data()
{
    QTest::addColumn<bool>("print");
    QTest::addColumn<bool>("emptySnapshot");
    QTest::newRow("print, no snapshot") << true << false;
    QTest::newRow("print, snapshot without pages") << true << true;
    QTest::newRow("save, no snapshot") << false << false;
    QTest::newRow("save, snapshot without pages") << false << true;
}

void TestPrintSnapshot::withoutReportTellsAndDoesNothing()
{
    QFETCH(bool, print);
    QFETCH(bool, emptySnapshot);
    TExportFixture fixture;
    TJobRecorder recorder(fixture, 1);
    TExportContext context = fixture.Context();
    TSnapshot empty;
    context.Snapshot = emptySnapshot ? &empty : nullptr;
    bool asked = false;
    const auto ask = SnapshotExport::AskFileName;
    SnapshotExport::AskFileName = [&](QWidget *, const QString &, const QStringList &, int &) {
        asked = true;
        return QString();
    };
    TBoxAnswerer answerer;
    if (print)
        SnapshotExport::PrintSnapshot(context);
    else
        SnapshotExport::SaveSnapshot(context);
    SnapshotExport::AskFileName = ask;
    QCOMPARE(answerer.Shown, QStringList{QStringLiteral("Es ist kein Report vorhanden.")});
    QVERIFY(!asked);
    QVERIFY(!fixture.SetupDialog);
    QVERIFY(recorder.Jobs.isEmpty());
    QVERIFY(fixture.BusyCalls.isEmpty());
    QCOMPARE(fixture.ToolbarSwitches, 0);
    QCOMPARE(fixture.PrinterRenderer.Snapshot(), nullptr);
}

void TestPrintSnapshot::jobsFollowTheDriversCopies_data()
{
    QTest::addColumn<int>("supported");
    QTest::addColumn<QString>("copies");
    QTest::addColumn<QList<int>>("jobCopies");
    QTest::newRow("driver prints copies: one job of 3") << 999 << "3" << QList<int>{3};
    QTest::newRow("driver prints 2 copies: one job of 3") << 2 << "3" << QList<int>{3};
    QTest::newRow("driver without copies: 3 jobs of 1") << 1 << "3" << QList<int>{1, 1, 1};
    QTest::newRow("driver without copies: 2 jobs of 1") << 1 << "2" << QList<int>{1, 1};
    QTest::newRow("driver without copies, 1 copy") << 1 << "1" << QList<int>{1};
}

void TestPrintSnapshot::jobsFollowTheDriversCopies()
{
    QFETCH(int, supported);
    QFETCH(QString, copies);
    QFETCH(QList<int>, jobCopies);
    TExportFixture fixture(3);
    TJobRecorder recorder(fixture, supported);
    TExportContext context = fixture.Context();
    fixture.OnDialog([&](Tfrm_RpSetupGerman &dialog) {
        dialog.CopiesED->setText(copies);
        dialog.bbtnOK->click();
    });
    SnapshotExport::PrintSnapshot(context);
    QList<int> printed;
    for (const TJobRecorder::TJob &job : recorder.Jobs) {
        QCOMPARE(job.Number, printed.size() + 1);
        printed.append(job.Copies);
        QCOMPARE(PdfProbe::PageCount(job.File), 3);
    }
    QCOMPARE(printed, jobCopies);
    QCOMPARE(fixture.PrinterRenderer.Copies, copies.toInt());
    QCOMPARE(fixture.ReportSystem.Printer.Copies, copies.toInt());
    QVERIFY(fixture.PrinterRenderer.TakeOwnSettings);
    QCOMPARE(fixture.PrinterRenderer.Snapshot(), nullptr);
    QCOMPARE(fixture.BusyCalls, (QList<bool>{true, false}));
    QCOMPARE(fixture.Refreshes, 1);
}

void TestPrintSnapshot::printsTheChosenPages()
{
    TExportFixture fixture(7);
    TJobRecorder recorder(fixture, 999);
    TExportContext context = fixture.Context();
    QString proposed;
    fixture.OnDialog([&](Tfrm_RpSetupGerman &dialog) {
        proposed =
            dialog.FromED->text() + u' ' + dialog.ToED->text() + u' ' + dialog.SelectionED->text();
        FillDialog(dialog, QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("1"));
        dialog.bbtnOK->click();
    });
    SnapshotExport::PrintSnapshot(context);
    QCOMPARE(proposed, QStringLiteral("1 7 1-7"));
    QCOMPARE(recorder.Jobs.size(), 1);
    QCOMPARE(PdfProbe::PageCount(recorder.Jobs[0].File), 2);
    const QString text = PrintedText(recorder);
    QVERIFY(text.contains(QStringLiteral("Seite 6")));
    QVERIFY(text.contains(QStringLiteral("Seite 7")));
    QVERIFY(!text.contains(QStringLiteral("Seite 5")));

    // The dialog is kept; the next print proposes the full range again with "Seiten" on.
    Tfrm_RpSetupGerman *kept = fixture.SetupDialog.get();
    QVERIFY(kept);
    fixture.OnDialog([&](Tfrm_RpSetupGerman &dialog) {
        QVERIFY(dialog.PagesRB->isChecked());
        proposed = dialog.FromED->text() + u' ' + dialog.ToED->text();
        dialog.bbtnOK->click();
    });
    SnapshotExport::PrintSnapshot(context);
    QCOMPARE(fixture.SetupDialog.get(), kept);
    QCOMPARE(proposed, QStringLiteral("1 7"));
    QCOMPARE(recorder.Jobs.size(), 2);
    QCOMPARE(PdfProbe::PageCount(recorder.Jobs[1].File), 7);
}

void TestPrintSnapshot::cancelPrintsNothing()
{
    TExportFixture fixture;
    TJobRecorder recorder(fixture, 999);
    TExportContext context = fixture.Context();
    fixture.OnDialog([](Tfrm_RpSetupGerman &dialog) { dialog.bbtnCancel->click(); });
    SnapshotExport::PrintSnapshot(context);
    QVERIFY(recorder.Jobs.isEmpty());
    QCOMPARE(fixture.Refreshes, 1);
    QVERIFY(!fixture.PrinterRenderer.TakeOwnSettings);
    QCOMPARE(fixture.PrinterRenderer.Snapshot(), nullptr);
}

void TestPrintSnapshot::refusedInputPrintsNothing()
{
    TExportFixture fixture;
    TJobRecorder recorder(fixture, 999);
    TExportContext context = fixture.Context();
    TBoxAnswerer answerer;
    bool stayedOpen = false;
    fixture.OnDialog([&](Tfrm_RpSetupGerman &dialog) {
        FillDialog(dialog, QStringLiteral("3"), QString(), QStringLiteral("1"));
        dialog.bbtnOK->click();
        stayedOpen = dialog.isVisible();
        dialog.bbtnCancel->click();
    });
    SnapshotExport::PrintSnapshot(context);
    QVERIFY(stayedOpen);
    QCOMPARE(answerer.Shown, QStringList{QStringLiteral("'' ist kein gültiger Integerwert")});
    QVERIFY(recorder.Jobs.isEmpty());
}

void TestPrintSnapshot::withoutSetupPermissionPrintsAtOnce()
{
    TExportFixture fixture(2);
    TJobRecorder recorder(fixture, 1);
    fixture.ReportSystem.Permission.SetupFromPreview = false;
    fixture.PrinterRenderer.Copies = 4; // not taken: the dialog did not choose them
    TExportContext context = fixture.Context();
    SnapshotExport::PrintSnapshot(context);
    QVERIFY(!fixture.SetupDialog);
    QCOMPARE(recorder.Jobs.size(), 1);
    QCOMPARE(recorder.Jobs[0].Copies, 1);
    QCOMPARE(PdfProbe::PageCount(recorder.Jobs[0].File), 2);
}

void TestPrintSnapshot::notAllowedFromThePreviewPrintsNothing()
{
    TExportFixture fixture;
    TJobRecorder recorder(fixture, 999);
    fixture.ReportSystem.Option.PrintFromPreview = false;
    TExportContext context = fixture.Context();
    SnapshotExport::PrintSnapshot(context);
    QVERIFY(!fixture.SetupDialog);
    QVERIFY(recorder.Jobs.isEmpty());
    QCOMPARE(fixture.Refreshes, 1);
}

void TestPrintSnapshot::failedPrintIsReported_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer installed")
        << "no printer"
        << "Es ist kein Drucker installiert; der Report kann nicht gedruckt werden.";
    QTest::newRow("printing cannot start") << "cannot start"
                                           << "Der Druck konnte nicht gestartet werden.";
}

void TestPrintSnapshot::failedPrintIsReported()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    TExportFixture fixture;
    if (failure == "no printer" && fixture.PrinterDevice.PrinterCount() > 0)
        QSKIP("Hier ist ein Drucker installiert / a printer is installed here");
    const auto direct = SnapshotExport::DirectPrinter;
    if (failure == "cannot start") {
        SnapshotExport::DirectPrinter = [](QPrinter &printer, const TPrinterDevice *, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nicht/vorhanden/druck.pdf"));
        };
    }
    TExportContext context = fixture.Context();
    fixture.OnDialog([](Tfrm_RpSetupGerman &dialog) { dialog.bbtnOK->click(); });
    QString reported;
    try {
        SnapshotExport::PrintSnapshot(context);
    } catch (const EReportError &error) {
        reported = error.Message();
    }
    SnapshotExport::DirectPrinter = direct;
    QCOMPARE(reported, message);
    QCOMPARE(fixture.BusyCalls, (QList<bool>{true, false}));
    QCOMPARE(fixture.Refreshes, 1);
    QCOMPARE(fixture.PrinterRenderer.Snapshot(), nullptr);
}
