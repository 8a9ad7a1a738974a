#include "SpeedButtonLayout.h"

TSpeedButtonPlacement PlaceGlyphAndCaption(const QRect &button, QSize glyph, QSize caption,
                                           TGlyphLayout layout)
{
    const bool hasGlyph = !glyph.isEmpty();
    const bool hasCaption = !caption.isEmpty();
    const int gw = hasGlyph ? glyph.width() : 0;
    const int gh = hasGlyph ? glyph.height() : 0;
    const int tw = hasCaption ? caption.width() : 0;
    const int th = hasCaption ? caption.height() : 0;
    const int W = button.width();
    const int H = button.height();
    int m = (W - gw - tw) / 2;
    int v = (H - th - gh) / 2;
    if (m < 0)
        m = 2;
    if (v < 0)
        v = 2;
    const int left = button.left();
    const int top = button.top();
    const int glyphMiddleY = top + (H - gh) / 2;
    const int captionMiddleY = top + (H - th) / 2;

    TSpeedButtonPlacement place;
    if (!hasCaption) {
        place.Glyph = QPoint(left + m, glyphMiddleY);
        return place;
    }
    if (!hasGlyph) {
        place.Caption = QPoint(left + m, captionMiddleY);
        return place;
    }
    switch (layout) {
    case TGlyphLayout::GlyphLeft:
        place.Glyph = QPoint(left + m, glyphMiddleY);
        place.Caption = QPoint(place.Glyph.x() + gw + 4, captionMiddleY);
        break;
    case TGlyphLayout::GlyphRight:
        place.Caption = QPoint(left + m, captionMiddleY);
        place.Glyph = QPoint(place.Caption.x() + tw + 4, glyphMiddleY);
        break;
    case TGlyphLayout::GlyphTop:
        place.Glyph = QPoint(left + (W - gw) / 2, top + v);
        place.Caption = QPoint(left + (W - tw) / 2, top + v + gh);
        break;
    case TGlyphLayout::GlyphBottom:
        place.Glyph = QPoint(left + (W - gw) / 2, top + v + th);
        place.Caption = QPoint(left + (W - tw) / 2, top + v);
        break;
    }
    return place;
}
