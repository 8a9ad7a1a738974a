// TRecordStore: the edit states (insert, edit, post, cancel, delete) and the writes.
#include "RecordStore.h"

#include "DatabaseError.h"
#include "DbErrorText.h"
#include "FirebirdSql.h"
#include "IBDatabase.h"
#include "IBTransaction.h"

#include "ScopeGuard.h"
#include "StoreValues.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

void TRecordStore::WriteValue(TStoreField *field, const QVariant &value)
{
    CheckActive();
    if (m_state != TStoreState::Insert && m_state != TStoreState::Edit)
        throw EDatabaseError(
            QStringLiteral("Die Datenmenge „%1“ ist nicht im Bearbeitungs- oder Einfügemodus.")
                .arg(objectName()));
    if (field->ReadOnly)
        throw EDatabaseError(
            QStringLiteral("Das Feld „%1“ kann nicht geändert werden.").arg(field->Label()));
    if (field->FieldKind == TFieldKind::Lookup) {
        // Choosing a lookup entry stores that entry's key.
        TStoreField *key = FieldByName(field->KeyFields);
        QVariant keyValue;
        if (!value.isNull() && field->LookupDataSet)
            keyValue = field->LookupDataSet->Lookup(field->LookupResultField, value,
                                                    field->LookupKeyFields);
        key->SetValue(keyValue);
        return;
    }
    m_rows[m_recNo][field->m_slot] = field->Coerce(value);
    m_modified = true;
    DisplayRow(m_recNo);
}

void TRecordStore::CheckBrowseMode()
{
    if (m_state == TStoreState::Edit || m_state == TStoreState::Insert) {
        emit UpdateRecordRequested();
        if (m_modified)
            Post();
        else
            Cancel();
    }
    for (TRecordStore *detail : m_link.Details())
        if (detail->m_state == TStoreState::Edit || detail->m_state == TStoreState::Insert)
            detail->CheckBrowseMode();
}

void TRecordStore::StartRow(int position, const QVariantList *values)
{
    // The new number first: a refused one leaves the store as it was.
    QVariant id;
    TStoreField *idField = nullptr;
    if (!GeneratorName.isEmpty() && Database) {
        id = FirebirdSql::NextGeneratorValue(Database->Database(), GeneratorName, objectName());
        idField = FindField(GeneratorField);
    }
    TRow row;
    row.reserve(qsizetype(m_fields.size()));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const TStoreField *field = m_fields[i].get();
        if (field->m_slot < 0)
            continue;
        const bool given =
            values && qsizetype(i) < values->size() && (*values)[qsizetype(i)].isValid();
        row << field->Coerce(field == idField ? id : given ? (*values)[qsizetype(i)] : QVariant());
    }
    m_insertFrom = m_recNo;
    const bool shown = ShowChange();
    if (shown)
        emit RowsAboutToBeInserted(position, position);
    m_rows.insert(position, std::move(row));
    if (shown)
        emit RowsInserted(position, position);
    m_recNo = position;
    m_state = TStoreState::Insert;
    m_modified = false;
    m_eof = m_bof = false;
    DisplayState();
    DisplayCurrent();
    m_link.Follow();
    if (AfterInsert) {
        AfterInsert(this);
        m_modified = false; // defaults are not typed: leaving the row still drops it
    }
}

void TRecordStore::Insert()
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts(); // gathered rows stay the last ones
    CatchUpDetail();
    StartRow(m_recNo < 0 ? 0 : m_recNo);
}

void TRecordStore::Append()
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    StartRow(int(m_rows.size()));
}

