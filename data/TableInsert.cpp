#include "TableInsert.h"

#include "FirebirdSql.h"
#include "StoreField.h"

namespace
{
bool Written(const TStoreField &field)
{
    return field.FieldKind == TFieldKind::Data && !field.ReadOnly;
}
} // namespace

const QString &TTableInsert::Text(const QString &table, const TFields &fields)
{
    bool same = m_table == table && !m_text.isEmpty();
    qsizetype n = 0;
    for (const auto &field : fields) {
        if (!same)
            break;
        if (!Written(*field))
            continue;
        same =
            n < m_columns.size() && m_columns[n] == field->FieldName && m_fields[n] == field.get();
        ++n;
    }
    if (same && n == m_columns.size())
        return m_text;
    m_table = table;
    m_columns.clear();
    m_fields.clear();
    for (const auto &field : fields)
        if (Written(*field)) {
            m_columns << field->FieldName;
            m_fields << field.get();
        }
    m_text = FirebirdSql::TableInsert(table, m_columns);
    return m_text;
}

const QString &TTableInsert::GroupText(int rows)
{
    if (m_groupBase != m_text || m_groupRows != rows) {
        m_groupText = FirebirdSql::InsertBlock(m_table, m_columns, rows);
        m_groupBase = m_text;
        m_groupRows = rows;
    }
    return m_groupText;
}
