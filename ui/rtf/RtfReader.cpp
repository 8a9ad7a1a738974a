#include "RtfReader.h"

#include "RtfCodePage.h"
#include "RtfDocumentBuilder.h"

#include <QStringDecoder>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

constexpr int MaxFonts = 4096;
constexpr int MaxColours = 4096;
constexpr int MaxLists = 1024;
constexpr int MaxListLevels = 9;
constexpr qsizetype MaxNameLength = 256;
constexpr int MaxTwips = 31680;         // 22 inches
constexpr int MaxHalfPoints = 3276;     // 1638 points

enum class TDest : std::uint8_t {
    Body,
    Skip,
    FontTable,
    ColorTable,
    ListTable,
    LevelText,
    ListOverrideTable,
    Pn,
    Upr,
};

enum class TKw : std::uint8_t {
    // destinations
    SkipDest, FontTbl, ColorTbl, ListTable, ListOverrideTable, List, ListLevel, LevelText,
    ListId, ListOverride, Pn, Upr, Ud,
    // header
    Deff, Uc, U,
    // fonts and colours
    F, FNil, FRoman, FSwiss, FModern, FScript, FDecor, FTech, Red, Green, Blue,
    // character
    Fs, B, I, Ul, UlDotted, UlDash, UlDashDot, UlDashDotDot, UlWave, UlNone, Strike, Cf, Cb,
    Plain, Super, Sub, NoSuperSub, Up, Dn, V,
    // paragraph
    Par, Line, Tab, Cell, Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Ls, Ilvl,
    LevelNfc, PnLvlBlt, PnLvlBody, PnLvl, PnDec, PnUcRm, PnLcRm, PnUcLtr, PnLcLtr,
    // characters
    EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, EmSpace, EnSpace,
};

