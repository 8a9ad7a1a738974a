#pragma once
// Writes a QTextDocument as RTF (ANSI, code page 1252, 7-bit clean): font and colour
// tables, character formats, paragraph alignment and indents, bullets and numbering.
#include <QByteArray>

class QTextDocument;

class TRtfWriter
{
public:
    QByteArray Write(const QTextDocument *doc);
};
