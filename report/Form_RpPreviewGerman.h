#pragma once
// Tfrm_RpPreviewGerman: shows a rendered report page by page, with paging, zoom, printing
// and saving, labelled in German. Embedded use: the window stays hidden and its panel
// pnl_Main is placed in another widget; it can also run as a window of its own.
#include "RenderObjectList.h"
#include "SnapshotExport.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

class QAction;
class QBuffer;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QToolBar;
class TPageRenderer;
class TPdfRenderer;
class TPrinterDevice;
class TPrinterRenderer;
class TReportSystem;
class TSnapshot;
class Tfrm_RpSetupGerman;

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

private:
    TRenderObjectList m_offered;
};