const std::unordered_map<std::string_view, TKw> &Keywords()
{
    static const std::unordered_map<std::string_view, TKw> table = {
        // groups whose content is never text
        {"stylesheet", TKw::SkipDest}, {"info", TKw::SkipDest}, {"header", TKw::SkipDest},
        {"headerl", TKw::SkipDest}, {"headerr", TKw::SkipDest}, {"headerf", TKw::SkipDest},
        {"footer", TKw::SkipDest}, {"footerl", TKw::SkipDest}, {"footerr", TKw::SkipDest},
        {"footerf", TKw::SkipDest}, {"footnote", TKw::SkipDest}, {"pict", TKw::SkipDest},
        {"fldinst", TKw::SkipDest}, {"xe", TKw::SkipDest},
        {"tc", TKw::SkipDest}, {"txe", TKw::SkipDest}, {"rxe", TKw::SkipDest},
        {"pntext", TKw::SkipDest}, {"listtext", TKw::SkipDest}, {"pntxta", TKw::SkipDest},
        {"pntxtb", TKw::SkipDest}, {"listname", TKw::SkipDest}, {"levelnumbers", TKw::SkipDest},
        {"themedata", TKw::SkipDest}, {"colorschememapping", TKw::SkipDest},
        {"datastore", TKw::SkipDest}, {"latentstyles", TKw::SkipDest}, {"revtbl", TKw::SkipDest},
        {"rsidtbl", TKw::SkipDest}, {"generator", TKw::SkipDest}, {"userprops", TKw::SkipDest},
        {"docvar", TKw::SkipDest}, {"template", TKw::SkipDest}, {"filetbl", TKw::SkipDest},
        {"pgdsctbl", TKw::SkipDest}, {"annotation", TKw::SkipDest}, {"atnid", TKw::SkipDest},
        {"atnauthor", TKw::SkipDest}, {"shp", TKw::SkipDest}, {"shppict", TKw::SkipDest},
        {"nonshppict", TKw::SkipDest}, {"bkmkstart", TKw::SkipDest}, {"bkmkend", TKw::SkipDest},
        {"falt", TKw::SkipDest}, {"panose", TKw::SkipDest}, {"objdata", TKw::SkipDest},
        {"ftnsep", TKw::SkipDest}, {"ftnsepc", TKw::SkipDest}, {"ftncn", TKw::SkipDest},
        {"aftnsep", TKw::SkipDest}, {"aftnsepc", TKw::SkipDest}, {"aftncn", TKw::SkipDest},
        {"xmlnstbl", TKw::SkipDest}, {"comment", TKw::SkipDest}, {"fldtype", TKw::SkipDest},
        {"fonttbl", TKw::FontTbl}, {"colortbl", TKw::ColorTbl}, {"listtable", TKw::ListTable},
        {"listoverridetable", TKw::ListOverrideTable}, {"list", TKw::List},
        {"listlevel", TKw::ListLevel}, {"leveltext", TKw::LevelText}, {"listid", TKw::ListId},
        {"listoverride", TKw::ListOverride}, {"pn", TKw::Pn}, {"upr", TKw::Upr}, {"ud", TKw::Ud},
        {"deff", TKw::Deff}, {"uc", TKw::Uc}, {"u", TKw::U},
        {"f", TKw::F}, {"fnil", TKw::FNil}, {"froman", TKw::FRoman}, {"fswiss", TKw::FSwiss},
        {"fmodern", TKw::FModern}, {"fscript", TKw::FScript}, {"fdecor", TKw::FDecor},
        {"ftech", TKw::FTech}, {"fbidi", TKw::FNil},
        {"red", TKw::Red}, {"green", TKw::Green}, {"blue", TKw::Blue},
        {"fs", TKw::Fs}, {"b", TKw::B}, {"i", TKw::I}, {"ul", TKw::Ul}, {"uldb", TKw::Ul},
        {"ulw", TKw::Ul}, {"ulth", TKw::Ul}, {"uld", TKw::UlDotted}, {"ulthd", TKw::UlDotted},
        {"uldash", TKw::UlDash}, {"ulthdash", TKw::UlDash}, {"ulldash", TKw::UlDash},
        {"uldashd", TKw::UlDashDot}, {"ulthdashd", TKw::UlDashDot},
        {"uldashdd", TKw::UlDashDotDot}, {"ulthdashdd", TKw::UlDashDotDot},
        {"ulwave", TKw::UlWave}, {"ulhwave", TKw::UlWave}, {"ululdbwave", TKw::UlWave},
        {"ulnone", TKw::UlNone}, {"strike", TKw::Strike}, {"striked", TKw::Strike},
        {"cf", TKw::Cf}, {"cb", TKw::Cb}, {"highlight", TKw::Cb}, {"chcbpat", TKw::Cb},
        {"plain", TKw::Plain}, {"super", TKw::Super}, {"sub", TKw::Sub},
        {"nosupersub", TKw::NoSuperSub}, {"up", TKw::Up}, {"dn", TKw::Dn}, {"v", TKw::V},
        {"par", TKw::Par}, {"sect", TKw::Par}, {"page", TKw::Par}, {"row", TKw::Par},
        {"line", TKw::Line}, {"tab", TKw::Tab}, {"cell", TKw::Cell}, {"pard", TKw::Pard},
        {"ql", TKw::Ql}, {"qc", TKw::Qc}, {"qr", TKw::Qr}, {"qj", TKw::Qj}, {"qd", TKw::Qj},
        {"li", TKw::Li}, {"lin", TKw::Li}, {"ri", TKw::Ri}, {"rin", TKw::Ri}, {"fi", TKw::Fi},
        {"sb", TKw::Sb}, {"sa", TKw::Sa}, {"ls", TKw::Ls}, {"ilvl", TKw::Ilvl},
        {"levelnfc", TKw::LevelNfc}, {"levelnfcn", TKw::LevelNfc},
        {"pnlvlblt", TKw::PnLvlBlt}, {"pnlvlbody", TKw::PnLvlBody}, {"pnlvl", TKw::PnLvl},
        {"pndec", TKw::PnDec}, {"pnucrm", TKw::PnUcRm}, {"pnlcrm", TKw::PnLcRm},
        {"pnucltr", TKw::PnUcLtr}, {"pnlcltr", TKw::PnLcLtr},
        {"emdash", TKw::EmDash}, {"endash", TKw::EnDash}, {"bullet", TKw::Bullet},
        {"lquote", TKw::LQuote}, {"rquote", TKw::RQuote}, {"ldblquote", TKw::LDblQuote},
        {"rdblquote", TKw::RDblQuote}, {"emspace", TKw::EmSpace}, {"enspace", TKw::EnSpace},
    };
    return table;
}

