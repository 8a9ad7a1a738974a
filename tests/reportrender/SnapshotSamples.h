#pragma once
// Snapshots built by hand for the tests.
#include "SnapshotPage.h"

#include <QByteArray>
#include <QList>

namespace SnapshotSamples
{
TSnapFont Font(const QString &family = QStringLiteral("Liberation Sans"), double size = 10,
               bool bold = false);
TSnapItem Text(const QRect &box, const QString &text, int align = Qt::AlignLeft | Qt::AlignTop,
               const TSnapFont &font = Font());
TSnapItem Rect(const QRect &box, QRgb fill, int penWidth = 0, QRgb color = 0xff000000);
// A page with the text "Seite n" at the top left and a page number "{page}/{pages}".
TSnapshotPage NumberedPage(int n);
// The stream TSnapshotWriter makes of these pages.
QByteArray Write(const QList<TSnapshotPage> &pages, const QString &title = {});
// pageCount numbered pages.
QByteArray Numbered(int pageCount);
} // namespace SnapshotSamples
