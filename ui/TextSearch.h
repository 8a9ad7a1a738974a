#pragma once
// TTextSearch: finds a search text in a plain text, literally or as a regular expression,
// with or without regard to case, optionally as a whole word only. No widgets.
#include "SearchOptions.h"

#include <QRegularExpression>
#include <QString>

class TTextSearch
{
public:
    struct TMatch {
        int Start = -1;
        int Length = 0;
        bool IsValid() const { return Start >= 0; }
        int End() const { return Start + Length; }
    };

    explicit TTextSearch(const TSearchOptions &options);

    // A German message when the pattern cannot be used, empty otherwise.
    QString Error() const { return m_error; }

    // The first match that starts at or after from and ends at or before end.
    TMatch FindForward(const QString &text, int from, int end) const;
    // The last match that starts at or after start, before before, and ends at or before end.
    TMatch FindBackward(const QString &text, int start, int before, int end) const;

private:
    TMatch Candidate(const QString &text, int from, int end) const;
    bool IsWholeWord(const QString &text, const TMatch &match) const;

    QString m_text;
    Qt::CaseSensitivity m_case;
    bool m_wholeWords;
    bool m_regular;
    QRegularExpression m_expression;
    QString m_error;
};