int Clamp(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

struct TState
{
    TRtfCharProps ch;
    TRtfParaProps para;
    TDest dest = TDest::Body;
    TDest uprOuter = TDest::Body;
    int uc = 1;
};

// One pass over the bytes; fills a TRtfContent.
class TParser
{
public:
    explicit TParser(TRtfContent &content) : m_out(content) {}

    bool Run(const char *data, qsizetype size, QString &error);

private:
    void ControlToken();
    void ControlWord(std::string_view name, bool hasParam, int param);
    void ControlSymbol(char c);
    void BodyWord(TKw kw, bool hasParam, int param);
    void TableWord(TKw kw, bool hasParam, int param);
    void TextChar(char16_t c);
    void AppendBody(char16_t c);
    void PushGroup();
    void PopGroup();
    void EndParagraph();
    void Finish();
    void CommitFont();
    TRtfListDef *CurrentListDef();
    TRtfListLevel *CurrentListLevel();
    TRtfParaProps &PnTarget();
    int PropsIndex();
    void CharChanged() { m_propsValid = false; }
    void Fail(const QString &message)
    {
        if (!m_failed)
            m_error = message;
        m_failed = true;
    }

    TRtfContent &m_out;
    const char *m_p = nullptr;
    const char *m_end = nullptr;
    TState m_cur;
    std::vector<TState> m_stack;
    QHash<TRtfCharProps, int> m_propsIndex;
    int m_props = 0;
    bool m_propsValid = false;
    bool m_star = false;
    int m_ucSkip = 0;
    char16_t m_highSurrogate = 0;
    qsizetype m_paraFirstRun = 0;
    bool m_paraPending = false;   // a \par was read and no text followed yet
    bool m_failed = false;
    QString m_error;

    // font table entry being read
    int m_fontNumber = 0;
    TRtfFontFamily m_fontFamily = TRtfFontFamily::Nil;
    QString m_fontName;
    bool m_fontOpen = false;
    // colour table entry being read
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;
    // list table
    TRtfListDef m_listDef;
    int m_listId = -1;
    bool m_listOpen = false;
    int m_overrideListId = -1;
    int m_overrideLs = -1;
    size_t m_pnOwner = 0;
};

bool TParser::Run(const char *data, qsizetype size, QString &error)
{
    m_p = data;
    m_end = data + size;
    m_out.text.reserve(size);
    bool closed = false;
    while (m_p < m_end && !m_failed && !closed) {
        const unsigned char c = static_cast<unsigned char>(*m_p);
        switch (c) {
        case '{':
            ++m_p;
            PushGroup();
            break;
        case '}':
            ++m_p;
            m_star = false;
            m_ucSkip = 0;
            if (m_stack.size() <= 1) {
                Finish();
                closed = true;
                break;
            }
            PopGroup();
            break;
        case '\\':
            ++m_p;
            ControlToken();
            break;
        case '\r':
        case '\n':
        case 0:
            ++m_p;
            break;
        default:
            ++m_p;
            m_star = false;
            if (m_ucSkip > 0) {
                --m_ucSkip;
                break;
            }
            if (c == '\t')
                TextChar(u'\t');
            else if (c >= 0x20)
                TextChar(RtfCodePage::Decode1252(c).unicode());
            break;
        }
    }
    if (!closed && !m_failed)
        Finish();
    if (m_failed) {
        error = m_error;
        return false;
    }
    return true;
}

void TParser::PushGroup()
{
    m_star = false;
    m_ucSkip = 0;
    if (m_stack.size() >= size_t(TRtfReader::MaxGroupDepth)) {
        Fail(QStringLiteral("Der RTF-Text ist zu tief verschachtelt (mehr als %1 Gruppenebenen).")
                 .arg(TRtfReader::MaxGroupDepth));
        return;
    }
    m_stack.push_back(m_cur);
}

void TParser::PopGroup()
{
    if (m_cur.dest == TDest::FontTable)
        CommitFont();
    m_cur = m_stack.back();
    m_stack.pop_back();
    CharChanged();
}

void TParser::ControlToken()
{
    if (m_p >= m_end)
        return;
    const char c = *m_p;
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter) {
        ++m_p;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_p < m_end) {
                const char h = *m_p;
                int v;
                if (h >= '0' && h <= '9')
                    v = h - '0';
                else if (h >= 'a' && h <= 'f')
                    v = h - 'a' + 10;
                else if (h >= 'A' && h <= 'F')
                    v = h - 'A' + 10;
                else
                    break;
                value = value * 16 + v;
                ++digits;
                ++m_p;
            }
            m_star = false;
            if (m_ucSkip > 0) {
                --m_ucSkip;
                return;
            }
            if (digits > 0)
                TextChar(RtfCodePage::Decode1252(static_cast<unsigned char>(value)).unicode());
            return;
        }
        ControlSymbol(c);
        return;
    }
    const char *start = m_p;
    while (m_p < m_end && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z')))
        ++m_p;
    const std::string_view name(start, std::min<size_t>(size_t(m_p - start), 33));
    bool negative = false;
    bool hasParam = false;
    long long value = 0;
    if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && m_p[1] >= '0' && m_p[1] <= '9') {
        negative = true;
        ++m_p;
    }
    while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
        hasParam = true;
        if (value < 2000000000LL)
            value = value * 10 + (*m_p - '0');
        ++m_p;
    }
    value = std::min(value, 2000000000LL);
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    ControlWord(name, hasParam, int(negative ? -value : value));
}

