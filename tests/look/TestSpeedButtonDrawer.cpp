#include "TestSpeedButtonDrawer.h"

#include "GrayBitmap.h"
#include "PageControlDrawer.h"
#include "RefreshForm.h"
#include "SpeedButtonDrawer.h"
#include "Unit_Global.h"
#include "UserMainMenuList.h"

#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <stdexcept>

namespace
{
const QColor Face(0xE0, 0xEE, 0xFE);
const QColor Border(0xC0, 0xC0, 0xC0);
const QColor Parent(0xDE, 0xDE, 0xDE);

// 16 x 16: transparent, with a red 8 x 8 square in the middle
QIcon RedSquare()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(4, 4, 8, 8, QColor(255, 0, 0));
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

// A window in the main window's grey with one flat button of 60 x 24 and a tool bar.
struct TButtonWindow {
    QWidget Window;
    QPushButton *Button;
    QToolBar *Bar;
    QAction *Check;

    TButtonWindow()
    {
        QPalette palette = Window.palette();
        palette.setColor(QPalette::Window, Parent);
        Window.setPalette(palette);
        Window.setAutoFillBackground(true);
        Window.resize(200, 100);
        Button = new QPushButton(&Window);
        Button->setIcon(RedSquare());
        Button->setIconSize(QSize(16, 16));
        Button->setGeometry(10, 10, 60, 24);
        Bar = new QToolBar(&Window);
        Bar->setGeometry(10, 50, 150, 30);
        Bar->setIconSize(QSize(16, 16));
        Check = Bar->addAction(RedSquare(), QStringLiteral("Fett"));
        Check->setCheckable(true);
        Bar->addSeparator();
        Bar->addAction(RedSquare(), QStringLiteral("Kursiv"));
    }

