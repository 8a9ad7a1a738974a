#include "RtfTestSupport.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace
{

TRunAttrs RunAttrs(const QTextDocument &doc, const QTextCharFormat &f, const QString &text)
{
    const QFont base = doc.defaultFont();
    TRunAttrs r;
    r.text = text;
    const QStringList families = f.fontFamilies().toStringList();
    r.family = families.isEmpty() ? base.family() : families.first();
    if (f.hasProperty(QTextFormat::FontPointSize))
        r.points = f.fontPointSize();
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        r.points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else
        r.points = base.pointSizeF();
    r.bold = (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : int(base.weight())) >=
             QFont::DemiBold;
    r.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic();
    r.underline = f.underlineStyle();
    r.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : base.strikeOut();
    r.vertical = f.verticalAlignment();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        r.fore = f.foreground().color();
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        r.back = f.background().color();
    return r;
}

bool SameAttrs(const TRunAttrs &a, const TRunAttrs &b)
{
    return a.family == b.family && std::abs(a.points - b.points) < 0.01 && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline && a.strike == b.strike &&
           a.vertical == b.vertical && a.fore == b.fore && a.back == b.back;
}

bool Near(double a, double b)
{
    return std::abs(a - b) < 0.1;
}

} // namespace

QList<TBlockAttrs> DocumentAttrs(const QTextDocument &doc)
{
    QList<TBlockAttrs> blocks;
    QList<const QTextList *> lists;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        TBlockAttrs b;
        b.text = block.text();
        const QTextBlockFormat bf = block.blockFormat();
        const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
        b.align = align == 0 || align == Qt::AlignLeading ? int(Qt::AlignLeft) : int(align);
        b.left = bf.leftMargin() + (block.textList() ? 0 : bf.indent() * doc.indentWidth());
        b.right = bf.rightMargin();
        b.first = bf.textIndent();
        b.top = bf.topMargin();
        b.bottom = bf.bottomMargin();
        if (const QTextList *list = block.textList()) {
            b.listStyle = list->format().style();
            b.listIndent = list->format().indent();
            if (!lists.contains(list))
                lists.append(list);
            b.listNumber = int(lists.indexOf(list));
        }
        b.markPoints = RunAttrs(doc, block.charFormat(), QString()).points;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const TRunAttrs run = RunAttrs(doc, fragment.charFormat(), fragment.text());
            if (!b.runs.isEmpty() && SameAttrs(b.runs.last(), run))
                b.runs.last().text += run.text;
            else
                b.runs.append(run);
        }
        blocks.append(b);
    }
    return blocks;
}

QString DescribeRun(const TRunAttrs &r)
{
    QString s = QStringLiteral("\"%1\" %2 %3pt").arg(r.text, r.family).arg(r.points);
    if (r.bold)
        s += QStringLiteral(" b");
    if (r.italic)
        s += QStringLiteral(" i");
    s += QStringLiteral(" ul%1").arg(r.underline);
    if (r.strike)
        s += QStringLiteral(" strike");
    s += QStringLiteral(" v%1 fore %2 back %3")
             .arg(r.vertical)
             .arg(r.fore.isValid() ? r.fore.name() : QStringLiteral("auto"),
                  r.back.isValid() ? r.back.name() : QStringLiteral("none"));
    return s;
}

QString CompareDocuments(const QTextDocument &expected, const QTextDocument &actual)
{
    const QList<TBlockAttrs> e = DocumentAttrs(expected);
    const QList<TBlockAttrs> a = DocumentAttrs(actual);
    if (e.size() != a.size())
        return QStringLiteral("%1 paragraphs expected, %2 found").arg(e.size()).arg(a.size());
    for (qsizetype i = 0; i < e.size(); ++i) {
        const TBlockAttrs &x = e.at(i);
        const TBlockAttrs &y = a.at(i);
        const QString where = QStringLiteral("paragraph %1 \"%2\": ").arg(i).arg(x.text);
        if (x.text != y.text)
            return where + QStringLiteral("text \"%1\"").arg(y.text);
        if (x.align != y.align)
            return where + QStringLiteral("alignment %1 instead of %2").arg(y.align).arg(x.align);
        if (!Near(x.left, y.left) || !Near(x.right, y.right) || !Near(x.first, y.first) ||
            !Near(x.top, y.top) || !Near(x.bottom, y.bottom))
            return where + QStringLiteral("margins %1/%2/%3/%4/%5 instead of %6/%7/%8/%9/%10")
                               .arg(y.left)
                               .arg(y.right)
                               .arg(y.first)
                               .arg(y.top)
                               .arg(y.bottom)
                               .arg(x.left)
                               .arg(x.right)
                               .arg(x.first)
                               .arg(x.top)
                               .arg(x.bottom);
        if (x.listStyle != y.listStyle || x.listIndent != y.listIndent ||
            x.listNumber != y.listNumber)
            return where + QStringLiteral("list %1/%2/%3 instead of %4/%5/%6")
                               .arg(y.listStyle)
                               .arg(y.listIndent)
                               .arg(y.listNumber)
                               .arg(x.listStyle)
                               .arg(x.listIndent)
                               .arg(x.listNumber);
        if (x.text.isEmpty() && !Near(x.markPoints, y.markPoints))
            return where + QStringLiteral("empty paragraph size %1 instead of %2")
                               .arg(y.markPoints)
                               .arg(x.markPoints);
        if (x.runs.size() != y.runs.size())
            return where +
                   QStringLiteral("%1 runs instead of %2").arg(y.runs.size()).arg(x.runs.size());
        for (qsizetype r = 0; r < x.runs.size(); ++r) {
            if (x.runs.at(r).text != y.runs.at(r).text || !SameAttrs(x.runs.at(r), y.runs.at(r)))
                return where + QStringLiteral("run %1 is %2, expected %3")
                                   .arg(r)
                                   .arg(DescribeRun(y.runs.at(r)), DescribeRun(x.runs.at(r)));
        }
    }
    return QString();
}

