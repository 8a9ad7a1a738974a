#include "DBGridSorter.h"

#include "DatabaseError.h"
#include "RecordStore.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <memory>

namespace
{
std::unique_ptr<TDBGridSorter> sorter;
} // namespace

void TDBGridSorter::SortByField(TRecordStore *store, TStoreField *field)
{
    if (!store || !field || field->DataSet() != store)
        return;
    if (store->SQL.isEmpty() || !store->Database)
        return; // in-memory and table stores keep their order
    m_store = store;
    m_field = field;
    const auto forget = qScopeGuard([this] {
        m_store = nullptr;
        m_field = nullptr;
    });
    SortQuery();
}

QString TDBGridSorter::SortFieldName(const TStoreField *field)
{
    if (!field)
        return {};
    if (field->FieldKind != TFieldKind::Lookup)
        return field->FieldName;
    const qsizetype lu = field->FieldName.indexOf(QStringLiteral("lu_"), 0, Qt::CaseInsensitive);
    return lu >= 0 ? field->FieldName.mid(lu + 3) : QString();
}

QString TDBGridSorter::ReplaceOrderBy(const QString &statement, const QString &clause)
{
    const qsizetype orderBy = TDbGridSortFieldItems::OrderByPosition(statement);
    if (orderBy < 0)
        return statement + clause;
    // Without the white space before the old clause: the clause brings its own blank, and
    // the statement does not grow with every sort.
    qsizetype end = orderBy;
    while (end > 0 && statement[end - 1].isSpace())
        --end;
    return statement.left(end) + clause;
}

void TDBGridSorter::SortQuery()
{
    if (!m_store || !m_field)
        return;
    const QString name = SortFieldName();
    if (name.isEmpty())
        return;
    const QString statement = m_store->SQL.join(u'\n');
    SelectItems.SqlText = OrderItems.SqlText = statement.toLower();
    SelectItems.ParseSelectList();
    OrderItems.ParseOrderBy();

    const TDbGridSortFieldItem *selected = SelectItems.FindBySubstName(name);
    if (!selected)
        selected = SelectItems.FindByFieldName(name);
    const QString column = selected ? selected->FieldName : m_field->FieldName;
    const QString alias = selected ? selected->TableAlias : QString();
    // The same column of the same table: "e.bezeichnung" is not "k.bezeichnung".
    const int found = OrderItems.IndexOfColumn(alias, column);
    TDbGridSortFieldItem *item = nullptr;
    if (found >= 0) {
        OrderItems.Exchange(0, found);
        item = OrderItems.Item(0);
    } else {
        OrderItems.Clear();
        item = OrderItems.Add(alias.isEmpty() ? column : alias + u'.' + column);
        item->TableAlias = alias;
        item->FieldName = column;
    }
    item->ToggleDirection();
    const QString clause = OrderItems.BuildOrderBy();
    if (clause.isEmpty())
        return;

    // What was typed is kept: posted (a refusal raises here and nothing is sorted).
    m_store->CheckBrowseMode();
    const QString label = m_field->Label(); // the field may not outlive the reopening
    try {
        m_store->SetStatement(ReplaceOrderBy(statement, clause).split(u'\n'));
    } catch (const EDatabaseError &e) {
        throw EDatabaseError(
            QStringLiteral("Nach der Spalte „%1“ kann nicht sortiert werden; die bisherige "
                           "Reihenfolge bleibt. %2")
                .arg(label, e.Message()),
            e.DatabaseText());
    }
}

TDBGridSorter &GridSorter()
{
    if (!sorter) {
        sorter = std::make_unique<TDBGridSorter>();
        // Called from the application object's destructor, while the application still exists.
        if (QCoreApplication::instance())
            qAddPostRoutine(ReleaseGridSorter);
    }
    return *sorter;
}

void ReleaseGridSorter()
{
    sorter.reset();
}
