#include "PagedOutput.h"

#include "ReportError.h"
#include "Snapshot.h"
#include "SnapshotPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

QPageLayout PagedOutput::PageLayout(const QSize &units)
{
    const bool landscape = units.width() > units.height();
    const QSizeF portraitMm(qMin(units.width(), units.height()) / double(SnapUnits::PerMm),
                            qMax(units.width(), units.height()) / double(SnapUnits::PerMm));
    QPageLayout layout(
        QPageSize(portraitMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
        QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void PagedOutput::PaintPages(QPagedPaintDevice &device, const TSnapshot &snapshot,
                             const QList<int> &pages, const QString &startError)
{
    if (pages.isEmpty())
        return;
    TSnapshotPage page = snapshot.Page(pages.first());
    device.setPageLayout(PageLayout(page.Size));
    QPainter painter;
    if (!painter.begin(&device))
        throw EReportError(startError);
    TSnapshotPainter player;
    const double scale = device.logicalDpiX() / double(SnapUnits::PerInch);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            page = snapshot.Page(pages[i]);
            device.setPageLayout(PageLayout(page.Size));
            device.newPage();
        }
        player.Paint(painter, page, pages[i], snapshot.PageCount(), scale);
    }
    painter.end();
}
