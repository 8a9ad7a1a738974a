#include "RtfCodePage.h"

#include <QByteArray>
#include <QStringDecoder>

namespace RtfCodePage
{

namespace
{

// 0x80..0x9F; 0 marks an unassigned byte.
constexpr char16_t High1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QChar Decode1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && High1252[byte - 0x80] != 0)
        return QChar(High1252[byte - 0x80]);
    return QChar(char16_t(byte));
}

int Encode1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (High1252[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

bool ByteTable(int codePage, TTable &table)
{
    if (codePage == 1252) {
        for (int b = 0; b < 256; ++b)
            table[b] = Decode1252(static_cast<unsigned char>(b)).unicode();
        return true;
    }
    if (codePage != 874 && (codePage < 1250 || codePage > 1258))
        return false;
    QStringDecoder decoder(QByteArray("windows-" + QByteArray::number(codePage)).constData());
    if (!decoder.isValid())
        return false;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString one = decoder.decode(QByteArrayView(&byte, 1));
        table[b] = one.size() == 1 ? one.at(0).unicode() : char16_t(0xFFFD);
        decoder.resetState();
    }
    return true;
}

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

} // namespace RtfCodePage
