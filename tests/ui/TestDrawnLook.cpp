#include "TestDrawnLook.h"

#include "AfaReport.h"
#include "DMod_Afa.h"
#include "Form_About.h"
#include "Form_Afa.h"
#include "Form_AfaReport.h"
#include "Form_RpPreviewGerman.h"
#include "Form_RpSetupGerman.h"
#include "Form_RtfSearchAndReplace.h"
#include "Frame_RtfEditor.h"
#include "PageControlDrawer.h"
#include "SpeedButtonDrawer.h"
#include "TestDatabase.h"
#include "Unit_Global.h"
#include "UserMainMenuList.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

namespace
{
QColor StripColour(QTabWidget *pages)
{
    return pages->grab().toImage().pixelColor(pages->width() - 3, 1);
}
} // namespace

void TestDrawnLook::mainWindowRegistersAndUnregisters()
{
    TGlobal &global = Global();
    TSpeedButtonDrawer &buttons = global.SpeedButtonDrawer(0);
    const int buttonsBefore = buttons.Manager().Count();
    const int menusBefore = global.MainMenuList().Count();
    {
        auto dm = std::make_unique<Tdm_Afa>(nullptr, TestDatabase::FreshCopy());
        auto form = std::make_unique<Tfrm_Afa>(*dm);
        QVERIFY(global.MainMenuList().Painter(form->menuBar()));
        QVERIFY(global.PageControlDrawer(0).Item(form->pgc_Main));
        QVERIFY(global.PageControlDrawer(1).Item(form->pgc_Afa));
        QVERIFY(global.PageControlDrawer(1).Item(form->pgc_Evaluation));
        QCOMPARE(form->pgc_Main->currentIndex(), 0);
        form->resize(915, 600);
        QCOMPARE(StripColour(form->pgc_Main), QColor(0x10, 0x69, 0x7B));
        form->pgc_Main->setCurrentIndex(1);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(StripColour(form->pgc_Afa), QColor(0x87, 0x9E, 0xAD));

        // command buttons, the editors' tool buttons and the embedded preview's buttons
        QVERIFY(buttons.Manager().Contains(form->bt_GotoAfaErf));
        QAction *bold = form->rtfe_Title->ac_StdBold;
        QVERIFY(buttons.Manager().Contains(form->rtfe_Title->tlb_RtfFormat->widgetForAction(bold)));
        Tfrm_RpPreviewGerman *preview = form->ReportHost()->AfaReport->PreviewWindow;
        QVERIFY(buttons.Manager().Contains(
            preview->ToolBar1->widgetForAction(preview->ToolBar1->actions().first())));
        QVERIFY(global.MainMenuList().Painter(preview->menuBar()));
        // the search dialog gets the same drawer from the headline editor
        QCOMPARE(form->rtfe_Title->ButtonDrawer, &buttons);

        form.reset();
        dm.reset();
    }
    QCOMPARE(buttons.Manager().Count(), buttonsBefore);
    QCOMPARE(global.MainMenuList().Count(), menusBefore);
    QCOMPARE(global.PageControlDrawer(0).Count(), 0);
    QCOMPARE(global.PageControlDrawer(1).Count(), 0);
}

void TestDrawnLook::aboutKeepsItsPageWithoutTabs()
{
    TSpeedButtonDrawer &buttons = Global().SpeedButtonDrawer(0);
    {
        Tfrm_About about;
        TPageControlDrawItem *item = Global().PageControlDrawer(0).Item(about.pgc_Info);
        QVERIFY(item);
        QVERIFY(item->TabsHidden());
        QCOMPARE(about.pgc_Info->currentIndex(), 0);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(!about.pgc_Info->tabBar()->isVisible());
        QVERIFY(buttons.Manager().Contains(about.bt_Ok));
    }
    QCOMPARE(Global().PageControlDrawer(0).Count(), 0);
    QCOMPARE(buttons.Manager().Count(), 0);
}

void TestDrawnLook::dialogsDrawTheirButtons()
{
    TSpeedButtonDrawer &buttons = Global().SpeedButtonDrawer(0);
    {
        Tfrm_RpSetupGerman setup;
        QVERIFY(buttons.Manager().Contains(setup.bbtnOK));
        // the flat face in the light blue of the drawer
        const QImage shot = setup.bbtnOK->grab().toImage();
        QCOMPARE(shot.pixelColor(3, 2), QColor(0xE0, 0xEE, 0xFE));
    }
    QCOMPARE(buttons.Manager().Count(), 0);
}