    QToolButton *CheckButton() const
    {
        return qobject_cast<QToolButton *>(Bar->widgetForAction(Check));
    }
};

QColor At(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// paints itself green, no background of its own
class TSelfPainted : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

// what the window shows of the widget, without painting it again
QImage OnScreen(QWidget *widget)
{
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

void TestSpeedButtonDrawer::greyGlyphOfADisabledButton()
{
    TButtonWindow w;
    TSpeedButtonDrawer &drawer = Global().SpeedButtonDrawer(0);
    drawer.RegisterWindow(&w.Window);
    // glyph only: at ((60 - 16) / 2, (24 - 16) / 2) = (22, 4)
    QImage enabled = Shot(w.Button);
    QCOMPARE(At(enabled, 22 + 8, 4 + 8), QColor(255, 0, 0));
    QCOMPARE(At(enabled, 22, 4 + 15), Face); // the glyph's transparent corner

    w.Button->setEnabled(false);
    const QImage disabled = Shot(w.Button);
    // grey of pure red: 77 * 255 / 256 = 76
    QCOMPARE(At(disabled, 22 + 8, 4 + 8), QColor(76, 76, 76));
    // the transparent area stays transparent (not the white marker of the grey copy)
    QCOMPARE(At(disabled, 22, 4 + 15), Face);
    QCOMPARE(At(disabled, 22 + 15, 4), Face);

    // a glyph with its own disabled image (a second image) shows that one
    QIcon two = RedSquare();
    QImage blue(16, 16, QImage::Format_ARGB32);
    blue.fill(Qt::transparent);
    QPainter(&blue).fillRect(4, 4, 8, 8, QColor(0, 0, 255));
    two.addPixmap(QPixmap::fromImage(blue), QIcon::Disabled);
    w.Button->setIcon(two);
    const QImage second = Shot(w.Button);
    QCOMPARE(At(second, 22 + 8, 4 + 8), QColor(0, 0, 255));
    QCOMPARE(At(second, 22, 4 + 15), Face);
    w.Button->setEnabled(true);
    QCOMPARE(At(Shot(w.Button), 22 + 8, 4 + 8), QColor(255, 0, 0));
    drawer.UnregisterWindow(&w.Window);

    // the grey copy itself: every pixel grey, the bottom-left colour made white
    QImage glyph(3, 2, QImage::Format_ARGB32);
    glyph.setPixel(0, 1, qRgb(10, 20, 30)); // transparent colour
    glyph.setPixel(1, 1, qRgb(10, 20, 30));
    glyph.setPixel(0, 0, qRgb(255, 255, 255));
    glyph.setPixel(1, 0, qRgb(0, 255, 0));
    glyph.setPixel(2, 0, qRgb(0, 0, 255));
    glyph.setPixel(2, 1, qRgb(1, 1, 1));
    TGrayBitmap gray;
    const QImage result = gray.Make(glyph);
    QCOMPARE(result.pixel(0, 1), qRgb(255, 255, 255));
    QCOMPARE(result.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(result.pixel(0, 0), qRgb(255, 255, 255)); // (77 + 150 + 29) * 255 / 256
    QCOMPARE(result.pixel(1, 0), qRgb(149, 149, 149)); // 150 * 255 / 256
    QCOMPARE(result.pixel(2, 0), qRgb(28, 28, 28));    // 29 * 255 / 256
    QCOMPARE(result.pixel(2, 1), qRgb(1, 1, 1));       // 256 / 256
    QCOMPARE(TransparentColorOf(result), qRgb(255, 255, 255));
}

void TestSpeedButtonDrawer::faceOutlineAndBackground()
{
    TButtonWindow w;
    w.Button->setIcon(QIcon());
    w.Button->setText(QStringLiteral("Ok"));
    TSpeedButtonDrawer &drawer = Global().SpeedButtonDrawer(0);
    drawer.RegisterWindow(&w.Window);
    w.Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.Window));
    const QImage shot = OnScreen(w.Button);
    // column 0 and 59: the parent's colour; 1 and 58: the outline; inside the face
    QCOMPARE(At(shot, 0, 12), Parent);
    QCOMPARE(At(shot, 59, 12), Parent);
    QCOMPARE(At(shot, 1, 12), Border);
    QCOMPARE(At(shot, 58, 12), Border);
    QCOMPARE(At(shot, 5, 0), Border);
    QCOMPARE(At(shot, 5, 23), Border);
    QCOMPARE(At(shot, 2, 1), Face);
    QCOMPARE(At(shot, 57, 22), Face);
    // a focused button shows a dotted frame inside its face
    w.Button->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(w.Button->hasFocus());
    const QImage focused = OnScreen(w.Button);
    int dark = 0;
    for (int x = 3; x < 57; ++x)
        dark += qGray(focused.pixel(x, 2)) < 100 ? 1 : 0;
    QVERIFY(dark > 10);
    QCOMPARE(At(focused, 2, 1), Face);
    w.Button->clearFocus();
    QCoreApplication::processEvents();
    // the caption in the button's text colour
    bool text = false;
    for (int x = 10; x < 50 && !text; ++x)
        for (int y = 4; y < 20 && !text; ++y)
            text = qGray(shot.pixel(x, y)) < 100;
    QVERIFY(text);

    // disabled: the disabled face and grey text; a changed setting applies at once
    drawer.SetColor(4, QColor(0xC0, 0xC0, 0xC0));
    w.Button->setEnabled(false);
    QCoreApplication::processEvents();
    const QImage off = OnScreen(w.Button);
    drawer.SetColor(4, Face);
    QCOMPARE(At(off, 2, 1), QColor(0xC0, 0xC0, 0xC0));
    drawer.UnregisterWindow(&w.Window);

    // on a parent that paints itself (like the About window's gradient) that painting shows
    TSelfPainted painted;
    painted.resize(100, 50);
    auto *ok = new QPushButton(QStringLiteral("Ok"), &painted);
    ok->setGeometry(10, 10, 60, 24);
    drawer.RegisterWindow(&painted);
    painted.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painted));
    const QImage onPainted = OnScreen(ok);
    QCOMPARE(At(onPainted, 0, 12), QColor(0, 128, 0));
    QCOMPARE(At(onPainted, 1, 12), Border);
    drawer.UnregisterWindow(&painted);
}

void TestSpeedButtonDrawer::mouseStatesLastOnePaint()
{
    TButtonWindow w;
    TSpeedButtonDrawer &drawer = Global().SpeedButtonDrawer(0);
    drawer.RegisterWindow(&w.Window);
    w.Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.Window));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w.Button, &enter);
    QCOMPARE(drawer.Manager().Find(w.Button)->State, 2);
    const QImage raised = Shot(w.Button);
    // inside the outline: white along the top and left, black along the bottom and right
    QCOMPARE(At(raised, 10, 1), QColor(Qt::white));
    QCOMPARE(At(raised, 2, 10), QColor(Qt::white));
    QCOMPARE(At(raised, 10, 22), QColor(Qt::black));
    QCOMPARE(At(raised, 57, 10), QColor(Qt::black));
    // the state went back to normal with that paint
    QCOMPARE(drawer.Manager().Find(w.Button)->State, 0);
    QCOMPARE(At(Shot(w.Button), 10, 1), Face);

    // the press repaints at once, so the screen shows it sunken; the next paint is normal
    QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(30, 12));
    const QImage sunken = OnScreen(w.Button);
    QCOMPARE(At(sunken, 10, 1), QColor(Qt::black));
    QCOMPARE(At(sunken, 10, 22), QColor(Qt::white));
    QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(At(OnScreen(w.Button), 10, 1), Face);

    // the button's own handling still runs for the press: it clicks
    QSignalSpy clicked(w.Button, &QPushButton::clicked);
    QTest::mouseClick(w.Button, Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(clicked.count(), 1);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.Button, &enter);
    QApplication::sendEvent(w.Button, &leave);
    QCOMPARE(drawer.Manager().Find(w.Button)->State, 0);
    drawer.UnregisterWindow(&w.Window);
}

