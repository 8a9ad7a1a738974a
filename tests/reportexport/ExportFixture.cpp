#include "ExportFixture.h"

#include "SnapshotSamples.h"

#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

TExportFixture::TExportFixture(int pages)
{
    Stream.setData(SnapshotSamples::Numbered(pages));
    Stream.open(QIODevice::ReadOnly);
    Snapshot.Load(Stream.data());
    Offered.Build();
}

TExportContext TExportFixture::Context()
{
    TExportContext context;
    context.Stream = &Stream;
    context.Snapshot = &Snapshot;
    context.ReportSystem = &ReportSystem;
    context.PrinterRenderer = &PrinterRenderer;
    context.PrinterDevice = &PrinterDevice;
    context.SetupDialog = &SetupDialog;
    context.Offered = &Offered;
    context.SetToolbarEnabled = [this](bool enabled) {
        ToolbarEnabled = enabled;
        ++ToolbarSwitches;
    };
    context.RefreshCommands = [this] { ++Refreshes; };
    context.Busy = [this](bool busy) { BusyCalls.append(busy); };
    return context;
}

void TExportFixture::OnDialog(std::function<void(Tfrm_RpSetupGerman &dialog)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, action] {
        if (!SetupDialog || !SetupDialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(*SetupDialog);
    });
    timer->start();
}

TJobRecorder::TJobRecorder(TExportFixture &fixture, int copiesSupported)
{
    SnapshotExport::CopiesSupported = [copiesSupported](const TPrinterDevice *) {
        return copiesSupported;
    };
    SnapshotExport::DirectPrinter = [this, &fixture](QPrinter &printer, const TPrinterDevice *,
                                                     int job) {
        const QString file =
            m_dir.filePath(QStringLiteral("job%1-%2.pdf").arg(Jobs.size()).arg(job));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        Jobs.append({file, job,
                     fixture.PrinterRenderer.TakeOwnSettings ? fixture.PrinterRenderer.Copies
                                                             : printer.copyCount()});
    };
}

TJobRecorder::~TJobRecorder()
{
    SnapshotExport::CopiesSupported = m_copies;
    SnapshotExport::DirectPrinter = m_direct;
}

void FillDialog(Tfrm_RpSetupGerman &dialog, const QString &from, const QString &to,
                const QString &copies)
{
    dialog.PagesRB->setChecked(true);
    dialog.FromED->setText(from);
    dialog.ToED->setText(to);
    dialog.CopiesED->setText(copies);
}