void TRecordStore::AppendRecord(const QVariantList &values)
{
    if (values.size() > qsizetype(m_fields.size()))
        throw EDatabaseError(
            QStringLiteral("%1: mehr Werte als Felder für den neuen Datensatz.").arg(objectName()));
    // Plain writable fields only, no new-row hook or generator: the row is built with its
    // values at once; otherwise as Append followed by setting each field.
    bool direct = !AfterInsert && GeneratorName.isEmpty();
    for (qsizetype i = 0; direct && i < values.size(); ++i) {
        const TStoreField *field = m_fields[size_t(i)].get();
        direct = !values[i].isValid() ||
                 (field->FieldKind == TFieldKind::Data && !field->ReadOnly && field->m_slot >= 0);
    }
    if (direct) {
        CheckActive();
        CheckBrowseMode();
        CatchUpDetail();
        StartRow(int(m_rows.size()), &values);
        m_modified = true;
    } else {
        Append();
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (!values[i].isValid())
                continue;
            TStoreField *field = m_fields[size_t(i)].get();
            if (field->FieldKind == TFieldKind::Data && !field->ReadOnly && field->m_slot >= 0) {
                m_rows[m_recNo][field->m_slot] = field->Coerce(values[i]);
                m_modified = true;
            } else {
                field->SetValue(values[i]);
            }
        }
        DisplayRow(m_recNo);
    }
    Post();
}

void TRecordStore::Edit()
{
    CheckActive();
    if (m_state == TStoreState::Edit || m_state == TStoreState::Insert)
        return;
    CatchUpDetail();
    if (IsEmpty()) {
        Insert();
        return;
    }
    FlushInserts();
    m_original = m_rows[m_recNo];
    m_state = TStoreState::Edit;
    m_modified = false;
    DisplayState();
}

void TRecordStore::RunWrite(const QString &sql, const TRow *oldRow, const QString &operation)
{
    bool ok = true;
    const std::shared_ptr<QSqlQuery> keep = Statement(sql, ok);
    QSqlQuery &query = *keep;
    if (ok) {
        BindParams(query, sql, oldRow);
        ok = query.exec();
    }
    if (!ok) {
        const QString text = query.lastError().text();
        m_statements.Forget(sql);
        const QString message = GermanWriteError(this, text, operation);
        if (IsConflictError(text) && Transaction && CommitOnWrite) {
            // Another connection changed the row: a new transaction sees its version, so
            // reading again and retrying can succeed.
            try {
                Transaction->CommitWork();
            } catch (const EDatabaseError &) {
            }
        }
        throw EDatabaseError(message, text);
    }
    if (CommitOnWrite && Transaction)
        Transaction->CommitWork();
}

void TRecordStore::Post()
{
    CheckActive();
    if (m_state != TStoreState::Insert && m_state != TStoreState::Edit)
        return;
    emit UpdateRecordRequested();
    if (BeforePost)
        BeforePost(this);
    for (const auto &field : m_fields)
        if (field->Required && field->m_slot >= 0 && field->IsNull())
            throw EDatabaseError(
                QStringLiteral("Das Feld „%1“ muss einen Wert haben.").arg(field->Label()));
    if (Database && (!SQL.isEmpty() || !TableName.isEmpty())) {
        QString sql =
            m_state == TStoreState::Insert ? UpdateObject.InsertSQL : UpdateObject.ModifySQL;
        if (sql.isEmpty() && m_state == TStoreState::Insert && !TableName.isEmpty())
            sql = TableInsertText();
        if (sql.isEmpty())
            throw EDatabaseError(QStringLiteral("Die Daten von „%1“ können nicht geändert werden.")
                                     .arg(objectName()));
        if (GathersInsert(sql)) {
            ++m_gathered;
            Transaction->GatherInserts(this);
            if (m_gathered >= InsertGroup)
                FlushInserts(); // a refused row leaves the store in browse state
        } else {
            RunWrite(sql, m_state == TStoreState::Edit ? &m_original : &m_rows[m_recNo],
                     QStringLiteral("post"));
        }
    }
    m_state = TStoreState::Browse;
    m_modified = false;
    m_original.clear();
    DisplayState();
    DisplayRow(m_recNo);
    m_link.Follow();
    if (AfterPost)
        AfterPost(this);
}

void TRecordStore::RemoveRows(int first, int count)
{
    if (count <= 0)
        return;
    const bool shown = ShowChange();
    if (shown)
        emit RowsAboutToBeRemoved(first, first + count - 1);
    m_rows.remove(first, count);
    if (shown)
        emit RowsRemoved(first, first + count - 1);
}

