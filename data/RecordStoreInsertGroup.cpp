// TRecordStore: rows gathered and written several with one statement.
#include "RecordStore.h"

#include "DatabaseError.h"
#include "IBTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

bool TRecordStore::GathersInsert(const QString &sql) const
{
    // Only plain appends through the table insert: the gathered rows are always the last.
    return InsertGroup > 1 && !CommitOnWrite && Transaction && m_state == TStoreState::Insert &&
           UpdateObject.InsertSQL.isEmpty() && sql == m_insertText && m_scopeRow < 0 &&
           m_recNo == int(m_rows.size()) - 1;
}

QString TRecordStore::InsertGroupText() const
{
    if (m_groupBase == m_insertText && m_groupRows == InsertGroup)
        return m_groupText;
    // One insert per row in a block whose parameters take the columns' own types.
    QStringList params;
    QString body;
    for (int r = 0; r < InsertGroup; ++r) {
        QStringList values;
        for (qsizetype c = 0; c < m_insertColumns.size(); ++c) {
            const QString name = QStringLiteral("P%1_%2").arg(r).arg(c);
            params << QStringLiteral("%1 TYPE OF COLUMN %2.%3 = ?")
                          .arg(name, TableName, m_insertColumns[c]);
            values << u':' + name;
        }
        body += QStringLiteral("  INSERT INTO %1 (%2) VALUES (%3);\n")
                    .arg(TableName, m_insertColumns.join(QStringLiteral(", ")),
                         values.join(QStringLiteral(", ")));
    }
    m_groupText = QStringLiteral("EXECUTE BLOCK (%1)\nAS\nBEGIN\n%2END")
                      .arg(params.join(QStringLiteral(", ")), body);
    m_groupBase = m_insertText;
    m_groupRows = InsertGroup;
    return m_groupText;
}

bool TRecordStore::WriteInsertGroup(int firstRow)
{
    const QString sql = InsertGroupText();
    bool ok = true;
    const std::shared_ptr<QSqlQuery> keep = WriteQuery(sql, ok);
    if (ok) {
        int position = 0;
        for (int r = firstRow; r < firstRow + InsertGroup; ++r) {
            const TRow &row = m_rows[r];
            for (const TStoreField *field : std::as_const(m_insertFields)) {
                const QVariant &value = row[field->m_slot];
                keep->bindValue(position++, value.isNull() ? field->Coerce(QVariant()) : value);
            }
        }
        ok = keep->exec();
    }
    if (!ok)
        m_writeQueries.remove(sql); // the block wrote nothing
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
    while (row < m_rows.size()) {
        if (InsertGroup > 1 && row >= singleUntil && m_rows.size() - row >= InsertGroup) {
            if (WriteInsertGroup(row)) {
                row += InsertGroup;
                continue;
            }
            singleUntil = row + InsertGroup;
        }
        try {
            const TRowScope scope(this, row);
            RunWrite(single, &m_rows[row], QStringLiteral("post"));
        } catch (...) {
            DropRowsFrom(row);
            throw;
        }
        ++row;
    }
}

void TRecordStore::DropRowsFrom(int row)
{
    m_rows.remove(row, m_rows.size() - row);
    if (m_state == TStoreState::Insert) {
        // The row being posted was the last one: it went with the others.
        m_state = TStoreState::Browse;
        m_modified = false;
        DisplayState();
    }
    if (m_recNo >= m_rows.size())
        m_recNo = int(m_rows.size()) - 1;
    m_eof = m_bof = m_rows.isEmpty();
    DisplayAll();
    NotifyDetails();
}
