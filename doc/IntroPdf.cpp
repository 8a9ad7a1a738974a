#include "IntroPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace
{
const QColor Accent(0x10, 0x69, 0x7b);
const QColor Grey(0x80, 0x80, 0x80);
constexpr int Resolution = 300;
constexpr qreal FooterMm = 10;

QFont SansFont(qreal points)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// Lengths in text formats count in pixels of 96 dpi; the layout scales them to the writer.
qreal MmToPixels(qreal mm)
{
    return mm / 25.4 * 96;
}

qreal MmToDevice(qreal mm)
{
    return mm / 25.4 * Resolution;
}

// Compact spacing; headings in the accent colour with air above them.
void StyleBlocks(QTextDocument &doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat blockFormat;
        const int level = block.blockFormat().headingLevel();
        if (level == 0) {
            const bool listItem = block.textList() != nullptr;
            blockFormat.setTopMargin(MmToPixels(listItem ? 0 : 1));
            blockFormat.setBottomMargin(MmToPixels(listItem ? 0.8 : 1.5));
            cursor.mergeBlockFormat(blockFormat);
            continue;
        }
        blockFormat.setTopMargin(MmToPixels(level == 1 ? 0 : level == 2 ? 6 : 3.5));
        blockFormat.setBottomMargin(MmToPixels(level == 1 ? 3 : 1.5));
        cursor.mergeBlockFormat(blockFormat);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat charFormat;
        charFormat.setForeground(level == 1 ? Accent : Accent.darker(115));
        cursor.mergeCharFormat(charFormat);
    }
}

// Tables over the full width with thin grey lines and a shaded header row.
void StyleTables(QTextFrame *frame)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setBorder(1);
            format.setBorderBrush(Grey);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellPadding(MmToPixels(1));
            format.setCellSpacing(0);
            format.setTopMargin(MmToPixels(1.5));
            format.setBottomMargin(MmToPixels(2.5));
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat cellFormat = cell.format();
                cellFormat.setBackground(QColor(0xde, 0xde, 0xde));
                cell.setFormat(cellFormat);
            }
        }
        StyleTables(child);
    }
}
} // namespace

TIntroPdf::TIntroPdf(const QString &markdown) : m_markdown(markdown) {}

int TIntroPdf::Write(QIODevice *device) const
{
    QPdfWriter writer(device);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 17, 20, 12), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("norbekAfa – Einführung"));
    writer.setCreator(QStringLiteral("norbekAfa"));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(SansFont(10));
    doc.setDocumentMargin(0);
    doc.setMarkdown(m_markdown);
    StyleBlocks(doc);
    StyleTables(doc.rootFrame());

    const QRectF page = writer.pageLayout().paintRectPixels(Resolution);
    const qreal footer = MmToDevice(FooterMm);
    const QSizeF body(page.width(), page.height() - footer);
    doc.setPageSize(body);
    const int pages = doc.pageCount();

    QPainter painter(&writer);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF shown(0, index * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -shown.top());
        doc.drawContents(&painter, shown);
        painter.restore();

        painter.setPen(Grey);
        painter.setFont(SansFont(8));
        painter.drawText(QRectF(0, body.height(), body.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Seite %1 von %2").arg(index + 1).arg(pages));
    }
    painter.end();
    return pages;
}
