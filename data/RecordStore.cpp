#include "RecordStore.h"

#include "DatabaseError.h"
#include "DbErrorText.h"
#include "FirebirdSql.h"
#include "IBDatabase.h"
#include "IBTransaction.h"
#include "IndexSort.h"
#include "StoreValues.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

// Tells displays that all rows are replaced, and at the end of the scope (also when leaving
// by an exception) that the new ones stand.
class TRecordStore::TRowsReplaced
{
public:
    TRowsReplaced(TRecordStore &store, bool displayCurrent)
        : m_store(store), m_shown(store.ShowChange()), m_displayCurrent(displayCurrent)
    {
        if (m_shown)
            emit m_store.DataSetAboutToChange();
    }
    ~TRowsReplaced()
    {
        if (m_shown)
            emit m_store.DataSetChanged();
        if (m_displayCurrent)
            m_store.DisplayCurrent();
    }
    Q_DISABLE_COPY_MOVE(TRowsReplaced)

private:
    TRecordStore &m_store;
    const bool m_shown;
    const bool m_displayCurrent;
};

TRecordStore::TRecordStore(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

TRecordStore::~TRecordStore()
{
    m_link.Untie();
}

TStoreField *TRecordStore::AddField(const QString &name, TFieldType type, int size,
                                    const QString &label)
{
    auto field = std::make_unique<TStoreField>(this, name, type, size);
    field->DisplayLabel = label;
    field->m_index = int(m_fields.size());
    int slotCount = 0;
    for (const auto &f : m_fields)
        if (f->m_slot >= 0)
            ++slotCount;
    field->m_slot = slotCount;
    TStoreField *result = field.get();
    m_byName.insert(name.toUpper(), result);
    m_fields.push_back(std::move(field));
    ++m_fieldGeneration;
    return result;
}

TStoreField *TRecordStore::AddLookupField(const QString &name, TFieldType type, int size,
                                          TRecordStore *lookupDataSet, const QString &keyFields,
                                          const QString &lookupKeyFields,
                                          const QString &resultField, const QString &label)
{
    auto field = std::make_unique<TStoreField>(this, name, type, size);
    field->DisplayLabel = label;
    field->FieldKind = TFieldKind::Lookup;
    field->LookupDataSet = lookupDataSet;
    field->KeyFields = keyFields;
    field->LookupKeyFields = lookupKeyFields;
    field->LookupResultField = resultField;
    field->m_index = int(m_fields.size());
    TStoreField *result = field.get();
    m_byName.insert(name.toUpper(), result);
    m_fields.push_back(std::move(field));
    ++m_fieldGeneration;
    return result;
}

void TRecordStore::SetParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.toUpper(), value);
}

QVariant TRecordStore::Param(const QString &name) const
{
    return m_params.value(name.toUpper());
}

TStoreField *TRecordStore::FindField(const QString &name) const
{
    // Callers mostly pass the upper-case name already; spare the copy then.
    if (TStoreField *field = m_byName.value(name, nullptr))
        return field;
    return m_byName.value(name.toUpper(), nullptr);
}

TStoreField *TRecordStore::FieldByName(const QString &name) const
{
    TStoreField *field = FindField(name);
    if (!field)
        throw EDatabaseError(
            QStringLiteral("%1: Feld „%2“ nicht gefunden.").arg(objectName(), name));
    return field;
}

void TRecordStore::CheckActive() const
{
    if (m_state == TStoreState::Closed)
        throw EDatabaseError(
            QStringLiteral("Die Datenmenge „%1“ ist geschlossen; der Vorgang ist nicht möglich.")
                .arg(objectName()));
}

QString TRecordStore::SelectText()
{
    if (!SQL.isEmpty())
        return SQL.join(u'\n');
    if (TableName.isEmpty() || IndexName.isEmpty())
        return TableName.isEmpty() ? QString() : FirebirdSql::TableSelect(TableName);
    return FirebirdSql::TableSelect(
        TableName, IndexName,
        FirebirdSql::IndexColumns(Database ? Database->Database() : QSqlDatabase(), IndexName));
}

std::shared_ptr<QSqlQuery> TRecordStore::Statement(const QString &sql, bool &ok)
{
    Database->Open();
    return m_statements.Prepared(Database->Database(), sql,
                                 Transaction ? Transaction->Generation() : 0, ok);
}

