#include "SnapshotExport.h"

#include "Form_RpSetupGerman.h"
#include "PdfRenderer.h"
#include "PrinterDevice.h"
#include "PrinterRenderer.h"
#include "RenderObjectList.h"
#include "ReportError.h"
#include "ReportSystem.h"
#include "ScopeGuard.h"
#include "Snapshot.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace
{
QString Title()
{
    return QGuiApplication::applicationDisplayName();
}

bool HasSnapshot(const TExportContext &context)
{
    return context.Snapshot && !context.Snapshot->IsEmpty();
}

void TellNoReport(const TExportContext &context)
{
    QMessageBox::information(context.Parent, Title(), SnapshotExport::NoReportMessage());
}

void SetBusy(const TExportContext &context, bool busy)
{
    if (context.Busy)
        context.Busy(busy);
}

QString AskWithFileDialog(QWidget *parent, const QString &title, const QStringList &filters,
                          int &chosenFilter)
{
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // "Adobe Acrobat (PDF) (*.pdf)" -> "pdf"
    auto suffixOf = [](const QString &filter) {
        const QString patterns = filter.section(u'(', -1).remove(u')');
        return patterns.section(u' ', 0, 0).section(u'.', 1);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
        dialog.setDefaultSuffix(suffixOf(filters.first()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenFilter = int(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().first();
}

void DirectToCurrentPrinter(QPrinter &printer, const TPrinterDevice *device, int)
{
    if (!device || device->PrinterCount() == 0)
        throw EReportError(QStringLiteral("Es ist kein Drucker installiert; der Report kann "
                                          "nicht gedruckt werden."));
    device->Configure(printer);
    if (!printer.isValid())
        throw EReportError(QStringLiteral("Der Drucker „%1“ kann nicht benutzt werden.")
                               .arg(device->CurrentPrinterName()));
}

// Qt hands a finished job to CUPS without looking at the answer; a queue that refuses the
// job leaves its error with the CUPS library, which the print support has loaded.
void CheckPrintSystemTookTheJob(const QPrinter &printer)
{
#ifdef Q_OS_UNIX
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    // Loaded by the print support plugin, not into the global scope.
    void *cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return;
    TScopeGuard close([cups] { dlclose(cups); });
    using TLastError = int (*)();
    using TLastErrorString = const char *(*)();
    const auto lastError = reinterpret_cast<TLastError>(dlsym(cups, "cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<TLastErrorString>(dlsym(cups, "cupsLastErrorString"));
    constexpr int FirstError = 0x0400; // IPP status codes below are successes
    if (!lastError || lastError() < FirstError)
        return;
    throw EReportError(
        QStringLiteral("Der Drucker „%1“ hat den Druckauftrag abgewiesen: %2")
            .arg(printer.printerName(),
                 lastErrorString ? QString::fromLocal8Bit(lastErrorString()) : QString()));
#else
    Q_UNUSED(printer);
#endif
}

int DeviceCopies(const TPrinterDevice *device)
{
    return device ? device->CopiesSupported() : 1;
}

// The extension of the filter's first pattern ("*.pdf" -> "pdf").
QString Extension(const QStringList &patterns, int chosen)
{
    const QString entry = patterns.value(chosen, TRenderObjectList::SnapshotFilter());
    return entry.section(u'|', 1).section(u';', 0, 0).trimmed().section(u'.', 1);
}

QString WithExtension(const QString &fileName, const QString &extension)
{
    if (extension.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName.endsWith(u'.') ? fileName + extension : fileName + u'.' + extension;
}

// Copies the snapshot byte for byte from its start.
void WriteSnapshotFile(QBuffer &stream, const QString &fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    auto cannotWrite = [&](const QString &why) {
        return EReportError(
            QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(shown, why));
    };
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite(file.errorString());
    const QByteArray &data = stream.data();
    if (file.write(data) != data.size())
        throw cannotWrite(file.errorString());
    if (!file.commit())
        throw cannotWrite(file.errorString());
}
} // namespace

namespace SnapshotExport
{

TAskFileName AskFileName = AskWithFileDialog;
TDirectPrinter DirectPrinter = DirectToCurrentPrinter;
TCopiesSupported CopiesSupported = DeviceCopies;

QString NoReportMessage()
{
    return QStringLiteral("Es ist kein Report vorhanden.");
}

void PrintSnapshot(TExportContext &context)
{
    if (!HasSnapshot(context)) {
        TellNoReport(context);
        return;
    }
    TScopeGuard refresh([&] {
        if (context.RefreshCommands)
            context.RefreshCommands();
    });
    static const TReportSystem everythingAllowed;
    const TReportSystem &system = context.ReportSystem ? *context.ReportSystem : everythingAllowed;
    if (!system.Option.PrintFromPreview)
        return;
    TPrinterRenderer ownRenderer;
    TPrinterRenderer &renderer = context.PrinterRenderer ? *context.PrinterRenderer : ownRenderer;
    renderer.SetSnapshot(context.Snapshot);
    renderer.PageCountHint = context.Snapshot->PageCount();
    TScopeGuard release([&] { renderer.SetSnapshot(nullptr); });

    if (system.Permission.SetupFromPreview) {
        std::unique_ptr<Tfrm_RpSetupGerman> ownDialog;
        std::unique_ptr<Tfrm_RpSetupGerman> &dialog =
            context.SetupDialog ? *context.SetupDialog : ownDialog;
        if (!dialog)
            dialog = std::make_unique<Tfrm_RpSetupGerman>(context.Parent);
        dialog->ReportSystem = context.ReportSystem;
        dialog->PrinterRenderer = &renderer;
        dialog->PrinterDevice = context.PrinterDevice;
        if (dialog->exec() != QDialog::Accepted)
            return;
        renderer.TakeOwnSettings = true;
    }

    SetBusy(context, true);
    TScopeGuard idle([&] { SetBusy(context, false); });
    const int requested = renderer.TakeOwnSettings ? renderer.Copies : 1;
    const int supported = CopiesSupported ? CopiesSupported(context.PrinterDevice) : 1;
    const int jobs = supported > 1 || requested < 2 ? 1 : requested;
    const int copies = renderer.Copies;
    TScopeGuard restoreCopies([&] { renderer.Copies = copies; });
    if (jobs > 1)
        renderer.Copies = 1;
    for (int job = 1; job <= jobs; ++job) {
        QPrinter printer(QPrinter::HighResolution);
        (DirectPrinter ? DirectPrinter : DirectToCurrentPrinter)(printer, context.PrinterDevice,
                                                                 job);
        renderer.Render(printer);
        CheckPrintSystemTookTheJob(printer);
    }
}

void SaveSnapshot(TExportContext &context)
{
    if (!HasSnapshot(context) || !context.Stream || context.Stream->data().isEmpty()) {
        TellNoReport(context);
        return;
    }
    auto setToolbar = [&](bool enabled) {
        if (context.SetToolbarEnabled)
            context.SetToolbarEnabled(enabled);
    };
    setToolbar(false);
    TScopeGuard enable([&] {
        setToolbar(true);
        if (context.RefreshCommands)
            context.RefreshCommands();
    });

    TRenderObjectList ownList;
    if (!context.Offered)
        ownList.Build();
    const TRenderObjectList &offered = context.Offered ? *context.Offered : ownList;
    int chosen = 0;
    QString fileName = (AskFileName ? AskFileName : AskWithFileDialog)(
        context.Parent, QStringLiteral("Save File"), offered.DialogFilters(), chosen);
    if (fileName.isEmpty())
        return;
    fileName = WithExtension(fileName, Extension(offered.GetFilter(), chosen));

    SetBusy(context, true);
    TScopeGuard idle([&] { SetBusy(context, false); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    TScopeGuard cursor([] {
        QApplication::restoreOverrideCursor();
        QApplication::processEvents();
    });
    QBuffer &stream = *context.Stream;
    const qint64 position = stream.pos();
    if (stream.isOpen())
        stream.seek(0);
    TScopeGuard restore([&] {
        if (stream.isOpen())
            stream.seek(position);
    });

    TRenderer *renderer = offered.ItemAt(chosen);
    if (TRenderObjectList::IsPdf(renderer)) {
        TPdfRenderer ownPdf;
        auto *pdf = dynamic_cast<TPdfRenderer *>(renderer);
        if (!pdf)
            pdf = &ownPdf;
        pdf->OutputFileName = fileName;
        pdf->Render(*context.Snapshot);
    } else {
        WriteSnapshotFile(stream, fileName);
    }
}

} // namespace SnapshotExport
