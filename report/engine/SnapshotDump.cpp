#include "SnapshotDump.h"

#include <QTextDocument>

namespace
{

QString Mm(int units)
{
    return QString::number(units / double(SnapUnits::PerMm), 'f', 2)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Colour(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xffffff, 6, 16, QLatin1Char('0')).toUpper();
}

QString Quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QChar::LineSeparator, QLatin1String("\\n"));
    text.replace(QChar::ParagraphSeparator, QLatin1String("\\n"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Box(const QRect &box)
{
    return QStringLiteral("%1 %2 %3×%4")
        .arg(Mm(box.left()), Mm(box.top()), Mm(box.width()), Mm(box.height()));
}

QString Font(const TSnapFont &font)
{
    QString styles;
    if (font.Bold)
        styles += QLatin1Char('b');
    if (font.Italic)
        styles += QLatin1Char('i');
    if (font.Underline)
        styles += QLatin1Char('u');
    QString text =
        QStringLiteral("\"%1\" %2")
            .arg(font.Family,
                 QString::number(font.PointSize).replace(QLatin1Char('.'), QLatin1Char(',')));
    if (!styles.isEmpty())
        text += QLatin1Char(' ') + styles;
    return text;
}

QString Align(int align)
{
    const char *h = (align & Qt::AlignRight)     ? "right"
                    : (align & Qt::AlignHCenter) ? "center"
                                                 : "left";
    const char *v = (align & Qt::AlignTop)      ? "top"
                    : (align & Qt::AlignBottom) ? "bottom"
                                                : "middle";
    return QStringLiteral("%1/%2").arg(QLatin1String(h), QLatin1String(v));
}

QString RichPlainText(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    QString text = doc.toPlainText();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text.split(QLatin1Char('\n')).join(QLatin1String(" | "));
}

QString Item(const TSnapItem &item, int number, int pageCount)
{
    const bool black = (item.Color & 0xffffff) == 0;
    QString line;
    switch (item.Kind) {
    case TSnapItem::TKind::Text:
    case TSnapItem::TKind::PageText:
        line = QStringLiteral("%1 %2 %3 %4")
                   .arg(item.Kind == TSnapItem::TKind::Text ? QLatin1String("Text")
                                                            : QLatin1String("PageText"),
                        Box(item.Box), Font(item.Font), Align(item.Align));
        if (!black)
            line += QLatin1Char(' ') + Colour(item.Color);
        line += QLatin1Char(' ') + Quoted(item.Kind == TSnapItem::TKind::Text
                                              ? item.Text
                                              : FillPageText(item.Text, number, pageCount));
        return line;
    case TSnapItem::TKind::Line:
        line = QStringLiteral("Line %1 %2 - %3 %4 pen %5")
                   .arg(Mm(item.Line.x1()), Mm(item.Line.y1()), Mm(item.Line.x2()),
                        Mm(item.Line.y2()), Mm(item.PenWidth));
        if (!black)
            line += QLatin1Char(' ') + Colour(item.Color);
        return line;
    case TSnapItem::TKind::Rect:
        line = QStringLiteral("Rect %1 pen %2").arg(Box(item.Box), Mm(item.PenWidth));
        if (!black)
            line += QLatin1Char(' ') + Colour(item.Color);
        if (qAlpha(item.Fill) != 0)
            line += QStringLiteral(" fill ") + Colour(item.Fill);
        return line;
    case TSnapItem::TKind::RichText:
        return QStringLiteral("RichText %1 %2")
            .arg(Box(item.Box), Quoted(RichPlainText(item.Text)));
    }
    return QStringLiteral("?");
}

} // namespace

QString TSnapshotDump::DumpPage(const TSnapshotPage &page, int number, int pageCount)
{
    QString text = QStringLiteral("Seite %1 von %2, %3 × %4 mm\n")
                       .arg(number)
                       .arg(pageCount)
                       .arg(Mm(page.Size.width()), Mm(page.Size.height()));
    for (const TSnapItem &item : page.Items)
        text += QLatin1String("  ") + Item(item, number, pageCount) + QLatin1Char('\n');
    return text;
}

QString TSnapshotDump::Dump(const QList<TSnapshotPage> &pages)
{
    QString text;
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i)
        text += DumpPage(pages[i], i + 1, count);
    return text;
}
