#include "FirebirdSql.h"

#include "DatabaseError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace FirebirdSql
{

QString TableSelect(const QString &table, const QString &index, const QStringList &indexColumns)
{
    const QString text = QStringLiteral("SELECT * FROM %1").arg(table);
    if (index.isEmpty())
        return text;
    return text + QStringLiteral(" PLAN (%1 ORDER %2) ORDER BY %3")
                      .arg(table, index.toUpper(), indexColumns.join(QStringLiteral(", ")));
}

QStringList IndexColumns(const QSqlDatabase &db, const QString &indexName)
{
    QStringList columns;
    if (db.isValid()) {
        QSqlQuery segments(db);
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

QVariant NextGeneratorValue(const QSqlDatabase &db, const QString &generator,
                            const QString &storeName)
{
    QSqlQuery gen(db);
    if (gen.exec(QStringLiteral("SELECT GEN_ID(\"%1\", 1) FROM RDB$DATABASE").arg(generator)) &&
        gen.next())
        return gen.value(0);
    const QString text = gen.lastError().text();
    throw EDatabaseError(
        QStringLiteral("Für „%1“ kann keine neue Nummer vergeben werden: %2").arg(storeName, text),
        text);
}

QString TableInsert(const QString &table, const QStringList &columns)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (:%3)")
        .arg(table, columns.join(QStringLiteral(", ")), columns.join(QStringLiteral(", :")));
}

QString InsertBlock(const QString &table, const QStringList &columns, int rows)
{
    QStringList params;
    QString body;
    for (int r = 0; r < rows; ++r) {
        QStringList values;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QString name = QStringLiteral("P%1_%2").arg(r).arg(c);
            params << QStringLiteral("%1 TYPE OF COLUMN %2.%3 = ?").arg(name, table, columns[c]);
            values << u':' + name;
        }
        body +=
            QStringLiteral("  INSERT INTO %1 (%2) VALUES (%3);\n")
                .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    }
    return QStringLiteral("EXECUTE BLOCK (%1)\nAS\nBEGIN\n%2END")
        .arg(params.join(QStringLiteral(", ")), body);
}

} // namespace FirebirdSql
