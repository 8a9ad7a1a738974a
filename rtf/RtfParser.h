#pragma once
// One pass over RTF bytes that fills a TRtfContent: a tokenizer with a group stack, the
// destinations it reads (font, colour and list tables, old-style numbering) and the runs
// and paragraphs of the body.
#include "RtfCodePage.h"
#include "RtfContent.h"
#include "RtfKeywords.h"

#include <QHash>
#include <QString>

#include <string_view>
#include <vector>

class TRtfParser
{
public:
    explicit TRtfParser(TRtfContent &content);

    bool Run(const char *data, qsizetype size, QString &error);

private:
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

    struct TState {
        TRtfCharProps ch;
        TRtfParaProps para;
        TDest dest = TDest::Body;
        TDest uprOuter = TDest::Body;
        int uc = 1;
    };

    void ControlToken();
    void ControlWord(std::string_view name, bool hasParam, int param);
    void ControlSymbol(char c);
    void BodyWord(TRtfKeyword kw, bool hasParam, int param);
    void TableWord(TRtfKeyword kw, bool hasParam, int param);
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
    char16_t DecodeByte(unsigned char byte);
    void CharChanged() { m_propsValid = false; }
    void Fail(const QString &message)
    {
        if (!m_failed)
            m_error = message;
        m_failed = true;
    }

    TRtfContent &m_out;
    RtfCodePage::TTable m_codePage; // byte to character, from \ansicpg
    QHash<int, RtfCodePage::TTable> m_codePages;
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
    bool m_paraPending = false; // a \par was read and no text followed yet
    bool m_failed = false;
    QString m_error;

    // font table entry being read
    int m_fontNumber = 0;
    TRtfFontFamily m_fontFamily = TRtfFontFamily::Nil;
    int m_fontCodePage = 0;
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
