#include "IBTransaction.h"

#include "DatabaseError.h"
#include "IBDatabase.h"

#include <QSqlError>

void TIBTransaction::StartTransaction()
{
    if (m_active || !DefaultDatabase)
        return;
    QSqlDatabase db = DefaultDatabase->Database();
    if (!db.transaction()) {
        const QString text = db.lastError().text();
        throw EDatabaseError(QStringLiteral("Die Transaktion kann nicht gestartet werden: %1").arg(text),
                             text);
    }
    m_active = true;
    ++m_generation;
}

void TIBTransaction::Commit()
{
    if (!m_active)
        return;
    QSqlDatabase db = DefaultDatabase->Database();
    m_active = false;
    ++m_generation;
    if (!db.commit()) {
        const QString text = db.lastError().text();
        db.rollback();
        throw EDatabaseError(QStringLiteral("Die Änderungen konnten nicht gespeichert werden: %1").arg(text),
                             text);
    }
}

void TIBTransaction::Rollback()
{
    if (!m_active)
        return;
    m_active = false;
    ++m_generation;
    DefaultDatabase->Database().rollback();
}

void TIBTransaction::CommitWork()
{
    try {
        Commit();
    } catch (...) {
        StartTransaction();
        throw;
    }
    StartTransaction();
}
