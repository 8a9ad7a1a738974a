#pragma once
// Line-wise writing into the text preview's document.
#include <QFont>
#include <QString>

class QTextDocument;
class QTextCursor;

namespace TextPreviewDocument
{

// The preview's own fixed-pitch font: "Courier New", 10 point.
QFont DefaultFont();
// A document ready to take preview lines: default font set, empty.
void Prepare(QTextDocument *document);
// Appends text as a new line; "\r\n", "\r" and "\n" inside it start further lines.
void AppendLine(QTextDocument *document, const QString &text);
// Cursor at the start of a fresh, empty last line of the document.
QTextCursor CursorAtNewLine(QTextDocument *document);
// "\r\n" and "\r" as "\n".
QString UnifyLineBreaks(const QString &text);

} // namespace TextPreviewDocument
