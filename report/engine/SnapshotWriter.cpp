#include "SnapshotWriter.h"

#include "ReportError.h"
#include "SnapshotFormat.h"

#include <QDataStream>
#include <QIODevice>
#include <cmath>

namespace
{
constexpr auto StreamVersion = QDataStream::Qt_6_0;

void WriteText(QDataStream &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out.writeBytes(utf8.constData(), uint(utf8.size()));
}

void WriteRect(QDataStream &out, const QRect &r)
{
    out << qint32(r.x()) << qint32(r.y()) << qint32(r.width()) << qint32(r.height());
}

[[noreturn]] void WriteFailed()
{
    throw EReportError(QStringLiteral("Der Report konnte nicht geschrieben werden."));
}
} // namespace

TPageSink *TSnapshotWriter::PageSink()
{
    return m_stream ? this : nullptr;
}

void TSnapshotWriter::BeginDocument(const QString &title)
{
    if (!m_stream)
        throw EReportError(QStringLiteral("Für den Report ist kein Ausgabeziel gesetzt."));
    m_open = true;
    m_pages = 0;
    m_fonts.clear();
    m_lastFont = -1;
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << SnapFormat::Magic << SnapFormat::Version << quint16(out.version());
    WriteText(out, DocumentTitle.isEmpty() ? title : DocumentTitle);
    WriteRaw(header);
}

quint32 TSnapshotWriter::FontNumber(const TSnapFont &font)
{
    if (m_lastFont >= 0 && m_fonts[m_lastFont] == font)
        return quint32(m_lastFont);
    const qsizetype known = m_fonts.indexOf(font);
    if (known >= 0) {
        m_lastFont = int(known);
        return quint32(known);
    }
    if (!std::isfinite(font.PointSize) || font.PointSize < SnapFormat::MinPointSize ||
        font.PointSize > SnapFormat::MaxPointSize)
        throw EReportError(
            QStringLiteral("Die Schriftgröße %1 pt ist ungültig.").arg(font.PointSize));
    if (m_fonts.size() >= SnapFormat::MaxFonts)
        throw EReportError(QStringLiteral("Der Report verwendet zu viele Schriften."));
    QDataStream out(&m_fontRecords, QIODevice::Append);
    out.setVersion(StreamVersion);
    out << quint8(SnapFormat::FontRecord);
    WriteText(out, font.Family);
    out << font.PointSize
        << quint8((font.Bold ? SnapFormat::BoldFlag : 0) |
                  (font.Italic ? SnapFormat::ItalicFlag : 0) |
                  (font.Underline ? SnapFormat::UnderlineFlag : 0));
    m_fonts.append(font);
    m_lastFont = int(m_fonts.size() - 1);
    return quint32(m_lastFont);
}

void TSnapshotWriter::AddPage(const TSnapshotPage &page)
{
    if (!m_open || !m_stream)
        throw EReportError(QStringLiteral("Der Report wurde nicht begonnen."));
    if (page.Size.width() < 1 || page.Size.height() < 1 ||
        page.Size.width() > SnapFormat::MaxPageExtent ||
        page.Size.height() > SnapFormat::MaxPageExtent)
        throw EReportError(QStringLiteral("Die Seitengröße %1 × %2 ist ungültig.")
                               .arg(page.Size.width())
                               .arg(page.Size.height()));
    if (quint32(page.Items.size()) > SnapFormat::MaxItemsPerPage)
        throw EReportError(QStringLiteral("Seite %1 hat zu viele Elemente.").arg(m_pages + 1));

    m_page.resize(0);
    m_fontRecords.resize(0);
    {
        QDataStream out(&m_page, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << qint32(page.Size.width()) << qint32(page.Size.height())
            << quint32(page.Items.size());
        for (const TSnapItem &item : page.Items) {
            out << quint8(item.Kind);
            switch (item.Kind) {
            case TSnapItem::TKind::Text:
            case TSnapItem::TKind::PageText:
                WriteRect(out, item.Box);
                out << qint32(item.Align) << FontNumber(item.Font) << quint32(item.Color);
                WriteText(out, item.Text);
                break;
            case TSnapItem::TKind::Line:
                out << qint32(item.Line.x1()) << qint32(item.Line.y1()) << qint32(item.Line.x2())
                    << qint32(item.Line.y2()) << qint32(item.PenWidth) << quint32(item.Color);
                break;
            case TSnapItem::TKind::Rect:
                WriteRect(out, item.Box);
                out << qint32(item.PenWidth) << quint32(item.Color) << quint32(item.Fill);
                break;
            case TSnapItem::TKind::RichText:
                WriteRect(out, item.Box);
                WriteText(out, item.Text);
                break;
            default:
                throw EReportError(
                    QStringLiteral("Seite %1 enthält ein unbekanntes Element.").arg(m_pages + 1));
            }
        }
    }
    QByteArray head;
    QDataStream out(&head, QIODevice::WriteOnly);
    out << quint8(SnapFormat::PageRecord) << quint32(m_page.size());
    WriteRaw(m_fontRecords);
    WriteRaw(head);
    WriteRaw(m_page);
    ++m_pages;
    if (PageWritten)
        PageWritten(m_pages);
}

void TSnapshotWriter::EndDocument(int pageCount)
{
    if (!m_open || !m_stream)
        throw EReportError(QStringLiteral("Der Report wurde nicht begonnen."));
    m_open = false;
    QByteArray end;
    QDataStream out(&end, QIODevice::WriteOnly);
    out << quint8(SnapFormat::EndRecord) << quint32(m_pages);
    WriteRaw(end);
    if (pageCount != m_pages)
        throw EReportError(QStringLiteral("Der Report meldet %1 Seiten, geschrieben wurden %2.")
                               .arg(pageCount)
                               .arg(m_pages));
}

void TSnapshotWriter::WriteRaw(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && m_stream->write(bytes) != bytes.size())
        WriteFailed();
}
