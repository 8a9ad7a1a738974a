#pragma once
// The statements that append rows to a table store: one row through named parameters, or
// several rows in one block. Built again only when the table or its writable fields changed.
#include <QStringList>
#include <QVector>
#include <memory>
#include <vector>

class TStoreField;

class TTableInsert
{
public:
    using TFields = std::vector<std::unique_ptr<TStoreField>>;

    // The insert of one row into table's columns of the buffered fields that are not read-only.
    const QString &Text(const QString &table, const TFields &fields);
    const QString &LastText() const { return m_text; }
    // The fields of the last Text, in column order.
    const QVector<const TStoreField *> &Fields() const { return m_fields; }
    // rows rows of the last Text in one statement.
    const QString &GroupText(int rows);

private:
    QString m_table;
    QStringList m_columns;
    QVector<const TStoreField *> m_fields;
    QString m_text;
    QString m_groupText; // GroupText for m_groupRows rows of m_text
    QString m_groupBase;
    int m_groupRows = 0;
};