QString TestDataPath(const QString &name)
{
    return QStringLiteral(RTF_TEST_DATA "/") + name;
}

QByteArray ReadTestFile(const QString &name)
{
    QFile file(TestDataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

namespace
{

QTextCharFormat Chars(const QString &family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    return f;
}

} // namespace

void BuildSampleDocument(QTextDocument &doc)
{
    doc.clear();
    QTextCursor c(&doc);
    QTextBlockFormat bf;
    bf.setAlignment(Qt::AlignHCenter);
    bf.setTopMargin(6);
    c.setBlockFormat(bf);
    QTextCharFormat f = Chars("Arial", 16);
    f.setFontWeight(QFont::Bold);
    f.setForeground(QColor("#10697B"));
    c.insertText("Abschreibungsreport ", f);
    f.setFontItalic(true);
    c.insertText("[%Zeitraum%]", f);

    bf = QTextBlockFormat();
    bf.setAlignment(Qt::AlignRight);
    bf.setRightMargin(20);
    f = Chars("Times New Roman", 10.5);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    c.insertBlock(bf, f);
    c.insertText(QString::fromUtf8("Müller & Söhne – 100 € {Klammern} \\ Backslash; „Zitat“"), f);

    bf = QTextBlockFormat();
    bf.setAlignment(Qt::AlignJustify);
    bf.setLeftMargin(40);
    bf.setRightMargin(30);
    bf.setTextIndent(20);
    bf.setTopMargin(10);
    bf.setBottomMargin(5);
    f = Chars("Verdana", 9);
    c.insertBlock(bf, f);
    c.insertText("normal ", f);
    QTextCharFormat g = f;
    g.setFontStrikeOut(true);
    c.insertText("durch ", g);
    g = f;
    g.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText("hoch", g);
    g.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText("tief ", g);
    g = f;
    g.setForeground(QColor(Qt::red));
    g.setBackground(QColor(Qt::yellow));
    c.insertText("rot auf gelb ", g);
    g = f;
    g.setUnderlineStyle(QTextCharFormat::DotLine);
    c.insertText("punktiert ", g);
    g.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    c.insertText("Welle ", g);
    g.setUnderlineStyle(QTextCharFormat::DashUnderline);
    c.insertText("Striche ", g);
    g = f;
    g.setFontWeight(QFont::Bold);
    g.setFontItalic(true);
    g.setFontUnderline(true);
    g.setFontStrikeOut(true);
    g.setForeground(QColor("#0000FF"));
    c.insertText("alles", g);
    c.insertText(
        QString::fromUtf8("\tTab\u2028neue Zeile\u00a0fest Trenn\u00adstrich Ω → 😀 ﬁ\u2011"), f);

    const auto listItem = [&](const QString &text, double left = 0) {
        QTextBlockFormat lf;
        lf.setLeftMargin(left);
        c.insertBlock(lf, Chars("Courier New", 10));
        c.insertText(text, Chars("Courier New", 10));
    };
    QTextListFormat lf;
    lf.setStyle(QTextListFormat::ListDisc);
    lf.setIndent(1);
    listItem("Punkt 1");
    QTextList *bullets = c.createList(lf);
    listItem("Punkt 2", 10);
    bullets->add(c.block());
    lf.setStyle(QTextListFormat::ListDecimal);
    lf.setIndent(2);
    listItem("Unterpunkt 1");
    QTextList *numbers = c.createList(lf);
    listItem("Unterpunkt 2");
    numbers->add(c.block());
    listItem("Punkt 3");
    bullets->add(c.block());
    const QTextListFormat::Style styles[] = {
        QTextListFormat::ListCircle,     QTextListFormat::ListSquare,
        QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperAlpha,
        QTextListFormat::ListLowerRoman, QTextListFormat::ListUpperRoman};
    for (const QTextListFormat::Style style : styles) {
        lf.setStyle(style);
        lf.setIndent(1);
        listItem(QStringLiteral("Liste %1").arg(int(style)));
        c.createList(lf);
    }

    c.insertBlock(QTextBlockFormat(), Chars("Arial", 20)); // empty paragraph, 20 pt high
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    c.insertText("Standard ohne Format");
    bf = QTextBlockFormat();
    bf.setAlignment(Qt::AlignLeft);
    bf.setLeftMargin(13.333333); // 10 points, as the editor's indent button
    c.insertBlock(bf, QTextCharFormat());
    c.insertText("links 10 pt");
    c.insertBlock(QTextBlockFormat(), QTextCharFormat()); // empty last paragraph
}
