#include "TestPreviewPaging.h"

#include "PageRenderer.h"
#include "PreviewPage.h"
#include "PreviewSamples.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

using namespace PreviewSamples;

namespace
{
QList<bool> PageMoves(const Tfrm_RpPreviewGerman &w)
{
    return {w.actnPage_First->isEnabled(), w.actnPage_Previous->isEnabled(),
            w.actnPage_Next->isEnabled(), w.actnPage_Last->isEnabled()};
}

void Enter(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}
} // namespace

void TestPreviewPaging::pageCommandsFollowThePage()
{
    auto one = Open(Numbered(1));
    QVERIFY(one);
    one->Window->RefreshCommands();
    QCOMPARE(PageMoves(*one->Window), (QList<bool>{false, false, false, false}));

    auto three = Open(Numbered(3));
    Tfrm_RpPreviewGerman &w = *three->Window;
    QCOMPARE(PageMoves(w), (QList<bool>{false, false, true, true}));
    w.actnPage_Next->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    QCOMPARE(PageMoves(w), (QList<bool>{true, true, true, true}));
    w.actnPage_Last->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 3);
    QCOMPARE(PageMoves(w), (QList<bool>{true, true, false, false}));
    w.actnPage_Previous->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    w.actnPage_First->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);

    // a page move made by the engine alone updates the commands as well
    w.PageRenderer().ShowPage(3);
    QCOMPARE(PageMoves(w), (QList<bool>{true, true, false, false}));

    // Ctrl+End is "Letzte" while the window runs on its own
    w.ShowPage(1);
    QTest::keyClick(&w, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w.PageRenderer().CurrentPage(), 3);
}

void TestPreviewPaging::statusAndPageFieldsNameThePage()
{
    auto p = Open(Numbered(12));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QCOMPARE(w.sbarMain->currentMessage(), QStringLiteral("Seite 1 von 12"));
    w.ShowPage(3);
    QCOMPARE(w.sbarMain->currentMessage(), QStringLiteral("Seite 3 von 12"));
    QCOMPARE(w.PageEdit->text(), QStringLiteral("3"));
    QCOMPARE(w.PageLabel->text(), QStringLiteral("von 12"));
    // the label is wide enough for its text
    QVERIFY(w.PageLabel->width() >= w.PageLabel->fontMetrics().horizontalAdvance("von 12"));
}

