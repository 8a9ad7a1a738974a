#pragma once
// The one Firebird connection over Qt SQL's QIBASE driver. Open() runs BeforeConnect
// (where the data module sets DatabaseName), attaches with the parameters below and
// starts DefaultTransaction. A local path attaches the embedded engine in-process;
// "host:/path" would go to a server.
#include "DatabaseFileLock.h"

#include <QObject>
#include <QSqlDatabase>
#include <functional>

class TIBTransaction;

class TIBDatabase : public QObject
{
    Q_OBJECT
public:
    explicit TIBDatabase(QObject *parent = nullptr);
    ~TIBDatabase() override;

    QString DatabaseName;
    QString UserName;
    QString Password;
    QString CharacterSet = QStringLiteral("ISO8859_1");
    TIBTransaction *DefaultTransaction = nullptr;
    std::function<void(TIBDatabase *Sender)> BeforeConnect;

    bool Connected() const;
    // Connects if not connected; raises EDatabaseError with a German message on failure.
    void Open();
    void Close();
    QSqlDatabase Database() const;
    QString ConnectionName() const { return m_connectionName; }

private:
    QString m_connectionName;
    TDatabaseFileLock m_fileLock;
};
