#include "PdfRenderer.h"

#include "PagedOutput.h"
#include "PdfInfoUpdate.h"
#include "ReportError.h"
#include "Snapshot.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace
{
const QString ProgramName = QStringLiteral("norbekAfa");
}

void TPdfRenderer::Render(const TSnapshot &snapshot)
{
    if (OutputFileName.isEmpty())
        throw EReportError(QStringLiteral("Für die PDF-Datei ist kein Dateiname angegeben."));
    if (snapshot.IsEmpty())
        throw EReportError(QStringLiteral("Es gibt keinen Report, der gespeichert werden kann."));
    const QString shown = QDir::toNativeSeparators(OutputFileName);
    auto cannotWrite = [&](const QString &why) {
        return EReportError(
            QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(shown, why));
    };
    QSaveFile file(OutputFileName);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite(file.errorString());
    Write(snapshot, file, shown);
    if (file.error() != QFileDevice::NoError)
        throw cannotWrite(file.errorString());
    if (!file.commit())
        throw cannotWrite(file.errorString());
}

void TPdfRenderer::RenderTo(const TSnapshot &snapshot, QIODevice &device)
{
    if (snapshot.IsEmpty())
        throw EReportError(QStringLiteral("Es gibt keinen Report, der gespeichert werden kann."));
    Write(snapshot, device, QStringLiteral("PDF"));
}

void TPdfRenderer::Write(const TSnapshot &snapshot, QIODevice &device, const QString &shown)
{
    TPdfInfoUpdate output(&device);
    {
        QPdfWriter pdf(&output);
        pdf.setCreator(ProgramName);
        pdf.setTitle(snapshot.Title());
        pdf.setResolution(1200);
        QList<int> pages;
        for (int n = 1; n <= snapshot.PageCount(); ++n)
            pages.append(n);
        PagedOutput::PaintPages(
            pdf, snapshot, pages,
            QStringLiteral("Die PDF-Datei „%1“ konnte nicht begonnen werden.").arg(shown));
    }
    if (!output.Append(snapshot.Title(), ProgramName, ProgramName))
        throw EReportError(
            QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: Das PDF ist "
                           "unvollständig.")
                .arg(shown));
}
