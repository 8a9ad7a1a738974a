#pragma once
// What the reader takes from an RTF text before it goes into a QTextDocument: runs of
// text with their character properties, grouped into paragraphs, plus the tables the
// properties refer to. Measures are in twips (1/1440 inch), font sizes in half points.
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

enum class TRtfUnderline : std::uint8_t { None, Single, Dotted, Dash, DashDot, DashDotDot, Wave };
enum class TRtfVertical : std::uint8_t { Normal, Super, Sub };
enum class TRtfAlign : std::uint8_t { Left, Center, Right, Justify };
enum class TRtfFontFamily : std::uint8_t { Nil, Roman, Swiss, Modern, Script, Decor, Tech };

// List number forms, as in \levelnfc.
enum TRtfNumberForm : int {
    RtfNfcDecimal = 0,
    RtfNfcUpperRoman = 1,
    RtfNfcLowerRoman = 2,
    RtfNfcUpperLetter = 3,
    RtfNfcLowerLetter = 4,
    RtfNfcBullet = 23,
    RtfNfcNone = 255,
};

struct TRtfCharProps {
    int font = -1; // font number; -1: the default font (\deff)
    int halfPoints = 24;
    int fore = 0; // colour table index; 0: automatic
    int back = 0;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    TRtfUnderline underline = TRtfUnderline::None;
    TRtfVertical vertical = TRtfVertical::Normal;

    bool operator==(const TRtfCharProps &) const = default;
};

inline size_t qHash(const TRtfCharProps &p, size_t seed = 0)
{
    return qHashMulti(seed, p.font, p.halfPoints, p.fore, p.back,
                      (p.bold ? 1 : 0) | (p.italic ? 2 : 0) | (p.strike ? 4 : 0) |
                          (p.hidden ? 8 : 0),
                      int(p.underline), int(p.vertical));
}

struct TRtfParaProps {
    TRtfAlign align = TRtfAlign::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int listOverride = 0; // \ls; 0: none
    int listLevel = 0;    // \ilvl
    int pnForm = -1;      // old-style \pn numbering form; -1: none
    int pnLevel = 0;

    bool IsListItem() const { return listOverride > 0 || pnForm >= 0; }
    bool operator==(const TRtfParaProps &) const = default;
};

struct TRtfFont {
    QString name;
    TRtfFontFamily family = TRtfFontFamily::Nil;
    int codePage = 0; // from \fcharset; 0: the document's code page
};

struct TRtfListLevel {
    int numberForm = RtfNfcBullet;
    QString levelText; // \leveltext without its length character
};

struct TRtfListDef {
    QList<TRtfListLevel> levels;
};

struct TRtfRun {
    int props = 0;       // index into charProps
    qsizetype start = 0; // into text
    qsizetype length = 0;
};

struct TRtfParagraph {
    TRtfParaProps para;
    int markProps = 0; // character properties of the paragraph mark
    qsizetype firstRun = 0;
    qsizetype runCount = 0;
};

struct TRtfContent {
    int defaultFont = 0;
    QHash<int, TRtfFont> fonts;
    QList<QColor> colours;         // index 0 is the automatic colour when the table starts with ";"
    QHash<int, TRtfListDef> lists; // by \listid
    QHash<int, int> listOverrides; // \ls -> \listid
    QList<TRtfCharProps> charProps;
    QString text;
    std::vector<TRtfRun> runs;
    std::vector<TRtfParagraph> paragraphs;
};
