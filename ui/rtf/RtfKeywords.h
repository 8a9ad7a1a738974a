#pragma once
// The RTF control words the reader acts on.
#include <cstdint>
#include <string_view>

enum class TRtfKeyword : std::uint8_t {
    // destinations
    SkipDest, FontTbl, ColorTbl, ListTable, ListOverrideTable, List, ListLevel, LevelText,
    ListId, ListOverride, Pn, Upr, Ud,
    // header
    Deff, AnsiCpg, Uc, U,
    // fonts and colours
    F, FCharset, FNil, FRoman, FSwiss, FModern, FScript, FDecor, FTech, Red, Green, Blue,
    // character
    Fs, B, I, Ul, UlDotted, UlDash, UlDashDot, UlDashDotDot, UlWave, UlNone, Strike, Cf, Cb,
    Plain, Super, Sub, NoSuperSub, Up, Dn, V,
    // paragraph
    Par, Line, Tab, Cell, Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Ls, Ilvl,
    LevelNfc, PnLvlBlt, PnLvlBody, PnLvl, PnDec, PnUcRm, PnLcRm, PnUcLtr, PnLcLtr,
    // characters
    EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, EmSpace, EnSpace,
};

// The keyword of a control word, or nullptr for one the reader does not know.
const TRtfKeyword *FindRtfKeyword(std::string_view name);
