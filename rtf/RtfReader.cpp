#include "RtfReader.h"

#include "RtfCodePage.h"
#include "RtfDocumentBuilder.h"
#include "RtfParser.h"

#include <QStringDecoder>

bool TRtfReader::IsRtf(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

QString TRtfReader::DecodePlainText(QByteArrayView data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(data.size());
    for (const char c : data)
        text.append(RtfCodePage::Decode1252(static_cast<unsigned char>(c)));
    return text;
}

bool TRtfReader::Parse(QByteArrayView data, TRtfContent &content)
{
    m_error.clear();
    content = TRtfContent();
    if (data.size() > MaxInputSize) {
        m_error = QStringLiteral("Der RTF-Text ist zu groß (%1 Bytes, höchstens %2 Bytes).")
                      .arg(data.size())
                      .arg(MaxInputSize);
        return false;
    }
    if (!IsRtf(data)) {
        m_error = QStringLiteral("Der Text ist kein RTF-Text (er beginnt nicht mit \"{\\rtf\").");
        return false;
    }
    const qsizetype start = data.indexOf('{');
    TRtfParser parser(content);
    if (!parser.Run(data.data() + start, data.size() - start, m_error)) {
        content = TRtfContent();
        return false;
    }
    return true;
}

bool TRtfReader::Read(QByteArrayView data, QTextDocument *doc)
{
    m_error.clear();
    if (!doc) {
        m_error = QStringLiteral("Kein Dokument zum Lesen des RTF-Textes.");
        return false;
    }
    if (!IsRtf(data)) {
        if (data.size() > MaxInputSize) {
            m_error = QStringLiteral("Der Text ist zu groß (%1 Bytes, höchstens %2 Bytes).")
                          .arg(data.size())
                          .arg(MaxInputSize);
            return false;
        }
        TRtfDocumentBuilder::SetPlainText(DecodePlainText(data), doc);
        return true;
    }
    TRtfContent content;
    if (!Parse(data, content))
        return false;
    TRtfDocumentBuilder::Build(content, doc);
    return true;
}