void TParser::ControlSymbol(char c)
{
    if (c == '*') {
        m_star = true;
        return;
    }
    m_star = false;
    if (m_ucSkip > 0) {
        --m_ucSkip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        TextChar(char16_t(c));
        break;
    case '~':
        TextChar(u'\u00A0');
        break;
    case '-':
        TextChar(u'\u00AD');
        break;
    case '_':
        TextChar(u'\u2011');
        break;
    case '\r':
    case '\n':
        if (m_cur.dest == TDest::Body)
            EndParagraph();
        break;
    default:
        break;
    }
}

void TParser::ControlWord(std::string_view name, bool hasParam, int param)
{
    const bool star = m_star;
    m_star = false;
    if (name == "bin") {
        const qsizetype skip = std::min<qsizetype>(hasParam ? std::max(param, 0) : 0, m_end - m_p);
        m_p += skip;
        if (m_ucSkip > 0)
            --m_ucSkip;
        return;
    }
    if (m_ucSkip > 0) {
        --m_ucSkip;
        return;
    }
    if (m_cur.dest == TDest::Skip)
        return;
    const auto &table = Keywords();
    const auto it = table.find(name);
    if (it == table.end()) {
        if (star)
            m_cur.dest = TDest::Skip;
        return;
    }
    const TKw kw = it->second;
    if (m_cur.dest == TDest::Upr) {
        if (kw == TKw::Ud)
            m_cur.dest = m_cur.uprOuter;
        return;
    }
    switch (kw) {
    case TKw::SkipDest:
        m_cur.dest = TDest::Skip;
        return;
    case TKw::FontTbl:
        m_cur.dest = TDest::FontTable;
        return;
    case TKw::ColorTbl:
        m_cur.dest = TDest::ColorTable;
        m_colourSet = false;
        m_red = m_green = m_blue = 0;
        return;
    case TKw::ListTable:
        m_cur.dest = TDest::ListTable;
        return;
    case TKw::ListOverrideTable:
        m_cur.dest = TDest::ListOverrideTable;
        return;
    case TKw::Upr:
        m_cur.uprOuter = m_cur.dest;
        m_cur.dest = TDest::Upr;
        return;
    case TKw::Ud:
        return;
    case TKw::Pn:
        if (m_cur.dest == TDest::Body) {
            m_cur.dest = TDest::Pn;
            m_pnOwner = m_stack.size();
        } else {
            m_cur.dest = TDest::Skip;
        }
        return;
    case TKw::U: {
        if (!hasParam || param < -32768 || param > 65535)
            return;
        TextChar(char16_t(param < 0 ? param + 65536 : param));
        m_ucSkip = m_cur.uc;
        return;
    }
    case TKw::Uc:
        m_cur.uc = hasParam ? Clamp(param, 0, 16) : 1;
        return;
    default:
        break;
    }
    if (star && m_cur.dest == TDest::Body) {
        // an unknown use of a known word in a \* group: skip the group
        m_cur.dest = TDest::Skip;
        return;
    }
    if (m_cur.dest == TDest::Body)
        BodyWord(kw, hasParam, param);
    else
        TableWord(kw, hasParam, param);
}

