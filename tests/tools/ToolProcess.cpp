#include "ToolProcess.h"

#include <QProcess>

ToolResult RunReportTool(const QStringList &arguments, const QString &standardOutputFile)
{
    QProcess p;
    if (!standardOutputFile.isEmpty())
        p.setStandardOutputFile(standardOutputFile);
    p.start(QStringLiteral(NORBEK_REPORT_TOOL), arguments);
    if (!p.waitForFinished(60000))
        return {-1, {}, QStringLiteral("Zeitüberschreitung")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

ToolResult RunProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return {-1, {}, QStringLiteral("Zeitüberschreitung")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
