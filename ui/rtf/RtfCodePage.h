#pragma once
// Windows code page 1252, the byte encoding of RTF text with \ansicpg1252.
#include <QChar>

namespace RtfCodePage {

// The character of one byte; bytes without a character in the code page keep their
// Latin-1 meaning.
QChar Decode1252(unsigned char byte);

// The byte of a character, or -1 when the code page has none for it.
int Encode1252(char16_t ch);

} // namespace RtfCodePage
