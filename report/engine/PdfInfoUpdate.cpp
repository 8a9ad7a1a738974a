#include "PdfInfoUpdate.h"

#include <QRegularExpression>

namespace
{
constexpr qsizetype TailBytes = 4096;

// A PDF text string: UTF-16BE with its byte order mark, in hex.
QByteArray PdfText(const QString &text)
{
    QByteArray utf16("\xfe\xff");
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xff));
    }
    return '<' + utf16.toHex() + '>';
}
} // namespace

TPdfInfoUpdate::TPdfInfoUpdate(QIODevice *file) : m_file(file)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 TPdfInfoUpdate::writeData(const char *data, qint64 size)
{
    const qint64 written = m_file->write(data, size);
    if (written > 0) {
        m_written += written;
        m_tail.append(data, qsizetype(written));
        if (m_tail.size() > 2 * TailBytes)
            m_tail.remove(0, m_tail.size() - TailBytes);
    }
    return written;
}

bool TPdfInfoUpdate::Append(const QString &title, const QString &creator, const QString &producer)
{
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<(.*)>>\\s*startxref\\s+(\\d+)\\s+%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+\\s+\\d+)\\s+R"));
    const QString tail = QString::fromLatin1(m_tail);
    const QRegularExpressionMatch end = trailer.match(tail);
    if (!end.hasMatch())
        return false;
    const QString dictionary = end.captured(1);
    const QRegularExpressionMatch sizeMatch = size.match(dictionary);
    const QRegularExpressionMatch rootMatch = root.match(dictionary);
    if (!sizeMatch.hasMatch() || !rootMatch.hasMatch())
        return false;
    const QByteArray object = sizeMatch.captured(1).toLatin1();
    const qint64 objectAt = m_written + 1;
    QByteArray update = "\n" + object + " 0 obj\n<<\n/Title " + PdfText(title) + "\n/Creator " +
                        PdfText(creator) + "\n/Producer " + PdfText(producer) + "\n>>\nendobj\n";
    const qint64 xrefAt = m_written + update.size();
    update += "xref\n" + object + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
              " 00000 n \ntrailer\n<<\n/Size " + QByteArray::number(object.toLongLong() + 1) +
              "\n/Root " + rootMatch.captured(1).toLatin1() + " R\n/Info " + object +
              " 0 R\n/Prev " + end.captured(2).toLatin1() + "\n>>\nstartxref\n" +
              QByteArray::number(xrefAt) + "\n%%EOF\n";
    return write(update) == update.size();
}
