#include "TextSearch.h"

namespace
{
bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

TTextSearch::TTextSearch(const TSearchOptions &options)
    : m_text(options.SearchText),
      m_case(options.CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive),
      m_wholeWords(options.WholeWords), m_regular(options.RegularExpressions)
{
    if (!m_regular || m_text.isEmpty())
        return;
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.CaseSensitive)
        flags |= QRegularExpression::CaseInsensitiveOption;
    m_expression = QRegularExpression(m_text, flags);
    if (!m_expression.isValid())
        m_error = QStringLiteral("Der reguläre Ausdruck „%1“ ist ungültig: %2")
                      .arg(m_text, m_expression.errorString());
}

TTextSearch::TMatch TTextSearch::Candidate(const QString &text, int from, int end) const
{
    TMatch match;
    if (m_text.isEmpty() || !m_error.isEmpty() || from < 0 || from >= end)
        return match;
    if (!m_regular) {
        const int at = text.indexOf(m_text, from, m_case);
        if (at >= 0 && at + m_text.size() <= end) {
            match.Start = at;
            match.Length = int(m_text.size());
        }
        return match;
    }
    // The region's end is the subject's end; empty matches never count.
    const QString subject = text.left(end);
    for (int at = from; at < end;) {
        const QRegularExpressionMatch found = m_expression.match(subject, at);
        if (!found.hasMatch())
            break;
        if (found.capturedLength() > 0) {
            match.Start = int(found.capturedStart());
            match.Length = int(found.capturedLength());
            break;
        }
        at = int(found.capturedStart()) + 1;
    }
    return match;
}

bool TTextSearch::IsWholeWord(const QString &text, const TMatch &match) const
{
    if (!m_wholeWords)
        return true;
    const bool startOk = match.Start == 0 || !IsWordChar(text.at(match.Start - 1));
    const bool endOk = match.End() >= text.size() || !IsWordChar(text.at(match.End()));
    return startOk && endOk;
}

TTextSearch::TMatch TTextSearch::FindForward(const QString &text, int from, int end) const
{
    end = qMin(end, int(text.size()));
    for (TMatch match = Candidate(text, qMax(from, 0), end); match.IsValid();
         match = Candidate(text, match.Start + 1, end)) {
        if (IsWholeWord(text, match))
            return match;
    }
    return {};
}

TTextSearch::TMatch TTextSearch::FindBackward(const QString &text, int start, int before,
                                              int end) const
{
    TMatch last;
    for (TMatch match = FindForward(text, start, end); match.IsValid() && match.Start < before;
         match = FindForward(text, match.Start + 1, end))
        last = match;
    return last;
}
