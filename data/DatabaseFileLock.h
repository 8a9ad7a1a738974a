#pragma once
// TDatabaseFileLock: "<database>.lock" beside a local database file, held while a connection
// of this process is attached to it. Another running copy of the program finds it held and
// stays away from the file (the embedded engine of the first copy must not see a second
// one try). Connections of one process share the lock; a lock left by a killed process is
// taken over.
#include <QString>
#include <memory>

class TDatabaseFileLock
{
public:
    // Takes the lock for path; false when another running process holds it. A folder where
    // no lock file can be written is not locked (and not refused).
    bool Acquire(const QString &path);
    void Release();
    ~TDatabaseFileLock() { Release(); }

private:
    QString m_key;
};
