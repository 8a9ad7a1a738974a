#pragma once
// Plays one snapshot page into a QPainter. A point is 1/72 inch at scale 1 on any device;
// fonts are made once per snapshot font and device resolution and reused.
#include "SnapshotPage.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>

class QPainter;

class TSnapshotPainter
{
public:
    TSnapshotPainter();

    // Draws page (number pageNumber of pageCount, for PageText) with its top-left corner at
    // offset (device pixels) and scale device pixels per unit (1/100 mm). Only the items
    // are drawn; the paper is the caller's.
    void Paint(QPainter &painter, const TSnapshotPage &page, int pageNumber, int pageCount,
               double scale, QPointF offset = {});

private:
    qsizetype FontIndex(const TSnapFont &font, int dpi);
    void DrawRichText(QPainter &painter, const TSnapItem &item);

    struct TCachedFont {
        TSnapFont Snap;
        QFont Font;
    };
    QList<TCachedFont> m_fonts;
    int m_fontDpi = 0;
    qsizetype m_lastFont = -1;
    QImage m_unitDevice; // a paint device of one unit per pixel, for rich-text layout
};
