#include "RtfText.h"

#include "RtfCodePage.h"
#include "RtfDocumentBuilder.h"
#include "RtfReader.h"
#include "RtfWriter.h"

namespace
{

// RTF held in a string (as the database gives it back) to bytes: code page 1252 where it
// has the character, C1 controls as the bytes they came from, anything else as \uN.
QByteArray RtfBytes(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        const int byte = c >= 0x80 && c < 0xA0 ? int(c) : RtfCodePage::Encode1252(c);
        if (byte >= 0) {
            out.append(char(byte));
        } else {
            out.append("{\\uc0\\u");
            out.append(QByteArray::number(c > 0x7FFF ? int(c) - 65536 : int(c)));
            out.append(" }");
        }
    }
    return out;
}

bool Fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool LoadRtfText(QTextDocument *doc, const QString &text, QString *error)
{
    if (!doc)
        return Fail(error, QStringLiteral("Kein Dokument zum Laden des Textes."));
    const qsizetype start = text.indexOf(u'{');
    const bool rtf =
        start >= 0 && text.mid(start, 5) == u"{\\rtf" && text.left(start).trimmed().isEmpty();
    if (!rtf) {
        if (text.size() > TRtfReader::MaxInputSize)
            return Fail(error,
                        QStringLiteral("Der Text ist zu groß (%1 Zeichen, höchstens %2 Zeichen).")
                            .arg(text.size())
                            .arg(TRtfReader::MaxInputSize));
        TRtfDocumentBuilder::SetPlainText(text, doc);
        return true;
    }
    return LoadRtfBytes(doc, RtfBytes(text), error);
}

bool LoadRtfBytes(QTextDocument *doc, QByteArrayView data, QString *error)
{
    if (!doc)
        return Fail(error, QStringLiteral("Kein Dokument zum Laden des Textes."));
    TRtfReader reader;
    if (!reader.Read(data, doc))
        return Fail(error, reader.Error());
    return true;
}

QString SaveRtfText(const QTextDocument *doc)
{
    return QString::fromLatin1(SaveRtfBytes(doc));
}

QByteArray SaveRtfBytes(const QTextDocument *doc)
{
    TRtfWriter writer;
    return writer.Write(doc);
}
