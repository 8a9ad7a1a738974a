#include "RtfWriter.h"

#include "RtfCodePage.h"
#include "RtfDocumentBuilder.h"

#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace
{

constexpr int MaxListLevels = 9;

int Twips(double pixels)
{
    const double twips = std::round(pixels / TRtfDocumentBuilder::PixelsPerTwip);
    return int(qBound(-31680.0, twips, 31680.0));
}

void AppendNumber(QByteArray &out, const char *word, long long value)
{
    out.append(word);
    out.append(QByteArray::number(value));
}

// Escapes text for RTF; characters outside code page 1252 become \uN with "?" as the
// fallback (\uc1).
void AppendText(QByteArray &out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x80) {
            if (c == u'\\' || c == u'{' || c == u'}')
                out.append('\\');
            out.append(char(c));
            continue;
        }
        switch (c) {
        case u'\t':
            out.append("\\tab ");
            continue;
        case 0x2028:
            out.append("\\line ");
            continue;
        case 0x00A0:
            out.append("\\~");
            continue;
        case 0x00AD:
            out.append("\\-");
            continue;
        case 0x2011:
            out.append("\\_");
            continue;
        case 0xFFFC:
        case 0xFDD0:
        case 0xFDD1:
        case 0x2029:
            continue;
        default:
            break;
        }
        if (c < 0x20)
            continue;
        const int byte = RtfCodePage::Encode1252(c);
        if (byte >= 0) {
            out.append("\\'");
            out.append(hex[byte >> 4]);
            out.append(hex[byte & 15]);
        } else {
            AppendNumber(out, "\\u", c > 0x7FFF ? int(c) - 65536 : int(c));
            out.append('?');
        }
    }
}

struct TListInfo {
    QTextListFormat::Style style = QTextListFormat::ListDisc;
    int maxLevel = 0;
};

class TWriter
{
public:
    explicit TWriter(const QTextDocument *doc)
        : m_doc(doc), m_base(doc->defaultFont()), m_indentWidth(doc->indentWidth())
    {
    }

    QByteArray Write();

private:
    void WriteBlock(const QTextBlock &block);
    void WriteParagraphProps(const QTextBlock &block);
    struct TAttributes {
        QByteArray words;
        bool grouped = false; // written as a group of its own
    };
    const TAttributes &CharAttributes(int formatIndex, const QTextCharFormat &format);
    int FontIndex(const QString &family, const QTextCharFormat &format);
    int ColourIndex(const QColor &colour);
    QByteArray Header() const;
    QByteArray ListTables() const;

    const QTextDocument *m_doc;
    const QFont m_base;
    const double m_indentWidth;
    QByteArray m_body;
    QHash<int, TAttributes> m_attributes;      // by the document's format index
    QList<QPair<QString, QByteArray>> m_fonts; // name, family word
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colours; // from index 1 on
    QHash<QRgb, int> m_colourIndex;
    QHash<const QTextList *, int> m_listIds;
    QList<TListInfo> m_lists; // id - 1
};

QByteArray TWriter::Write()
{
    m_body.reserve(m_doc->characterCount() * 5 / 4 + 1024);
    FontIndex(m_base.family(), QTextCharFormat());
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next())
        WriteBlock(block);
    QByteArray out = Header();
    out.reserve(out.size() + m_body.size() + 2);
    out.append(m_body);
    out.append("}\r\n");
    return out;
}

void TWriter::WriteBlock(const QTextBlock &block)
{
    WriteParagraphProps(block);
    int lastFormat = -1;
    bool empty = true;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const int index = fragment.charFormatIndex();
        const TAttributes &attributes = CharAttributes(index, fragment.charFormat());
        if (attributes.grouped) {
            // LibreOffice loses the rest of the paragraph when \plain follows \super
            // outside a group
            m_body.append('{');
            m_body.append(attributes.words);
            AppendText(m_body, fragment.text());
            m_body.append('}');
            lastFormat = -1;
        } else {
            if (index != lastFormat) {
                m_body.append(attributes.words);
                lastFormat = index;
            }
            AppendText(m_body, fragment.text());
        }
        empty = false;
    }
    if (empty)
        m_body.append(CharAttributes(block.charFormatIndex(), block.charFormat()).words);
    m_body.append("\\par\r\n");
}