void TestPreviewPaging::pageFieldTakesWholeNumbersOnly()
{
    auto p = Open(Numbered(12));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QLineEdit *edit = w.PageEdit;

    edit->setFocus();
    edit->setText(QStringLiteral("4"));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Period, Qt::NoModifier);
    QCOMPARE(edit->text(), QStringLiteral("4"));

    Enter(edit, QStringLiteral("12"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 12);
    QCOMPARE(edit->selectedText(), QStringLiteral("12"));
    Enter(edit, QStringLiteral("1"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    Enter(edit, QStringLiteral("13"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 12);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    Enter(edit, QStringLiteral("0"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);

    // not a number: nothing moves, the field shows the page again
    Enter(edit, QStringLiteral("5a"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QCOMPARE(edit->text(), QStringLiteral("1"));

    // leaving the field takes the page as well
    edit->setFocus();
    edit->setText(QStringLiteral("7"));
    w.sbx_Report->setFocus();
    QCOMPARE(w.PageRenderer().CurrentPage(), 7);
}

void TestPreviewPaging::gotoPageAsksAndClamps()
{
    auto p = Open(Numbered(12));
    Tfrm_RpPreviewGerman &w = *p->Window;
    const auto saved = Tfrm_RpPreviewGerman::AskPage;
    QString answer, title, label, proposed;
    Tfrm_RpPreviewGerman::AskPage = [&](QWidget *, const QString &t, const QString &l,
                                        const QString &current) {
        title = t;
        label = l;
        proposed = current;
        return answer;
    };
    struct TRestore {
        Tfrm_RpPreviewGerman::TAskPage saved;
        ~TRestore() { Tfrm_RpPreviewGerman::AskPage = saved; }
    } restore{saved};

    w.ShowPage(2);
    answer = QStringLiteral("7");
    w.actnPage_Goto->trigger();
    QCOMPARE(title, QStringLiteral("Gehe zu Seite"));
    QCOMPARE(label, QStringLiteral("Bitte anzuspringende Seite angeben:"));
    QCOMPARE(proposed, QStringLiteral("2"));
    QCOMPARE(w.PageRenderer().CurrentPage(), 7);

    const QList<QPair<QString, int>> cases = {{QStringLiteral("0"), 1},
                                              {QStringLiteral("-1"), 1},
                                              {QStringLiteral("99"), 12},
                                              {QStringLiteral("x"), 12},
                                              {QStringLiteral(""), 12}};
    for (const auto &[text, page] : cases) {
        answer = text;
        w.GotoPageClick();
        QCOMPARE(w.PageRenderer().CurrentPage(), page);
    }
    QVERIFY(w.actnPage_First->isEnabled());
    QVERIFY(!w.actnPage_Last->isEnabled());
}

void TestPreviewPaging::downAndUpWalkThroughAllPages()
{
    auto p = Open(Numbered(4));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QScrollBar *bar = w.sbx_Report->verticalScrollBar();
    w.PageRenderer().SetZoom(100);
    QVERIFY(bar->maximum() > 0); // a page at 100 % is taller than the area
    w.PageEdit->setFocus();

    QList<int> visited{1};
    for (int press = 0; press < 1000 && !(visited.last() == 4 && bar->value() == bar->maximum());
         ++press) {
        QTest::keyClick(w.PageEdit, Qt::Key_Down);
        const int page = w.PageRenderer().CurrentPage();
        if (page != visited.last()) {
            QCOMPARE(bar->value(), 0); // a new page starts at its top
            visited << page;
        }
    }
    QCOMPARE(visited, (QList<int>{1, 2, 3, 4}));
    const int bottom = bar->value();
    QCOMPARE(bottom, bar->maximum());
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(w.PageEdit, Qt::Key_Down);
    QCOMPARE(w.PageRenderer().CurrentPage(), 4);
    QCOMPARE(bar->value(), bottom);

    // and back up: the previous page comes scrolled to its bottom
    visited = {4};
    for (int press = 0; press < 1000 && !(visited.last() == 1 && bar->value() == 0); ++press) {
        QTest::keyClick(w.PageEdit, Qt::Key_Up, Qt::ControlModifier);
        const int page = w.PageRenderer().CurrentPage();
        if (page != visited.last()) {
            QCOMPARE(bar->value(), bar->maximum());
            visited << page;
        }
    }
    QCOMPARE(visited, (QList<int>{4, 3, 2, 1}));
    QTest::keyClick(w.PageEdit, Qt::Key_Up);
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QCOMPARE(bar->value(), 0);

    // at whole-page zoom every Down is the next page
    w.ZoomWholePage();
    QCOMPARE(bar->maximum(), 0);
    QTest::keyClick(w.PageEdit, Qt::Key_Down);
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
}

void TestPreviewPaging::pageUpAndDownScrollByScreens()
{
    auto p = Open(Numbered(3));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QScrollBar *bar = w.sbx_Report->verticalScrollBar();
    w.PageRenderer().SetZoom(200);
    const int screen = w.sbx_Report->viewport()->height();
    QVERIFY(bar->maximum() > 2 * screen);
    QWidget *area = w.sbx_Report;
    area->setFocus();

    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(bar->value(), screen);
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QTest::keyClick(area, Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    // at the bottom the next page follows, at its top
    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    QCOMPARE(bar->value(), 0);
    QVERIFY(w.actnPage_First->isEnabled());
    // at the top the previous page comes, at its bottom
    QTest::keyClick(area, Qt::Key_PageUp);
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QCOMPARE(bar->value(), bar->maximum());
    QTest::keyClick(area, Qt::Key_PageUp);
    QCOMPARE(bar->value(), bar->maximum() - screen);
    QTest::keyClick(area, Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(area, Qt::Key_PageUp);
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QCOMPARE(bar->value(), 0);

    // the last page ends at its bottom
    w.ShowPage(3);
    QTest::keyClick(area, Qt::Key_End);
    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(w.PageRenderer().CurrentPage(), 3);
    QCOMPARE(bar->value(), bar->maximum());

    // sideways only with Ctrl; Shift+Ctrl by screens; Shift alone is left to the control
    QScrollBar *across = w.sbx_Report->horizontalScrollBar();
    QVERIFY(across->maximum() > 0);
    QTest::keyClick(area, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(across->value(), across->singleStep());
    const int wide = w.sbx_Report->viewport()->width();
    QTest::keyClick(area, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    const int right = across->value();
    QCOMPARE(right, qMin(across->maximum(), across->singleStep() + wide));
    QTest::keyClick(area, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(across->value(), qMax(0, right - wide));
    QTest::keyClick(area, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(w.PageRenderer().CurrentPage(), 3);
}

void TestPreviewPaging::damagedPageShowsItsError()
{
    auto p = Open(WithDamagedPage(3, 2));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QVERIFY_THROWS_EXCEPTION(std::exception, w.Snapshot().Page(2));
    w.ShowPage(2);
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    QVERIFY(!w.PageImage()->Error().isEmpty());
    w.PageImage()->repaint();
    w.ZoomWholePage();
    w.ZoomPageWidth();
    (void)w.grab();
    QVERIFY(!w.PageImage()->Error().isEmpty());
    w.actnPage_Next->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 3);
    w.PageImage()->repaint();
    QVERIFY(w.PageImage()->Error().isEmpty());
}

void TestPreviewPaging::twoThousandPagesPageQuickly()
{
    auto p = Open(Numbered(2000));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.ZoomWholePage();
    w.ShowPage(1000);
    qint64 worst = 0, total = 0;
    QElapsedTimer clock;
    for (int move = 0; move < 1000; ++move) {
        clock.start();
        w.actnPage_Next->trigger();
        w.PageImage()->repaint();
        const qint64 spent = clock.nsecsElapsed();
        worst = qMax(worst, spent);
        total += spent;
    }
    QCOMPARE(w.PageRenderer().CurrentPage(), 2000);
    QCOMPARE(w.sbarMain->currentMessage(), QStringLiteral("Seite 2000 von 2000"));
    qInfo("2000 Seiten, 1000 Seitenwechsel: schlechtester %.2f ms, Mittel %.2f ms", worst / 1e6,
          total / 1e9);
}
