#include "MovementTable.h"

#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "DateSerial.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace
{
// The detail store's rows for all assets at once, with the columns the depreciation engine
// reads. A natural scan returns them in storage order, the order in which each asset's own
// detail read returns its rows.
const char *const SelectAll = "Select Id, Afa_Erfassung_Id, Datum, Zugang from Afa_Zuabgang "
                              "Where Afa_Erfassung_Id Is Not Null";
} // namespace

void TMovementTable::Load()
{
    Clear();
    DataModule.IBDatabase->Open();
    QSqlQuery query(DataModule.IBDatabase->Database());
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(SelectAll))) {
        const QString text = query.lastError().text();
        throw EDatabaseError(
            QStringLiteral("Die Zu- und Abgänge können nicht gelesen werden: %1").arg(text), text);
    }
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_columns << record.fieldName(i).toUpper();
    m_idColumn = int(m_columns.indexOf(QStringLiteral("ID")));
    const int assetColumn = int(m_columns.indexOf(QStringLiteral("AFA_ERFASSUNG_ID")));
    const int dateColumn = int(m_columns.indexOf(QStringLiteral("DATUM")));
    const int additionColumn = int(m_columns.indexOf(QStringLiteral("ZUGANG")));
    const int count = record.count();
    while (query.next()) {
        TRow row(count);
        for (int i = 0; i < count; ++i)
            row[i] = query.value(i);
        const int asset = row[assetColumn].toInt();
        // The year's sum as the walk over the asset's rows forms it.
        double &sum = m_additions[AssetYear(
            asset, DateSerial::YearOf(DateSerial::FromVariant(row[dateColumn])))];
        if (!row[additionColumn].isNull())
            sum += row[additionColumn].toDouble();
        m_byAsset[asset].append(std::move(row));
    }
    // next() gives false at the end and on a failed fetch alike (e.g. a damaged file).
    if (query.lastError().isValid()) {
        const QString text = query.lastError().text();
        Clear();
        throw EDatabaseError(
            QStringLiteral("Die Zu- und Abgänge konnten nicht vollständig gelesen werden: %1")
                .arg(text),
            text);
    }
    m_loaded = true;
}

void TMovementTable::Clear()
{
    m_loaded = false;
    m_columns.clear();
    m_lastName.clear();
    m_lastColumn = -1;
    m_idColumn = -1;
    m_byAsset.clear();
    m_additions.clear();
    m_asset.reset();
    m_rows = nullptr;
    m_pos = 0;
}

const QVector<TMovementTable::TRow> &TMovementTable::Rows() const
{
    static const QVector<TRow> none;
    if (!m_loaded)
        const_cast<TMovementTable *>(this)->Load();
    const QVariant asset = Assets.CurrentId();
    const std::optional<int> key =
        asset.isNull() ? std::nullopt : std::optional<int>(asset.toInt());
    if (!m_rows || key != m_asset) {
        // Another asset: stand on its first movement, as the detail store does.
        m_asset = key;
        const auto it = key ? m_byAsset.constFind(*key) : m_byAsset.cend();
        m_rows = it == m_byAsset.cend() ? &none : &it.value();
        const_cast<TMovementTable *>(this)->m_pos = 0;
    }
    return *m_rows;
}

const TMovementTable::TRow *TMovementTable::CurrentRow() const
{
    const QVector<TRow> &rows = Rows();
    if (rows.isEmpty())
        return nullptr;
    // Past the end the cursor stays on the last row, as the store does.
    return m_pos < rows.size() ? &rows[m_pos] : &rows.last();
}

bool TMovementTable::IsEmpty() const
{
    return Rows().isEmpty();
}

bool TMovementTable::KnownAdditionsOfYear(int year, double &sum) const
{
    Rows();
    sum = m_asset ? m_additions.value(AssetYear(*m_asset, year), 0.0) : 0.0;
    return true;
}

void TMovementTable::First()
{
    Rows();
    m_pos = 0;
}

void TMovementTable::Next()
{
    if (m_pos < Rows().size())
        ++m_pos;
}

bool TMovementTable::Eof() const
{
    return m_pos >= Rows().size();
}

QVariant TMovementTable::CurrentId() const
{
    const TRow *row = CurrentRow();
    return row && m_idColumn >= 0 ? row->at(m_idColumn) : QVariant();
}

bool TMovementTable::LocateId(const QVariant &id)
{
    const QVector<TRow> &rows = Rows();
    if (m_idColumn < 0 || id.isNull())
        return false;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i][m_idColumn] == id) {
            m_pos = i;
            return true;
        }
    return false;
}

QVariant TMovementTable::FieldValue(const QString &name) const
{
    const TRow *row = CurrentRow();
    if (!row)
        return {};
    // The engine asks for the same two names again and again.
    int column = -1;
    if (name == m_lastName) {
        column = m_lastColumn;
    } else {
        for (int i = 0; i < m_columns.size() && column < 0; ++i)
            if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
                column = i;
        m_lastName = name;
        m_lastColumn = column;
    }
    if (column < 0)
        throw EDatabaseError(
            QStringLiteral("Zu- und Abgänge: Feld „%1“ nicht gefunden.").arg(name));
    return row->at(column);
}
