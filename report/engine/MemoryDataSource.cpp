#include "MemoryDataSource.h"

bool TMemoryDataSource::First()
{
    m_row = 0;
    return !Rows.isEmpty();
}

bool TMemoryDataSource::Next()
{
    if (m_row < Rows.size())
        ++m_row;
    return m_row < Rows.size();
}

bool TMemoryDataSource::HasField(const QString &name) const
{
    return Fields.contains(name, Qt::CaseInsensitive);
}

QVariant TMemoryDataSource::Value(const QString &name) const
{
    if (m_row < 0 || m_row >= Rows.size())
        return {};
    for (qsizetype i = 0; i < Fields.size(); ++i) {
        if (Fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i < Rows[m_row].size() ? Rows[m_row][i] : QVariant();
    }
    return {};
}