void TRecordStore::BindParams(QSqlQuery &query, const QString &sql, const TRow *oldRow)
{
    const TStatementParams &params = m_statementParams.Of(sql);
    const TRow *row = ActiveRow();
    for (qsizetype i = 0; i < params.UpperNames.size(); ++i) {
        QVariant value;
        const QString &upper = params.UpperNames[i];
        if (oldRow && upper.startsWith(QStringLiteral("OLD_"))) {
            if (TStoreField *f = FindField(upper.mid(4)); f && f->m_slot >= 0)
                value = (*oldRow)[f->m_slot];
        } else if (!m_params.isEmpty() && m_params.contains(upper)) {
            value = m_params.value(upper);
        } else if (MasterSource && !oldRow && MasterSource->FindField(upper)) {
            value = MasterSource->m_recNo >= 0 || MasterSource->m_scopeRow >= 0
                        ? MasterSource->FieldByName(upper)->Value()
                        : QVariant();
        } else if (TStoreField *f = FindField(upper)) {
            // Buffered fields straight from the row, others (lookups) through the field.
            value = row && f->FieldKind == TFieldKind::Data && f->m_slot >= 0 ? (*row)[f->m_slot]
                                                                              : f->Value();
            if (value.isNull())
                value = f->Coerce(QVariant());
        }
        query.bindValue(params.Placeholders[i], value);
    }
}

void TRecordStore::ReadRows()
{
    m_rows.clear();
    m_recNo = -1;
    m_eof = m_bof = true;
    const QString sql = SelectText();
    if (MasterSource)
        m_link.RowsRead(m_statementParams.Of(sql).UpperNames);
    if (sql.isEmpty() || !Database)
        return; // in-memory store
    auto unread = qScopeGuard([this] { m_link.ReadFailed(); });
    bool ok = true;
    const std::shared_ptr<QSqlQuery> keep = Statement(sql, ok);
    QSqlQuery &query = *keep;
    if (ok) {
        BindParams(query, sql, nullptr);
        ok = query.exec();
    }
    if (!ok) {
        const QString text = query.lastError().text();
        m_statements.Forget(sql);
        throw EDatabaseError(QStringLiteral("Die Daten von „%1“ können nicht gelesen werden: %2")
                                 .arg(objectName(), text),
                             text);
    }
    const QSqlRecord record = query.record();
    if (m_fields.empty()) {
        m_autoFields = true;
        for (int i = 0; i < record.count(); ++i) {
            const QSqlField column = record.field(i);
            TFieldType type = TypeOfColumn(column);
            AddField(column.name().toUpper(), type,
                     type == TFieldType::String ? column.length() : 0);
        }
        emit FieldsChanged();
    }
    // Column of each buffered field.
    QVector<int> columnOf;
    for (const auto &field : m_fields) {
        if (field->m_slot < 0)
            continue;
        const int column = record.indexOf(field->FieldName);
        if (column < 0)
            throw EDatabaseError(QStringLiteral("%1: Feld „%2“ nicht gefunden.")
                                     .arg(objectName(), field->FieldName));
        columnOf << column;
    }
    const int slotCount = int(columnOf.size());
    while (query.next()) {
        TRow row(slotCount);
        for (int s = 0; s < slotCount; ++s)
            row[s] = query.value(columnOf[s]);
        m_rows.push_back(std::move(row));
        ++m_rowsRead;
    }
    // next() gives false at the end and on a failed fetch alike (e.g. a damaged file).
    if (query.lastError().isValid()) {
        const QString text = query.lastError().text();
        m_rows.clear();
        m_statements.Forget(sql);
        throw EDatabaseError(QStringLiteral("Die Daten von „%1“ konnten nicht vollständig gelesen "
                                            "werden: %2")
                                 .arg(objectName(), text),
                             text);
    }
    query.finish();
    unread.dismiss();
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
}

void TRecordStore::ReadAgain()
{
    const TRowsReplaced replaced(*this, true);
    ReadRows();
    m_link.Follow();
}

void TRecordStore::Open()
{
    OpenStore(true);
}

void TRecordStore::OpenEmpty()
{
    OpenStore(m_fields.empty()); // without fields they come from reading
}

