#include "IBTransaction.h"

#include "DatabaseError.h"
#include "IBDatabase.h"
#include "RecordStore.h"
#include "ScopeGuard.h"

#include <QSqlError>

#include <exception>
#include <utility>

void TIBTransaction::GatherInserts(TRecordStore *store)
{
    if (!m_gathering.contains(store))
        m_gathering << store;
}

void TIBTransaction::StartTransaction()
{
    if (m_active || !DefaultDatabase)
        return;
    QSqlDatabase db = DefaultDatabase->Database();
    if (!db.transaction()) {
        const QString text = db.lastError().text();
        throw EDatabaseError(
            QStringLiteral("Die Transaktion kann nicht gestartet werden: %1").arg(text), text);
    }
    m_active = true;
    ++m_generation;
}

void TIBTransaction::Commit()
{
    if (!m_active)
        return;
    // Gathered rows first; what was written before a refused row is committed all the same.
    std::exception_ptr refused;
    for (const QPointer<TRecordStore> &store : std::exchange(m_gathering, {})) {
        try {
            if (store)
                store->FlushInserts();
        } catch (...) {
            if (!refused)
                refused = std::current_exception();
        }
    }
    QSqlDatabase db = DefaultDatabase->Database();
    m_active = false;
    ++m_generation;
    if (!db.commit()) {
        const QString text = db.lastError().text();
        db.rollback();
        throw EDatabaseError(
            QStringLiteral("Die Änderungen konnten nicht gespeichert werden: %1").arg(text), text);
    }
    if (refused)
        std::rethrow_exception(refused);
}

void TIBTransaction::Rollback()
{
    if (!m_active)
        return;
    for (const QPointer<TRecordStore> &store : std::exchange(m_gathering, {}))
        if (store)
            store->m_gathered = 0; // never to be written
    m_active = false;
    ++m_generation;
    DefaultDatabase->Database().rollback();
}

void TIBTransaction::CommitWork()
{
    const TScopeGuard restart([this] { StartTransaction(); });
    Commit();
}
