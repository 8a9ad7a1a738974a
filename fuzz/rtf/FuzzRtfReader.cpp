// Reads arbitrary bytes as RTF, writes the result back and reads that again.
#include "RtfReader.h"
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
    QTextDocument doc;
    TRtfReader reader;
    if (!reader.Read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), &doc)) {
        if (reader.Error().isEmpty())
            std::abort();
        return 0;
    }
    TRtfWriter writer;
    const QByteArray rtf = writer.Write(&doc);
    QTextDocument again;
    if (!reader.Read(rtf, &again))
        std::abort(); // our own output must always read
    if (TRtfReader::IsRtf(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)))
        && again.toPlainText() != doc.toPlainText())
        std::abort();
    return 0;
}