void TWriter::WriteParagraphProps(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    m_body.append("\\pard");
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignJustify)
        m_body.append("\\qj");
    else if (align & Qt::AlignHCenter)
        m_body.append("\\qc");
    else if (align & (Qt::AlignRight | Qt::AlignTrailing))
        m_body.append("\\qr");

    double left = format.leftMargin();
    int first = Twips(format.textIndent());
    const QTextList *list = block.textList();
    int level = 0;
    int listId = 0;
    if (list) {
        const int indent = qMax(1, list->format().indent());
        level = qMin(indent, MaxListLevels) - 1;
        left += indent * m_indentWidth;
        // a hanging first line leaves room for the bullet
        if (first <= 0)
            first = -TRtfDocumentBuilder::BulletHanging;
        listId = m_listIds.value(list);
        if (listId == 0) {
            m_lists.append(TListInfo{list->format().style(), level});
            listId = int(m_lists.size());
            m_listIds.insert(list, listId);
        }
        TListInfo &info = m_lists[listId - 1];
        info.maxLevel = qMax(info.maxLevel, level);
    } else {
        left += format.indent() * m_indentWidth;
    }
    if (const int twips = Twips(left))
        AppendNumber(m_body, "\\li", twips);
    if (const int twips = Twips(format.rightMargin()))
        AppendNumber(m_body, "\\ri", twips);
    if (first)
        AppendNumber(m_body, "\\fi", first);
    if (const int twips = Twips(format.topMargin()))
        AppendNumber(m_body, "\\sb", twips);
    if (const int twips = Twips(format.bottomMargin()))
        AppendNumber(m_body, "\\sa", twips);
    if (list) {
        AppendNumber(m_body, "\\ls", listId);
        AppendNumber(m_body, "\\ilvl", level);
        // the item's own text, for readers without list support
        m_body.append("{\\listtext\\plain");
        const QTextListFormat::Style style = list->format().style();
        if (style == QTextListFormat::ListDecimal || style == QTextListFormat::ListLowerAlpha ||
            style == QTextListFormat::ListUpperAlpha || style == QTextListFormat::ListLowerRoman ||
            style == QTextListFormat::ListUpperRoman) {
            m_body.append(' ');
            AppendText(m_body, list->itemText(block));
        } else {
            m_body.append("\\'95");
        }
        m_body.append("\\tab}");
    }
}

const TWriter::TAttributes &TWriter::CharAttributes(int formatIndex, const QTextCharFormat &f)
{
    auto it = m_attributes.constFind(formatIndex);
    if (it != m_attributes.cend())
        return it.value();

    QString family;
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.first();
    if (family.isEmpty())
        family = m_base.family();
    double points;
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        points = f.fontPointSize();
    else if (f.hasProperty(QTextFormat::FontPixelSize) &&
             f.intProperty(QTextFormat::FontPixelSize) > 0)
        points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else if (m_base.pointSizeF() > 0)
        points = m_base.pointSizeF();
    else
        points = qMax(1, m_base.pixelSize()) * 0.75;
    const int weight =
        f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : int(m_base.weight());
    const bool italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_base.italic();
    QTextCharFormat::UnderlineStyle underline = f.underlineStyle();
    if (!f.hasProperty(QTextFormat::TextUnderlineStyle) &&
        !f.hasProperty(QTextFormat::FontUnderline) && m_base.underline())
        underline = QTextCharFormat::SingleUnderline;
    const bool strike =
        f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : m_base.strikeOut();

    QByteArray a;
    AppendNumber(a, "\\plain\\f", FontIndex(family, f));
    AppendNumber(a, "\\fs", qBound(2LL, std::llround(points * 2), 3276LL));
    if (weight >= QFont::DemiBold)
        a.append("\\b");
    if (italic)
        a.append("\\i");
    switch (underline) {
    case QTextCharFormat::NoUnderline:
        break;
    case QTextCharFormat::DashUnderline:
        a.append("\\uldash");
        break;
    case QTextCharFormat::DotLine:
        a.append("\\uld");
        break;
    case QTextCharFormat::DashDotLine:
        a.append("\\uldashd");
        break;
    case QTextCharFormat::DashDotDotLine:
        a.append("\\uldashdd");
        break;
    case QTextCharFormat::WaveUnderline:
        a.append("\\ulwave");
        break;
    default:
        a.append("\\ul");
        break;
    }
    if (strike)
        a.append("\\strike");
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        a.append("\\super");
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        a.append("\\sub");
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        AppendNumber(a, "\\cf", ColourIndex(f.foreground().color()));
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush) {
        const int index = ColourIndex(f.background().color());
        AppendNumber(a, "\\chcbpat", index);
        AppendNumber(a, "\\cb", index);
        AppendNumber(a, "\\highlight", index);
    }
    a.append(' ');
    const bool grouped = f.verticalAlignment() == QTextCharFormat::AlignSuperScript ||
                         f.verticalAlignment() == QTextCharFormat::AlignSubScript;
    return m_attributes.insert(formatIndex, TAttributes{a, grouped}).value();
}

