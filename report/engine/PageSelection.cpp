#include "PageSelection.h"

#include "ReportError.h"

#include <algorithm>

namespace
{
constexpr qint64 Huge = 1000000000; // numbers beyond this are all "past the end"

class TSelectionParser
{
public:
    explicit TSelectionParser(const QString &text) : m_text(text) {}

    void SkipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == u' ')
            ++m_pos;
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool Take(QChar c)
    {
        SkipBlanks();
        if (!AtEnd() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // A number, or -1 when none follows.
    qint64 Number()
    {
        SkipBlanks();
        qint64 value = -1;
        while (!AtEnd() && m_text[m_pos].isDigit() && m_text[m_pos].unicode() < 128) {
            value =
                std::min(Huge, std::max<qint64>(value, 0) * 10 + (m_text[m_pos].unicode() - '0'));
            ++m_pos;
        }
        return value;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};
} // namespace

QList<int> TPageSelection::Parse(const QString &text, int pageCount)
{
    auto bad = [&]() {
        return EReportError(QStringLiteral("'%1' ist keine gültige Seitenauswahl.").arg(text));
    };
    QList<int> pages;
    if (text.trimmed().isEmpty()) {
        for (int page = 1; page <= pageCount; ++page)
            pages.append(page);
        return pages;
    }
    QList<bool> chosen(std::max(pageCount, 0) + 1, false);
    TSelectionParser in(text);
    do {
        qint64 first = in.Number();
        qint64 last = first;
        if (in.Take(u'-')) {
            last = in.Number();
            if (first < 0 && last < 0)
                throw bad();
            if (first < 0)
                first = 1;
            if (last < 0)
                last = Huge;
            if (last < first)
                throw bad();
        } else if (first < 0) {
            throw bad();
        }
        for (qint64 page = std::max<qint64>(first, 1); page <= std::min<qint64>(last, pageCount);
             ++page)
            chosen[page] = true;
        in.SkipBlanks();
    } while (in.Take(u','));
    if (!in.AtEnd())
        throw bad();
    for (int page = 1; page <= pageCount; ++page)
        if (chosen[page])
            pages.append(page);
    return pages;
}
