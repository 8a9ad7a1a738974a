#include "Snapshot.h"

#include "ReportError.h"
#include "SnapshotFormat.h"
#include "SnapshotReadCursor.h"

#include <QDataStream>
#include <cmath>

void TSnapshotReadCursor::Damaged()
{
    throw EReportError(QStringLiteral("Die Report-Datei ist beschädigt oder unvollständig."));
}

namespace
{
QRect ReadBox(TSnapshotReadCursor &in)
{
    const qint32 x = in.I32(), y = in.I32(), w = in.I32(), h = in.I32();
    return QRect(x, y, w, h);
}
} // namespace

void TSnapshot::Clear()
{
    m_data.clear();
    m_title.clear();
    m_fonts.clear();
    m_pages.clear();
}

void TSnapshot::Load(const QByteArray &data)
{
    if (data.isEmpty()) {
        Clear();
        return;
    }
    TSnapshotReadCursor in(data.constData(), data.constData() + data.size());
    if (data.size() < 4 || in.U32() != SnapFormat::Magic)
        throw EReportError(QStringLiteral("Die Datei ist keine Report-Datei."));
    const quint16 version = in.U16();
    const quint16 streamVersion = in.U16();
    if (version > SnapFormat::Version || streamVersion > QDataStream::Qt_DefaultCompiledVersion)
        throw EReportError(
            QStringLiteral("Die Report-Datei stammt aus einer neueren Programmversion."));
    if (version < 1 || streamVersion < QDataStream::Qt_6_0)
        TSnapshotReadCursor::Damaged();

    QString title = in.Text();
    QList<TSnapFont> fonts;
    QList<TPageRef> pages;
    for (;;) {
        const quint8 tag = in.U8();
        if (tag == SnapFormat::FontRecord) {
            if (fonts.size() >= SnapFormat::MaxFonts)
                TSnapshotReadCursor::Damaged();
            TSnapFont font;
            font.Family = in.Text();
            font.PointSize = in.Double();
            const quint8 style = in.U8();
            if (!std::isfinite(font.PointSize) || font.PointSize < SnapFormat::MinPointSize ||
                font.PointSize > SnapFormat::MaxPointSize || style > 7)
                TSnapshotReadCursor::Damaged();
            font.Bold = style & SnapFormat::BoldFlag;
            font.Italic = style & SnapFormat::ItalicFlag;
            font.Underline = style & SnapFormat::UnderlineFlag;
            fonts.append(font);
        } else if (tag == SnapFormat::PageRecord) {
            const quint32 length = in.U32();
            TPageRef ref;
            ref.Offset = in.Position() - data.constData();
            ref.Length = length;
            ref.Fonts = int(fonts.size());
            in.Skip(length);
            pages.append(ref);
        } else if (tag == SnapFormat::EndRecord) {
            if (in.U32() != quint32(pages.size()) || !in.AtEnd())
                TSnapshotReadCursor::Damaged();
            break;
        } else {
            TSnapshotReadCursor::Damaged();
        }
    }
    m_data = data;
    m_title = std::move(title);
    m_fonts = std::move(fonts);
    m_pages = std::move(pages);
}

TSnapshotPage TSnapshot::Page(int n) const
{
    if (n < 1 || n > PageCount())
        throw EReportError(QStringLiteral("Seite %1 gibt es nicht; der Report hat %2 Seiten.")
                               .arg(n)
                               .arg(PageCount()));
    const TPageRef &ref = m_pages[n - 1];
    const char *begin = m_data.constData() + ref.Offset;
    TSnapshotReadCursor in(begin, begin + ref.Length);
    TSnapshotPage page;
    const qint32 width = in.I32(), height = in.I32();
    if (width < 1 || height < 1 || width > SnapFormat::MaxPageExtent ||
        height > SnapFormat::MaxPageExtent)
        TSnapshotReadCursor::Damaged();
    page.Size = QSize(width, height);
    const quint32 count = in.U32();
    if (count > SnapFormat::MaxItemsPerPage ||
        qsizetype(count) > in.Remaining() / SnapFormat::MinItemBytes)
        TSnapshotReadCursor::Damaged();
    page.Items.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        TSnapItem item;
        const quint8 kind = in.U8();
        switch (kind) {
        case quint8(TSnapItem::TKind::Text):
        case quint8(TSnapItem::TKind::PageText): {
            item.Kind = TSnapItem::TKind(kind);
            item.Box = ReadBox(in);
            item.Align = in.I32();
            const quint32 font = in.U32();
            if (font >= quint32(ref.Fonts))
                TSnapshotReadCursor::Damaged();
            item.Font = m_fonts[font];
            item.Color = in.U32();
            item.Text = in.Text();
            break;
        }
        case quint8(TSnapItem::TKind::Line): {
            item.Kind = TSnapItem::TKind::Line;
            const qint32 x1 = in.I32(), y1 = in.I32(), x2 = in.I32(), y2 = in.I32();
            item.Line = QLine(x1, y1, x2, y2);
            item.PenWidth = in.I32();
            item.Color = in.U32();
            break;
        }
        case quint8(TSnapItem::TKind::Rect):
            item.Kind = TSnapItem::TKind::Rect;
            item.Box = ReadBox(in);
            item.PenWidth = in.I32();
            item.Color = in.U32();
            item.Fill = in.U32();
            break;
        case quint8(TSnapItem::TKind::RichText):
            item.Kind = TSnapItem::TKind::RichText;
            item.Box = ReadBox(in);
            item.Text = in.Text();
            break;
        default:
            TSnapshotReadCursor::Damaged();
        }
        page.Items.append(std::move(item));
    }
    if (!in.AtEnd())
        TSnapshotReadCursor::Damaged();
    return page;
}
