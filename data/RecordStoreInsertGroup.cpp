// TRecordStore: rows gathered and written several with one statement.
#include "RecordStore.h"

#include "DatabaseError.h"
#include "IBTransaction.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>

bool TRecordStore::GathersInsert(const QString &sql) const
{
    // Only plain appends through the table insert: the gathered rows are always the last.
    return InsertGroup > 1 && !CommitOnWrite && Transaction && m_state == TStoreState::Insert &&
           UpdateObject.InsertSQL.isEmpty() && sql == m_tableInsert.LastText() && m_scopeRow < 0 &&
           m_recNo == int(m_rows.size()) - 1;
}

bool TRecordStore::WriteInsertGroup(int firstRow)
{
    const QString sql = m_tableInsert.GroupText(InsertGroup);
    bool ok = true;
    const std::shared_ptr<QSqlQuery> keep = Statement(sql, ok);
    if (ok) {
        int position = 0;
        for (int r = firstRow; r < firstRow + InsertGroup; ++r) {
            const TRow &row = m_rows[r];
            for (const TStoreField *field : m_tableInsert.Fields()) {
                const QVariant &value = row[field->m_slot];
                keep->bindValue(position++, value.isNull() ? field->Coerce(QVariant()) : value);
            }
        }
        ok = keep->exec();
    }
    if (!ok)
        m_statements.Forget(sql); // the block wrote nothing
    return ok;
}

void TRecordStore::FlushInserts()
{
    if (m_gathered == 0)
        return;
    int row = int(m_rows.size()) - m_gathered;
    m_gathered = 0;
    const QString single = TableInsertText();
    int singleUntil = row; // rows of a refused group go one by one, to name the refused one
    // A refused row goes, with the rows after it.
    auto dropRest = qScopeGuard([this, &row] {
        if (m_state == TStoreState::Insert) {
            // The row being posted was the last one: it went with the others.
            m_state = TStoreState::Browse;
            m_modified = false;
            DisplayState();
        }
        m_recNo = std::min(m_recNo, row - 1);
        RemoveRows(row, int(m_rows.size()) - row);
        m_eof = m_bof = m_rows.isEmpty();
        DisplayCurrent();
        try {
            m_link.Follow();
        } catch (const EDatabaseError &) {
            // Already on the refused row's way out; a detail that could not
            // read reads again at the next move.
        }
    });
    while (row < m_rows.size()) {
        if (InsertGroup > 1 && row >= singleUntil && m_rows.size() - row >= InsertGroup) {
            if (WriteInsertGroup(row)) {
                row += InsertGroup;
                continue;
            }
            singleUntil = row + InsertGroup;
        }
        const TRowScope scope(this, row);
        RunWrite(single, &m_rows[row], QStringLiteral("post"));
        ++row;
    }
    dropRest.dismiss();
}
