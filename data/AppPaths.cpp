#include "AppPaths.h"

#include <QDir>
#include <QFileInfo>

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

// Initialisation order within this unit follows the order of definition.
const QString AppBaseName = QStringLiteral("norbekAfa");
const QString AppDir = RunningExecutableDir();
const QString ReportProjectPath = AppDir + AppBaseName + QStringLiteral(".nrp");
const QString DatabaseFileName = AppBaseName + QStringLiteral(".fdb");
const QString DatabasePath = AppDir + DatabaseFileName;
