#include "RtfParser.h"

#include "RtfCodePage.h"
#include "RtfReader.h"

#include <algorithm>

namespace
{

constexpr int MaxFonts = 4096;
constexpr int MaxColours = 4096;
constexpr int MaxLists = 1024;
constexpr int MaxListLevels = 9;
constexpr qsizetype MaxNameLength = 256;
constexpr int MaxTwips = 31680;     // 22 inches
constexpr int MaxHalfPoints = 3276; // 1638 points

int Clamp(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

} // namespace

TRtfParser::TRtfParser(TRtfContent &content) : m_out(content)
{
    RtfCodePage::ByteTable(1252, m_codePage);
}

bool TRtfParser::Run(const char *data, qsizetype size, QString &error)
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
                TextChar(DecodeByte(c));
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

void TRtfParser::PushGroup()
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

void TRtfParser::PopGroup()
{
    if (m_cur.dest == TDest::FontTable)
        CommitFont();
    m_cur = m_stack.back();
    m_stack.pop_back();
    CharChanged();
}

void TRtfParser::ControlToken()
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
                TextChar(DecodeByte(static_cast<unsigned char>(value)));
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

void TRtfParser::ControlSymbol(char c)
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

void TRtfParser::ControlWord(std::string_view name, bool hasParam, int param)
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
    const TRtfKeyword *found = FindRtfKeyword(name);
    if (!found) {
        if (star)
            m_cur.dest = TDest::Skip;
        return;
    }
    const TRtfKeyword kw = *found;
    if (m_cur.dest == TDest::Upr) {
        if (kw == TRtfKeyword::Ud)
            m_cur.dest = m_cur.uprOuter;
        return;
    }
    switch (kw) {
    case TRtfKeyword::SkipDest:
        m_cur.dest = TDest::Skip;
        return;
    case TRtfKeyword::FontTbl:
        m_cur.dest = TDest::FontTable;
        return;
    case TRtfKeyword::ColorTbl:
        m_cur.dest = TDest::ColorTable;
        m_colourSet = false;
        m_red = m_green = m_blue = 0;
        return;
    case TRtfKeyword::ListTable:
        m_cur.dest = TDest::ListTable;
        return;
    case TRtfKeyword::ListOverrideTable:
        m_cur.dest = TDest::ListOverrideTable;
        return;
    case TRtfKeyword::Upr:
        m_cur.uprOuter = m_cur.dest;
        m_cur.dest = TDest::Upr;
        return;
    case TRtfKeyword::Ud:
        return;
    case TRtfKeyword::Pn:
        if (m_cur.dest == TDest::Body) {
            m_cur.dest = TDest::Pn;
            m_pnOwner = m_stack.size();
        } else {
            m_cur.dest = TDest::Skip;
        }
        return;
    case TRtfKeyword::U: {
        if (!hasParam || param < -32768 || param > 65535)
            return;
        TextChar(char16_t(param < 0 ? param + 65536 : param));
        m_ucSkip = m_cur.uc;
        return;
    }
    case TRtfKeyword::Uc:
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

void TRtfParser::BodyWord(TRtfKeyword kw, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    TRtfCharProps &ch = m_cur.ch;
    TRtfParaProps &para = m_cur.para;
    switch (kw) {
    case TRtfKeyword::Deff:
        m_out.defaultFont = param;
        break;
    case TRtfKeyword::AnsiCpg: {
        // other code pages than the single-byte Windows ones stay at 1252
        auto it = m_codePages.constFind(param);
        if (it == m_codePages.cend()) {
            RtfCodePage::TTable table;
            if (!RtfCodePage::ByteTable(param, table))
                break;
            it = m_codePages.insert(param, table);
        }
        m_codePage = it.value();
        break;
    }
    case TRtfKeyword::F:
        ch.font = param;
        CharChanged();
        break;
    case TRtfKeyword::Fs:
        ch.halfPoints = hasParam && param > 0 ? Clamp(param, 2, MaxHalfPoints) : 24;
        CharChanged();
        break;
    case TRtfKeyword::B:
        ch.bold = on;
        CharChanged();
        break;
    case TRtfKeyword::I:
        ch.italic = on;
        CharChanged();
        break;
    case TRtfKeyword::Ul:
        ch.underline = on ? TRtfUnderline::Single : TRtfUnderline::None;
        CharChanged();
        break;
    case TRtfKeyword::UlDotted:
    case TRtfKeyword::UlDash:
    case TRtfKeyword::UlDashDot:
    case TRtfKeyword::UlDashDotDot:
    case TRtfKeyword::UlWave: {
        static constexpr TRtfUnderline styles[] = {TRtfUnderline::Dotted, TRtfUnderline::Dash,
                                                   TRtfUnderline::DashDot,
                                                   TRtfUnderline::DashDotDot, TRtfUnderline::Wave};
        ch.underline = on ? styles[int(kw) - int(TRtfKeyword::UlDotted)] : TRtfUnderline::None;
        CharChanged();
        break;
    }
    case TRtfKeyword::UlNone:
        ch.underline = TRtfUnderline::None;
        CharChanged();
        break;
    case TRtfKeyword::Strike:
        ch.strike = on;
        CharChanged();
        break;
    case TRtfKeyword::Cf:
        ch.fore = hasParam ? Clamp(param, 0, MaxColours) : 0;
        CharChanged();
        break;
    case TRtfKeyword::Cb:
        ch.back = hasParam ? Clamp(param, 0, MaxColours) : 0;
        CharChanged();
        break;
    case TRtfKeyword::Plain:
        ch = TRtfCharProps();
        CharChanged();
        break;
    case TRtfKeyword::Super:
        ch.vertical = on ? TRtfVertical::Super : TRtfVertical::Normal;
        CharChanged();
        break;
    case TRtfKeyword::Sub:
        ch.vertical = on ? TRtfVertical::Sub : TRtfVertical::Normal;
        CharChanged();
        break;
    case TRtfKeyword::NoSuperSub:
        ch.vertical = TRtfVertical::Normal;
        CharChanged();
        break;
    case TRtfKeyword::Up: // raised by half points: taken as superscript
    case TRtfKeyword::Dn:
        if (!hasParam || param > 0)
            ch.vertical = kw == TRtfKeyword::Up ? TRtfVertical::Super : TRtfVertical::Sub;
        else
            ch.vertical = TRtfVertical::Normal;
        CharChanged();
        break;
    case TRtfKeyword::V:
        ch.hidden = on;
        CharChanged();
        break;
    case TRtfKeyword::Par:
        EndParagraph();
        break;
    case TRtfKeyword::Line:
        TextChar(u'\u2028');
        break;
    case TRtfKeyword::Tab:
    case TRtfKeyword::Cell:
        TextChar(u'\t');
        break;
    case TRtfKeyword::Pard:
        para = TRtfParaProps();
        break;
    case TRtfKeyword::Ql:
        para.align = TRtfAlign::Left;
        break;
    case TRtfKeyword::Qc:
        para.align = TRtfAlign::Center;
        break;
    case TRtfKeyword::Qr:
        para.align = TRtfAlign::Right;
        break;
    case TRtfKeyword::Qj:
        para.align = TRtfAlign::Justify;
        break;
    case TRtfKeyword::Li:
        para.leftIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TRtfKeyword::Ri:
        para.rightIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TRtfKeyword::Fi:
        para.firstIndent = Clamp(param, -MaxTwips, MaxTwips);
        break;
    case TRtfKeyword::Sb:
        para.spaceBefore = Clamp(param, 0, MaxTwips);
        break;
    case TRtfKeyword::Sa:
        para.spaceAfter = Clamp(param, 0, MaxTwips);
        break;
    case TRtfKeyword::Ls:
        para.listOverride = hasParam ? std::max(param, 0) : 0;
        break;
    case TRtfKeyword::Ilvl:
        para.listLevel = Clamp(param, 0, MaxListLevels - 1);
        break;
    case TRtfKeyword::EmDash:
        TextChar(u'\u2014');
        break;
    case TRtfKeyword::EnDash:
        TextChar(u'\u2013');
        break;
    case TRtfKeyword::Bullet:
        TextChar(u'\u2022');
        break;
    case TRtfKeyword::LQuote:
        TextChar(u'\u2018');
        break;
    case TRtfKeyword::RQuote:
        TextChar(u'\u2019');
        break;
    case TRtfKeyword::LDblQuote:
        TextChar(u'\u201C');
        break;
    case TRtfKeyword::RDblQuote:
        TextChar(u'\u201D');
        break;
    case TRtfKeyword::EmSpace:
        TextChar(u'\u2003');
        break;
    case TRtfKeyword::EnSpace:
        TextChar(u'\u2002');
        break;
    default:
        break;
    }
}

// Control words inside the font, colour and list tables and the old-style numbering group.
void TRtfParser::TableWord(TRtfKeyword kw, bool, int param)
{
    switch (m_cur.dest) {
    case TDest::FontTable:
        switch (kw) {
        case TRtfKeyword::F:
            CommitFont();
            m_fontNumber = param;
            m_fontFamily = TRtfFontFamily::Nil;
            m_fontCodePage = 0;
            m_fontName.clear();
            m_fontOpen = true;
            break;
        case TRtfKeyword::FCharset:
            m_fontCodePage = RtfCodePage::CodePageOfCharset(param);
            break;
        case TRtfKeyword::FNil:
            m_fontFamily = TRtfFontFamily::Nil;
            break;
        case TRtfKeyword::FRoman:
            m_fontFamily = TRtfFontFamily::Roman;
            break;
        case TRtfKeyword::FSwiss:
            m_fontFamily = TRtfFontFamily::Swiss;
            break;
        case TRtfKeyword::FModern:
            m_fontFamily = TRtfFontFamily::Modern;
            break;
        case TRtfKeyword::FScript:
            m_fontFamily = TRtfFontFamily::Script;
            break;
        case TRtfKeyword::FDecor:
            m_fontFamily = TRtfFontFamily::Decor;
            break;
        case TRtfKeyword::FTech:
            m_fontFamily = TRtfFontFamily::Tech;
            break;
        default:
            break;
        }
        break;
    case TDest::ColorTable:
        switch (kw) {
        case TRtfKeyword::Red:
            m_red = Clamp(param, 0, 255);
            m_colourSet = true;
            break;
        case TRtfKeyword::Green:
            m_green = Clamp(param, 0, 255);
            m_colourSet = true;
            break;
        case TRtfKeyword::Blue:
            m_blue = Clamp(param, 0, 255);
            m_colourSet = true;
            break;
        default:
            break;
        }
        break;
    case TDest::ListTable:
        switch (kw) {
        case TRtfKeyword::List:
            m_listDef = TRtfListDef();
            m_listId = -1;
            m_listOpen = true;
            break;
        case TRtfKeyword::ListId:
            if (m_listOpen && m_listId < 0 && m_out.lists.size() < MaxLists) {
                m_listId = param;
                m_out.lists.insert(param, m_listDef);
            }
            break;
        case TRtfKeyword::ListLevel:
            if (TRtfListDef *def = CurrentListDef(); def && def->levels.size() < MaxListLevels)
                def->levels.append(TRtfListLevel());
            break;
        case TRtfKeyword::LevelNfc:
            if (TRtfListLevel *level = CurrentListLevel())
                level->numberForm = Clamp(param, 0, 255);
            break;
        case TRtfKeyword::LevelText:
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
        case TRtfKeyword::ListOverride:
            m_overrideListId = -1;
            m_overrideLs = -1;
            break;
        case TRtfKeyword::ListId:
            m_overrideListId = param;
            break;
        case TRtfKeyword::Ls:
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
        case TRtfKeyword::PnLvlBlt:
            para.pnForm = RtfNfcBullet;
            para.pnLevel = 0;
            break;
        case TRtfKeyword::PnLvlBody:
            para.pnForm = RtfNfcDecimal;
            para.pnLevel = 0;
            break;
        case TRtfKeyword::PnLvl:
            para.pnForm = RtfNfcDecimal;
            para.pnLevel = Clamp(param - 1, 0, MaxListLevels - 1);
            break;
        case TRtfKeyword::PnDec:
        case TRtfKeyword::PnUcRm:
        case TRtfKeyword::PnLcRm:
        case TRtfKeyword::PnUcLtr:
        case TRtfKeyword::PnLcLtr: {
            static constexpr int forms[] = {RtfNfcDecimal, RtfNfcUpperRoman, RtfNfcLowerRoman,
                                            RtfNfcUpperLetter, RtfNfcLowerLetter};
            if (para.pnForm != RtfNfcBullet)
                para.pnForm = forms[int(kw) - int(TRtfKeyword::PnDec)];
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

TRtfListDef *TRtfParser::CurrentListDef()
{
    if (!m_listOpen)
        return nullptr;
    if (m_listId >= 0) {
        auto it = m_out.lists.find(m_listId);
        return it == m_out.lists.end() ? nullptr : &it.value();
    }
    return &m_listDef;
}

TRtfListLevel *TRtfParser::CurrentListLevel()
{
    TRtfListDef *def = CurrentListDef();
    if (!def || def->levels.isEmpty())
        return nullptr;
    return &def->levels.last();
}

TRtfParaProps &TRtfParser::PnTarget()
{
    if (m_pnOwner > 0 && m_pnOwner <= m_stack.size())
        return m_stack[m_pnOwner - 1].para;
    return m_cur.para;
}

void TRtfParser::CommitFont()
{
    if (!m_fontOpen)
        return;
    m_fontOpen = false;
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    if (name.isEmpty() || (m_out.fonts.size() >= MaxFonts && !m_out.fonts.contains(m_fontNumber)))
        return;
    m_out.fonts.insert(m_fontNumber, TRtfFont{name, m_fontFamily, m_fontCodePage});
}

void TRtfParser::TextChar(char16_t c)
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
        if (TRtfListLevel *level = CurrentListLevel();
            level && level->levelText.size() < MaxNameLength)
            level->levelText.append(QChar(c));
        break;
    default:
        break;
    }
}

// Bytes above 127 in the code page of the current font's character set, else in the
// document's.
char16_t TRtfParser::DecodeByte(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    int codePage = 0;
    if (m_cur.dest == TDest::FontTable) {
        codePage = m_fontCodePage;
    } else if (m_cur.dest == TDest::Body) {
        const auto font =
            m_out.fonts.constFind(m_cur.ch.font < 0 ? m_out.defaultFont : m_cur.ch.font);
        if (font != m_out.fonts.cend())
            codePage = font->codePage;
    }
    if (codePage == 0)
        return m_codePage[byte];
    auto it = m_codePages.constFind(codePage);
    if (it == m_codePages.cend()) {
        RtfCodePage::TTable table = m_codePage;
        RtfCodePage::ByteTable(codePage, table);
        it = m_codePages.insert(codePage, table);
    }
    return it.value()[byte];
}

int TRtfParser::PropsIndex()
{
    if (!m_propsValid) {
        auto it = m_propsIndex.constFind(m_cur.ch);
        if (it == m_propsIndex.cend()) {
            if (m_out.charProps.size() >= TRtfReader::MaxCharFormats) {
                Fail(QStringLiteral(
                         "Der RTF-Text hat zu viele verschiedene Zeichenformate (mehr als %1).")
                         .arg(TRtfReader::MaxCharFormats));
                return 0;
            }
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

void TRtfParser::AppendBody(char16_t c)
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
            Fail(QStringLiteral("Der RTF-Text hat zu viele Formatwechsel (mehr als %1).")
                     .arg(TRtfReader::MaxRuns));
            return;
        }
        m_out.runs.push_back(TRtfRun{props, m_out.text.size(), count});
    }
    if (high)
        m_out.text.append(QChar(high));
    m_out.text.append(QChar(c));
}

void TRtfParser::EndParagraph()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        AppendBody(0xFFFD);
    }
    if (m_paraPending)
        m_paraFirstRun = qsizetype(m_out.runs.size());
    if (qsizetype(m_out.paragraphs.size()) >= TRtfReader::MaxParagraphs) {
        Fail(QStringLiteral("Der RTF-Text hat zu viele Absätze (mehr als %1).")
                 .arg(TRtfReader::MaxParagraphs));
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

void TRtfParser::Finish()
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
