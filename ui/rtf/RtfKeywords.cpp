#include "RtfKeywords.h"

#include <unordered_map>

namespace {

const std::unordered_map<std::string_view, TRtfKeyword> &Keywords()
{
    static const std::unordered_map<std::string_view, TRtfKeyword> table = {
        // groups whose content is never text
        {"stylesheet", TRtfKeyword::SkipDest}, {"info", TRtfKeyword::SkipDest}, {"header", TRtfKeyword::SkipDest},
        {"headerl", TRtfKeyword::SkipDest}, {"headerr", TRtfKeyword::SkipDest}, {"headerf", TRtfKeyword::SkipDest},
        {"footer", TRtfKeyword::SkipDest}, {"footerl", TRtfKeyword::SkipDest}, {"footerr", TRtfKeyword::SkipDest},
        {"footerf", TRtfKeyword::SkipDest}, {"footnote", TRtfKeyword::SkipDest}, {"pict", TRtfKeyword::SkipDest},
        {"fldinst", TRtfKeyword::SkipDest}, {"xe", TRtfKeyword::SkipDest},
        {"tc", TRtfKeyword::SkipDest}, {"txe", TRtfKeyword::SkipDest}, {"rxe", TRtfKeyword::SkipDest},
        {"pntext", TRtfKeyword::SkipDest}, {"listtext", TRtfKeyword::SkipDest}, {"pntxta", TRtfKeyword::SkipDest},
        {"pntxtb", TRtfKeyword::SkipDest}, {"listname", TRtfKeyword::SkipDest}, {"levelnumbers", TRtfKeyword::SkipDest},
        {"themedata", TRtfKeyword::SkipDest}, {"colorschememapping", TRtfKeyword::SkipDest},
        {"datastore", TRtfKeyword::SkipDest}, {"latentstyles", TRtfKeyword::SkipDest}, {"revtbl", TRtfKeyword::SkipDest},
        {"rsidtbl", TRtfKeyword::SkipDest}, {"generator", TRtfKeyword::SkipDest}, {"userprops", TRtfKeyword::SkipDest},
        {"docvar", TRtfKeyword::SkipDest}, {"template", TRtfKeyword::SkipDest}, {"filetbl", TRtfKeyword::SkipDest},
        {"pgdsctbl", TRtfKeyword::SkipDest}, {"annotation", TRtfKeyword::SkipDest}, {"atnid", TRtfKeyword::SkipDest},
        {"atnauthor", TRtfKeyword::SkipDest}, {"shp", TRtfKeyword::SkipDest}, {"shppict", TRtfKeyword::SkipDest},
        {"nonshppict", TRtfKeyword::SkipDest}, {"bkmkstart", TRtfKeyword::SkipDest}, {"bkmkend", TRtfKeyword::SkipDest},
        {"falt", TRtfKeyword::SkipDest}, {"panose", TRtfKeyword::SkipDest}, {"objdata", TRtfKeyword::SkipDest},
        {"ftnsep", TRtfKeyword::SkipDest}, {"ftnsepc", TRtfKeyword::SkipDest}, {"ftncn", TRtfKeyword::SkipDest},
        {"aftnsep", TRtfKeyword::SkipDest}, {"aftnsepc", TRtfKeyword::SkipDest}, {"aftncn", TRtfKeyword::SkipDest},
        {"xmlnstbl", TRtfKeyword::SkipDest}, {"comment", TRtfKeyword::SkipDest}, {"fldtype", TRtfKeyword::SkipDest},
        {"fonttbl", TRtfKeyword::FontTbl}, {"colortbl", TRtfKeyword::ColorTbl}, {"listtable", TRtfKeyword::ListTable},
        {"listoverridetable", TRtfKeyword::ListOverrideTable}, {"list", TRtfKeyword::List},
        {"listlevel", TRtfKeyword::ListLevel}, {"leveltext", TRtfKeyword::LevelText}, {"listid", TRtfKeyword::ListId},
        {"listoverride", TRtfKeyword::ListOverride}, {"pn", TRtfKeyword::Pn}, {"upr", TRtfKeyword::Upr}, {"ud", TRtfKeyword::Ud},
        {"deff", TRtfKeyword::Deff}, {"ansicpg", TRtfKeyword::AnsiCpg}, {"uc", TRtfKeyword::Uc}, {"u", TRtfKeyword::U},
        {"f", TRtfKeyword::F}, {"fcharset", TRtfKeyword::FCharset}, {"fnil", TRtfKeyword::FNil}, {"froman", TRtfKeyword::FRoman}, {"fswiss", TRtfKeyword::FSwiss},
        {"fmodern", TRtfKeyword::FModern}, {"fscript", TRtfKeyword::FScript}, {"fdecor", TRtfKeyword::FDecor},
        {"ftech", TRtfKeyword::FTech}, {"fbidi", TRtfKeyword::FNil},
        {"red", TRtfKeyword::Red}, {"green", TRtfKeyword::Green}, {"blue", TRtfKeyword::Blue},
        {"fs", TRtfKeyword::Fs}, {"b", TRtfKeyword::B}, {"i", TRtfKeyword::I}, {"ul", TRtfKeyword::Ul}, {"uldb", TRtfKeyword::Ul},
        {"ulw", TRtfKeyword::Ul}, {"ulth", TRtfKeyword::Ul}, {"uld", TRtfKeyword::UlDotted}, {"ulthd", TRtfKeyword::UlDotted},
        {"uldash", TRtfKeyword::UlDash}, {"ulthdash", TRtfKeyword::UlDash}, {"ulldash", TRtfKeyword::UlDash},
        {"uldashd", TRtfKeyword::UlDashDot}, {"ulthdashd", TRtfKeyword::UlDashDot},
        {"uldashdd", TRtfKeyword::UlDashDotDot}, {"ulthdashdd", TRtfKeyword::UlDashDotDot},
        {"ulwave", TRtfKeyword::UlWave}, {"ulhwave", TRtfKeyword::UlWave}, {"ululdbwave", TRtfKeyword::UlWave},
        {"ulnone", TRtfKeyword::UlNone}, {"strike", TRtfKeyword::Strike}, {"striked", TRtfKeyword::Strike},
        {"cf", TRtfKeyword::Cf}, {"cb", TRtfKeyword::Cb}, {"highlight", TRtfKeyword::Cb}, {"chcbpat", TRtfKeyword::Cb},
        {"plain", TRtfKeyword::Plain}, {"super", TRtfKeyword::Super}, {"sub", TRtfKeyword::Sub},
        {"nosupersub", TRtfKeyword::NoSuperSub}, {"up", TRtfKeyword::Up}, {"dn", TRtfKeyword::Dn}, {"v", TRtfKeyword::V},
        {"par", TRtfKeyword::Par}, {"sect", TRtfKeyword::Par}, {"page", TRtfKeyword::Par}, {"row", TRtfKeyword::Par},
        {"line", TRtfKeyword::Line}, {"tab", TRtfKeyword::Tab}, {"cell", TRtfKeyword::Cell}, {"pard", TRtfKeyword::Pard},
        {"ql", TRtfKeyword::Ql}, {"qc", TRtfKeyword::Qc}, {"qr", TRtfKeyword::Qr}, {"qj", TRtfKeyword::Qj}, {"qd", TRtfKeyword::Qj},
        {"li", TRtfKeyword::Li}, {"lin", TRtfKeyword::Li}, {"ri", TRtfKeyword::Ri}, {"rin", TRtfKeyword::Ri}, {"fi", TRtfKeyword::Fi},
        {"sb", TRtfKeyword::Sb}, {"sa", TRtfKeyword::Sa}, {"ls", TRtfKeyword::Ls}, {"ilvl", TRtfKeyword::Ilvl},
        {"levelnfc", TRtfKeyword::LevelNfc}, {"levelnfcn", TRtfKeyword::LevelNfc},
        {"pnlvlblt", TRtfKeyword::PnLvlBlt}, {"pnlvlbody", TRtfKeyword::PnLvlBody}, {"pnlvl", TRtfKeyword::PnLvl},
        {"pndec", TRtfKeyword::PnDec}, {"pnucrm", TRtfKeyword::PnUcRm}, {"pnlcrm", TRtfKeyword::PnLcRm},
        {"pnucltr", TRtfKeyword::PnUcLtr}, {"pnlcltr", TRtfKeyword::PnLcLtr},
        {"emdash", TRtfKeyword::EmDash}, {"endash", TRtfKeyword::EnDash}, {"bullet", TRtfKeyword::Bullet},
        {"lquote", TRtfKeyword::LQuote}, {"rquote", TRtfKeyword::RQuote}, {"ldblquote", TRtfKeyword::LDblQuote},
        {"rdblquote", TRtfKeyword::RDblQuote}, {"emspace", TRtfKeyword::EmSpace}, {"enspace", TRtfKeyword::EnSpace},
    };
    return table;
}

} // namespace

const TRtfKeyword *FindRtfKeyword(std::string_view name)
{
    const auto &table = Keywords();
    const auto it = table.find(name);
    return it == table.end() ? nullptr : &it->second;
}
