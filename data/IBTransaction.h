#pragma once
// The connection's transaction. Writes are made durable by CommitWork(): commit, then a
// new transaction starts at once, so every statement always runs inside one.
#include <QList>
#include <QObject>
#include <QPointer>

class TIBDatabase;
class TRecordStore;

class TIBTransaction : public QObject
{
    Q_OBJECT
public:
    explicit TIBTransaction(QObject *parent = nullptr) : QObject(parent) {}

    TIBDatabase *DefaultDatabase = nullptr;

    bool InTransaction() const { return m_active; }
    void StartTransaction();
    void Commit();
    void Rollback();
    // A store holding gathered rows: Commit writes them first. A refused row does not stop
    // the commit of the rest; its error is raised after it. Rollback forgets them.
    void GatherInserts(TRecordStore *store);
    // Commit and start the next transaction; raises EDatabaseError when the commit fails
    // (the work is then rolled back and a new transaction started).
    void CommitWork();
    // Changes with every start and end: statements prepared before may hold a stale handle.
    int Generation() const { return m_generation; }

private:
    QList<QPointer<TRecordStore>> m_gathering;
    bool m_active = false;
    int m_generation = 0;
};
