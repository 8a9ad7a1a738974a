#include "TestPageControlDrawer.h"

#include "PageControlDrawer.h"
#include "Unit_Global.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace
{
const QColor Parent(0xDE, 0xDE, 0xDE);

// A tab widget of 400 x 200 with three pages on a grey parent.
struct TPages {
    QWidget Parent;
    QTabWidget *Pages;

    explicit TPages(int current = 0)
    {
        QPalette palette = this->Parent.palette();
        palette.setColor(QPalette::Window, ::Parent);
        this->Parent.setPalette(palette);
        this->Parent.setAutoFillBackground(true);
        this->Parent.resize(400, 200);
        Pages = new QTabWidget(&this->Parent);
        Pages->setDocumentMode(true);
        Pages->setGeometry(0, 0, 400, 200);
        for (const char *name : {"Willkommen", "Anlagen", "Konten"})
            Pages->addTab(new QWidget, QString::fromLatin1(name));
        Pages->setCurrentIndex(current);
        this->Parent.show();
    }

    QImage Shot() const { return Pages->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRect Tab(int index) const
    {
        return Pages->tabBar()->tabRect(index).translated(Pages->tabBar()->pos());
    }
    QWidget *Stack() const { return Pages->findChild<QStackedWidget *>(); }
};
} // namespace

void TestPageControlDrawer::optionTextChoosesPageAndLook()
{
    TPageControlDrawer drawer;
    TPages a(2), b(2), c(2), d(1), e(1);
    drawer.Register(a.Pages, QStringLiteral("0"));
    QCOMPARE(a.Pages->currentIndex(), 0);
    drawer.Register(b.Pages, QStringLiteral("x,arrowmiddle"));
    QCOMPARE(b.Pages->currentIndex(), 2); // not a whole number: unchanged
    QCOMPARE(drawer.Item(b.Pages)->Shape(), TPageControlDrawItem::TShape::ArrowMiddle);
    drawer.Register(c.Pages, QStringLiteral("3,GRADIENT"));
    QCOMPARE(c.Pages->currentIndex(), 2); // no page 3
    QCOMPARE(drawer.Item(c.Pages)->Fill(), TPageControlDrawItem::TFill::Gradient);
    QCOMPARE(drawer.Item(c.Pages)->Shape(), TPageControlDrawItem::TShape::ArrowBottom);
    // "H" only as a capital
    drawer.Register(d.Pages, QStringLiteral("2,h"));
    QCOMPARE(d.Pages->currentIndex(), 2);
    QVERIFY(!drawer.Item(d.Pages)->TabsHidden());
    drawer.Register({e.Pages}, {QStringLiteral("")});
    QCOMPARE(e.Pages->currentIndex(), 1);
    QCOMPARE(drawer.Item(e.Pages)->Fill(), TPageControlDrawItem::TFill::Simple);
    // registering again is ignored
    drawer.Register(a.Pages, QStringLiteral("2,H"));
    QCOMPARE(a.Pages->currentIndex(), 0);
    QCOMPARE(drawer.Count(), 5);
}

void TestPageControlDrawer::hiddenTabsKeepThePage()
{
    TPages p(1);
    TPageControlDrawer &drawer = Global().PageControlDrawer(0);
    drawer.Register(p.Pages, QStringLiteral("O,H"));
    QCOMPARE(p.Pages->currentIndex(), 1);
    QVERIFY(drawer.Item(p.Pages)->TabsHidden());
    QVERIFY(!p.Pages->tabBar()->isVisible());
    QTest::qWait(10);
    // the page fills the whole control
    QCOMPARE(p.Stack()->geometry(), p.Pages->rect());
    // no strip anywhere along the top
    const QImage shot = p.Shot();
    for (int x = 0; x < 400; x += 10)
        QVERIFY(shot.pixelColor(x, 2) != drawer.Colors()[3]);
    drawer.Unregister(p.Pages);
}

void TestPageControlDrawer::stripAndTabColours()
{
    TPages p(1);
    TPageControlDrawer &drawer = Global().PageControlDrawer(0);
    drawer.Register(p.Pages, QStringLiteral("1"));
    QTest::qWait(10);
    const QImage shot = p.Shot();
    const QRect active = p.Tab(1);
    const QRect inactive = p.Tab(0);
    const int stripBottom = active.bottom();
    // the strip right of the tabs, down to the lowest tab bottom
    QCOMPARE(shot.pixelColor(390, 1), QColor(0x10, 0x69, 0x7B));
    QCOMPARE(shot.pixelColor(390, stripBottom), QColor(0x10, 0x69, 0x7B));
    // the page starts right below the strip and covers the frame to the edges
    QCOMPARE(p.Stack()->geometry().top(), stripBottom + 1);
    QCOMPARE(p.Stack()->geometry().left(), 0);
    QCOMPARE(p.Stack()->geometry().right(), 399);
    // tab faces: active #E0EEFE, inactive #CFD8DE, near their left edge below the top
    const int y = active.top() + active.height() * 3 / 5;
    QCOMPARE(shot.pixelColor(active.left() + 3, y), QColor(0xE0, 0xEE, 0xFE));
    QCOMPARE(shot.pixelColor(inactive.left() + 3, y), QColor(0xCF, 0xD8, 0xDE));
    // the top fifth of a tab shows the strip
    QCOMPARE(shot.pixelColor(active.left() + 3, active.top()), QColor(0x10, 0x69, 0x7B));
    // the active tab's outline is black, an inactive one's the strip colour
    QCOMPARE(shot.pixelColor(active.left(), y), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(inactive.left(), y), QColor(0x10, 0x69, 0x7B));
    // the active tab lies over its left neighbour's slanted edge
    QCOMPARE(shot.pixelColor(active.left() + 1, active.bottom() - 1), QColor(0xE0, 0xEE, 0xFE));
    // its bottom edge opens into the page
    QCOMPARE(shot.pixelColor(active.left() + 5, active.bottom() + 1 - 0), QColor(0xE0, 0xEE, 0xFE));
    drawer.Unregister(p.Pages);
}

void TestPageControlDrawer::noVisibleActiveTabDrawsNoStrip()
{
    TPages p(0);
    TPageControlDrawer &drawer = Global().PageControlDrawer(1);
    drawer.Register(p.Pages, QStringLiteral("0"));
    for (int i = 0; i < p.Pages->count(); ++i)
        p.Pages->setTabVisible(i, false);
    QTest::qWait(10);
    const QImage shot = p.Shot();
    for (int x = 0; x < 400; x += 10)
        QCOMPARE(shot.pixelColor(x, 1), Parent);

    // the active tab hidden, the others shown: Qt makes a visible tab active, the strip stays
    p.Pages->setTabVisible(1, true);
    p.Pages->setTabVisible(2, true);
    p.Pages->setCurrentIndex(1);
    QTest::qWait(10);
    QCOMPARE(p.Shot().pixelColor(390, 1), QColor(0x87, 0x9E, 0xAD));
    drawer.Unregister(p.Pages);
}

void TestPageControlDrawer::arrowMiddleAndGradient()
{
    TPageControlDrawer drawer;
    TPages arrow(0), gradient(0);
    drawer.Register(arrow.Pages, QStringLiteral("0,ArrowMiddle"));
    drawer.Register(gradient.Pages, QStringLiteral("0,Gradient"));
    QTest::qWait(10);
    const QRect tab = arrow.Tab(0);
    int T = tab.top() + tab.height() / 5;
    const int B = tab.top() + tab.height();
    const int middle = T + (B - T) / 2;
    const QImage pointed = arrow.Shot();
    // the notch on the left: at half height the edge is 8 pixels in
    QCOMPARE(pointed.pixelColor(tab.left() + 3, middle), drawer.Colors()[3]);
    QCOMPARE(pointed.pixelColor(tab.left() + 12, middle), drawer.Colors()[1]);
    // the point on the right reaches 8 pixels past the tab
    QCOMPARE(pointed.pixelColor(tab.left() + tab.width() + 5, middle), drawer.Colors()[1]);

    const QImage shaded = gradient.Shot();
    const int bottom = gradient.Tab(0).bottom();
    const QColor top = shaded.pixelColor(390, 0);
    const QColor low = shaded.pixelColor(390, bottom);
    QVERIFY(std::abs(top.red() - drawer.Colors()[3].red()) < 8);
    QVERIFY(std::abs(top.blue() - drawer.Colors()[3].blue()) < 8);
    // towards setting 2 at the bottom of the strip
    QVERIFY(std::abs(low.red() - drawer.Colors()[2].red()) < 12);
    QVERIFY(std::abs(low.blue() - drawer.Colors()[2].blue()) < 12);
}

void TestPageControlDrawer::unregisteringGivesTheControlBack()
{
    TPages p(0);
    auto *drawer = new TPageControlDrawer;
    QStyle *own = p.Pages->style();
    drawer->Register(p.Pages, QStringLiteral("0,H"));
    QVERIFY(p.Pages->style() != own);
    drawer->Unregister(p.Pages);
    QCOMPARE(p.Pages->style(), own);
    QCOMPARE(drawer->Count(), 0);
    QVERIFY(p.Shot().pixelColor(390, 1) != drawer->Colors()[3]);

    // a page control destroyed while registered leaves the list; the drawer can go later
    drawer->Register(p.Pages, QStringLiteral("0"));
    delete p.Pages;
    QCOMPARE(drawer->Count(), 0);
    delete drawer;
}
