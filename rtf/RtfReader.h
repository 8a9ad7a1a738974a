#pragma once
// Reads RTF into a QTextDocument: character and paragraph formatting, fonts, colours,
// bullets and numbering. Any byte sequence gives a document or an error message; the
// document is left unchanged on error.
#include "RtfContent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

class TRtfReader
{
public:
    static constexpr qsizetype MaxInputSize = 32 * 1024 * 1024;
    static constexpr int MaxGroupDepth = 200;
    static constexpr qsizetype MaxParagraphs = 250000;
    static constexpr qsizetype MaxRuns = 1000000; // pieces of text of one format
    static constexpr qsizetype MaxCharFormats = 65536;

    // Replaces the content of doc. Data that does not start with "{\rtf" is taken as plain
    // text (UTF-8 when valid, Windows-1252 otherwise).
    bool Read(QByteArrayView data, QTextDocument *doc);
    // Parses RTF without building a document.
    bool Parse(QByteArrayView data, TRtfContent &content);

    // German message of the last failure.
    const QString &Error() const { return m_error; }

    // True when data starts with "{\rtf", after optional blanks and a UTF-8 byte order mark.
    static bool IsRtf(QByteArrayView data);
    static QString DecodePlainText(QByteArrayView data);

private:
    QString m_error;
};