void TRecordStore::Cancel()
{
    if (m_state == TStoreState::Insert) {
        const int row = m_recNo;
        m_recNo = std::min(m_insertFrom, int(m_rows.size()) - 2);
        if (m_recNo < 0 && m_rows.size() > 1)
            m_recNo = 0;
        RemoveRows(row, 1);
    } else if (m_state == TStoreState::Edit) {
        m_rows[m_recNo] = m_original;
        DisplayRow(m_recNo);
    } else {
        return;
    }
    m_state = TStoreState::Browse;
    m_modified = false;
    m_original.clear();
    m_eof = m_bof = m_rows.isEmpty();
    DisplayState();
    DisplayCurrent();
    m_link.Follow();
    if (AfterCancel)
        AfterCancel(this);
}

void TRecordStore::Delete()
{
    CheckActive();
    if (m_state == TStoreState::Insert) {
        Cancel();
        return;
    }
    if (m_state == TStoreState::Edit)
        Cancel();
    FlushInserts();
    CatchUpDetail();
    if (IsEmpty())
        throw EDatabaseError(
            QStringLiteral("Die Datenmenge „%1“ ist leer; es gibt nichts zu löschen.")
                .arg(objectName()));
    for (TRecordStore *detail : m_link.Details())
        detail->CheckBrowseMode();
    if (Database && (!SQL.isEmpty() || !TableName.isEmpty())) {
        if (UpdateObject.DeleteSQL.isEmpty())
            throw EDatabaseError(QStringLiteral("Die Daten von „%1“ können nicht gelöscht werden.")
                                     .arg(objectName()));
        RunWrite(UpdateObject.DeleteSQL, &m_rows[m_recNo], QStringLiteral("delete"));
    }
    const int row = m_recNo;
    m_recNo = std::min(row, int(m_rows.size()) - 2);
    RemoveRows(row, 1);
    m_eof = m_bof = m_rows.isEmpty();
    DisplayCurrent();
    m_link.Follow();
    if (AfterDelete)
        AfterDelete(this);
}

int TRecordStore::DeleteRecords(const QVariantList &ids)
{
    CheckActive();
    const TStoreField *idField = FieldByName(QStringLiteral("ID"));
    const auto listed = [&](int row) {
        const TRowScope scope(this, row);
        const QVariant id = idField->Value();
        return std::any_of(ids.begin(), ids.end(),
                           [&](const QVariant &wanted) { return SameValue(id, wanted); });
    };
    if (m_state == TStoreState::Insert || m_state == TStoreState::Edit) {
        if (listed(m_recNo))
            Cancel(); // a new row listed goes without a write
        else
            CheckBrowseMode();
    }
    FlushInserts();
    CatchUpDetail();
    for (TRecordStore *detail : m_link.Details())
        detail->CheckBrowseMode();
    if (Database && (!SQL.isEmpty() || !TableName.isEmpty()) && UpdateObject.DeleteSQL.isEmpty())
        throw EDatabaseError(
            QStringLiteral("Die Daten von „%1“ können nicht gelöscht werden.").arg(objectName()));

    int deleted = 0;
    int current = m_recNo; // follows the rows as they go
    const TScopeGuard settle([&] {
        m_recNo = m_rows.isEmpty() ? -1 : std::clamp(current, 0, int(m_rows.size()) - 1);
        m_eof = m_bof = m_rows.isEmpty();
        DisplayCurrent();
        m_link.Follow();
    });
    for (int row = int(m_rows.size()) - 1; row >= 0; --row) {
        if (!listed(row))
            continue;
        if (Database && (!SQL.isEmpty() || !TableName.isEmpty()))
            RunWrite(UpdateObject.DeleteSQL, &m_rows[row], QStringLiteral("delete"));
        if (row < current)
            --current;
        m_recNo = std::min(m_recNo, int(m_rows.size()) - 2); // never past the rows while they go
        RemoveRows(row, 1);
        ++deleted;
        if (AfterDelete)
            AfterDelete(this);
    }
    return deleted;
}
