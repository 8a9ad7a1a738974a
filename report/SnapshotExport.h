#pragma once
// Printing and saving a rendered report, as the preview's "Drucken" and "Speichern unter"
// commands run them. The preview hands in what it holds.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QBuffer;
class QPrinter;
class QWidget;
class TPrinterDevice;
class TPrinterRenderer;
class TRenderObjectList;
class TReportSystem;
class TSnapshot;
class Tfrm_RpSetupGerman;

struct TExportContext {
    QBuffer *Stream = nullptr;           // the snapshot as rendered; may be null or empty
    const TSnapshot *Snapshot = nullptr; // the same, read
    TReportSystem *ReportSystem = nullptr;
    TPrinterRenderer *PrinterRenderer = nullptr;
    TPrinterDevice *PrinterDevice = nullptr;
    // The set-up dialog, created on the first print and kept by the preview.
    std::unique_ptr<Tfrm_RpSetupGerman> *SetupDialog = nullptr;
    TRenderObjectList *Offered = nullptr;
    QWidget *Parent = nullptr;
    std::function<void(bool enabled)> SetToolbarEnabled;
    std::function<void()> RefreshCommands;
    // Busy while printing or saving (the main window disables its commands meanwhile).
    std::function<void(bool busy)> Busy;
};

namespace SnapshotExport
{

QString NoReportMessage(); // "Es ist kein Report vorhanden."

void PrintSnapshot(TExportContext &context);
void SaveSnapshot(TExportContext &context);

// The save dialog; tests put their own answer here. Returns the chosen file name (empty:
// cancelled) and the index of the chosen filter.
using TAskFileName = std::function<QString(QWidget *parent, const QString &title,
                                           const QStringList &filters, int &chosenFilter)>;
extern TAskFileName AskFileName;

// Directs each print job (counted from 1) to where it prints: by default the current
// printer of the device; throws an EReportError when no printer is installed or the
// printer is not usable. Tests send the jobs to files.
using TDirectPrinter =
    std::function<void(QPrinter &printer, const TPrinterDevice *device, int job)>;
extern TDirectPrinter DirectPrinter;
// The copies the current printer's driver prints by itself (by default the device's answer).
using TCopiesSupported = std::function<int(const TPrinterDevice *device)>;
extern TCopiesSupported CopiesSupported;

} // namespace SnapshotExport
