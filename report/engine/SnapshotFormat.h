#pragma once
// The snapshot stream's layout, shared by the writer and the reader. Big-endian, as
// QDataStream writes it:
//   header:  quint32 Magic, quint16 Version, quint16 QDataStream version, bytes title
//   records: quint8 tag, then
//     Font:  bytes family, double point size, quint8 style flags (bold 1, italic 2, underline 4);
//            fonts are numbered 0, 1, ... in the order of their records
//     Page:  quint32 body length, body: qint32 width, qint32 height, quint32 item count, items
//     End:   quint32 page count; nothing may follow
//   item:    quint8 kind, then by kind
//     Text, PageText: box, qint32 align, quint32 font number, quint32 colour, bytes text
//     Line:           line, qint32 pen width, quint32 colour
//     Rect:           box, qint32 pen width, quint32 colour, quint32 fill
//     RichText:       box, bytes HTML
//   box and line are four qint32 (x, y, width, height / x1, y1, x2, y2); bytes are a quint32
//   length and that many bytes of UTF-8.
#include <QtGlobal>

namespace SnapFormat
{
constexpr quint32 Magic = 0x4E535231; // "NSR1"
constexpr quint16 Version = 1;

enum TRecord : quint8 { FontRecord = 1, PageRecord = 2, EndRecord = 3 };
enum TStyle : quint8 { BoldFlag = 1, ItalicFlag = 2, UnderlineFlag = 4 };

// Limits both sides keep, so that a damaged stream cannot ask for absurd work.
constexpr int MaxPageExtent = 100000; // 1 m
constexpr double MinPointSize = 0.1;
constexpr double MaxPointSize = 1000;
constexpr int MaxFonts = 65535;
constexpr quint32 MaxItemsPerPage = 1000000;
constexpr int MinItemBytes = 21; // RichText with empty HTML
} // namespace SnapFormat
