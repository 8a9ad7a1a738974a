#include "SnapshotPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace
{
constexpr double UnitsPerPoint = 2540.0 / 72.0;
// Pens wider than this are taken as damaged values.
constexpr int MaxPenWidth = 10000;

QPen PenOf(QRgb color, int width)
{
    QPen pen(QColor::fromRgba(color));
    pen.setWidth(qBound(0, width, MaxPenWidth));
    return pen;
}
} // namespace

TSnapshotPainter::TSnapshotPainter() : m_unitDevice(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    const int dotsPerMeter = qRound(100.0 * 1000.0); // 100 units per mm
    m_unitDevice.setDotsPerMeterX(dotsPerMeter);
    m_unitDevice.setDotsPerMeterY(dotsPerMeter);
}

qsizetype TSnapshotPainter::FontIndex(const TSnapFont &font, int dpi)
{
    if (dpi != m_fontDpi) {
        m_fonts.clear();
        m_lastFont = -1;
        m_fontDpi = dpi;
    }
    if (m_lastFont >= 0 && m_fonts[m_lastFont].Snap == font)
        return m_lastFont;
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].Snap == font) {
            m_lastFont = i;
            return i;
        }
    }
    // The painter draws in units; the device turns points into pixels at its dpi, so the
    // size asked for is the font's height in units expressed in the device's points.
    QFont qfont(font.Family);
    qfont.setPointSizeF(font.PointSize * UnitsPerPoint * 72.0 / dpi);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    m_fonts.append({font, qfont});
    m_lastFont = m_fonts.size() - 1;
    return m_lastFont;
}

void TSnapshotPainter::Paint(QPainter &painter, const TSnapshotPage &page, int pageNumber,
                             int pageCount, double scale, QPointF offset)
{
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    painter.save();
    painter.translate(offset);
    painter.scale(scale, scale);
    painter.setBrush(Qt::NoBrush);
    QRgb penColor = 0;
    int penWidth = -1;
    auto usePen = [&](QRgb color, int width) {
        if (color != penColor || width != penWidth) {
            painter.setPen(PenOf(color, width));
            penColor = color;
            penWidth = width;
        }
    };
    qsizetype currentFont = -1;
    for (const TSnapItem &item : page.Items) {
        switch (item.Kind) {
        case TSnapItem::TKind::Text:
        case TSnapItem::TKind::PageText: {
            const qsizetype font = FontIndex(item.Font, dpi);
            if (font != currentFont) {
                painter.setFont(m_fonts[font].Font);
                currentFont = font;
            }
            usePen(item.Color, 0);
            const QString text = item.Kind == TSnapItem::TKind::PageText
                                     ? FillPageText(item.Text, pageNumber, pageCount)
                                     : item.Text;
            painter.drawText(QRectF(item.Box), item.Align | Qt::TextSingleLine, text);
            break;
        }
        case TSnapItem::TKind::Line:
            usePen(item.Color, item.PenWidth);
            painter.drawLine(item.Line);
            break;
        case TSnapItem::TKind::Rect:
            if (qAlpha(item.Fill) != 0)
                painter.fillRect(item.Box, QColor::fromRgba(item.Fill));
            if (item.PenWidth > 0) {
                usePen(item.Color, item.PenWidth);
                painter.drawRect(item.Box);
            }
            break;
        case TSnapItem::TKind::RichText:
            DrawRichText(painter, item);
            // the document leaves its own pen and font behind
            penWidth = -1;
            currentFont = -1;
            break;
        }
    }
    painter.restore();
}

void TSnapshotPainter::DrawRichText(QPainter &painter, const TSnapItem &item)
{
    if (item.Box.width() <= 0 || item.Box.height() <= 0)
        return;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(&m_unitDevice);
    document.setHtml(item.Text);
    document.setTextWidth(item.Box.width());
    const QRectF clip(0, 0, item.Box.width(), item.Box.height());
    painter.save();
    painter.translate(item.Box.topLeft());
    painter.setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}
