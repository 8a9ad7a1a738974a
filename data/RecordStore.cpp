#include "RecordStore.h"

#include "DatabaseError.h"
#include "DbErrorText.h"
#include "IBDatabase.h"
#include "IBTransaction.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>
#include <vector>

namespace
{

// Parameter names (":NAME") of a statement, in order, without duplicates; quoted text skipped.
QStringList ParamNames(const QString &sql)
{
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            continue;
        }
        if (c != u':' || (i > 0 && (sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == u':')))
            continue;
        qsizetype j = i + 1;
        while (j < sql.size() &&
               (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_' || sql.at(j) == u'$'))
            ++j;
        if (j > i + 1) {
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
            i = j - 1;
        }
    }
    return names;
}

TFieldType TypeOfColumn(const QSqlField &column)
{
    switch (column.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TFieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TFieldType::Float;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
        return TFieldType::DateTime;
    case QMetaType::QByteArray:
        return TFieldType::Blob;
    default:
        return TFieldType::String;
    }
}

bool SameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const int ta = a.metaType().id(), tb = b.metaType().id();
    const auto numeric = [](int t) {
        return t == QMetaType::Int || t == QMetaType::Double || t == QMetaType::LongLong ||
               t == QMetaType::UInt || t == QMetaType::Short || t == QMetaType::Float;
    };
    if (ta == tb && ta == QMetaType::Int)
        return a.toInt() == b.toInt();
    if (numeric(ta) && numeric(tb))
        return a.toDouble() == b.toDouble();
    if (ta == QMetaType::QString || tb == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

} // namespace

TRecordStore::TRecordStore(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

TRecordStore::~TRecordStore()
{
    if (MasterSource)
        std::erase(MasterSource->m_details, this);
    for (TRecordStore *detail : m_details)
        if (detail->MasterSource == this)
            detail->MasterSource = nullptr;
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

QString TRecordStore::SelectText() const
{
    if (!SQL.isEmpty())
        return SQL.join(u'\n');
    if (TableName.isEmpty())
        return {};
    QString text = QStringLiteral("SELECT * FROM %1").arg(TableName);
    if (IndexName.isEmpty())
        return text;
    // Read in the order of the named index; the plan makes the database insist on it.
    return text + QStringLiteral(" PLAN (%1 ORDER %2) ORDER BY %3")
                      .arg(TableName, IndexName.toUpper(),
                           IndexColumns(IndexName).join(QStringLiteral(", ")));
}

QStringList TRecordStore::IndexColumns(const QString &indexName) const
{
    QStringList columns;
    if (Database) {
        QSqlQuery segments(Database->Database());
        segments.prepare(QStringLiteral(
            "SELECT RDB$FIELD_NAME FROM RDB$INDEX_SEGMENTS WHERE RDB$INDEX_NAME = :NAME "
            "ORDER BY RDB$FIELD_POSITION"));
        segments.bindValue(QStringLiteral(":NAME"), indexName.toUpper());
        if (segments.exec())
            while (segments.next())
                columns << segments.value(0).toString().trimmed();
        if (segments.lastError().isValid()) {
            const QString text = segments.lastError().text();
            throw EDatabaseError(QStringLiteral("Der Index „%1“ kann nicht gelesen werden: %2")
                                     .arg(indexName.toUpper(), text),
                                 text);
        }
    }
    if (columns.isEmpty())
        throw EDatabaseError(
            QStringLiteral("Der Index „%1“ fehlt in der Datenbank.").arg(indexName.toUpper()));
    return columns;
}

void TRecordStore::SortByIndex(const QString &indexName)
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts();
    QVector<int> keySlots;
    for (const QString &column : IndexColumns(indexName)) {
        TStoreField *field = FindField(column);
        if (!field || field->m_slot < 0)
            throw EDatabaseError(
                QStringLiteral("%1: Feld „%2“ nicht gefunden.").arg(objectName(), column));
        keySlots << field->m_slot;
    }
    // Ascending as the index: empty values first, then numbers, date-times and texts by value.
    // Each row's key is worked out once.
    struct TKeyPart {
        enum { IsNull, IsNumber, IsText, IsOther } Kind = IsNull;
        double Number = 0;
        QString Text;
        const QVariant *Value = nullptr;
    };
    const int parts = int(keySlots.size());
    std::vector<TKeyPart> keys(size_t(m_rows.size()) * size_t(parts));
    for (qsizetype r = 0; r < m_rows.size(); ++r)
        for (int k = 0; k < parts; ++k) {
            TKeyPart &part = keys[size_t(r) * parts + k];
            const QVariant &value = m_rows[r][keySlots[k]];
            part.Value = &value;
            if (value.isNull())
                continue;
            switch (value.metaType().id()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
            case QMetaType::Double:
            case QMetaType::Float:
                part.Kind = TKeyPart::IsNumber;
                part.Number = value.toDouble();
                break;
            case QMetaType::QDateTime: {
                // The wall-clock value, as the database orders its time stamps.
                const QDateTime dt = value.toDateTime();
                part.Kind = TKeyPart::IsNumber;
                part.Number =
                    double(dt.date().toJulianDay()) * 86400000.0 + dt.time().msecsSinceStartOfDay();
                break;
            }
            case QMetaType::QString:
                part.Kind = TKeyPart::IsText;
                part.Text = value.toString();
                break;
            default:
                part.Kind = TKeyPart::IsOther;
            }
        }
    const auto less = [&keys, parts](qsizetype a, qsizetype b) {
        for (int k = 0; k < parts; ++k) {
            const TKeyPart &x = keys[size_t(a) * parts + k];
            const TKeyPart &y = keys[size_t(b) * parts + k];
            if (x.Kind == TKeyPart::IsNull || y.Kind == TKeyPart::IsNull) {
                if ((x.Kind == TKeyPart::IsNull) != (y.Kind == TKeyPart::IsNull))
                    return x.Kind == TKeyPart::IsNull;
                continue;
            }
            QPartialOrdering order = QPartialOrdering::Unordered;
            if (x.Kind == TKeyPart::IsNumber && y.Kind == TKeyPart::IsNumber)
                order = x.Number < y.Number   ? QPartialOrdering::Less
                        : y.Number < x.Number ? QPartialOrdering::Greater
                                              : QPartialOrdering::Equivalent;
            else if (x.Kind == TKeyPart::IsText && y.Kind == TKeyPart::IsText)
                order = x.Text < y.Text   ? QPartialOrdering::Less
                        : y.Text < x.Text ? QPartialOrdering::Greater
                                          : QPartialOrdering::Equivalent;
            else
                order = QVariant::compare(*x.Value, *y.Value);
            if (order == QPartialOrdering::Less)
                return true;
            if (order == QPartialOrdering::Greater)
                return false;
        }
        return false;
    };
    // Rows written in index order, the usual case, need no moving.
    bool sorted = true;
    for (qsizetype r = 1; sorted && r < m_rows.size(); ++r)
        sorted = !less(r, r - 1);
    if (!sorted) {
        std::vector<qsizetype> order(size_t(m_rows.size()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), less);
        decltype(m_rows) rows;
        rows.reserve(m_rows.size());
        for (qsizetype r : order)
            rows.append(std::move(m_rows[r]));
        m_rows = std::move(rows);
    }
    IndexName = indexName;
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    DisplayAll();
    NotifyDetails();
}

const TRecordStore::TBindPlan &TRecordStore::BindPlan(const QString &sql) const
{
    auto it = m_bindPlans.constFind(sql);
    if (it == m_bindPlans.cend()) {
        TBindPlan plan;
        for (const QString &name : ParamNames(sql)) {
            plan.Placeholders << u':' + name;
            plan.UpperNames << name.toUpper();
        }
        it = m_bindPlans.insert(sql, plan);
    }
    return it.value();
}

void TRecordStore::BindParams(QSqlQuery &query, const QString &sql, const TRow *oldRow) const
{
    const TBindPlan &plan = BindPlan(sql);
    if (m_params.isEmpty() && !MasterSource) {
        // Only fields can fill the parameters; they are looked up once per field set.
        if (plan.FieldsGeneration != m_fieldGeneration) {
            plan.Fields.clear();
            plan.OldFields.clear();
            plan.IsOld.clear();
            for (const QString &upper : plan.UpperNames) {
                const bool isOld = upper.startsWith(QStringLiteral("OLD_"));
                TStoreField *old = isOld ? FindField(upper.mid(4)) : nullptr;
                plan.Fields << FindField(upper);
                plan.OldFields << (old && old->m_slot >= 0 ? old : nullptr);
                plan.IsOld << isOld;
            }
            plan.FieldsGeneration = m_fieldGeneration;
        }
        const TRow *row = ActiveRow();
        for (qsizetype i = 0; i < plan.Fields.size(); ++i) {
            QVariant value;
            if (oldRow && plan.IsOld[i]) {
                if (const TStoreField *f = plan.OldFields[i])
                    value = (*oldRow)[f->m_slot];
            } else if (const TStoreField *f = plan.Fields[i]) {
                // Buffered fields straight from the row, others (lookups) through the field.
                value = row && f->FieldKind == TFieldKind::Data && f->m_slot >= 0
                            ? (*row)[f->m_slot]
                            : f->Value();
                if (value.isNull())
                    value = f->Coerce(QVariant());
            }
            query.bindValue(plan.Placeholders[i], value);
        }
        return;
    }
    for (qsizetype i = 0; i < plan.UpperNames.size(); ++i) {
        QVariant value;
        const QString &upper = plan.UpperNames[i];
        if (oldRow && upper.startsWith(QStringLiteral("OLD_"))) {
            if (TStoreField *f = FindField(upper.mid(4)); f && f->m_slot >= 0)
                value = (*oldRow)[f->m_slot];
        } else if (m_params.contains(upper)) {
            value = m_params.value(upper);
        } else if (MasterSource && MasterSource->FindField(upper) && !oldRow) {
            value = MasterSource->m_recNo >= 0 || MasterSource->m_scopeRow >= 0
                        ? MasterSource->FieldByName(upper)->Value()
                        : QVariant();
        } else if (TStoreField *f = FindField(upper)) {
            value = f->Value();
            if (value.isNull())
                value = f->Coerce(QVariant());
        }
        query.bindValue(plan.Placeholders[i], value);
    }
}

void TRecordStore::ReadRows()
{
    m_rows.clear();
    m_recNo = -1;
    const QString sql = SelectText();
    if (MasterSource) {
        m_detailKey.clear();
        for (const QString &name : BindPlan(sql).UpperNames)
            if (TStoreField *mf = MasterSource->FindField(name))
                m_detailKey << (MasterSource->Active() && MasterSource->m_recNo >= 0 ? mf->Value()
                                                                                     : QVariant());
        m_detailStale = false;
    }
    if (sql.isEmpty() || !Database)
        return; // in-memory store
    const int generation = Transaction ? Transaction->Generation() : 0;
    bool ok = true;
    if (!m_select || m_selectText != sql || m_selectGeneration != generation) {
        m_select = std::make_unique<QSqlQuery>(Database->Database());
        m_select->setForwardOnly(true);
        m_selectText = sql;
        m_selectGeneration = generation;
        ok = m_select->prepare(sql);
    }
    QSqlQuery &query = *m_select;
    if (ok) {
        BindParams(query, sql, nullptr);
        ok = query.exec();
    }
    if (!ok) {
        const QString text = query.lastError().text();
        m_select.reset();
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
    }
    // next() gives false at the end and on a failed fetch alike (e.g. a damaged file).
    if (query.lastError().isValid()) {
        const QString text = query.lastError().text();
        m_rows.clear();
        m_select.reset();
        throw EDatabaseError(QStringLiteral("Die Daten von „%1“ konnten nicht vollständig gelesen "
                                            "werden: %2")
                                 .arg(objectName(), text),
                             text);
    }
    query.finish();
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
    if (MasterSource && std::find(MasterSource->m_details.begin(), MasterSource->m_details.end(),
                                  this) == MasterSource->m_details.end())
        MasterSource->m_details.push_back(this);
    if (read)
        ReadRows();
    else
        m_rows.clear();
    m_state = TStoreState::Browse;
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    m_modified = false;
    DisplayState();
    DisplayAll();
    if (AfterOpen)
        AfterOpen(this);
    NotifyDetails();
}

void TRecordStore::Close()
{
    if (!Active())
        return;
    if (m_state == TStoreState::Insert || m_state == TStoreState::Edit)
        Cancel();
    FlushInserts();
    m_rows.clear();
    m_recNo = -1;
    m_eof = m_bof = true;
    m_state = TStoreState::Closed;
    m_select.reset();
    m_writeQueries.clear();
    if (m_autoFields) {
        m_fields.clear();
        m_byName.clear();
        ++m_fieldGeneration;
        m_autoFields = false;
        emit FieldsChanged();
    }
    DisplayState();
    DisplayAll();
    NotifyDetails();
}

void TRecordStore::Refresh()
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts();
    const QVariant id = CurrentId();
    ReadRows();
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (!id.isNull() && FindField(QStringLiteral("ID"))) {
        TStoreField *idField = FindField(QStringLiteral("ID"));
        for (int r = 0; r < m_rows.size(); ++r)
            if (SameValue(m_rows[r][idField->m_slot], id)) {
                m_recNo = r;
                break;
            }
    }
    DisplayAll();
    NotifyDetails();
}

void TRecordStore::SyncDetail() const
{
    if (!MasterSource || !m_detailStale || m_state != TStoreState::Browse)
        return;
    auto *self = const_cast<TRecordStore *>(this);
    self->ReadRows();
    self->m_recNo = m_rows.isEmpty() ? -1 : 0;
    self->m_bof = true;
    self->m_eof = m_rows.isEmpty();
}

void TRecordStore::NotifyDetails()
{
    for (TRecordStore *detail : m_details) {
        if (!detail->Active() || detail->MasterSource != this)
            continue;
        QVariantList key;
        for (const QString &name : detail->BindPlan(detail->SelectText()).UpperNames)
            if (TStoreField *mf = FindField(name))
                key << (Active() && m_recNo >= 0 ? mf->Value() : QVariant());
        bool same = !detail->m_detailStale && key.size() == detail->m_detailKey.size();
        for (int i = 0; same && i < key.size(); ++i)
            same = SameValue(key[i], detail->m_detailKey[i]);
        if (same)
            continue;
        if (detail->m_state == TStoreState::Insert || detail->m_state == TStoreState::Edit)
            detail->Cancel();
        detail->m_detailStale = true;
        detail->m_detailKey = key;
        detail->DisplayAll();
        detail->DisplayCurrent();
    }
}

bool TRecordStore::IsEmpty() const
{
    SyncDetail();
    return m_rows.isEmpty();
}

int TRecordStore::RecordCount() const
{
    SyncDetail();
    return int(m_rows.size());
}

int TRecordStore::RecNo() const
{
    SyncDetail();
    return m_recNo;
}

void TRecordStore::AfterMove(bool fireScroll)
{
    NotifyDetails();
    DisplayCurrent();
    if (fireScroll && AfterScroll)
        AfterScroll(this);
}

void TRecordStore::MoveTo(int row)
{
    CheckActive();
    CheckBrowseMode();
    SyncDetail();
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
    SyncDetail();
    m_recNo = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    AfterMove(true);
}

void TRecordStore::Last()
{
    CheckActive();
    CheckBrowseMode();
    SyncDetail();
    m_recNo = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
    AfterMove(true);
}

void TRecordStore::Next()
{
    CheckActive();
    CheckBrowseMode();
    SyncDetail();
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
    SyncDetail();
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
    SyncDetail();
    return m_eof || m_rows.isEmpty();
}

bool TRecordStore::Bof() const
{
    SyncDetail();
    return m_bof || m_rows.isEmpty();
}

bool TRecordStore::Locate(const QString &fieldName, const QVariant &value)
{
    CheckActive();
    CheckBrowseMode();
    SyncDetail();
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
    SyncDetail();
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
    // Asked for on every move of a detail; the field is looked up once per field set.
    if (m_idFieldGeneration != m_fieldGeneration) {
        m_idField = FindField(QStringLiteral("ID"));
        m_idFieldGeneration = m_fieldGeneration;
    }
    const TStoreField *id = m_idField;
    if (!id || !Active() || RecNo() < 0)
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
        emit DataSetChanged();
        emit StateChanged();
        emit CurrentChanged(m_recNo);
    }
}

