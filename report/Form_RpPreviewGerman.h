#pragma once
// Tfrm_RpPreviewGerman: shows a rendered report page by page, with paging, zoom, printing
// and saving, labelled in German. Embedded use: the window stays hidden and its panel
// pnl_Main is placed in another widget; it can also run as a window of its own.
#include "PreviewNavigator.h"
#include "RenderObjectList.h"
#include "Snapshot.h"
#include "SnapshotExport.h"
#include "WheelZoom.h"

#include <QElapsedTimer>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QBuffer;
class QLabel;
class QLineEdit;
class QScrollArea;
class QFrame;
class QStatusBar;
class QToolBar;
class TPageRenderer;
class TPdfRenderer;
class TPrinterDevice;
class TPrinterRenderer;
class TReportSystem;
class TSnapshot;
class Tfrm_RpSetupGerman;
class TPreviewPage;

class Tfrm_RpPreviewGerman : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_RpPreviewGerman(QWidget *parent = nullptr);
    ~Tfrm_RpPreviewGerman() override;

    QWidget *pnl_Main = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QScrollArea *sbx_Report = nullptr;
    QLineEdit *PageEdit = nullptr;
    QLabel *PageLabel = nullptr;
    QLineEdit *ZoomEdit = nullptr;
    QStatusBar *sbarMain = nullptr;
    QAction *actnFile_Print = nullptr;
    QAction *actnFile_Save = nullptr;
    QAction *actnFile_Exit = nullptr;
    QAction *actnPage_First = nullptr;
    QAction *actnPage_Previous = nullptr;
    QAction *actnPage_Next = nullptr;
    QAction *actnPage_Last = nullptr;
    QAction *actnPage_Goto = nullptr;
    QAction *actnZoom_In = nullptr;
    QAction *actnZoom_Out = nullptr;
    QAction *actnZoom_PageWidth = nullptr;
    QAction *actnZoom_Page = nullptr;

    // Print permissions and settings; set by the report driver before each display.
    TReportSystem *ReportSystem = nullptr;

    // The rendered report: the stream is borrowed (the driver's snapshot); it is read here.
    // An empty stream shows nothing. Throws an EReportError for a damaged snapshot.
    void SetSnapshotStream(QBuffer *stream);
    const TSnapshot &Snapshot() const;
    TPageRenderer &PageRenderer() const;
    TPrinterRenderer &PrinterRenderer() const;
    TPrinterDevice &PrinterDevice() const;
    TRenderObjectList &OfferedRenderers() { return m_offered; }

    void SetEmbedded(bool on);
    void ShowPage(int page);
    void ZoomWholePage();
    void ZoomPageWidth();
    void RefreshCommands();
    void ShowEmpty();
    void RemoveBorder();
    // Removes the page image and marks the page renderer inactive (the driver's Clear).
    void ClearPage();
    void SetToolbarEnabled(bool enabled);
    // Printing and saving report here while they run.
    std::function<void(bool busy)> Busy;
    // What printing and saving work on.
    TExportContext ExportContext();

    // Commands.
    void PrintClick();
    void SaveClick();
    void GotoPageClick();

    // The "Gehe zu Seite" question: returns the text entered, or current when cancelled.
    // Tests put their own answer here.
    using TAskPage = std::function<QString(QWidget *parent, const QString &title,
                                           const QString &label, const QString &current)>;
    static TAskPage AskPage;

    // The clock of the mouse-wheel zoom.
    TWheelZoom &WheelZoom() { return m_wheel; }
    TPreviewPage *PageImage() const { return m_pageImage; }
    // The panel sits in this window, not in another widget.
    bool RunsOnItsOwn() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateActions();
    void CreatePanel();
    void CreateMenus();
    QAction *Command(const QString &caption, const QString &hint, int icon);
    QAction *Mirror(QAction *source, const QString &caption, const QString &tip);
    void ApplyShortcuts(bool on);
    void LayoutToolbarPanels();
    bool HasPages() const;
    void ResetPageTexts();
    QSize ViewportSize(bool forWidth) const;

    void OnPageChanged(int page);
    void OnZoomChanged(double zoom);
    void ApplyPageEdit();
    void ApplyZoomEdit();
    void RunExport(void (*procedure)(TExportContext &));
    void SetBusy(bool busy);

    bool HandleKey(QWidget *target, QKeyEvent *key);
    bool HandleCharacter(QKeyEvent *key);
    bool FieldKey(QObject *watched, QKeyEvent *key) const;
    bool HandleWheel(QWheelEvent *wheel);
    void WatchPanelParent();
    void TakeBackPanel();

    TRenderObjectList m_offered;
    TSnapshot m_snapshot;
    QBuffer *m_stream = nullptr;
    std::unique_ptr<TPageRenderer> m_pageRenderer;
    std::unique_ptr<TPrinterRenderer> m_printerRenderer;
    std::unique_ptr<TPrinterDevice> m_printerDevice;
    std::unique_ptr<Tfrm_RpSetupGerman> m_setupDialog;
    std::unique_ptr<TPreviewNavigator> m_navigator;
    TWheelZoom m_wheel;

    QWidget *m_centre = nullptr;
    QFrame *m_panelFrame = nullptr;
    TPreviewPage *m_pageImage = nullptr;
    QWidget *m_pagePanel = nullptr;
    QLabel *m_pageCaption = nullptr;
    QWidget *m_zoomPanel = nullptr;
    QLabel *m_zoomCaption = nullptr;
    QLabel *m_percentLabel = nullptr;
    QAction *m_toolSave = nullptr;
    QAction *m_toolPrint = nullptr;
    QAction *m_menuSave = nullptr;
    QAction *m_exitSeparator = nullptr;
    QAction *m_menuExitSeparator = nullptr;
    QList<QPair<QAction *, QKeySequence>> m_shortcuts;
    QPointer<QWidget> m_panelHost;
    QPointer<QWidget> m_panel;
    bool m_busy = false;
};
