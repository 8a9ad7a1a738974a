#include "TestSnapshotPainter.h"

#include "SnapshotPainter.h"
#include "SnapshotSamples.h"

#include <QPainter>
#include <QtTest>

using namespace SnapshotSamples;

namespace
{
// A page of 100 × 100 mm painted at 1 pixel per mm (0.01 pixels per unit) and 254 dpi.
QImage Painted(const TSnapshotPage &page, double pixelsPerUnit = 0.01, QSize size = {100, 100})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(pixelsPerUnit * 100 * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    TSnapshotPainter player;
    player.Paint(painter, page, 1, 1, pixelsPerUnit);
    return image;
}

// The bounding box of the pixels that are not white.
QRect Ink(const QImage &image, const QRect &area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

void TestSnapshotPainter::paintsFilledRectWhereItBelongs()
{
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    page.Items.append(Rect(QRect(1000, 2000, 3000, 1000), qRgb(255, 0, 0)));
    page.Items.append(Rect(QRect(6000, 6000, 2000, 2000), 0, 100, qRgb(0, 0, 255)));
    const QImage image = Painted(page);
    QCOMPARE(Ink(image, QRect(0, 0, 50, 50)), QRect(10, 20, 30, 10));
    QCOMPARE(image.pixel(10, 20), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(39, 29), qRgb(255, 0, 0));
    // the outline only: its inside stays white
    QCOMPARE(image.pixel(70, 70), qRgb(255, 255, 255));
    const QRect outline = Ink(image, QRect(50, 50, 50, 50));
    QVERIFY(QRect(58, 58, 25, 25).contains(outline));
    QVERIFY(outline.width() >= 20 && outline.height() >= 20);
    QCOMPARE(image.pixel(outline.left(), 70), qRgb(0, 0, 255));
}

void TestSnapshotPainter::paintsTextInsideItsBoxOnly()
{
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    // 20 pt text is about 7 mm high; the box is 5 mm wide
    page.Items.append(Text(QRect(1000, 1000, 500, 1000), QStringLiteral("WWWWWWWW"),
                           Qt::AlignLeft | Qt::AlignTop, Font("Liberation Sans", 20)));
    QImage image = Painted(page, 0.04, {400, 400});
    const QRect ink = Ink(image, image.rect());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(QRect(40, 40, 20, 40).contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3×%4")
                                                                 .arg(ink.x())
                                                                 .arg(ink.y())
                                                                 .arg(ink.width())
                                                                 .arg(ink.height())));
    QCOMPARE(ink.right(), 59); // cut at the box
}

void TestSnapshotPainter::alignsTextInItsBox()
{
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    page.Items.append(Text(QRect(0, 0, 10000, 1000), QStringLiteral("I"),
                           Qt::AlignRight | Qt::AlignBottom, Font("Liberation Sans", 10)));
    page.Items.append(Text(QRect(0, 5000, 10000, 1000), QStringLiteral("I"),
                           Qt::AlignHCenter | Qt::AlignVCenter, Font("Liberation Sans", 10)));
    const QImage image = Painted(page, 0.04, {400, 400});
    const QRect right = Ink(image, QRect(0, 0, 400, 40));
    QVERIFY(right.right() >= 392 && right.bottom() >= 30);
    const QRect centre = Ink(image, QRect(0, 200, 400, 40));
    QVERIFY(qAbs(centre.center().x() - 200) <= 3);
    QVERIFY(qAbs(centre.center().y() - 220) <= 4);
}

void TestSnapshotPainter::pointSizeIsTheSameOnEveryDevice()
{
    // 72 pt are one inch (2540 units); a capital's height is a fixed share of that, so the
    // ink must be equally high in units whatever the device's dpi
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    page.Items.append(Text(QRect(0, 0, 10000, 5000), QStringLiteral("H"),
                           Qt::AlignLeft | Qt::AlignTop, Font("Liberation Sans", 72)));
    double heights[2];
    int i = 0;
    for (const double pixelsPerUnit : {96 / 2540.0, 300 / 2540.0}) {
        const QSize size(qRound(10000 * pixelsPerUnit), qRound(5000 * pixelsPerUnit));
        const QImage image = Painted(page, pixelsPerUnit, size);
        heights[i++] = Ink(image, image.rect()).height() / pixelsPerUnit;
    }
    // Liberation Sans' capital height is 1409/2048 em: 1747 units at 72 pt
    QVERIFY2(qAbs(heights[0] - 1747) < 40 && qAbs(heights[1] - 1747) < 20,
             qPrintable(QStringLiteral("%1 %2").arg(heights[0]).arg(heights[1])));
}

void TestSnapshotPainter::paintsRichTextAndLines()
{
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    TSnapItem rich;
    rich.Kind = TSnapItem::TKind::RichText;
    rich.Box = QRect(1000, 1000, 8000, 1500);
    rich.Text = QStringLiteral("<p style=\"font-family:'Liberation Sans'; font-size:20pt\">"
                               "<span style=\"color:#ff0000\">Rot</span></p>");
    page.Items.append(rich);
    TSnapItem line;
    line.Kind = TSnapItem::TKind::Line;
    line.Line = QLine(0, 8000, 10000, 8000);
    line.PenWidth = 100;
    line.Color = qRgb(0, 128, 0);
    page.Items.append(line);
    const QImage image = Painted(page, 0.04, {400, 400});
    const QRect ink = Ink(image, QRect(0, 0, 400, 200));
    QVERIFY(!ink.isEmpty());
    QVERIFY(QRect(40, 40, 320, 60).contains(ink));
    // 20 pt capitals are about 5 mm high
    QVERIFY2(ink.height() >= 18 && ink.height() <= 30, qPrintable(QString::number(ink.height())));
    bool red = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            red = red || (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 60);
    QVERIFY(red);
    QCOMPARE(image.pixel(200, 320), qRgb(0, 128, 0));
    QCOMPARE(image.pixel(200, 316), qRgb(255, 255, 255));
}

void TestSnapshotPainter::damagedValuesDoNotCrash()
{
    TSnapshotPage page;
    page.Size = QSize(10000, 10000);
    page.Items.append(
        Rect(QRect(-2000000000, -2000000000, 2000000000, 2000000000), 0xffff0000, 2000000000));
    page.Items.append(Text(QRect(5000, 5000, -300, -300), QStringLiteral("x"), -1));
    TSnapItem rich;
    rich.Kind = TSnapItem::TKind::RichText;
    rich.Box = QRect(0, 0, 100, 100);
    rich.Text = QStringLiteral("<table><tr><td><<<&&&");
    page.Items.append(rich);
    TSnapItem line;
    line.Kind = TSnapItem::TKind::Line;
    line.Line = QLine(0, 0, 10000, 10000);
    line.PenWidth = -5;
    page.Items.append(line);
    Painted(page);
}
