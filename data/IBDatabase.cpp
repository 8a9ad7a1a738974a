#include "IBDatabase.h"

#include "DatabaseError.h"
#include "DbErrorText.h"
#include "IBTransaction.h"
#include "ScopeGuard.h"

#include <QSqlError>
#include <atomic>

namespace
{
std::atomic<int> connectionCounter{0};

// Every TIMESTAMP read becomes a local QDateTime. With TZ unset the C library looks at
// /etc/localtime again for each conversion (a stat per value); naming the same zone file
// in TZ lets it keep the zone it has read. Same zone, so no value changes.
void KeepLocalZone()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
}
} // namespace

TIBDatabase::TIBDatabase(QObject *parent)
    : QObject(parent), m_connectionName(QStringLiteral("norbekAfa_%1").arg(++connectionCounter))
{
}

TIBDatabase::~TIBDatabase()
{
    Close();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool TIBDatabase::Connected() const
{
    return QSqlDatabase::contains(m_connectionName) && Database().isOpen();
}

QSqlDatabase TIBDatabase::Database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void TIBDatabase::Open()
{
    if (Connected())
        return;
    if (BeforeConnect)
        BeforeConnect(this);
    KeepLocalZone();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw EDatabaseError(
            QStringLiteral("Der Datenbanktreiber für Firebird (QIBASE) ist nicht installiert."));
    if (!m_fileLock.Acquire(DatabaseName))
        throw EDatabaseError(GermanOpenError(DatabaseName, QStringLiteral("\"lock\"")),
                             QStringLiteral("lock file held"));
    const TErrorGuard unlock([this] { m_fileLock.Release(); });
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
    db.setDatabaseName(DatabaseName);
    db.setUserName(UserName);
    db.setPassword(Password);
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=%1").arg(CharacterSet));
    if (!db.open()) {
        const QString text = db.lastError().text();
        throw EDatabaseError(GermanOpenError(DatabaseName, text), text);
    }
    if (DefaultTransaction)
        DefaultTransaction->StartTransaction();
}

void TIBDatabase::Close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = Database();
    if (db.isOpen()) {
        if (DefaultTransaction && DefaultTransaction->InTransaction())
            DefaultTransaction->Commit();
        db.close();
    }
    m_fileLock.Release();
}
