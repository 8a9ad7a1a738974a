#include "TestPrinterRenderer.h"

#include "PdfProbe.h"
#include "PrinterDevice.h"
#include "PrinterRenderer.h"
#include "ReportError.h"
#include "Snapshot.h"
#include "SnapshotSamples.h"

#include <QTemporaryDir>
#include <QtTest>

namespace
{
// The page numbers printed, read back from the PDF ("Seite n" on every page).
QList<int> PrintedPages(const QString &file)
{
    QList<int> pages;
    const QString text = PdfProbe::Text(file);
    static const QRegularExpression seite(QStringLiteral("Seite (\\d+)"));
    for (const QRegularExpressionMatch &match : seite.globalMatch(text))
        pages.append(match.captured(1).toInt());
    return pages;
}

void PdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}
} // namespace

using Pages = QList<int>;

void TestPrinterRenderer::printsTheChosenPages_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<Pages>("pages");
    QTest::newRow("defaults: all") << 1 << 9999 << "" << Pages{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("range") << 2 << 4 << "" << Pages{2, 3, 4};
    QTest::newRow("last page") << 7 << 7 << "" << Pages{7};
    QTest::newRow("range past the end") << 6 << 8 << "" << Pages{6, 7};
    QTest::newRow("range from 0") << 0 << 1 << "" << Pages{1};
    QTest::newRow("selection wins") << 2 << 4 << "1-2,7" << Pages{1, 2, 7};
    QTest::newRow("blank selection: range") << 3 << 3 << "  " << Pages{3};
}

void TestPrinterRenderer::printsTheChosenPages()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, selection);
    QFETCH(Pages, pages);
    QTemporaryDir dir;
    TSnapshot snapshot;
    snapshot.Load(SnapshotSamples::Numbered(7));
    TPrinterRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    renderer.FirstPage = first;
    renderer.LastPage = last;
    renderer.Selection = selection;
    QCOMPARE(renderer.ChosenPages(), pages);
    QPrinter printer(QPrinter::HighResolution);
    const QString file = dir.filePath(QStringLiteral("druck.pdf"));
    PdfPrinter(printer, file);
    renderer.Render(printer);
    QCOMPARE(PdfProbe::PageCount(file), pages.size());
    QCOMPARE(PrintedPages(file), pages);
    QCOMPARE(printer.docName(), QStringLiteral("Ferolind-Report"));
}

void TestPrinterRenderer::refusesEmptyChoicesAndMissingSnapshot()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("druck.pdf"));
    QPrinter printer;
    PdfPrinter(printer, file);
    TPrinterRenderer renderer;
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(printer)); // no snapshot
    TSnapshot snapshot;
    snapshot.Load(SnapshotSamples::Numbered(7));
    renderer.SetSnapshot(&snapshot);
    renderer.FirstPage = 8;
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(printer));
    renderer.FirstPage = 5;
    renderer.LastPage = 4;
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(printer));
    renderer.Selection = QStringLiteral("8-9");
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(printer));
    renderer.Selection = QStringLiteral("1--2");
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(printer));
    QVERIFY(!QFile::exists(file));
    // a printer that cannot start
    renderer.Selection.clear();
    renderer.FirstPage = 1;
    renderer.LastPage = 9999;
    PdfPrinter(printer, dir.filePath(QStringLiteral("fehlt/druck.pdf")));
    try {
        renderer.Render(printer);
        QFAIL("printing into a missing folder was taken");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(), QStringLiteral("Der Druck konnte nicht gestartet werden."));
    }
}

void TestPrinterRenderer::takesItsOwnSettingsOnlyWhenTold()
{
    QTemporaryDir dir;
    TSnapshot snapshot;
    snapshot.Load(SnapshotSamples::Numbered(2));
    TPrinterRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    renderer.Copies = 3;
    renderer.Collate = true;
    renderer.Duplex = QPrinter::DuplexLongSide;
    QPrinter printer;
    printer.setCollateCopies(false);
    PdfPrinter(printer, dir.filePath(QStringLiteral("a.pdf")));
    renderer.Render(printer);
    QCOMPARE(printer.copyCount(), 1);
    QVERIFY(!printer.collateCopies());
    renderer.TakeOwnSettings = true;
    PdfPrinter(printer, dir.filePath(QStringLiteral("b.pdf")));
    renderer.Render(printer);
    QCOMPARE(printer.copyCount(), 3);
    QVERIFY(printer.collateCopies());
    // a PDF printer has no duplex; copies and collate show that the settings were taken
}

void TestPrinterRenderer::printerDeviceWithoutPrinters()
{
    TPrinterDevice device;
    if (device.PrinterCount() == 0) {
        QCOMPARE(device.CopiesSupported(), 1);
        QCOMPARE(device.CurrentPrinterName(), QString());
        QCOMPARE(device.CurrentPort(), QString());
    } else {
        QVERIFY(!device.CurrentPrinterName().isEmpty());
        QVERIFY(device.CopiesSupported() >= 1);
    }
    QVERIFY_THROWS_EXCEPTION(EReportError,
                             device.SetCurrentPrinter(QStringLiteral("Kein solcher Drucker")));
}
