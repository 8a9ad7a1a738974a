#pragma once
// The items of a select list or an ORDER BY clause, read out of a statement's text.
//
// TDbGridSortFieldItem: one item, "alias.field as subst" or "alias.field asc|desc".
// TDbGridSortFieldItems: the item texts in order, each with its parsed item, and SqlText,
// the lower-cased statement they were read from. The parsers never fail: text they cannot
// read gives items with odd names, which the database then refuses.
#include <QString>
#include <memory>
#include <vector>

class TDbGridSortFieldItem
{
public:
    QString FieldName;  // without table alias, " as " alias and direction
    QString TableAlias; // the text before the first "."; empty without one
    QString SubstName;  // the alias after " as " of a select item
    QString Direction;  // "asc", "desc" or empty

    // "asc" unless it is "asc" already (any case); then "desc".
    void ToggleDirection();
};

class TDbGridSortFieldItems
{
public:
    QString SqlText;

    void Clear() { m_entries.clear(); }
    int Count() const { return int(m_entries.size()); }
    const QString &Text(int index) const { return m_entries[size_t(index)].Text; }
    TDbGridSortFieldItem *Item(int index) const { return m_entries[size_t(index)].Item.get(); }
    // Appends an item text with an empty item.
    TDbGridSortFieldItem *Add(const QString &text);
    // Swaps two entries; the others keep their places.
    void Exchange(int first, int second);

    // Clears the list and adds the pieces of text between commas, line breaks read as
    // blanks, runs of white space as one blank, trimmed. A last piece holding only white
    // space is left out, so a trailing comma adds nothing.
    void SplitItems(const QString &text);
    // The items between the first "select" and the next "from" of SqlText.
    void ParseSelectList();
    // The items after the first "order by" of SqlText (none without one).
    void ParseOrderBy();

    // The first item whose FieldName, respectively SubstName, equals name (any case).
    TDbGridSortFieldItem *FindByFieldName(const QString &name) const;
    TDbGridSortFieldItem *FindBySubstName(const QString &name) const;
    // Index of the first item with this alias and field name (any case; an empty alias
    // matches only an empty alias), or -1.
    int IndexOfColumn(const QString &tableAlias, const QString &fieldName) const;

    // " Order By a.f asc, g desc"; empty for an empty list.
    QString BuildOrderBy() const;

    // Position of the first "order by" (any case, any white space between the words), or -1.
    static qsizetype OrderByPosition(const QString &text);

private:
    enum class TKey { FieldName, SubstName };
    TDbGridSortFieldItem *Find(TKey key, const QString &name) const;

    struct TEntry {
        QString Text;
        std::unique_ptr<TDbGridSortFieldItem> Item;
    };
    std::vector<TEntry> m_entries;
};
