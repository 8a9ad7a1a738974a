#pragma once
// What the preview hands to printing and saving, built by hand: a numbered snapshot in its
// stream, a report system, the printer and PDF renderers, and counters for the preview's
// callbacks. TJobRecorder sends the print jobs to PDF files instead of a printer.
#include "Form_RpSetupGerman.h"
#include "PdfRenderer.h"
#include "PrinterDevice.h"
#include "PrinterRenderer.h"
#include "RenderObjectList.h"
#include "ReportSystem.h"
#include "Snapshot.h"
#include "SnapshotExport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <functional>
#include <memory>

struct TExportFixture {
    explicit TExportFixture(int pages = 7);

    QBuffer Stream;
    TSnapshot Snapshot;
    TReportSystem ReportSystem;
    TPdfRenderer Pdf;
    TPrinterRenderer PrinterRenderer;
    TPrinterDevice PrinterDevice;
    std::unique_ptr<Tfrm_RpSetupGerman> SetupDialog;
    TRenderObjectList Offered;

    bool ToolbarEnabled = true;
    int ToolbarSwitches = 0;
    int Refreshes = 0;
    QList<bool> BusyCalls;

    TExportContext Context();
    // Runs action on the set-up dialog once it is shown by PrintSnapshot.
    void OnDialog(std::function<void(Tfrm_RpSetupGerman &dialog)> action);
};

class TJobRecorder
{
public:
    // copiesSupported: what the printer's driver is said to print by itself.
    TJobRecorder(TExportFixture &fixture, int copiesSupported);
    ~TJobRecorder();

    struct TJob {
        QString File;
        int Number = 0; // within its print
        int Copies = 0;
    };
    QList<TJob> Jobs;

private:
    QTemporaryDir m_dir;
    SnapshotExport::TDirectPrinter m_direct = SnapshotExport::DirectPrinter;
    SnapshotExport::TCopiesSupported m_copies = SnapshotExport::CopiesSupported;
};

// The dialog shown: fill in a range and copies, then press a button.
void FillDialog(Tfrm_RpSetupGerman &dialog, const QString &from, const QString &to,
                const QString &copies);