void TestSpeedButtonDrawer::checkedToolBarButtonLooksUnchecked()
{
    TButtonWindow w;
    TSpeedButtonDrawer &drawer = Global().SpeedButtonDrawer(0);
    drawer.RegisterWindow(&w.Window);
    QToolButton *bold = w.CheckButton();
    QVERIFY(drawer.Manager().Contains(bold));
    const QImage unchecked = Shot(bold);
    w.Check->setChecked(true);
    QVERIFY(bold->isChecked());
    QCOMPARE(Shot(bold), unchecked);

    // a checked flat button outside a tool bar is pressed in
    w.Button->setCheckable(true);
    w.Button->setChecked(true);
    const QImage down = Shot(w.Button);
    QCOMPARE(At(down, 10, 1), QColor(Qt::black));
    QCOMPARE(At(down, 10, 22), QColor(Qt::white));
    drawer.UnregisterWindow(&w.Window);
}

void TestSpeedButtonDrawer::registeringTwiceInterceptsOnce()
{
    TButtonWindow w;
    TSpeedButtonDrawer drawer;
    drawer.SetColor(1, Face);
    drawer.RegisterWindow(&w.Window);
    drawer.RegisterWindow(&w.Window);
    // the flat button and the two tool-bar buttons, not the separator
    QCOMPARE(drawer.Manager().Count(), 3);
    QVERIFY(w.Button->isFlat());
    QCOMPARE(At(Shot(w.Button), 2, 1), Face);

    // one unregistering gives every button its own painting back
    drawer.UnregisterWindow(&w.Window);
    QCOMPARE(drawer.Manager().Count(), 0);
    QVERIFY(!drawer.IsRegistered(&w.Window));
    QVERIFY(At(Shot(w.Button), 1, 12) != drawer.Color(3));

    // a button destroyed while registered leaves the list
    drawer.RegisterWindow(&w.Window);
    delete w.Button;
    QCOMPARE(drawer.Manager().Count(), 2);
    drawer.UnregisterWindow(&w.Window);
}

void TestSpeedButtonDrawer::onlyPlainButtonsAreIntercepted()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *bar = new QToolBar(&window);
    layout->addWidget(bar);
    QAction *plain = bar->addAction(QStringLiteral("Neu"));
    QAction *separator = bar->addSeparator();
    QAction *dropDown = bar->addAction(QStringLiteral("Mehr"));
    auto *menu = new QMenu(&window);
    menu->addAction(QStringLiteral("Eins"));
    dropDown->setMenu(menu);
    auto *tabs = new QTabWidget(&window);
    tabs->setUsesScrollButtons(true);
    for (int i = 0; i < 20; ++i)
        tabs->addTab(new QWidget, QStringLiteral("Seite mit langem Namen %1").arg(i));
    layout->addWidget(tabs);
    auto *standalone = new QToolButton(&window);
    layout->addWidget(standalone);
    auto *picker = new QToolButton(&window); // a date picker's drop-down arrow
    picker->setArrowType(Qt::DownArrow);
    layout->addWidget(picker);
    window.resize(300, 200);
    window.show();

    TSpeedButtonDrawer drawer;
    drawer.Enabled = false;
    drawer.RegisterWindow(&window);
    QCOMPARE(drawer.Manager().Count(), 0);
    drawer.Enabled = true;
    drawer.RegisterWindow(&window);
    QVERIFY(drawer.Manager().Contains(bar->widgetForAction(plain)));
    QVERIFY(drawer.Manager().Contains(standalone));
    QVERIFY(!bar->widgetForAction(separator) ||
            !drawer.Manager().Contains(bar->widgetForAction(separator)));
    QVERIFY(!drawer.Manager().Contains(bar->widgetForAction(dropDown)));
    QVERIFY(!drawer.Manager().Contains(picker));
    QCOMPARE(drawer.Manager().Count(), 2); // no tab scroller, no tool-bar extension
    drawer.UnregisterWindow(&window);
}

