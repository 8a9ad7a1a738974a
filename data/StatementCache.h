#pragma once
// Prepared statements by their text, kept while one transaction lasts: one prepared in an
// earlier transaction may hold a stale handle.
#include <QHash>
#include <QString>
#include <memory>

class QSqlDatabase;
class QSqlQuery;

class TStatementCache
{
public:
    // The statement for sql in transaction generation, prepared on db when not held; ok is
    // false when it cannot be prepared (it is then not kept, its error is on the query).
    std::shared_ptr<QSqlQuery> Prepared(const QSqlDatabase &db, const QString &sql, int generation,
                                        bool &ok);
    void Forget(const QString &sql) { m_byText.remove(sql); }
    void Clear() { m_byText.clear(); }

private:
    QHash<QString, std::shared_ptr<QSqlQuery>> m_byText;
    int m_generation = -1;
};
