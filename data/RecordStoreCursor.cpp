// TRecordStore: walking the rows, reading values and telling the displays.
#include "RecordStore.h"

#include "DatabaseError.h"
#include "StoreValues.h"

void TRecordStore::CatchUpDetail()
{
    if (MasterSource && MasterSource->m_link.Suspended() && m_state == TStoreState::Browse)
        m_link.CatchUp();
}

bool TRecordStore::IsEmpty() const
{
    return m_rows.isEmpty();
}

int TRecordStore::RecordCount() const
{
    return int(m_rows.size());
}

int TRecordStore::RecNo() const
{
    return m_recNo;
}

void TRecordStore::AfterMove(bool fireScroll)
{
    m_link.Follow();
    DisplayCurrent();
    if (fireScroll && AfterScroll)
        AfterScroll(this);
}

void TRecordStore::MoveTo(int row)
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    if (m_rows.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    const bool moved = row != m_recNo;
    m_recNo = row;
    m_eof = m_bof = false;
    if (moved)
        AfterMove(true);
}

void TRecordStore::First()
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    AfterMove(true);
}

void TRecordStore::Last()
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    m_recNo = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
    AfterMove(true);
}

void TRecordStore::Next()
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    m_bof = false;
    if (m_recNo + 1 < m_rows.size()) {
        ++m_recNo;
        m_eof = false;
        AfterMove(true);
    } else {
        m_eof = true;
    }
}

void TRecordStore::Prior()
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    m_eof = false;
    if (m_recNo > 0) {
        --m_recNo;
        m_bof = false;
        AfterMove(true);
    } else {
        m_bof = true;
    }
}

bool TRecordStore::Eof() const
{
    return m_eof || m_rows.isEmpty();
}

bool TRecordStore::Bof() const
{
    return m_bof || m_rows.isEmpty();
}

bool TRecordStore::Locate(const QString &fieldName, const QVariant &value)
{
    CheckActive();
    CheckBrowseMode();
    CatchUpDetail();
    TStoreField *field = FieldByName(fieldName);
    int found = -1;
    for (int r = 0; r < m_rows.size() && found < 0; ++r) {
        TRowScope scope(this, r);
        if (SameValue(field->Value(), value))
            found = r;
    }
    if (found < 0)
        return false;
    m_eof = m_bof = false;
    if (found != m_recNo) {
        m_recNo = found;
        AfterMove(true);
    }
    return true;
}

QVariant TRecordStore::Lookup(const QString &keyField, const QVariant &keyValue,
                              const QString &resultField) const
{
    if (!Active() || keyValue.isNull())
        return {};
    const TStoreField *key = FieldByName(keyField);
    const TStoreField *result = FieldByName(resultField);
    for (int r = 0; r < m_rows.size(); ++r) {
        TRowScope scope(this, r);
        if (SameValue(key->Value(), keyValue))
            return result->Value();
    }
    return {};
}

QVariant TRecordStore::CurrentId() const
{
    const TStoreField *id = FindField(QStringLiteral("ID"));
    if (!id || !Active() || m_recNo < 0)
        return {};
    return id->Value();
}

bool TRecordStore::LocateId(const QVariant &id)
{
    return Locate(QStringLiteral("ID"), id);
}

QVariant TRecordStore::FieldValue(const QString &name) const
{
    return FieldByName(name)->Value();
}

void TRecordStore::DisableControls()
{
    ++m_disableCount;
}

void TRecordStore::EnableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0) {
        if (std::exchange(m_displayStale, false)) {
            emit DataSetAboutToChange();
            emit DataSetChanged();
        }
        emit StateChanged();
        emit CurrentChanged(m_recNo);
    }
}

bool TRecordStore::ShowChange()
{
    if (m_disableCount == 0)
        return true;
    m_displayStale = true;
    return false;
}

void TRecordStore::DisplayCurrent()
{
    if (m_disableCount == 0)
        emit CurrentChanged(m_recNo);
}

void TRecordStore::DisplayRow(int row)
{
    if (ShowChange())
        emit RowChanged(row, -1);
}

void TRecordStore::DisplayState()
{
    if (m_disableCount == 0)
        emit StateChanged();
}

const TRecordStore::TRow *TRecordStore::ActiveRow() const
{
    if (m_scopeRow >= 0 && m_scopeRow < m_rows.size())
        return &m_rows[m_scopeRow];
    if (m_recNo < 0 || m_recNo >= m_rows.size())
        return nullptr;
    return &m_rows[m_recNo];
}

QVariant TRecordStore::ReadValue(const TStoreField *field) const
{
    if (field->FieldKind == TFieldKind::Lookup) {
        if (!field->LookupDataSet)
            return {};
        const QVariant key = FieldByName(field->KeyFields)->Value();
        return field->LookupDataSet->Lookup(field->LookupKeyFields, key, field->LookupResultField);
    }
    const TRow *row = ActiveRow();
    if (!row)
        return {};
    return (*row)[field->m_slot];
}

TRecordStore::TRowScope::TRowScope(const TRecordStore *store, int row)
    : m_store(store), m_saved(store->m_scopeRow)
{
    store->m_scopeRow = row;
}

TRecordStore::TRowScope::~TRowScope()
{
    m_store->m_scopeRow = m_saved;
}
