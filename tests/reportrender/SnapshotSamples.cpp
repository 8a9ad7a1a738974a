#include "SnapshotSamples.h"

#include "SnapshotWriter.h"

#include <QBuffer>

TSnapFont SnapshotSamples::Font(const QString &family, double size, bool bold)
{
    TSnapFont font;
    font.Family = family;
    font.PointSize = size;
    font.Bold = bold;
    return font;
}

TSnapItem SnapshotSamples::Text(const QRect &box, const QString &text, int align,
                                const TSnapFont &font)
{
    TSnapItem item;
    item.Kind = TSnapItem::TKind::Text;
    item.Box = box;
    item.Text = text;
    item.Align = align;
    item.Font = font;
    return item;
}

TSnapItem SnapshotSamples::Rect(const QRect &box, QRgb fill, int penWidth, QRgb color)
{
    TSnapItem item;
    item.Kind = TSnapItem::TKind::Rect;
    item.Box = box;
    item.Fill = fill;
    item.PenWidth = penWidth;
    item.Color = color;
    return item;
}

TSnapshotPage SnapshotSamples::NumberedPage(int n)
{
    TSnapshotPage page;
    page.Items.append(Text(QRect(2000, 2000, 8000, 600), QStringLiteral("Seite %1").arg(n)));
    TSnapItem number = Text(QRect(2000, 27000, 8000, 600), QStringLiteral("{page}/{pages}"));
    number.Kind = TSnapItem::TKind::PageText;
    page.Items.append(number);
    return page;
}

QByteArray SnapshotSamples::Write(const QList<TSnapshotPage> &pages, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TSnapshotWriter writer;
    if (!title.isEmpty())
        writer.DocumentTitle = title;
    writer.SetStream(&buffer);
    writer.BeginDocument(QString());
    for (const TSnapshotPage &page : pages)
        writer.AddPage(page);
    writer.EndDocument(int(pages.size()));
    return buffer.data();
}

QByteArray SnapshotSamples::Numbered(int pageCount)
{
    QList<TSnapshotPage> pages;
    for (int n = 1; n <= pageCount; ++n)
        pages.append(NumberedPage(n));
    return Write(pages);
}
