#pragma once
// Paints chosen pages of a snapshot onto a paged device (PDF writer, printer), each page on
// paper of its own size, the origin at the paper's corner.
#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class TSnapshot;

namespace PagedOutput
{
// The paper for a page of size units (1/100 mm), without margins.
QPageLayout PageLayout(const QSize &units);

// Paints pages (1-based) in that order; throws an EReportError with startError when the
// device cannot be painted on. The device's page layout must be set to the first page's.
void PaintPages(QPagedPaintDevice &device, const TSnapshot &snapshot, const QList<int> &pages,
                const QString &startError);
} // namespace PagedOutput
