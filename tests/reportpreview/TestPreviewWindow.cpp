#include "TestPreviewWindow.h"

#include "PageRenderer.h"
#include "PreviewPage.h"
#include "PreviewSamples.h"
#include "ReportError.h"
#include "ReportSystem.h"
#include "SnapshotExport.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PreviewSamples;

namespace
{
// A widget that takes the preview's panel, as the main window's "Druckvorschau" page does.
std::unique_ptr<QWidget> Host(Tfrm_RpPreviewGerman &w)
{
    auto host = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(host.get());
    w.pnl_Main->setParent(host.get());
    layout->addWidget(w.pnl_Main);
    host->resize(800, 600);
    host->show();
    return host;
}

void Type(QWidget *target, char c)
{
    QTest::keyClick(target, c);
}
} // namespace

void TestPreviewWindow::everyControlIsNamed()
{
    auto p = Open(Numbered(2));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Reportvorschau"));
    QCOMPARE(w.size(), QSize(900, 705));
    QStringList menus;
    for (QAction *menu : w.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{"&Datei", "&Seite", "&Zoom"}));
    QStringList unnamed;
    for (QWidget *child : w.findChildren<QWidget *>()) {
        const bool control = qobject_cast<QToolButton *>(child) ||
                             qobject_cast<QLineEdit *>(child) || child == w.sbx_Report;
        if (control && child->isVisibleTo(&w) && child->accessibleName().isEmpty())
            unnamed << child->metaObject()->className();
    }
    QCOMPARE(unnamed, QStringList());
    // the toolbar names save and print as reports
    QCOMPARE(w.ToolBar1->actions().at(0)->toolTip(), QStringLiteral("Report speichern"));
    QCOMPARE(w.ToolBar1->actions().at(1)->toolTip(), QStringLiteral("Report drucken"));
}

void TestPreviewWindow::embeddedUseHidesExit()
{
    auto p = Open(Numbered(2));
    Tfrm_RpPreviewGerman &w = *p->Window;
    QWidget *exit = w.ToolBar1->widgetForAction(w.actnFile_Exit);
    QVERIFY(exit && exit->isVisible());
    const QList<QAction *> items = w.ToolBar1->actions();
    QAction *separator = items.at(items.indexOf(w.actnFile_Exit) - 1);
    QVERIFY(separator->isSeparator() && separator->isVisible());

    w.SetEmbedded(true);
    QCoreApplication::processEvents(); // the toolbar lays itself out again
    QVERIFY(!exit->isVisible());
    QVERIFY(!separator->isVisible());
    QVERIFY(!w.actnFile_Exit->isVisible());
    w.SetEmbedded(false);
    QCoreApplication::processEvents();
    QVERIFY(exit->isVisible());
    QVERIFY(separator->isVisible());
}

