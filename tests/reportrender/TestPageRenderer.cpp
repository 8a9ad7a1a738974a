#include "TestPageRenderer.h"

#include "PageRenderer.h"
#include "Snapshot.h"
#include "SnapshotSamples.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace
{
TSnapshot Pages(int count)
{
    TSnapshot snapshot;
    snapshot.Load(SnapshotSamples::Numbered(count));
    return snapshot;
}
} // namespace

void TestPageRenderer::showPageClampsToTheRange()
{
    const TSnapshot snapshot = Pages(5);
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    QCOMPARE(renderer.PageCount(), 5);
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.ShowPage(5);
    QCOMPARE(renderer.CurrentPage(), 5);
    renderer.ShowPage(6);
    QCOMPARE(renderer.CurrentPage(), 5);
    renderer.ShowPage(1);
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.ShowPage(3);
    renderer.ShowPage(0);
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.ShowPage(-7);
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.ShowPage(500);
    QCOMPARE(renderer.CurrentPage(), 5);
}

void TestPageRenderer::nextAndPreviousWrapWithTwoPagesOrMore()
{
    const TSnapshot two = Pages(2);
    TPageRenderer renderer;
    renderer.SetSnapshot(&two);
    renderer.NextPage();
    QCOMPARE(renderer.CurrentPage(), 2);
    renderer.NextPage();
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.PrevPage();
    QCOMPARE(renderer.CurrentPage(), 2);
    renderer.PrevPage();
    QCOMPARE(renderer.CurrentPage(), 1);

    const TSnapshot three = Pages(3);
    renderer.SetSnapshot(&three);
    renderer.ShowPage(2);
    renderer.NextPage();
    QCOMPARE(renderer.CurrentPage(), 3);
    renderer.PrevPage();
    QCOMPARE(renderer.CurrentPage(), 2);
}

void TestPageRenderer::onePageStaysOnPageOne()
{
    const TSnapshot one = Pages(1);
    TPageRenderer renderer;
    renderer.SetSnapshot(&one);
    renderer.NextPage();
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.PrevPage();
    QCOMPARE(renderer.CurrentPage(), 1);
    renderer.ShowPage(2);
    QCOMPARE(renderer.CurrentPage(), 1);
}

void TestPageRenderer::zoomClampsAt10And200()
{
    const TSnapshot snapshot = Pages(1);
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    QCOMPARE(renderer.Zoom(), 100.0);
    QCOMPARE(renderer.ZoomStep, 5.0);
    QCOMPARE(renderer.MarginPercent, 5.0);
    QCOMPARE(renderer.ShadowDepth, 0);
    renderer.SetZoom(10);
    QCOMPARE(renderer.Zoom(), 10.0);
    renderer.SetZoom(9);
    QCOMPARE(renderer.Zoom(), 10.0);
    renderer.SetZoom(200);
    QCOMPARE(renderer.Zoom(), 200.0);
    renderer.SetZoom(201);
    QCOMPARE(renderer.Zoom(), 200.0);
    renderer.SetZoom(500);
    QCOMPARE(renderer.Zoom(), 200.0);
    renderer.SetZoom(5);
    QCOMPARE(renderer.Zoom(), 10.0);
    renderer.SetZoom(197.5);
    renderer.ZoomIn();
    QCOMPARE(renderer.Zoom(), 200.0);
    renderer.SetZoom(12);
    renderer.ZoomOut();
    QCOMPARE(renderer.Zoom(), 10.0);
    renderer.SetZoom(50);
    renderer.ZoomIn();
    QCOMPARE(renderer.Zoom(), 55.0);
    renderer.ZoomOut();
    renderer.ZoomOut();
    QCOMPARE(renderer.Zoom(), 45.0);
}

void TestPageRenderer::zoomOutDoesNothingAtOrBelowOneStep()
{
    const TSnapshot snapshot = Pages(1);
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    renderer.ZoomStep = 40;
    renderer.SetZoom(40);
    renderer.ZoomOut();
    QCOMPARE(renderer.Zoom(), 40.0);
    renderer.SetZoom(30);
    renderer.ZoomOut();
    QCOMPARE(renderer.Zoom(), 30.0);
    renderer.SetZoom(41);
    renderer.ZoomOut();
    QCOMPARE(renderer.Zoom(), 10.0); // 1 % clamped
}

