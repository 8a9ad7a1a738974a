#include "TextMeasure.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

TTextMeasure::TTextMeasure() : m_device(8, 8, QImage::Format_ARGB32_Premultiplied)
{
    const int dotsPerMeter = qRound(Dpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

QFont TTextMeasure::Font(const TSnapFont &font) const
{
    QFont f(font.Family);
    f.setPointSizeF(font.PointSize);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return QFont(f, &m_device);
}

int TTextMeasure::LineHeight(const QFont &font) const
{
    return int(std::ceil(ToUnits(QFontMetricsF(font, &m_device).lineSpacing())));
}

QStringList TTextMeasure::Wrap(const QString &text, const QFont &font, int width) const
{
    QString prepared = text;
    prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    prepared.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(prepared, font, &m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double dots = ToDots(qMax(1, width));
    QStringList lines;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(dots);
        QString piece = prepared.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty() && (piece.back().isSpace() || piece.back() == QChar::LineSeparator))
            piece.chop(1);
        lines.append(piece);
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

int TTextMeasure::LayOut(QTextDocument &doc, int width)
{
    doc.documentLayout()->setPaintDevice(&m_device);
    doc.setDocumentMargin(0);
    doc.setTextWidth(ToDots(qMax(1, width)));
    return int(std::ceil(ToUnits(doc.size().height())));
}
