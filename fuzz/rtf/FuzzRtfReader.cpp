// Reads arbitrary bytes as RTF, writes the result back and reads that again; the same
// bytes also go through the string path the settings store uses.
#include "RtfReader.h"
#include "RtfText.h"
#include "RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    TRtfReader reader;
    if (!reader.Read(input, &doc)) {
        if (reader.Error().isEmpty())
            std::abort(); // a failure always says why
        return 0;
    }
    TRtfWriter writer;
    const QByteArray rtf = writer.Write(&doc);
    QTextDocument again;
    if (!reader.Read(rtf, &again))
        std::abort(); // our own output always reads
    if (TRtfReader::IsRtf(input) && again.toPlainText() != doc.toPlainText())
        std::abort(); // and keeps the text

    QTextDocument stored;
    QString error;
    if (!LoadRtfText(&stored, QString::fromLatin1(input), &error) && error.isEmpty())
        std::abort();
    (void)SaveRtfText(&stored);
    return 0;
}
