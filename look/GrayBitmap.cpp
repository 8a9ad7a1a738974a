#include "GrayBitmap.h"

QRgb TransparentColorOf(const QImage &glyph)
{
    return glyph.isNull() ? 0 : glyph.pixel(0, glyph.height() - 1);
}

QImage TGrayBitmap::Make(const QImage &glyph)
{
    if (glyph.isNull())
        return {};
    m_work = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = m_work.pixel(0, m_work.height() - 1);
    m_result = QImage(m_work.size(), QImage::Format_ARGB32);
    m_result.setDevicePixelRatio(glyph.devicePixelRatio());
    for (int y = 0; y < m_work.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(m_work.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(m_result.scanLine(y));
        for (int x = 0; x < m_work.width(); ++x) {
            const QRgb pixel = in[x];
            if (pixel == transparent) {
                out[x] = qRgba(255, 255, 255, 255);
                continue;
            }
            const int grey = (77 * qRed(pixel) + 150 * qGreen(pixel) + 29 * qBlue(pixel)) / 256;
            out[x] = qRgba(grey, grey, grey, qAlpha(pixel));
        }
    }
    return m_result;
}

QImage WithoutTransparentColor(const QImage &glyph)
{
    if (glyph.isNull())
        return {};
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == transparent)
                line[x] = 0;
    }
    return image;
}