void TRecordStore::DisplayCurrent()
{
    if (m_disableCount == 0)
        emit CurrentChanged(m_recNo);
}

void TRecordStore::DisplayAll()
{
    if (m_disableCount == 0)
        emit DataSetChanged();
}

void TRecordStore::DisplayState()
{
    if (m_disableCount == 0)
        emit StateChanged();
}

const TRecordStore::TRow *TRecordStore::ActiveRow() const
{
    SyncDetail();
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
    if (m_disableCount == 0)
        emit RowChanged(m_recNo, -1);
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
    for (TRecordStore *detail : m_details)
        if (detail->MasterSource == this &&
            (detail->m_state == TStoreState::Edit || detail->m_state == TStoreState::Insert))
            detail->CheckBrowseMode();
}

void TRecordStore::StartRow(int position, const QVariantList *values)
{
    m_insertFrom = m_recNo;
    TRow row;
    row.reserve(qsizetype(m_fields.size()));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const TStoreField *field = m_fields[i].get();
        if (field->m_slot < 0)
            continue;
        const bool given =
            values && qsizetype(i) < values->size() && (*values)[qsizetype(i)].isValid();
        row << field->Coerce(given ? (*values)[qsizetype(i)] : QVariant());
    }
    m_rows.insert(position, row);
    m_recNo = position;
    m_state = TStoreState::Insert;
    m_modified = false;
    m_eof = m_bof = false;
    if (!GeneratorName.isEmpty() && Database) {
        QSqlQuery gen(Database->Database());
        const bool ok = gen.exec(QStringLiteral("SELECT GEN_ID(\"%1\", %2) FROM RDB$DATABASE")
                                     .arg(GeneratorName)
                                     .arg(1)) &&
                        gen.next();
        if (!ok) {
            const QString text = gen.lastError().text();
            m_rows.removeAt(position);
            m_recNo = m_insertFrom;
            m_state = TStoreState::Browse;
            throw EDatabaseError(
                QStringLiteral("Für „%1“ kann keine neue Nummer vergeben werden: %2")
                    .arg(objectName(), text),
                text);
        }
        if (TStoreField *idField = FindField(GeneratorField))
            m_rows[position][idField->m_slot] = idField->Coerce(gen.value(0));
    }
    DisplayState();
    DisplayAll();
    NotifyDetails();
    if (AfterInsert)
        AfterInsert(this);
}

