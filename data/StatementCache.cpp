#include "StatementCache.h"

#include <QSqlQuery>

std::shared_ptr<QSqlQuery> TStatementCache::Prepared(const QSqlDatabase &db, const QString &sql,
                                                     int generation, bool &ok)
{
    if (generation != m_generation) {
        m_byText.clear();
        m_generation = generation;
    }
    ok = true;
    std::shared_ptr<QSqlQuery> &held = m_byText[sql];
    if (held)
        return held;
    auto query = std::make_shared<QSqlQuery>(db);
    query->setForwardOnly(true);
    ok = query->prepare(sql);
    if (ok)
        held = query;
    else
        m_byText.remove(sql);
    return query;
}
