#include "VersionInfo.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace
{
constexpr qsizetype MagicSize = sizeof(VersionBlockMagicReversed) - 1;
constexpr qsizetype FixedSize = 5 * 4; // four version words, flags
constexpr qsizetype MaxStrings = 4096;
} // namespace

QByteArray VersionBlockMagic()
{
    QByteArray magic(VersionBlockMagicReversed, MagicSize);
    std::reverse(magic.begin(), magic.end());
    return magic;
}

QString TVersionNumberInformation::Text() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(MS >> 16)
        .arg(MS & 0xFFFF)
        .arg(LS >> 16)
        .arg(LS & 0xFFFF);
}

QByteArray TVersionInfoResource::MakeBlock(const TFixedFileVersionInfo &fixed,
                                           const QStringList &strings)
{
    QByteArray block = VersionBlockMagic();
    const auto word = [&block](uint32_t value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        block.append(bytes, 4);
    };
    word(fixed.FileVersion.MS);
    word(fixed.FileVersion.LS);
    word(fixed.ProductVersion.MS);
    word(fixed.ProductVersion.LS);
    word(fixed.FileFlags);
    const QByteArray text = strings.join(u'\n').toUtf8();
    word(uint32_t(text.size()));
    block.append(text);
    return block;
}

bool TVersionInfoResource::ParseBlock(const QByteArray &data, TFixedFileVersionInfo &fixed,
                                      QStringList &strings)
{
    const qsizetype at = data.indexOf(VersionBlockMagic());
    if (at < 0 || data.size() - at - MagicSize < FixedSize + 4)
        return false;
    const char *p = data.constData() + at + MagicSize;
    const auto word = [&p] {
        const uint32_t value = qFromLittleEndian<uint32_t>(p);
        p += 4;
        return value;
    };
    fixed.FileVersion.MS = word();
    fixed.FileVersion.LS = word();
    fixed.ProductVersion.MS = word();
    fixed.ProductVersion.LS = word();
    fixed.FileFlags = word();
    const uint32_t length = word();
    const qsizetype left = data.size() - (p - data.constData());
    if (length > uint32_t(left))
        return false;
    strings = QString::fromUtf8(p, qsizetype(length)).split(u'\n', Qt::SkipEmptyParts);
    if (strings.size() > MaxStrings)
        strings.resize(MaxStrings);
    return true;
}

void TVersionInfoResource::SetFileName(const QString &fileName)
{
    m_found = false;
    m_fixed = {};
    m_strings.clear();
    QFile file(fileName.isEmpty() ? QStringLiteral("/proc/self/exe") : fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // The block lies in the program's read-only data; programs are a few megabytes.
    const QByteArray data = file.read(256 * 1024 * 1024);
    TFixedFileVersionInfo fixed;
    QStringList strings;
    if (!ParseBlock(data, fixed, strings))
        return;
    m_found = true;
    m_fixed = fixed;
    m_strings = strings;
}
