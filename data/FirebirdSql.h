#pragma once
// The Firebird-specific statements of the record stores: reading in an index's order, the
// index's columns, generators and inserts of several rows in one block.
#include <QStringList>
#include <QVariant>

class QSqlDatabase;

namespace FirebirdSql
{
// All rows of a table; with an index, in its order (the plan makes the database insist on it).
QString TableSelect(const QString &table, const QString &index = {},
                    const QStringList &indexColumns = {});
// Columns of a database index in their order; raises EDatabaseError when there is none.
QStringList IndexColumns(const QSqlDatabase &db, const QString &indexName);
// The generator's next value; raises EDatabaseError naming the store when none is drawn.
QVariant NextGeneratorValue(const QSqlDatabase &db, const QString &generator,
                            const QString &storeName);
// One row into the columns, through named parameters (":COLUMN").
QString TableInsert(const QString &table, const QStringList &columns);
// rows inserts in one block; positional parameters (row by row, column by column) take the
// columns' own types.
QString InsertBlock(const QString &table, const QStringList &columns, int rows);
} // namespace FirebirdSql
