#pragma once
// TGrayBitmap: the greyed copy of a button glyph. Every pixel becomes the grey
// Y = (77 R + 150 G + 29 B) / 256 (its alpha kept); pixels of the glyph's transparent colour
// (its bottom-left pixel) become opaque white, which then marks the transparent area again.
#include <QImage>

class TGrayBitmap
{
public:
    QImage Make(const QImage &glyph);

private:
    QImage m_work;
    QImage m_result;
};

// The colour a glyph leaves out: its bottom-left pixel.
QRgb TransparentColorOf(const QImage &glyph);
// The glyph with every pixel of its transparent colour made fully transparent.
QImage WithoutTransparentColor(const QImage &glyph);
