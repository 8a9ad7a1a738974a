#include "DbGridSortFieldItems.h"

#include <QRegularExpression>

namespace
{

// A keyword standing as a word of its own (not part of a longer name), any case.
QRegularExpressionMatch FindKeyword(const QString &text, const QRegularExpression &keyword,
                                    qsizetype from = 0)
{
    return keyword.match(text, from);
}

const QRegularExpression &SelectWord()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\w$])select(?![\\w$])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &FromWord()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\w$])from(?![\\w$])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &OrderByWords()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\w$])order\\s+by(?![\\w$])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool SameText(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "alias.field <tail>" with the tail starting at tailAt (-1: none): the alias and the field.
void SplitColumn(const QString &item, qsizetype tailAt, TDbGridSortFieldItem &result)
{
    const QString column = tailAt >= 0 ? item.left(tailAt) : item;
    const qsizetype dot = column.indexOf(u'.');
    result.TableAlias = dot >= 0 ? column.left(dot).trimmed() : QString();
    result.FieldName = (dot >= 0 ? column.mid(dot + 1) : column).trimmed();
}

} // namespace

void TDbGridSortFieldItem::ToggleDirection()
{
    Direction =
        SameText(Direction, QStringLiteral("asc")) ? QStringLiteral("desc") : QStringLiteral("asc");
}

TDbGridSortFieldItem *TDbGridSortFieldItems::Add(const QString &text)
{
    m_entries.push_back({text, std::make_unique<TDbGridSortFieldItem>()});
    return m_entries.back().Item.get();
}

void TDbGridSortFieldItems::Exchange(int first, int second)
{
    std::swap(m_entries[size_t(first)], m_entries[size_t(second)]);
}

void TDbGridSortFieldItems::SplitItems(const QString &text)
{
    Clear();
    const QStringList pieces = text.split(u',');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString piece = pieces[i];
        piece.replace(u'\r', u' ').replace(u'\n', u' ');
        piece = piece.simplified();
        if (i == pieces.size() - 1 && piece.isEmpty())
            break;
        Add(piece);
    }
}

void TDbGridSortFieldItems::ParseSelectList()
{
    const QRegularExpressionMatch select = FindKeyword(SqlText, SelectWord());
    if (!select.hasMatch()) {
        Clear();
        return;
    }
    const qsizetype start = select.capturedEnd();
    const QRegularExpressionMatch from = FindKeyword(SqlText, FromWord(), start);
    SplitItems(from.hasMatch() ? SqlText.mid(start, from.capturedStart() - start)
                               : SqlText.mid(start));
    for (TEntry &entry : m_entries) {
        const QString &t = entry.Text;
        TDbGridSortFieldItem &item = *entry.Item;
        const qsizetype as = t.indexOf(QStringLiteral(" as "), 0, Qt::CaseInsensitive);
        item.SubstName = as >= 0 ? t.mid(as + 4).trimmed() : QString();
        SplitColumn(t, as, item);
    }
}

void TDbGridSortFieldItems::ParseOrderBy()
{
    const QRegularExpressionMatch orderBy = FindKeyword(SqlText, OrderByWords());
    SplitItems(orderBy.hasMatch() ? SqlText.mid(orderBy.capturedEnd()) : QString());
    for (TEntry &entry : m_entries) {
        const QString &t = entry.Text;
        TDbGridSortFieldItem &item = *entry.Item;
        qsizetype dir = t.indexOf(QStringLiteral(" asc"), 0, Qt::CaseInsensitive);
        item.Direction = QStringLiteral("asc");
        if (dir < 0) {
            dir = t.indexOf(QStringLiteral(" desc"), 0, Qt::CaseInsensitive);
            item.Direction = dir >= 0 ? QStringLiteral("desc") : QString();
        }
        SplitColumn(t, dir, item);
    }
}

TDbGridSortFieldItem *TDbGridSortFieldItems::Find(TKey key, const QString &name) const
{
    for (const TEntry &entry : m_entries)
        if (SameText(key == TKey::FieldName ? entry.Item->FieldName : entry.Item->SubstName, name))
            return entry.Item.get();
    return nullptr;
}

TDbGridSortFieldItem *TDbGridSortFieldItems::FindByFieldName(const QString &name) const
{
    return Find(TKey::FieldName, name);
}

TDbGridSortFieldItem *TDbGridSortFieldItems::FindBySubstName(const QString &name) const
{
    return Find(TKey::SubstName, name);
}

int TDbGridSortFieldItems::IndexOfColumn(const QString &tableAlias, const QString &fieldName) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const TDbGridSortFieldItem &item = *m_entries[i].Item;
        if (SameText(item.FieldName, fieldName) && SameText(item.TableAlias, tableAlias))
            return int(i);
    }
    return -1;
}

QString TDbGridSortFieldItems::BuildOrderBy() const
{
    if (m_entries.empty())
        return {};
    QStringList items;
    for (const TEntry &entry : m_entries) {
        const TDbGridSortFieldItem &item = *entry.Item;
        QString text =
            item.TableAlias.isEmpty() ? item.FieldName : item.TableAlias + u'.' + item.FieldName;
        if (!item.Direction.isEmpty())
            text += u' ' + item.Direction;
        items << text;
    }
    return QStringLiteral(" Order By ") + items.join(QStringLiteral(", "));
}

qsizetype TDbGridSortFieldItems::OrderByPosition(const QString &text)
{
    const QRegularExpressionMatch match = FindKeyword(text, OrderByWords());
    return match.hasMatch() ? match.capturedStart() : -1;
}
