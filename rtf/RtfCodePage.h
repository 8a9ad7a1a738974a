#pragma once
// Windows code page 1252, the byte encoding of RTF text with \ansicpg1252, and the other
// single-byte Windows code pages an RTF text may name.
#include <QChar>

#include <array>

namespace RtfCodePage
{

// The character of one byte; bytes without a character in the code page keep their
// Latin-1 meaning.
QChar Decode1252(unsigned char byte);

// The byte of a character, or -1 when the code page has none for it.
int Encode1252(char16_t ch);

using TTable = std::array<char16_t, 256>;

// The characters of the bytes of a single-byte Windows code page (874, 1250 to 1258);
// false for any other code page.
bool ByteTable(int codePage, TTable &table);

// The Windows code page of an RTF font character set (\fcharset), 0 for none of them.
int CodePageOfCharset(int charset);

} // namespace RtfCodePage
