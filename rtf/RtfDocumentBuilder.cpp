#include "RtfDocumentBuilder.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <map>
#include <utility>

namespace
{

QFont::StyleHint HintOf(TRtfFontFamily family)
{
    switch (family) {
    case TRtfFontFamily::Roman:
        return QFont::Serif;
    case TRtfFontFamily::Swiss:
        return QFont::SansSerif;
    case TRtfFontFamily::Modern:
        return QFont::TypeWriter;
    case TRtfFontFamily::Script:
        return QFont::Cursive;
    case TRtfFontFamily::Decor:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

QColor ColourAt(const TRtfContent &content, int index)
{
    return index >= 0 && index < content.colours.size() ? content.colours.at(index) : QColor();
}

QTextCharFormat CharFormat(const TRtfContent &content, const TRtfCharProps &p)
{
    QTextCharFormat f;
    const auto font = content.fonts.constFind(p.font < 0 ? content.defaultFont : p.font);
    if (font != content.fonts.cend()) {
        f.setFontFamilies(QStringList(font->name));
        if (font->family != TRtfFontFamily::Nil)
            f.setFontStyleHint(HintOf(font->family));
    }
    f.setFontPointSize(p.halfPoints / 2.0);
    f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italic);
    switch (p.underline) {
    case TRtfUnderline::None:
        f.setUnderlineStyle(QTextCharFormat::NoUnderline);
        break;
    case TRtfUnderline::Single:
        f.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        break;
    case TRtfUnderline::Dotted:
        f.setUnderlineStyle(QTextCharFormat::DotLine);
        break;
    case TRtfUnderline::Dash:
        f.setUnderlineStyle(QTextCharFormat::DashUnderline);
        break;
    case TRtfUnderline::DashDot:
        f.setUnderlineStyle(QTextCharFormat::DashDotLine);
        break;
    case TRtfUnderline::DashDotDot:
        f.setUnderlineStyle(QTextCharFormat::DashDotDotLine);
        break;
    case TRtfUnderline::Wave:
        f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        break;
    }
    f.setFontStrikeOut(p.strike);
    if (p.vertical == TRtfVertical::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (p.vertical == TRtfVertical::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // a table entry without values (usually the first) is the automatic colour;
    // background 0 is none
    if (const QColor fore = ColourAt(content, p.fore); fore.isValid())
        f.setForeground(fore);
    if (p.back > 0) {
        if (const QColor back = ColourAt(content, p.back); back.isValid())
            f.setBackground(back);
    }
    return f;
}

QTextListFormat::Style ListStyle(int numberForm, const QString &levelText)
{
    switch (numberForm) {
    case RtfNfcDecimal:
        return QTextListFormat::ListDecimal;
    case RtfNfcUpperRoman:
        return QTextListFormat::ListUpperRoman;
    case RtfNfcLowerRoman:
        return QTextListFormat::ListLowerRoman;
    case RtfNfcUpperLetter:
        return QTextListFormat::ListUpperAlpha;
    case RtfNfcLowerLetter:
        return QTextListFormat::ListLowerAlpha;
    default:
        break;
    }
    // \leveltext: a length character, then the text
    const QChar bullet = levelText.size() >= 2 ? levelText.at(1) : QChar();
    if (bullet == QChar(0x25E6) || bullet == u'o')
        return QTextListFormat::ListCircle;
    if (bullet == QChar(0x25AA) || bullet == QChar(0x25A0) || bullet == QChar(0xF0A7))
        return QTextListFormat::ListSquare;
    return QTextListFormat::ListDisc;
}

// The list style of a paragraph, or ListStyleUndefined when it is no list item.
QTextListFormat::Style ParagraphListStyle(const TRtfContent &content, const TRtfParaProps &para)
{
    if (para.listOverride > 0) {
        const auto over = content.listOverrides.constFind(para.listOverride);
        const auto def = over == content.listOverrides.cend()
                             ? content.lists.cend()
                             : content.lists.constFind(over.value());
        if (def == content.lists.cend() || def->levels.isEmpty())
            return QTextListFormat::ListDisc;
        const TRtfListLevel &level =
            def->levels.at(qMin<qsizetype>(para.listLevel, def->levels.size() - 1));
        if (level.numberForm == RtfNfcNone)
            return QTextListFormat::ListStyleUndefined;
        return ListStyle(level.numberForm, level.levelText);
    }
    if (para.pnForm >= 0)
        return ListStyle(para.pnForm, QString());
    return QTextListFormat::ListStyleUndefined;
}

QTextBlockFormat BlockFormat(const TRtfParaProps &para, int listIndent, double indentWidth)
{
    QTextBlockFormat f;
    switch (para.align) {
    case TRtfAlign::Left:
        f.setAlignment(Qt::AlignLeft);
        break;
    case TRtfAlign::Center:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case TRtfAlign::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case TRtfAlign::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    const double px = TRtfDocumentBuilder::PixelsPerTwip;
    double left = para.leftIndent * px;
    double first = para.firstIndent * px;
    if (listIndent > 0) {
        // the list itself indents by its level; a hanging first line only makes room for the bullet
        left = qMax(0.0, left - listIndent * indentWidth);
        first = para.firstIndent < 0 ? 0.0 : first;
    }
    if (left != 0)
        f.setLeftMargin(left);
    if (para.rightIndent != 0)
        f.setRightMargin(para.rightIndent * px);
    if (first != 0)
        f.setTextIndent(first);
    if (para.spaceBefore != 0)
        f.setTopMargin(para.spaceBefore * px);
    if (para.spaceAfter != 0)
        f.setBottomMargin(para.spaceAfter * px);
    return f;
}

} // namespace

void TRtfDocumentBuilder::Build(const TRtfContent &content, QTextDocument *doc)
{
    std::vector<QTextCharFormat> formats;
    formats.reserve(content.charProps.size());
    for (const TRtfCharProps &p : content.charProps)
        formats.push_back(CharFormat(content, p));

    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    const double indentWidth = doc->indentWidth();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();

    // one QTextList per RTF list and level, so that numbering runs on across paragraphs
    std::map<std::pair<int, int>, QTextList *> lists;
    bool first = true;
    for (const TRtfParagraph &paragraph : content.paragraphs) {
        const TRtfParaProps &para = paragraph.para;
        const QTextListFormat::Style style = ParagraphListStyle(content, para);
        const bool listed = style != QTextListFormat::ListStyleUndefined;
        const int level = para.listOverride > 0 ? para.listLevel : para.pnLevel;
        const QTextBlockFormat blockFormat = BlockFormat(para, listed ? level + 1 : 0, indentWidth);
        // the block's own character format is what typing at its start takes on
        const int markProps = paragraph.runCount > 0
                                  ? content.runs[size_t(paragraph.firstRun)].props
                                  : paragraph.markProps;
        const QTextCharFormat &mark = formats.at(markProps);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, mark);
        }
        if (listed) {
            const std::pair<int, int> key(
                para.listOverride > 0 ? para.listOverride : -1 - para.pnForm, level);
            auto it = lists.find(key);
            if (it != lists.end() && it->second->format().style() == style) {
                it->second->add(cursor.block());
            } else {
                QTextListFormat listFormat;
                listFormat.setStyle(style);
                listFormat.setIndent(level + 1);
                lists[key] = cursor.createList(listFormat);
            }
        }
        for (qsizetype r = 0; r < paragraph.runCount; ++r) {
            const TRtfRun &run = content.runs[size_t(paragraph.firstRun + r)];
            cursor.insertText(
                QString::fromRawData(content.text.constData() + run.start, run.length),
                formats.at(run.props));
        }
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

void TRtfDocumentBuilder::SetPlainText(const QString &text, QTextDocument *doc)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(text);
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}
