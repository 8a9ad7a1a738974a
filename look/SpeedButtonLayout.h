#pragma once
// Where a flat button puts its glyph and caption.
#include <QPoint>
#include <QRect>
#include <QSize>

enum class TGlyphLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct TSpeedButtonPlacement {
    QPoint Glyph;   // top-left of the glyph (unused without glyph)
    QPoint Caption; // top-left of the caption (unused without caption)
};

// button: the button's rectangle; glyph and caption sizes are empty when absent.
// Margins m = (W - gw - tw) / 2 and v = (H - th - gh) / 2 become 2 when negative. Without a
// caption the glyph stands alone at left + m, without a glyph the caption likewise.
TSpeedButtonPlacement PlaceGlyphAndCaption(const QRect &button, QSize glyph, QSize caption,
                                           TGlyphLayout layout);
