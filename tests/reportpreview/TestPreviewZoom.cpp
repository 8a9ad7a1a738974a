#include "TestPreviewZoom.h"

#include "PageRenderer.h"
#include "PreviewPage.h"
#include "PreviewSamples.h"
#include "WheelZoom.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace PreviewSamples;

namespace
{
void TypeZoom(Tfrm_RpPreviewGerman &w, const QString &text)
{
    w.ZoomEdit->setFocus();
    w.ZoomEdit->selectAll();
    QTest::keyClicks(w.ZoomEdit, text);
    QTest::keyClick(w.ZoomEdit, Qt::Key_Return);
}

void Wheel(QWidget *viewport, int delta)
{
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &event);
}
} // namespace

void TestPreviewZoom::zoomFieldKeepsTheRange()
{
    auto p = Open(Numbered(2));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QCOMPARE(w.ZoomEdit->text(), QStringLiteral("100.0"));
    const QList<QPair<QString, double>> cases = {
        {QStringLiteral("500"), 200},   {QStringLiteral("200"), 200}, {QStringLiteral("201"), 200},
        {QStringLiteral("5"), 10},      {QStringLiteral("10"), 10},   {QStringLiteral("9.9"), 10},
        {QStringLiteral("10.5"), 10.5}, {QStringLiteral("abc"), 10.5}};
    for (const auto &[typed, zoom] : cases) {
        TypeZoom(w, typed);
        QCOMPARE(w.PageRenderer().Zoom(), zoom);
        QCOMPARE(w.ZoomEdit->text(), QString::number(zoom, 'f', 1));
        QCOMPARE(w.ZoomEdit->selectedText(), w.ZoomEdit->text());
    }
    // the page image follows the zoom
    TypeZoom(w, QStringLiteral("50"));
    const QSize half = w.PageImage()->size();
    TypeZoom(w, QStringLiteral("100"));
    QVERIFY(qAbs(w.PageImage()->width() - 2 * half.width()) <= 2);
}

void TestPreviewZoom::zoomFieldRejectsASecondDecimal()
{
    auto p = Open(Numbered(1));
    QLineEdit *edit = p->Window->ZoomEdit;
    edit->setFocus();
    edit->setText(QStringLiteral("12.5"));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_3);
    QCOMPARE(edit->text(), QStringLiteral("12.5"));
    // a letter is not a digit: it passes
    edit->setText(QStringLiteral("12."));
    QTest::keyClick(edit, Qt::Key_3);
    QCOMPARE(edit->text(), QStringLiteral("12.3"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_7);
    QCOMPARE(edit->text(), QStringLiteral("7"));
}

void TestPreviewZoom::wheelTimersPerDirection()
{
    qint64 now = 1000;
    TWheelZoom wheel;
    wheel.Ticks = [&] { return now; };
    wheel.Start();
    using D = TWheelZoom::TDirection;
    now += 100;
    QVERIFY(!wheel.Accept(D::In)); // 100 ms is not more than 100 ms
    now += 1;
    QVERIFY(wheel.Accept(D::In));
    QVERIFY(wheel.Accept(D::Out)); // the other direction has its own timer
    now += 100;
    QVERIFY(!wheel.Accept(D::In));
    QVERIFY(!wheel.Accept(D::Out));
    now += 1;
    QVERIFY(wheel.Accept(D::In));
}

void TestPreviewZoom::wheelOverThePageZooms()
{
    auto p = Open(Numbered(2));
    Tfrm_RpPreviewGerman &w = *p->Window;
    qint64 now = 0;
    w.WheelZoom().Ticks = [&] { return now; };
    w.WheelZoom().Start();
    QWidget *viewport = w.sbx_Report->viewport();
    const int scrolled = w.sbx_Report->verticalScrollBar()->value();

    now = 50; // just after creation: too early
    Wheel(viewport, -120);
    QCOMPARE(w.PageRenderer().Zoom(), 100.0);
    now = 200;
    Wheel(viewport, -120); // down: in
    QCOMPARE(w.PageRenderer().Zoom(), 105.0);
    now = 250;
    Wheel(viewport, -120); // within 100 ms: once only
    QCOMPARE(w.PageRenderer().Zoom(), 105.0);
    Wheel(viewport, 120); // up right after down: out
    QCOMPARE(w.PageRenderer().Zoom(), 100.0);
    now = 301;
    Wheel(viewport, -120);
    QCOMPARE(w.PageRenderer().Zoom(), 105.0);
    // the wheel zooms instead of scrolling
    QCOMPARE(w.sbx_Report->verticalScrollBar()->value(), scrolled);
}

void TestPreviewZoom::fittedZoomsFitTheArea()
{
    auto p = Open(Numbered(3));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.ZoomWholePage();
    QCOMPARE(w.ZoomEdit->text(), QString::number(w.PageRenderer().Zoom(), 'f', 1));
    const QSize area = w.sbx_Report->viewport()->size();
    QVERIFY(w.PageImage()->width() <= area.width());
    QVERIFY(w.PageImage()->height() <= area.height());
    QVERIFY(w.PageImage()->height() >= area.height() - 2);
    QCOMPARE(w.sbx_Report->verticalScrollBar()->maximum(), 0);

    w.ZoomPageWidth();
    QCoreApplication::processEvents(); // the scroll bars settle
    QVERIFY(w.sbx_Report->verticalScrollBar()->isVisible());
    QVERIFY(w.PageImage()->width() <= w.sbx_Report->viewport()->width());
    QVERIFY(w.PageImage()->width() >= w.sbx_Report->viewport()->width() - 4);
    QCOMPARE(w.sbx_Report->horizontalScrollBar()->maximum(), 0);

    // the page sits in the middle of a wider area
    w.ZoomWholePage();
    QCoreApplication::processEvents();
    const QRect image = w.PageImage()->geometry();
    QVERIFY(qAbs(image.left() - (area.width() - image.right() - 1)) <= 1);
}

void TestPreviewZoom::wholePageScreenshot()
{
    auto p = Open(Numbered(3));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.RemoveBorder();
    w.ZoomWholePage();
    w.ShowPage(2);
    QCoreApplication::processEvents(); // the scroll bars settle
    QDir().mkpath(QStringLiteral("/tmp/preview-shots"));
    const QImage shot = w.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("/tmp/preview-shots/whole-page.png")));
    // the middle of the page is paper, the area beside it the area's grey
    const QPoint middle = w.PageImage()->mapTo(&w, w.PageImage()->rect().center());
    QCOMPARE(shot.pixelColor(middle * shot.devicePixelRatio()).rgb() & 0xffffff, 0xffffffu);
    const QPoint beside = w.sbx_Report->mapTo(&w, QPoint(2, w.sbx_Report->height() / 2));
    QCOMPARE(shot.pixelColor(beside * shot.devicePixelRatio()), QColor(153, 153, 153));
}
