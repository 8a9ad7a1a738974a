#include "TestCupsPrint.h"

#include "ExportFixture.h"
#include "PdfProbe.h"
#include "ReportError.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

void TestCupsPrint::initTestCase()
{
    if (!m_cups.Start())
        QSKIP(qPrintable(QStringLiteral("CUPS-Testdrucker nicht verfügbar / scratch cupsd "
                                        "cannot start: %1")
                             .arg(m_cups.Why())));
}

void TestCupsPrint::cleanupTestCase()
{
    m_cups.Stop();
}

void TestCupsPrint::dialogShowsThePrinter()
{
    TExportFixture fixture;
    QCOMPARE(fixture.PrinterDevice.PrinterCount(), 1);
    fixture.ReportSystem.Printer.Copies = 2;
    Tfrm_RpSetupGerman dialog;
    dialog.ReportSystem = &fixture.ReportSystem;
    dialog.PrinterRenderer = &fixture.PrinterRenderer;
    dialog.PrinterDevice = &fixture.PrinterDevice;
    dialog.show();
    QCOMPARE(dialog.PrinterLabel->text(), QStringLiteral("norbek auf Testraum"));
    QCOMPARE(dialog.CopiesED->text(), QStringLiteral("2"));
    for (QWidget *control : QList<QWidget *>{dialog.CopiesED, dialog.CopiesLabel, dialog.CollateCK,
                                             dialog.DuplexCK, dialog.SetupBB})
        QVERIFY(control->isEnabled());
}

void TestCupsPrint::permissionsDisableTheirControls_data()
{
    QTest::addColumn<QString>("denied");
    QTest::newRow("Kopien") << "Copies";
    QTest::newRow("Collate") << "Collate";
    QTest::newRow("Duplex") << "Duplex";
    QTest::newRow("Druckereinrichtung") << "PrinterSetup";
}

void TestCupsPrint::permissionsDisableTheirControls()
{
    QFETCH(QString, denied);
    TExportFixture fixture;
    TReportSystem::Permissions &allowed = fixture.ReportSystem.Permission;
    allowed.Copies = denied != "Copies";
    allowed.Collate = denied != "Collate";
    allowed.Duplex = denied != "Duplex";
    allowed.PrinterSetup = denied != "PrinterSetup";
    Tfrm_RpSetupGerman dialog;
    dialog.ReportSystem = &fixture.ReportSystem;
    dialog.PrinterRenderer = &fixture.PrinterRenderer;
    dialog.PrinterDevice = &fixture.PrinterDevice;
    dialog.show();
    QCOMPARE(dialog.CopiesED->isEnabled(), allowed.Copies);
    QCOMPARE(dialog.CopiesLabel->isEnabled(), allowed.Copies);
    QCOMPARE(dialog.CollateCK->isEnabled(), allowed.Collate);
    QCOMPARE(dialog.DuplexCK->isEnabled(), allowed.Duplex);
    QCOMPARE(dialog.SetupBB->isEnabled(), allowed.PrinterSetup);
}

void TestCupsPrint::printsTwoCopiesOfTwoPages()
{
    QFile::remove(m_cups.OutputFile());
    TExportFixture fixture(3);
    TExportContext context = fixture.Context();
    fixture.OnDialog([](Tfrm_RpSetupGerman &dialog) {
        FillDialog(dialog, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("2"));
        dialog.CollateCK->setChecked(true);
        dialog.bbtnOK->click();
    });
    SnapshotExport::PrintSnapshot(context);
    QVERIFY2(m_cups.WaitIdle(20000), "Der Druckauftrag wurde nicht fertig");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_cups.OutputFile()), 5000);
    // The driver takes the copies: one job, which the queue prints twice.
    QString completed;
    QVERIFY(m_cups.Run(QStringLiteral("lpstat"),
                       {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")},
                       &completed));
    QCOMPARE(completed.trimmed().split(u'\n').size(), 1);
    QCOMPARE(PdfProbe::PageCount(m_cups.OutputFile()), 4);
    QList<int> pages;
    static const QRegularExpression seite(QStringLiteral("Seite (\\d+)"));
    for (const QRegularExpressionMatch &match :
         seite.globalMatch(PdfProbe::Text(m_cups.OutputFile())))
        pages.append(match.captured(1).toInt());
    QCOMPARE(pages, (QList<int>{1, 2, 1, 2}));
}

void TestCupsPrint::refusingQueueIsReported()
{
    QVERIFY(m_cups.Run(QStringLiteral("cupsreject"), {QStringLiteral("norbek")}));
    TExportFixture fixture(1);
    fixture.ReportSystem.Permission.SetupFromPreview = false;
    TExportContext context = fixture.Context();
    QString reported;
    try {
        SnapshotExport::PrintSnapshot(context);
    } catch (const EReportError &error) {
        reported = error.Message();
    }
    m_cups.Run(QStringLiteral("cupsaccept"), {QStringLiteral("norbek")});
    QVERIFY2(reported.startsWith(
                 QStringLiteral("Der Drucker „norbek“ hat den Druckauftrag abgewiesen: ")),
             qPrintable(reported));
    QCOMPARE(fixture.BusyCalls, (QList<bool>{true, false}));
}