void TestPreviewWindow::characterKeysOnItsOwn()
{
    auto p = Open(Numbered(5));
    Tfrm_RpPreviewGerman &w = *p->Window;
    auto page = [&] { return w.PageRenderer().CurrentPage(); };
    QWidget *area = w.sbx_Report;
    area->setFocus();

    Type(area, 'e');
    QCOMPARE(page(), 5);
    Type(area, 'n'); // no next page after the last: no wrap
    QCOMPARE(page(), 5);
    QVERIFY(!w.actnPage_Last->isEnabled());
    Type(area, 'B');
    QCOMPARE(page(), 1);
    Type(area, 'p'); // none before the first
    QCOMPARE(page(), 1);
    Type(area, 'N');
    QCOMPARE(page(), 2);
    Type(area, 'P');
    QCOMPARE(page(), 1);

    Type(area, 'f');
    const double whole = w.PageRenderer().Zoom();
    QVERIFY(whole < 100);
    Type(area, '+');
    QCOMPARE(w.PageRenderer().Zoom(), whole + 5);
    Type(area, '-');
    QCOMPARE(w.PageRenderer().Zoom(), whole);
    Type(area, 'W');
    QVERIFY(w.PageRenderer().Zoom() > whole);

    // in the page field: digits pass, other letters are dropped, texts selected after
    w.PageEdit->setFocus();
    w.PageEdit->setText(QString());
    Type(w.PageEdit, '3');
    QCOMPARE(w.PageEdit->text(), QStringLiteral("3"));
    Type(w.PageEdit, 'z');
    QCOMPARE(w.PageEdit->text(), QStringLiteral("3"));
    QCOMPARE(w.PageEdit->selectedText(), QStringLiteral("3"));
    QCOMPARE(w.ZoomEdit->selectedText(), w.ZoomEdit->text());
    Type(w.PageEdit, 'X'); // only lower-case x closes
    QVERIFY(w.isVisible());
    Type(w.PageEdit, 'x');
    QVERIFY(!w.isVisible());

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(w.sbx_Report, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void TestPreviewWindow::keysInAnotherWidget()
{
    auto p = Open(Numbered(5), false);
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.SetEmbedded(true);
    auto host = Host(w);
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    QVERIFY(!w.RunsOnItsOwn());
    // the panel's commands take no keys from the host window
    QVERIFY(w.actnPage_Next->shortcut().isEmpty());

    w.PageEdit->setFocus();
    w.PageEdit->setText(QString());
    Type(w.PageEdit, 'n'); // a letter is the field's
    QCOMPARE(w.PageRenderer().CurrentPage(), 1);
    QCOMPARE(w.PageEdit->text(), QStringLiteral("n"));
    w.ZoomWholePage();
    QTest::keyClick(w.PageEdit, Qt::Key_Down); // navigation keys work in the fields
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    w.sbx_Report->setFocus();
    Type(w.sbx_Report, 'e'); // but not elsewhere
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);

    // back in its window the shortcuts return
    host.reset();
    QVERIFY(w.RunsOnItsOwn());
    QCOMPARE(w.actnPage_Next->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
}

void TestPreviewWindow::emptyStateIgnoresMoves()
{
    auto p = Open(Numbered(12));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.ShowPage(3);
    w.ShowEmpty();
    QCOMPARE(w.PageEdit->text(), QString());
    QCOMPARE(w.PageLabel->text(), QStringLiteral("von"));
    QCOMPARE(w.sbarMain->currentMessage(), QString());
    QVERIFY(!w.PageImage()->isVisible());
    QVERIFY(!w.PageRenderer().Active);
    for (QAction *action : {w.actnFile_Print, w.actnFile_Save, w.actnPage_First, w.actnPage_Next,
                            w.actnPage_Last, w.actnZoom_In, w.actnZoom_Page})
        QVERIFY(action->isEnabled());

    bool asked = false;
    const auto saved = Tfrm_RpPreviewGerman::AskPage;
    Tfrm_RpPreviewGerman::AskPage = [&](QWidget *, const QString &, const QString &,
                                        const QString &current) {
        asked = true;
        return current;
    };
    w.actnPage_Next->trigger();
    w.actnPage_Last->trigger();
    w.actnPage_Goto->trigger();
    Tfrm_RpPreviewGerman::AskPage = saved;
    QVERIFY(!asked);
    w.PageEdit->setFocus();
    w.PageEdit->setText(QStringLiteral("2"));
    QTest::keyClick(w.PageEdit, Qt::Key_Return);
    w.ZoomEdit->setText(QStringLiteral("50"));
    QTest::keyClick(w.ZoomEdit, Qt::Key_Return);
    w.actnZoom_In->trigger();
    w.ZoomWholePage();
    QTest::keyClick(w.sbx_Report, Qt::Key_PageDown);
    QCOMPARE(w.PageRenderer().CurrentPage(), 0);
    QCOMPARE(w.PageRenderer().Zoom(), 100.0);
    QCOMPARE(w.ZoomEdit->text(), QStringLiteral("100.0"));
    QCOMPARE(w.sbarMain->currentMessage(), QString());
    QVERIFY(!w.PageImage()->isVisible());

    // the next report shows again
    p->Stream.setData(Numbered(2));
    w.SetSnapshotStream(&p->Stream);
    w.ShowPage(1);
    QCOMPARE(w.sbarMain->currentMessage(), QStringLiteral("Seite 1 von 2"));
    QVERIFY(w.PageImage()->isVisible());
}

void TestPreviewWindow::clearForgetsTheReport()
{
    auto p = Open(Numbered(12));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.ShowPage(3);
    w.ClearPage();
    QCOMPARE(w.sbarMain->currentMessage(), QString());
    QCOMPARE(w.PageEdit->text(), QString());
    QCOMPARE(w.PageLabel->text(), QStringLiteral("von"));
    QVERIFY(w.Snapshot().IsEmpty()); // printing finds no old report
    w.actnPage_Next->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 0);
    QCOMPARE(w.sbarMain->currentMessage(), QString());

    // an empty stream shows nothing
    p->Stream.setData(QByteArray());
    w.SetSnapshotStream(&p->Stream);
    w.ShowPage(1);
    QCOMPARE(w.PageRenderer().CurrentPage(), 0);
    QCOMPARE(w.PageEdit->text(), QString());
}

void TestPreviewWindow::damagedStreamLeavesNoOldReport()
{
    auto p = Open(Numbered(4));
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.ShowPage(2);
    p->Stream.setData(Numbered(3).left(40));
    QVERIFY_THROWS_EXCEPTION(EReportError, w.SetSnapshotStream(&p->Stream));
    QVERIFY(w.Snapshot().IsEmpty());
    QCOMPARE(w.PageRenderer().CurrentPage(), 0);
    QCOMPARE(w.sbarMain->currentMessage(), QString());
}

void TestPreviewWindow::hostDeletedBeforePreview()
{
    auto p = Open(Numbered(3), false);
    Tfrm_RpPreviewGerman &w = *p->Window;
    w.SetEmbedded(true);
    auto host = Host(w);
    QPointer<QWidget> panel = w.pnl_Main;
    QPointer<QWidget> area = w.sbx_Report;
    host.reset();
    // the panel came back to the window before the host deleted its children
    QVERIFY(panel);
    QVERIFY(area);
    QVERIFY(w.RunsOnItsOwn());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.actnPage_Next->trigger();
    QCOMPARE(w.PageRenderer().CurrentPage(), 2);
    p->Window.reset();
    QVERIFY(!panel);
}

void TestPreviewWindow::previewDeletedBeforeHost()
{
    auto p = Open(Numbered(3), false);
    auto host = Host(*p->Window);
    QPointer<QWidget> panel = p->Window->pnl_Main;
    p->Window.reset();
    QVERIFY(!panel); // went with its window, not with the host
    QCOMPARE(host->findChildren<QWidget *>().size(), 0);
    host.reset();
}

void TestPreviewWindow::busyWhilePrintingOrSaving()
{
    auto p = Open(Numbered(3));
    Tfrm_RpPreviewGerman &w = *p->Window;
    TReportSystem system;
    system.Permission.SetupFromPreview = false; // no modal set-up dialog
    w.ReportSystem = &system;
    // The print goes into a file, the save dialog is cancelled.
    QTemporaryDir dir;
    const auto oldDirect = SnapshotExport::DirectPrinter;
    const auto oldAsk = SnapshotExport::AskFileName;
    const auto restore = qScopeGuard([&] {
        SnapshotExport::DirectPrinter = oldDirect;
        SnapshotExport::AskFileName = oldAsk;
    });
    SnapshotExport::DirectPrinter = [&dir](QPrinter &printer, const TPrinterDevice *, int job) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("job%1.pdf").arg(job)));
    };
    SnapshotExport::AskFileName = [](QWidget *, const QString &, const QStringList &, int &) {
        return QString();
    };
    QList<bool> calls, printEnabled, saveEnabled;
    w.Busy = [&](bool busy) {
        calls << busy;
        printEnabled << w.actnFile_Print->isEnabled();
        saveEnabled << w.actnFile_Save->isEnabled();
    };
    w.actnFile_Print->trigger();
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("job1.pdf"))).size() > 0);
    w.SaveClick();
    QCOMPARE(calls, (QList<bool>{true, false, true, false}));
    QCOMPARE(printEnabled, (QList<bool>{false, true, false, true}));
    QCOMPARE(saveEnabled, printEnabled);
    QVERIFY(w.actnFile_Print->isEnabled());

    const TExportContext context = w.ExportContext();
    QCOMPARE(context.Stream, &p->Stream);
    QCOMPARE(context.Snapshot, &w.Snapshot());
    QCOMPARE(context.ReportSystem, &system);
    QCOMPARE(context.PrinterRenderer, &w.PrinterRenderer());
    QCOMPARE(context.Offered, &w.OfferedRenderers());
    QVERIFY(context.SetupDialog);
    context.SetToolbarEnabled(false);
    QVERIFY(!w.ToolBar1->isEnabled());
    context.SetToolbarEnabled(true);
    QVERIFY(w.ToolBar1->isEnabled());
}