void TRecordStore::OpenStore(bool read)
{
    if (Active())
        return;
    if (Database)
        Database->Open();
    for (const auto &field : m_fields)
        if (field->LookupDataSet && !field->LookupDataSet->Active())
            field->LookupDataSet->Open();
    if (MasterSource)
        MasterSource->m_link.AddDetail(this);
    {
        const TRowsReplaced replaced(*this, false);
        if (read) {
            ReadRows();
        } else {
            m_rows.clear();
            m_recNo = -1;
            m_eof = m_bof = true;
        }
        m_state = TStoreState::Browse;
        m_modified = false;
    }
    DisplayState();
    DisplayCurrent();
    if (AfterOpen)
        AfterOpen(this);
    m_link.Follow();
}

void TRecordStore::Close()
{
    if (!Active())
        return;
    if (m_state == TStoreState::Insert || m_state == TStoreState::Edit)
        Cancel();
    FlushInserts();
    {
        const TRowsReplaced replaced(*this, false);
        m_rows.clear();
        m_recNo = -1;
        m_eof = m_bof = true;
        m_state = TStoreState::Closed;
        m_statements.Clear();
        if (m_autoFields) {
            m_fields.clear();
            m_byName.clear();
            ++m_fieldGeneration;
            m_autoFields = false;
            emit FieldsChanged();
        }
    }
    DisplayState();
    DisplayCurrent();
    m_link.Follow();
}

void TRecordStore::Refresh()
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts();
    const QVariant id = CurrentId();
    const TRowsReplaced replaced(*this, true);
    ReadRows();
    if (const TStoreField *idField = FindField(QStringLiteral("ID")); idField && !id.isNull())
        for (int r = 0; r < m_rows.size(); ++r)
            if (SameValue(m_rows[r][idField->m_slot], id)) {
                m_recNo = r;
                break;
            }
    m_link.Follow();
}

void TRecordStore::SetStatement(const QStringList &sql)
{
    const bool wasActive = Active();
    if (wasActive) {
        CheckBrowseMode();
        FlushInserts();
    }
    const QVariant id = CurrentId();
    const QStringList previous = SQL;
    // The details follow once, to the row the store ends on.
    SuspendDetails();
    std::exception_ptr refused;
    try {
        Close();
        SQL = sql;
        Open();
    } catch (...) {
        refused = std::current_exception();
    }
    if (!refused) {
        ResumeDetails();
        return;
    }
    SQL = previous;
    bool resumed = false;
    try {
        if (wasActive) {
            Close();
            Open();
            if (!id.isNull())
                LocateId(id);
        }
        resumed = true;
        ResumeDetails();
    } catch (...) {
        // The previous select (or a detail) fails now as well: the first refusal is the one
        // to report.
        if (!resumed) {
            try {
                ResumeDetails();
            } catch (...) {
            }
        }
    }
    std::rethrow_exception(refused);
}

void TRecordStore::SortByIndex(const QString &indexName)
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts();
    QVector<int> keySlots;
    const QStringList columns =
        FirebirdSql::IndexColumns(Database ? Database->Database() : QSqlDatabase(), indexName);
    for (const QString &column : columns) {
        TStoreField *field = FindField(column);
        if (!field || field->m_slot < 0)
            throw EDatabaseError(
                QStringLiteral("%1: Feld „%2“ nicht gefunden.").arg(objectName(), column));
        keySlots << field->m_slot;
    }
    const QList<qsizetype> order = IndexOrder(m_rows, keySlots);
    if (!order.isEmpty()) {
        const bool shown = ShowChange();
        if (shown)
            emit LayoutAboutToBeChanged();
        decltype(m_rows) rows;
        rows.reserve(m_rows.size());
        for (qsizetype r : order)
            rows.append(std::move(m_rows[r]));
        m_rows = std::move(rows);
        if (shown)
            emit LayoutChanged(order);
    }
    IndexName = indexName;
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    DisplayCurrent();
    m_link.Follow();
}

void TRecordStore::ExecSQL()
{
    if (!Database)
        return;
    FlushInserts();
    Database->Open();
    const QString sql = SQL.join(u'\n');
    QSqlQuery query(Database->Database());
    bool ok = query.prepare(sql);
    if (ok) {
        BindParams(query, sql, nullptr);
        ok = query.exec();
    }
    if (!ok) {
        const QString text = query.lastError().text();
        throw EDatabaseError(GermanStatementError(text), text);
    }
}