void TParser::BodyWord(TKw kw, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    TRtfCharProps &ch = m_cur.ch;
    TRtfParaProps &para = m_cur.para;
    switch (kw) {
    case TKw::Deff:
        m_out.defaultFont = param;
        break;
    case TKw::F:
        ch.font = param;
        CharChanged();
        break;
    case TKw::Fs:
        ch.halfPoints = hasParam && param > 0 ? Clamp(param, 2, MaxHalfPoints) : 24;
        CharChanged();
        break;
    case TKw::B:
        ch.bold = on;
        CharChanged();
        break;
    case TKw::I:
        ch.italic = on;
        CharChanged();
        break;
    case TKw::Ul:
        ch.underline = on ? TRtfUnderline::Single : TRtfUnderline::None;
        CharChanged();
        break;
    case TKw::UlDotted:
    case TKw::UlDash:
    case TKw::UlDashDot:
    case TKw::UlDashDotDot:
    case TKw::UlWave: {
        static constexpr TRtfUnderline styles[] = {TRtfUnderline::Dotted, TRtfUnderline::Dash,
                                                   TRtfUnderline::DashDot, TRtfUnderline::DashDotDot,
                                                   TRtfUnderline::Wave};
        ch.underline = on ? styles[int(kw) - int(TKw::UlDotted)] : TRtfUnderline::None;
        CharChanged();
        break;
    }
    case TKw::UlNone:
        ch.underline = TRtfUnderline::None;
        CharChanged();
        break;
    case TKw::Strike:
        ch.strike = on;
        CharChanged();
        break;
    case TKw::Cf:
        ch.fore = hasParam ? Clamp(param, 0, MaxColours) : 0;
        CharChanged();
        break;
    case TKw::Cb:
        ch.back = hasParam ? Clamp(param, 0, MaxColours) : 0;
        CharChanged();
        break;
    case TKw::Plain:
        ch = TRtfCharProps();
        CharChanged();
        break;
    case TKw::Super:
        ch.vertical = on ? TRtfVertical::Super : TRtfVertical::Normal;
        CharChanged();
        break;
    case TKw::Sub:
        ch.vertical = on ? TRtfVertical::Sub : TRtfVertical::Normal;
        CharChanged();
        break;
    case TKw::NoSuperSub:
        ch.vertical = TRtfVertical::Normal;
        CharChanged();
        break;
    case TKw::Up:   // raised by half points: taken as superscript
    case TKw::Dn:
        if (!hasParam || param > 0)
            ch.vertical = kw == TKw::Up ? TRtfVertical::Super : TRtfVertical::Sub;
        else
            ch.vertical = TRtfVertical::Normal;
        CharChanged();
        break;
    case TKw::V:
        ch.hidden = on;
        CharChanged();
        break;
    case TKw::Par:
        EndParagraph();
        break;
    case TKw::Line:
        TextChar(u'\u2028');
        break;
    case TKw::Tab:
    case TKw::Cell:
        TextChar(u'\t');
        break;
    case TKw::Pard:
        para = TRtfParaProps();
        break;
    case TKw::Ql:
        para.align = TRtfAlign::Left;
        break;
    case TKw::Qc:
        para.align = TRtfAlign::Center;
        break;
    case TKw::Qr:
        para.align = TRtfAlign::Right;
        break;
    case TKw::Qj:
        para.align = TRtfAlign::Justify;
        break;
    case TKw::Li:
        para.leftIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TKw::Ri:
        para.rightIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TKw::Fi:
        para.firstIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TKw::Sb:
        para.spaceBefore = Clamp(param, 0, MaxTwips);
        break;
    case TKw::Sa:
        para.spaceAfter = Clamp(param, 0, MaxTwips);
        break;
    case TKw::Ls:
        para.listOverride = hasParam ? std::max(param, 0) : 0;
        break;
    case TKw::Ilvl:
        para.listLevel = Clamp(param, 0, MaxListLevels - 1);
        break;
    case TKw::EmDash:
        TextChar(u'\u2014');
        break;
    case TKw::EnDash:
        TextChar(u'\u2013');
        break;
    case TKw::Bullet:
        TextChar(u'\u2022');
        break;
    case TKw::LQuote:
        TextChar(u'\u2018');
        break;
    case TKw::RQuote:
        TextChar(u'\u2019');
        break;
    case TKw::LDblQuote:
        TextChar(u'\u201C');
        break;
    case TKw::RDblQuote:
        TextChar(u'\u201D');
        break;
    case TKw::EmSpace:
        TextChar(u'\u2003');
        break;
    case TKw::EnSpace:
        TextChar(u'\u2002');
        break;
    default:
        break;
    }
}

