#include "DatabaseFileLock.h"

#include <QFileInfo>
#include <QLockFile>
#include <map>

namespace
{
struct THeld {
    std::unique_ptr<QLockFile> File;
    int Users = 0;
};

std::map<QString, THeld> &Held()
{
    static std::map<QString, THeld> held;
    return held;
}
} // namespace

bool TDatabaseFileLock::Acquire(const QString &path)
{
    Release();
    // Only files on this machine: "host:/path" goes to a server, which does its own locking.
    if (path.isEmpty() || (path.indexOf(u':') > 0 && !path.startsWith(u'/')))
        return true;
    const QString key = QFileInfo(path).absoluteFilePath();
    THeld &held = Held()[key];
    if (held.Users == 0) {
        held.File = std::make_unique<QLockFile>(key + QStringLiteral(".lock"));
        held.File->setStaleLockTime(0);
        if (!held.File->tryLock(0)) {
            const bool taken = held.File->error() == QLockFile::LockFailedError;
            Held().erase(key);
            if (taken)
                return false;
            return true; // the folder takes no lock file
        }
    }
    ++held.Users;
    m_key = key;
    return true;
}

void TDatabaseFileLock::Release()
{
    if (m_key.isEmpty())
        return;
    auto it = Held().find(m_key);
    if (it != Held().end() && --it->second.Users == 0)
        Held().erase(it); // unlocks and removes the file
    m_key.clear();
}