int TWriter::FontIndex(const QString &family, const QTextCharFormat &format)
{
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.cend())
        return it.value();
    QByteArray word = "\\fnil";
    const QVariant hint = format.property(QTextFormat::FontStyleHint);
    switch (hint.isValid() ? hint.toInt() : -1) {
    case QFont::Serif:
        word = "\\froman";
        break;
    case QFont::SansSerif:
        word = "\\fswiss";
        break;
    case QFont::TypeWriter:
        word = "\\fmodern";
        break;
    case QFont::Cursive:
        word = "\\fscript";
        break;
    case QFont::Decorative:
        word = "\\fdecor";
        break;
    default:
        if (QFontDatabase::isFixedPitch(family))
            word = "\\fmodern";
        break;
    }
    const int index = int(m_fonts.size());
    m_fonts.append({family, word});
    m_fontIndex.insert(family, index);
    return index;
}

int TWriter::ColourIndex(const QColor &colour)
{
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    const auto it = m_colourIndex.constFind(rgb);
    if (it != m_colourIndex.cend())
        return it.value();
    m_colours.append(QColor::fromRgb(rgb));
    const int index = int(m_colours.size());
    m_colourIndex.insert(rgb, index);
    return index;
}

QByteArray TWriter::Header() const
{
    QByteArray h = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        AppendNumber(h, "{\\f", i);
        h.append(m_fonts.at(i).second);
        h.append("\\fcharset0 ");
        QString name = m_fonts.at(i).first;
        name.remove(u';');
        AppendText(h, name);
        h.append(";}");
    }
    h.append("}\r\n{\\colortbl;");
    for (const QColor &c : m_colours) {
        AppendNumber(h, "\\red", c.red());
        AppendNumber(h, "\\green", c.green());
        AppendNumber(h, "\\blue", c.blue());
        h.append(';');
    }
    h.append("}\r\n");
    h.append(ListTables());
    h.append("\\viewkind4\r\n");
    return h;
}

QByteArray TWriter::ListTables() const
{
    if (m_lists.isEmpty())
        return QByteArray();
    QByteArray t = "{\\*\\listtable";
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        const TListInfo &info = m_lists.at(i);
        int form = RtfNfcBullet;
        const char *bullet = "\\u8226 ?";
        switch (info.style) {
        case QTextListFormat::ListDecimal:
            form = RtfNfcDecimal;
            break;
        case QTextListFormat::ListUpperRoman:
            form = RtfNfcUpperRoman;
            break;
        case QTextListFormat::ListLowerRoman:
            form = RtfNfcLowerRoman;
            break;
        case QTextListFormat::ListUpperAlpha:
            form = RtfNfcUpperLetter;
            break;
        case QTextListFormat::ListLowerAlpha:
            form = RtfNfcLowerLetter;
            break;
        case QTextListFormat::ListCircle:
            bullet = "\\u9702 ?";
            break;
        case QTextListFormat::ListSquare:
            bullet = "\\u9642 ?";
            break;
        default:
            break;
        }
        AppendNumber(t, "\r\n{\\list\\listtemplateid", i + 1);
        AppendNumber(t, "\\listsimple", info.maxLevel == 0 ? 1 : 0);
        for (int level = 0; level <= info.maxLevel; ++level) {
            AppendNumber(t, "{\\listlevel\\levelnfc", form);
            AppendNumber(t, "\\levelnfcn", form);
            t.append("\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1{\\leveltext");
            if (form == RtfNfcBullet) {
                t.append("\\'01");
                t.append(bullet);
                t.append(";}{\\levelnumbers;}");
            } else {
                t.append("\\'02\\'0");
                t.append(char('0' + level));
                t.append(".;}{\\levelnumbers\\'01;}");
            }
            AppendNumber(t, "\\fi", -TRtfDocumentBuilder::BulletHanging);
            AppendNumber(t, "\\li", Twips((level + 1) * m_indentWidth));
            t.append('}');
        }
        AppendNumber(t, "{\\listname ;}\\listid", i + 1);
        t.append('}');
    }
    t.append("}\r\n{\\*\\listoverridetable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        AppendNumber(t, "{\\listoverride\\listid", i + 1);
        AppendNumber(t, "\\listoverridecount0\\ls", i + 1);
        t.append('}');
    }
    t.append("}\r\n");
    return t;
}

} // namespace

QByteArray TRtfWriter::Write(const QTextDocument *doc)
{
    if (!doc)
        return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1}");
    TWriter writer(doc);
    return writer.Write();
}
