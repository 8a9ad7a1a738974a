#pragma once
// TDBGridSorter: sorts a query store by one of its fields by writing an ORDER BY clause
// into the store's select. The first sort by a field is ascending, the next by the same
// field descending, and so on; sorting by another field replaces the order. The sorter keeps
// no order of its own: the select is read afresh on every call.
//
// GridSorter() is the one sorter of the process, created on first use and released by
// ReleaseGridSorter(), which the application object's destructor calls after the windows
// are gone (without an application object, at static destruction).
#include "DbGridSortFieldItems.h"

#include <QString>

class TRecordStore;
class TStoreField;

class TDBGridSorter
{
public:
    TDBGridSorter() = default;
    TDBGridSorter(const TDBGridSorter &) = delete;
    TDBGridSorter &operator=(const TDBGridSorter &) = delete;

    TDbGridSortFieldItems SelectItems;
    TDbGridSortFieldItems OrderItems;

    // Sorts store by field (a field of that store), for a click on a grid column title.
    // A null field, a field of another store and a store without a select are ignored. A
    // row being inserted or edited is posted first (an untouched new one is dropped); a
    // refused post raises and nothing is sorted. If the database refuses the new order, the
    // store keeps its previous select and rows and EDatabaseError is raised.
    void SortByField(TRecordStore *store, TStoreField *field);

    // The name to look up in the select list for the field being sorted: for a lookup field
    // the part after the first "lu_" (any case; empty without one), else the field name.
    QString SortFieldName() const { return SortFieldName(m_field); }
    static QString SortFieldName(const TStoreField *field);
    // The statement with clause in place of its ORDER BY clause (and the white space before
    // it), or with clause appended.
    static QString ReplaceOrderBy(const QString &statement, const QString &clause);

    // Sorts the store being handled by its field (SortByField sets both).
    void SortQuery();

private:
    TRecordStore *m_store = nullptr; // only while a sort runs
    TStoreField *m_field = nullptr;
};

TDBGridSorter &GridSorter();
// Frees the sorter now; a later GridSorter() creates a new one.
void ReleaseGridSorter();