void TestPageRenderer::everyChangeNotifies()
{
    const TSnapshot snapshot = Pages(3);
    TPageRenderer renderer;
    QSignalSpy pages(&renderer, &TPageRenderer::PageChanged);
    QSignalSpy zooms(&renderer, &TPageRenderer::ZoomChanged);
    renderer.SetSnapshot(&snapshot);
    renderer.NextPage();
    renderer.ShowPage(9); // clamped to 3, still a page shown
    renderer.PrevPage();
    QCOMPARE(pages.size(), 4);
    QCOMPARE(pages.at(0).at(0).toInt(), 1);
    QCOMPARE(pages.at(1).at(0).toInt(), 2);
    QCOMPARE(pages.at(2).at(0).toInt(), 3);
    QCOMPARE(pages.at(3).at(0).toInt(), 2);
    renderer.ZoomIn();
    renderer.SetZoom(500); // the caller's field reads the clamped value back
    renderer.SetZoom(500);
    QCOMPARE(zooms.size(), 3);
    QCOMPARE(zooms.at(2).at(0).toDouble(), 200.0);
    renderer.Clear();
    QCOMPARE(pages.size(), 5);
    QCOMPARE(renderer.CurrentPage(), 0);
    QCOMPARE(renderer.PageCount(), 0);
}

void TestPageRenderer::inactiveOrEmptyDoesNothing()
{
    TPageRenderer empty;
    QSignalSpy emptyPages(&empty, &TPageRenderer::PageChanged);
    empty.ShowPage(1);
    empty.NextPage();
    empty.PrevPage();
    empty.ZoomIn();
    QCOMPARE(empty.CurrentPage(), 0);
    QCOMPARE(empty.Zoom(), 100.0);
    QCOMPARE(emptyPages.size(), 0);
    QVERIFY(empty.RenderPage(96).isNull());

    const TSnapshot snapshot = Pages(3);
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    renderer.Active = false;
    QSignalSpy pages(&renderer, &TPageRenderer::PageChanged);
    QSignalSpy zooms(&renderer, &TPageRenderer::ZoomChanged);
    renderer.ShowPage(3);
    renderer.NextPage();
    renderer.PrevPage();
    renderer.SetZoom(50);
    renderer.ZoomIn();
    renderer.ZoomOut();
    QCOMPARE(renderer.CurrentPage(), 1);
    QCOMPARE(renderer.Zoom(), 100.0);
    QCOMPARE(pages.size() + zooms.size(), 0);
    QVERIFY(renderer.RenderPage(96).isNull());
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    renderer.Paint(painter, image.rect());
    painter.end();
    QCOMPARE(image.pixel(25, 25), QColor(Qt::blue).rgb());
    renderer.Active = true;
    renderer.ShowPage(3);
    QCOMPARE(renderer.CurrentPage(), 3);
}

void TestPageRenderer::factorsFitThePageIntoTheViewport()
{
    const TSnapshot snapshot = Pages(1); // A4 portrait
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    // at 100 % and 96 dpi A4 is 793.7 × 1122.5 pixels; with 5 % of the width on each side
    // the image is 873.1 × 1201.8
    const double width = 21000 * 1.1 * 96 / 2540.0;
    const double height = (29700 + 2100) * 96 / 2540.0;
    QCOMPARE(renderer.PageWidthFactor(QSize(qRound(width), 100)), 100.0 * qRound(width) / width);
    QVERIFY(qAbs(renderer.PageWidthFactor(QSize(873, 100)) - 100.0) < 0.1);
    // a tall viewport: the width decides; a wide one: the height
    QVERIFY(qAbs(renderer.WholePageFactor(QSize(873, 5000)) - 100.0) < 0.1);
    QVERIFY(qAbs(renderer.WholePageFactor(QSize(5000, 601)) - 50.0) < 0.1);
    QCOMPARE(renderer.WholePageFactor(QSize(5000, 601)), 100.0 * 601 / height);
    renderer.ShadowDepth = 10;
    QVERIFY(qAbs(renderer.PageWidthFactor(QSize(883, 100)) - 100.0) < 0.1);
}

void TestPageRenderer::rendersThePageWithItsMargin()
{
    const TSnapshot snapshot = Pages(2);
    TPageRenderer renderer;
    renderer.SetSnapshot(&snapshot);
    renderer.SetZoom(50);
    const QSize page = renderer.PageSizePixels(96);
    QCOMPARE(page, QSize(qRound(21000 * 0.5 * 96 / 2540), qRound(29700 * 0.5 * 96 / 2540)));
    const int margin = renderer.MarginPixels(96);
    QCOMPARE(margin, qRound(page.width() * 0.05));
    const QImage image = renderer.RenderPage(96);
    QCOMPARE(image.size(), page + QSize(2 * margin, 2 * margin));
    QCOMPARE(qAlpha(image.pixel(margin - 1, margin - 1)), 0);           // margin: transparent
    QCOMPARE(image.pixel(margin + 1, margin + 1), qRgb(255, 255, 255)); // paper
    QCOMPARE(qAlpha(image.pixel(margin + page.width(), margin + 5)), 0);
    renderer.ShadowDepth = 4;
    const QImage shadowed = renderer.RenderPage(96);
    QCOMPARE(shadowed.size(), image.size() + QSize(4, 4));
    QCOMPARE(shadowed.pixel(margin + page.width() + 1, margin + 10), qRgb(0, 0, 0));
}