void TRecordStore::Insert()
{
    CheckActive();
    CheckBrowseMode();
    FlushInserts(); // gathered rows stay the last ones
    SyncDetail();
    StartRow(m_recNo < 0 ? 0 : m_recNo);
}

void TRecordStore::Append()
{
    CheckActive();
    CheckBrowseMode();
    SyncDetail();
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
        SyncDetail();
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
    }
    if (m_disableCount == 0)
        emit RowChanged(m_recNo, -1);
    Post();
}

void TRecordStore::Edit()
{
    CheckActive();
    if (m_state == TStoreState::Edit || m_state == TStoreState::Insert)
        return;
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

std::shared_ptr<QSqlQuery> TRecordStore::WriteQuery(const QString &sql, bool &ok)
{
    Database->Open();
    const int generation = Transaction ? Transaction->Generation() : 0;
    if (generation != m_writeGeneration) {
        m_writeQueries.clear();
        m_writeGeneration = generation;
    }
    std::shared_ptr<QSqlQuery> &cached = m_writeQueries[sql];
    ok = true;
    if (!cached) {
        cached = std::make_shared<QSqlQuery>(Database->Database());
        ok = cached->prepare(sql);
    }
    return cached;
}

void TRecordStore::RunWrite(const QString &sql, const TRow *oldRow, const QString &operation)
{
    bool ok = true;
    const std::shared_ptr<QSqlQuery> keep = WriteQuery(sql, ok);
    QSqlQuery &query = *keep;
    if (ok) {
        BindParams(query, sql, oldRow);
        ok = query.exec();
    }
    if (!ok) {
        const QString text = query.lastError().text();
        m_writeQueries.remove(sql);
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
    if (m_disableCount == 0)
        emit RowChanged(m_recNo, -1);
    NotifyDetails();
    if (AfterPost)
        AfterPost(this);
}

QString TRecordStore::TableInsertText() const
{
    // Built again only when the table or its writable columns changed since the last post.
    bool same = m_insertTable == TableName;
    qsizetype n = 0;
    for (const auto &field : m_fields) {
        if (!same)
            break;
        if (field->m_slot < 0 || field->ReadOnly)
            continue;
        same = n < m_insertColumns.size() && m_insertColumns[n] == field->FieldName &&
               m_insertFields[n] == field.get();
        ++n;
    }
    if (same && n == m_insertColumns.size() && !m_insertText.isEmpty())
        return m_insertText;
    m_insertTable = TableName;
    m_insertColumns.clear();
    m_insertFields.clear();
    for (const auto &field : m_fields)
        if (field->m_slot >= 0 && !field->ReadOnly) {
            m_insertColumns << field->FieldName;
            m_insertFields << field.get();
        }
    m_insertText = QStringLiteral("INSERT INTO %1 (%2) VALUES (:%3)")
                       .arg(TableName, m_insertColumns.join(QStringLiteral(", ")),
                            m_insertColumns.join(QStringLiteral(", :")));
    return m_insertText;
}

void TRecordStore::Cancel()
{
    if (m_state == TStoreState::Insert) {
        m_rows.removeAt(m_recNo);
        m_recNo = m_insertFrom;
        if (m_recNo >= m_rows.size())
            m_recNo = int(m_rows.size()) - 1;
        if (m_recNo < 0 && !m_rows.isEmpty())
            m_recNo = 0;
    } else if (m_state == TStoreState::Edit) {
        m_rows[m_recNo] = m_original;
    } else {
        return;
    }
    m_state = TStoreState::Browse;
    m_modified = false;
    m_original.clear();
    m_eof = m_bof = m_rows.isEmpty();
    DisplayState();
    DisplayAll();
    NotifyDetails();
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
    if (IsEmpty())
        throw EDatabaseError(
            QStringLiteral("Die Datenmenge „%1“ ist leer; es gibt nichts zu löschen.")
                .arg(objectName()));
    for (TRecordStore *detail : m_details)
        if (detail->MasterSource == this)
            detail->CheckBrowseMode();
    if (Database && (!SQL.isEmpty() || !TableName.isEmpty())) {
        if (UpdateObject.DeleteSQL.isEmpty())
            throw EDatabaseError(QStringLiteral("Die Daten von „%1“ können nicht gelöscht werden.")
                                     .arg(objectName()));
        RunWrite(UpdateObject.DeleteSQL, &m_rows[m_recNo], QStringLiteral("delete"));
    }
    m_rows.removeAt(m_recNo);
    if (m_recNo >= m_rows.size())
        m_recNo = int(m_rows.size()) - 1;
    m_eof = m_bof = m_rows.isEmpty();
    DisplayAll();
    DisplayCurrent();
    NotifyDetails();
    if (AfterDelete)
        AfterDelete(this);
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

TRecordStore::TRowScope::TRowScope(const TRecordStore *store, int row)
    : m_store(store), m_saved(store->m_scopeRow)
{
    store->m_scopeRow = row;
}

TRecordStore::TRowScope::~TRowScope()
{
    m_store->m_scopeRow = m_saved;
}
