#include "TestPdfRenderer.h"

#include "PageRenderer.h"
#include "PdfProbe.h"
#include "PdfRenderer.h"
#include "PrinterRenderer.h"
#include "RendererRegistry.h"
#include "ReportError.h"
#include "Snapshot.h"
#include "SnapshotSamples.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace SnapshotSamples;

void TestPdfRenderer::writesSearchableTextOnEveryPage()
{
    QTemporaryDir dir;
    TSnapshot snapshot;
    QList<TSnapshotPage> pages;
    for (int n = 1; n <= 12; ++n)
        pages.append(NumberedPage(n));
    pages[0].Items.append(Text(QRect(2000, 5000, 15000, 600),
                               QStringLiteral("Anschaffungskosten Büromöbel: 1.234,56 €")));
    snapshot.Load(Write(pages, QStringLiteral("AfA-Übersicht")));
    TPdfRenderer renderer;
    renderer.OutputFileName = dir.filePath(QStringLiteral("report.pdf"));
    renderer.Render(snapshot);

    QFile file(renderer.OutputFileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QCOMPARE(PdfProbe::PageCount(renderer.OutputFileName), 12);
    const QString text = PdfProbe::Text(renderer.OutputFileName);
    QVERIFY2(text.contains(QStringLiteral("Anschaffungskosten Büromöbel: 1.234,56 €")),
             qPrintable(text.left(300)));
    QVERIFY(text.contains(QStringLiteral("Seite 1\n")));
    QVERIFY(text.contains(QStringLiteral("Seite 12")));
    QVERIFY(text.contains(QStringLiteral("7/12")));
    QVERIFY(!text.contains(QStringLiteral("{page}")));
    const QString info = PdfProbe::Info(renderer.OutputFileName);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +AfA-Übersicht"))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator: +norbekAfa\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Producer: +norbekAfa\n"))));
}

void TestPdfRenderer::writesEachPageOnItsPaper()
{
    QTemporaryDir dir;
    TSnapshotPage portrait = NumberedPage(1);
    TSnapshotPage landscape = NumberedPage(2);
    landscape.Size = QSize(29700, 21000);
    TSnapshotPage letter = NumberedPage(3);
    letter.Size = QSize(21590, 27940);
    TSnapshot snapshot;
    snapshot.Load(Write({portrait, landscape, letter}));
    TPdfRenderer renderer;
    renderer.OutputFileName = dir.filePath(QStringLiteral("papers.pdf"));
    renderer.Render(snapshot);
    const QList<QSizeF> sizes = PdfProbe::PageSizes(renderer.OutputFileName);
    QCOMPARE(sizes.size(), 3);
    const double mm = 72 / 25.4;
    auto near = [](QSizeF a, QSizeF b) {
        return qAbs(a.width() - b.width()) < 1.5 && qAbs(a.height() - b.height()) < 1.5;
    };
    QVERIFY(near(sizes[0], QSizeF(210 * mm, 297 * mm)));
    QVERIFY(near(sizes[1], QSizeF(297 * mm, 210 * mm)));
    QVERIFY(near(sizes[2], QSizeF(612, 792)));
}

void TestPdfRenderer::unwritableFileIsNamedAndTheOldFileStays()
{
    QTemporaryDir dir;
    TSnapshot snapshot;
    snapshot.Load(Numbered(2));
    TPdfRenderer renderer;
    renderer.OutputFileName = dir.filePath(QStringLiteral("fehlt/report.pdf"));
    try {
        renderer.Render(snapshot);
        QFAIL("writing into a missing folder was taken");
    } catch (const EReportError &e) {
        QVERIFY2(e.Message().startsWith(QStringLiteral("Die Datei „%1“ kann nicht geschrieben "
                                                       "werden")
                                            .arg(renderer.OutputFileName)),
                 qPrintable(e.Message()));
    }

    // a page that cannot be decoded stops the render; the old file is kept whole
    renderer.OutputFileName = dir.filePath(QStringLiteral("alt.pdf"));
    QFile old(renderer.OutputFileName);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    QByteArray data = Numbered(2);
    // the last page's width (21000) set to 0
    const qsizetype size = data.lastIndexOf(QByteArray::fromHex("0000520800007404"));
    QVERIFY(size > 0);
    data[size + 2] = 0;
    data[size + 3] = 0;
    TSnapshot damaged;
    damaged.Load(data);
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(damaged));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("alt"));
    QCOMPARE(dir.path() + "/alt.pdf", renderer.OutputFileName);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.pdf")});
}

void TestPdfRenderer::refusesMissingNameAndEmptySnapshot()
{
    QTemporaryDir dir;
    TSnapshot snapshot;
    snapshot.Load(Numbered(1));
    TPdfRenderer renderer;
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(snapshot));
    renderer.OutputFileName = dir.filePath(QStringLiteral("leer.pdf"));
    QVERIFY_THROWS_EXCEPTION(EReportError, renderer.Render(TSnapshot()));
    QVERIFY(!QFile::exists(renderer.OutputFileName));
}

void TestPdfRenderer::registryListsLiveRenderersInOrder()
{
    const QList<TRenderer *> before = TRendererRegistry::Instance().Renderers();
    auto added = [&]() { return TRendererRegistry::Instance().Renderers().mid(before.size()); };
    {
        TPdfRenderer pdf;
        auto preview = std::make_unique<TPageRenderer>();
        TPrinterRenderer printer;
        QCOMPARE(added(), (QList<TRenderer *>{&pdf, preview.get(), &printer}));
        QCOMPARE(pdf.DisplayName(), QStringLiteral("Adobe Acrobat (PDF)"));
        QCOMPARE(pdf.FileExtension(), QStringLiteral("*.pdf"));
        QVERIFY(pdf.IsPdf() && pdf.Active);
        QVERIFY(!preview->IsPdf() && !printer.IsPdf());
        preview.reset();
        QCOMPARE(added(), (QList<TRenderer *>{&pdf, &printer}));
        TPdfRenderer second;
        QCOMPARE(added(), (QList<TRenderer *>{&pdf, &printer, &second}));
    }
    QCOMPARE(TRendererRegistry::Instance().Renderers(), before);
}
