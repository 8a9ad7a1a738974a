#include "AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace
{
QString RunningExecutableDir()
{
    return ExecutableDirOf(QStringLiteral("/proc/self/exe"));
}
} // namespace

QString ExecutableDirOf(const QString &exePath)
{
    QFileInfo info(exePath);
    QString real = info.canonicalFilePath();
    if (real.isEmpty())
        real = info.absoluteFilePath();
    QString dir = QFileInfo(real).absolutePath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString ResourceDirOf(const QString &appDir)
{
    if (QFileInfo::exists(appDir + QStringLiteral("norbekAfa.nrp")))
        return appDir;
    const QString installed = QDir::cleanPath(appDir + QStringLiteral("../share/norbekafa")) + u'/';
    return QFileInfo::exists(installed + QStringLiteral("norbekAfa.nrp")) ? installed : appDir;
}

QString DatabaseDirOf(const QString &appDir, const QString &resourceDir)
{
    // Beside the executable in a build; an installed program's folder belongs to the system
    // (even when root may write there).
    if (resourceDir == appDir && QFileInfo(appDir).isWritable())
        return appDir;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(home) + QStringLiteral("/norbekAfa/");
}

// Initialisation order within this unit follows the order of definition.
const QString AppBaseName = QStringLiteral("norbekAfa");
const QString AppDir = RunningExecutableDir();
const QString ResourceDir = ResourceDirOf(AppDir);
const QString ReportProjectPath = ResourceDir + AppBaseName + QStringLiteral(".nrp");
const QString DatabaseFileName = AppBaseName + QStringLiteral(".fdb");
const QString DatabasePath = DatabaseDirOf(AppDir, ResourceDir) + DatabaseFileName;
const QString EmptyDatabasePath = ResourceDir + AppBaseName + QStringLiteral("-leer.fdb");

bool UsePrivateFirebirdLockFolder(QString &error)
{
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        return true;
    const QString folder = QDir::tempPath() + QStringLiteral("/firebird-%1").arg(::getuid());
    QFileInfo info(folder);
    if (!info.exists() && QDir().mkdir(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    info.refresh();
    if (!info.exists() && !info.isSymLink()) {
        error = QStringLiteral("Der Ordner „%1“ für die Sperrdateien der Datenbank kann nicht "
                               "angelegt werden.")
                    .arg(folder);
        return false;
    }
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::getuid()) {
        error = QStringLiteral("„%1“ ist nicht Ihr eigener Ordner; die Datenbank legt dort "
                               "ihre Sperrdateien ab. Entfernen Sie ihn oder setzen Sie "
                               "FIREBIRD_LOCK auf einen eigenen Ordner.")
                    .arg(folder);
        return false;
    }
    qputenv("FIREBIRD_LOCK", QFile::encodeName(folder + u'/'));
    return true;
}

bool ProvideUserDatabase(QString &error)
{
    if (!UsePrivateFirebirdLockFolder(error))
        return false;
    if (QFileInfo::exists(DatabasePath) || DatabasePath == AppDir + DatabaseFileName)
        return true;
    const QString folder = QFileInfo(DatabasePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("Der Ordner „%1“ für die Datenbank kann nicht angelegt werden.")
                    .arg(folder);
        return false;
    }
    // The copy goes through a temporary file and a rename, so a half copy never takes the
    // database's name. The program and the tool may start together: whoever loses the race
    // finds the other's copy.
    QFile empty(EmptyDatabasePath);
    if (!empty.copy(DatabasePath) && !QFileInfo::exists(DatabasePath)) {
        error = QStringLiteral("Die leere Datenbank „%1“ kann nicht nach „%2“ kopiert werden: %3")
                    .arg(EmptyDatabasePath, DatabasePath, empty.errorString());
        return false;
    }
    QFile::setPermissions(DatabasePath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}