// Control words inside the font, colour and list tables and the old-style numbering group.
void TParser::TableWord(TKw kw, bool, int param)
{
    switch (m_cur.dest) {
    case TDest::FontTable:
        switch (kw) {
        case TKw::F:
            CommitFont();
            m_fontNumber = param;
            m_fontFamily = TRtfFontFamily::Nil;
            m_fontName.clear();
            m_fontOpen = true;
            break;
        case TKw::FNil: m_fontFamily = TRtfFontFamily::Nil; break;
        case TKw::FRoman: m_fontFamily = TRtfFontFamily::Roman; break;
        case TKw::FSwiss: m_fontFamily = TRtfFontFamily::Swiss; break;
        case TKw::FModern: m_fontFamily = TRtfFontFamily::Modern; break;
        case TKw::FScript: m_fontFamily = TRtfFontFamily::Script; break;
        case TKw::FDecor: m_fontFamily = TRtfFontFamily::Decor; break;
        case TKw::FTech: m_fontFamily = TRtfFontFamily::Tech; break;
        default: break;
        }
        break;
    case TDest::ColorTable:
        switch (kw) {
        case TKw::Red: m_red = Clamp(param, 0, 255); m_colourSet = true; break;
        case TKw::Green: m_green = Clamp(param, 0, 255); m_colourSet = true; break;
        case TKw::Blue: m_blue = Clamp(param, 0, 255); m_colourSet = true; break;
        default: break;
        }
        break;
    case TDest::ListTable:
        switch (kw) {
        case TKw::List:
            m_listDef = TRtfListDef();
            m_listId = -1;
            m_listOpen = true;
            break;
        case TKw::ListId:
            if (m_listOpen && m_listId < 0 && m_out.lists.size() < MaxLists) {
                m_listId = param;
                m_out.lists.insert(param, m_listDef);
            }
            break;
        case TKw::ListLevel:
            if (TRtfListDef *def = CurrentListDef(); def && def->levels.size() < MaxListLevels)
                def->levels.append(TRtfListLevel());
            break;
        case TKw::LevelNfc:
            if (TRtfListLevel *level = CurrentListLevel())
                level->numberForm = Clamp(param, 0, 255);
            break;
        case TKw::LevelText:
            m_cur.dest = TDest::LevelText;
            if (TRtfListLevel *level = CurrentListLevel())
                level->levelText.clear();
            break;
        default:
            break;
        }
        break;
    case TDest::ListOverrideTable:
        switch (kw) {
        case TKw::ListOverride:
            m_overrideListId = -1;
            m_overrideLs = -1;
            break;
        case TKw::ListId:
            m_overrideListId = param;
            break;
        case TKw::Ls:
            m_overrideLs = param;
            break;
        default:
            return;
        }
        if (m_overrideListId >= 0 && m_overrideLs > 0 && m_out.listOverrides.size() < MaxLists)
            m_out.listOverrides.insert(m_overrideLs, m_overrideListId);
        break;
    case TDest::Pn: {
        TRtfParaProps &para = PnTarget();
        switch (kw) {
        case TKw::PnLvlBlt:
            para.pnForm = RtfNfcBullet;
            para.pnLevel = 0;
            break;
        case TKw::PnLvlBody:
            para.pnForm = RtfNfcDecimal;
            para.pnLevel = 0;
            break;
        case TKw::PnLvl:
            para.pnForm = RtfNfcDecimal;
            para.pnLevel = Clamp(param - 1, 0, MaxListLevels - 1);
            break;
        case TKw::PnDec:
        case TKw::PnUcRm:
        case TKw::PnLcRm:
        case TKw::PnUcLtr:
        case TKw::PnLcLtr: {
            static constexpr int forms[] = {RtfNfcDecimal, RtfNfcUpperRoman, RtfNfcLowerRoman,
                                            RtfNfcUpperLetter, RtfNfcLowerLetter};
            if (para.pnForm != RtfNfcBullet)
                para.pnForm = forms[int(kw) - int(TKw::PnDec)];
            break;
        }
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

TRtfListDef *TParser::CurrentListDef()
{
    if (!m_listOpen)
        return nullptr;
    if (m_listId >= 0) {
        auto it = m_out.lists.find(m_listId);
        return it == m_out.lists.end() ? nullptr : &it.value();
    }
    return &m_listDef;
}

TRtfListLevel *TParser::CurrentListLevel()
{
    TRtfListDef *def = CurrentListDef();
    if (!def || def->levels.isEmpty())
        return nullptr;
    return &def->levels.last();
}

TRtfParaProps &TParser::PnTarget()
{
    if (m_pnOwner > 0 && m_pnOwner <= m_stack.size())
        return m_stack[m_pnOwner - 1].para;
    return m_cur.para;
}

void TParser::CommitFont()
{
    if (!m_fontOpen)
        return;
    m_fontOpen = false;
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    if (name.isEmpty() || (m_out.fonts.size() >= MaxFonts && !m_out.fonts.contains(m_fontNumber)))
        return;
    m_out.fonts.insert(m_fontNumber, TRtfFont{name, m_fontFamily});
}

void TParser::TextChar(char16_t c)
{
    switch (m_cur.dest) {
    case TDest::Body:
        AppendBody(c);
        break;
    case TDest::FontTable:
        if (c == u';')
            CommitFont();
        else if (m_fontOpen && m_fontName.size() < MaxNameLength)
            m_fontName.append(QChar(c));
        break;
    case TDest::ColorTable:
        if (c == u';') {
            if (m_out.colours.size() < MaxColours)
                m_out.colours.append(m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
            m_colourSet = false;
            m_red = m_green = m_blue = 0;
        }
        break;
    case TDest::LevelText:
        if (TRtfListLevel *level = CurrentListLevel(); level && level->levelText.size() < MaxNameLength)
            level->levelText.append(QChar(c));
        break;
    default:
        break;
    }
}

int TParser::PropsIndex()
{
    if (!m_propsValid) {
        auto it = m_propsIndex.constFind(m_cur.ch);
        if (it == m_propsIndex.cend()) {
            m_props = int(m_out.charProps.size());
            m_out.charProps.append(m_cur.ch);
            m_propsIndex.insert(m_cur.ch, m_props);
        } else {
            m_props = it.value();
        }
        m_propsValid = true;
    }
    return m_props;
}

void TParser::AppendBody(char16_t c)
{
    if (m_cur.ch.hidden)
        return;
    // characters the document model reserves for itself, and broken surrogate pairs
    if (c < 0x20 && c != u'\t')
        return;
    if (c == 0x2029)
        return;
    if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF)
        c = 0xFFFD;
    if (QChar::isHighSurrogate(c)) {
        if (m_highSurrogate)
            AppendBody(0xFFFD);
        m_highSurrogate = c;
        return;
    }
    char16_t high = 0;
    if (QChar::isLowSurrogate(c)) {
        if (!m_highSurrogate) {
            c = 0xFFFD;
        } else {
            high = m_highSurrogate;
        }
    } else if (m_highSurrogate) {
        m_highSurrogate = 0;
        AppendBody(0xFFFD);
    }
    m_highSurrogate = 0;

    if (m_paraPending) {
        // the paragraph after a \par starts only when something follows it
        m_paraPending = false;
        m_paraFirstRun = qsizetype(m_out.runs.size());
    }
    const int props = PropsIndex();
    const qsizetype count = high ? 2 : 1;
    if (qsizetype(m_out.runs.size()) > m_paraFirstRun && m_out.runs.back().props == props) {
        m_out.runs.back().length += count;
    } else {
        if (qsizetype(m_out.runs.size()) >= TRtfReader::MaxRuns) {
            Fail(QStringLiteral("Der RTF-Text hat zu viele Formatwechsel (mehr als %1).").arg(TRtfReader::MaxRuns));
            return;
        }
        m_out.runs.push_back(TRtfRun{props, m_out.text.size(), count});
    }
    if (high)
        m_out.text.append(QChar(high));
    m_out.text.append(QChar(c));
}

void TParser::EndParagraph()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        AppendBody(0xFFFD);
    }
    if (m_paraPending)
        m_paraFirstRun = qsizetype(m_out.runs.size());
    if (qsizetype(m_out.paragraphs.size()) >= TRtfReader::MaxParagraphs) {
        Fail(QStringLiteral("Der RTF-Text hat zu viele Absätze (mehr als %1).").arg(TRtfReader::MaxParagraphs));
        return;
    }
    TRtfParagraph paragraph;
    paragraph.para = m_cur.para;
    paragraph.markProps = PropsIndex();
    paragraph.firstRun = m_paraFirstRun;
    paragraph.runCount = qsizetype(m_out.runs.size()) - m_paraFirstRun;
    m_out.paragraphs.push_back(paragraph);
    m_paraFirstRun = qsizetype(m_out.runs.size());
    m_paraPending = true;
}

void TParser::Finish()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        AppendBody(0xFFFD);
    }
    // text after the last \par makes a last paragraph; an empty one is dropped
    if (!m_paraPending && qsizetype(m_out.runs.size()) > m_paraFirstRun)
        EndParagraph();
    else if (!m_paraPending && m_out.paragraphs.empty())
        EndParagraph();
}

} // namespace

bool TRtfReader::IsRtf(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
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
    TParser parser(content);
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