void TestSpeedButtonDrawer::glyphAndCaptionPlacement()
{
    const QRect button(0, 0, 60, 24);
    const QSize glyph(16, 16);
    const QSize caption(30, 14);
    // m = (60 - 16 - 30) / 2 = 7
    auto left = PlaceGlyphAndCaption(button, glyph, caption, TGlyphLayout::GlyphLeft);
    QCOMPARE(left.Glyph, QPoint(7, 4));
    QCOMPARE(left.Caption, QPoint(7 + 16 + 4, 5));
    auto right = PlaceGlyphAndCaption(button, glyph, caption, TGlyphLayout::GlyphRight);
    QCOMPARE(right.Caption, QPoint(7, 5));
    QCOMPARE(right.Glyph, QPoint(7 + 30 + 4, 4));
    // v = (40 - 14 - 16) / 2 = 5
    const QRect tall(0, 0, 60, 40);
    auto top = PlaceGlyphAndCaption(tall, glyph, caption, TGlyphLayout::GlyphTop);
    QCOMPARE(top.Glyph, QPoint(22, 5));
    QCOMPARE(top.Caption, QPoint(15, 5 + 16));
    auto bottom = PlaceGlyphAndCaption(tall, glyph, caption, TGlyphLayout::GlyphBottom);
    QCOMPARE(bottom.Glyph, QPoint(22, 5 + 14));
    QCOMPARE(bottom.Caption, QPoint(15, 5));
    // one alone is placed at left + m
    QCOMPARE(PlaceGlyphAndCaption(button, glyph, {}, TGlyphLayout::GlyphTop).Glyph, QPoint(22, 4));
    QCOMPARE(PlaceGlyphAndCaption(button, {}, caption, TGlyphLayout::GlyphTop).Caption,
             QPoint(15, 5));
    // margins: -1 / 2 is still 0, -2 / 2 is negative and becomes 2
    QCOMPARE(PlaceGlyphAndCaption(QRect(0, 0, 45, 24), glyph, caption, TGlyphLayout::GlyphLeft)
                 .Glyph.x(),
             0);
    QCOMPARE(PlaceGlyphAndCaption(QRect(0, 0, 44, 24), glyph, caption, TGlyphLayout::GlyphLeft)
                 .Glyph.x(),
             2);
    QCOMPARE(
        PlaceGlyphAndCaption(QRect(0, 0, 60, 28), glyph, caption, TGlyphLayout::GlyphTop).Glyph.y(),
        2); // v = (28 - 30) / 2 = -1 becomes 2
    QCOMPARE(
        PlaceGlyphAndCaption(QRect(0, 0, 60, 29), glyph, caption, TGlyphLayout::GlyphTop).Glyph.y(),
        0); // v = (29 - 30) / 2 = 0 stays
    // placed inside the button's own rectangle
    QCOMPARE(
        PlaceGlyphAndCaption(QRect(100, 50, 60, 24), glyph, caption, TGlyphLayout::GlyphLeft).Glyph,
        QPoint(107, 54));
}

void TestSpeedButtonDrawer::painterSlotsOfTheHolder()
{
    TGlobal &global = Global();
    QCOMPARE(&global.SpeedButtonDrawer(0), &global.SpeedButtonDrawer(0));
    QVERIFY(&global.SpeedButtonDrawer(0) != &global.SpeedButtonDrawer(1));
    QCOMPARE(global.SpeedButtonDrawer(0).Color(1), Face);
    QCOMPARE(global.SpeedButtonDrawer(0).Color(3), Border);
    QCOMPARE(global.SpeedButtonDrawer(0).Color(4), Face);
    QCOMPARE(global.SpeedButtonDrawer(1).Color(3), QColor(0x80, 0x80, 0x80));
    QCOMPARE(global.SpeedButtonDrawer(1).Color(4), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(global.PageControlDrawer(0).Colors()[3], QColor(0x10, 0x69, 0x7B));
    QCOMPARE(global.PageControlDrawer(1).Colors()[3], QColor(0x87, 0x9E, 0xAD));
    QCOMPARE(global.PageControlDrawer(1).Colors()[6], QColor(0x80, 0x80, 0x80));
    QCOMPARE(global.MainMenuList().Colors.Gutter, QColor(0xDE, 0xDE, 0xDE));
    QCOMPARE(global.MainMenuList().Colors.Selection, QColor(0x10, 0x69, 0x7B));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, global.SpeedButtonDrawer(2));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, global.PageControlDrawer(-1));

    // a nudge makes the window one pixel lower, the next one restores it
    TRefreshForm refresh;
    QWidget window;
    window.resize(200, 100);
    refresh.Nudge(&window);
    QCOMPARE(window.height(), 99);
    refresh.Nudge(&window);
    QCOMPARE(window.height(), 100);
}
