#include "TextPreviewDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace TextPreviewDocument
{

QFont DefaultFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

void Prepare(QTextDocument *document)
{
    document->clear();
    document->setDefaultFont(DefaultFont());
}

QString UnifyLineBreaks(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

// Every written line ends with a block break, so the document ends in an empty block;
// text loaded from elsewhere may leave an unterminated last line, which is ended first.
QTextCursor CursorAtNewLine(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!cursor.block().text().isEmpty())
        cursor.insertBlock();
    return cursor;
}

void AppendLine(QTextDocument *document, const QString &text)
{
    QTextCursor cursor = CursorAtNewLine(document);
    cursor.insertText(UnifyLineBreaks(text));
    cursor.insertBlock();
}

} // namespace TextPreviewDocument
