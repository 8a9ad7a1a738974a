#include "PrinterRenderer.h"

#include "PageSelection.h"
#include "PagedOutput.h"
#include "ReportError.h"
#include "Snapshot.h"

QList<int> TPrinterRenderer::ChosenPages() const
{
    const int count = m_snapshot ? m_snapshot->PageCount() : 0;
    if (!Selection.trimmed().isEmpty())
        return TPageSelection::Parse(Selection, count);
    QList<int> pages;
    for (int page = qMax(FirstPage, 1); page <= qMin(LastPage, count); ++page)
        pages.append(page);
    return pages;
}

void TPrinterRenderer::Render(QPrinter &printer)
{
    if (!m_snapshot || m_snapshot->IsEmpty())
        throw EReportError(QStringLiteral("Es gibt keinen Report, der gedruckt werden kann."));
    const QList<int> pages = ChosenPages();
    if (pages.isEmpty())
        throw EReportError(QStringLiteral("Im gewählten Druckbereich liegt keine Seite des "
                                          "Reports; der Report hat %1 Seiten.")
                               .arg(m_snapshot->PageCount()));
    if (TakeOwnSettings) {
        printer.setCopyCount(qMax(Copies, 1));
        printer.setCollateCopies(Collate);
        printer.setDuplex(Duplex);
    }
    printer.setDocName(m_snapshot->Title());
    printer.setFullPage(true);
    PagedOutput::PaintPages(printer, *m_snapshot, pages,
                            QStringLiteral("Der Druck konnte nicht gestartet werden."));
    if (printer.printerState() == QPrinter::Error)
        throw EReportError(QStringLiteral("Der Druck ist fehlgeschlagen."));
}
