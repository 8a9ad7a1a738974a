#pragma once
// The two operations the program uses on a rich edit's document: load an RTF text into it
// (replacing its content; a text without RTF markup is taken as plain text), and take its
// whole content as RTF source.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// On failure returns false, sets *error to a German message and leaves doc unchanged.
bool LoadRtfText(QTextDocument *doc, const QString &text, QString *error = nullptr);
bool LoadRtfBytes(QTextDocument *doc, QByteArrayView data, QString *error = nullptr);

// 7-bit RTF source of the whole document.
QString SaveRtfText(const QTextDocument *doc);
QByteArray SaveRtfBytes(const QTextDocument *doc);
