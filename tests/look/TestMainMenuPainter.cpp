#include "TestMainMenuPainter.h"

#include "Unit_Global.h"
#include "UserMainMenuList.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

namespace
{
const QColor Teal(0x10, 0x69, 0x7B);
const QColor Gutter(0xDE, 0xDE, 0xDE);

struct TMenuWindow {
    QMainWindow Window;
    QMenu *File;
    QMenu *Help;
    QAction *Quit;
    QAction *Checked;

    TMenuWindow()
    {
        File = Window.menuBar()->addMenu(QStringLiteral("&Datei"));
        Quit = File->addAction(QStringLiteral("&Beenden"));
        File->addSeparator();
        Checked = File->addAction(QStringLiteral("Vorschau"));
        Checked->setCheckable(true);
        Checked->setChecked(true);
        QMenu *more = File->addMenu(QStringLiteral("Weiteres"));
        more->addAction(QStringLiteral("Eins"));
        Help = Window.menuBar()->addMenu(QStringLiteral("Hilfe"));
        Help->addAction(QStringLiteral("Info"));
        Window.resize(400, 300);
        Window.show();
    }

    QImage Bar() const
    {
        return Window.menuBar()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

bool HasWhiteOn(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::white))
                return true;
    return false;
}
} // namespace

void TestMainMenuPainter::barEntriesWhiteOnTealWhileHot()
{
    TMenuWindow w;
    TUserMainMenuList &list = Global().MainMenuList();
    list.Register({w.Window.menuBar()});
    QVERIFY(QTest::qWaitForWindowExposed(&w.Window));
    QMenuBar *bar = w.Window.menuBar();
    for (QMenu *entry : {w.File, w.Help}) {
        const QRect item = bar->actionGeometry(entry->menuAction());
        QMouseEvent move(QEvent::MouseMove, item.center(), bar->mapToGlobal(item.center()),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTRY_COMPARE(bar->activeAction(), entry->menuAction());
        const QImage hot = w.Bar();
        QCOMPARE(hot.pixelColor(item.left() + 1, item.top() + 1), Teal);
        QVERIFY(HasWhiteOn(hot, item.adjusted(2, 2, -2, -2)));
        // the other entry stays white with dark text
        QMenu *other = entry == w.File ? w.Help : w.File;
        const QRect rest = bar->actionGeometry(other->menuAction());
        QCOMPARE(hot.pixelColor(rest.left() + 1, rest.top() + 1), QColor(Qt::white));
    }
    list.Unregister({bar});
}

void TestMainMenuPainter::dropDownGutterSelectionAndSeparator()
{
    TMenuWindow w;
    QMenu *file = w.File;
    const int plainWidth = file->sizeHint().width();
    Global().MainMenuList().Register({w.Window.menuBar()});
    // wider by the gutter (16 + 2), separators 6 pixels high
    QCOMPARE(file->actionGeometry(file->actions().at(1)).height(), 6);
    QVERIFY(file->sizeHint().width() >= plainWidth + 18 - 2);

    file->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(w.Quit);
    QImage shot = file->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect quit = file->actionGeometry(w.Quit);
    // gutter stays grey on the selected item, the text area takes the selection colour
    QCOMPARE(shot.pixelColor(quit.left() + 2, quit.center().y()), Gutter);
    QCOMPARE(shot.pixelColor(quit.left() + 18 + 1, quit.top() + 1), Teal);
    QVERIFY(HasWhiteOn(shot, quit.adjusted(20, 1, 0, -1)));
    // an unselected item: white text area, gutter grey
    const QRect checked = file->actionGeometry(w.Checked);
    QCOMPARE(shot.pixelColor(checked.right() - 2, checked.top() + 1), QColor(Qt::white));
    // the check mark in the gutter
    bool mark = false;
    for (int x = checked.left(); x < checked.left() + 18; ++x)
        for (int y = checked.top(); y <= checked.bottom(); ++y)
            mark = mark || qGray(shot.pixel(x, y)) < 100;
    QVERIFY(mark);
    // the separator line through the middle of the text area, not the gutter
    const QRect separator = file->actionGeometry(file->actions().at(1));
    const int middle = separator.top() + separator.height() / 2;
    QVERIFY(shot.pixelColor(separator.left() + 40, middle) != QColor(Qt::white));
    QCOMPARE(shot.pixelColor(separator.left() + 40, middle - 2), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(separator.left() + 2, middle), Gutter);
    file->hide();
    Global().MainMenuList().Unregister({w.Window.menuBar()});
}

void TestMainMenuPainter::registeredUntilUnregistered()
{
    TUserMainMenuList list;
    auto *w = new TMenuWindow;
    QMenuBar *bar = w->Window.menuBar();
    list.Register({bar});
    list.Register({bar});
    QCOMPARE(list.Count(), 1);
    QCOMPARE(w->File->style(), static_cast<QStyle *>(list.Painter(bar)));
    // menus below menus are drawn too
    QMenu *more = w->File->actions().last()->menu();
    QCOMPARE(more->style(), static_cast<QStyle *>(list.Painter(bar)));
    list.Unregister({bar});
    QCOMPARE(list.Count(), 0);
    QVERIFY(w->File->style() != nullptr);
    QCOMPARE(w->File->style(), QApplication::style());

    // a menu destroyed with its window leaves the list
    list.Register({bar});
    delete w;
    QCOMPARE(list.Count(), 0);
}
