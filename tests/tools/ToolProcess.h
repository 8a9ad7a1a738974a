#pragma once
// Runs the norbekAfa-report executable as a separate process.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ToolResult {
    int status; // -1: crashed or timed out
    QString out;
    QString err;
};

// standardOutputFile: the tool's standard output goes there instead of to the result.
ToolResult RunReportTool(const QStringList &arguments, const QString &standardOutputFile = {});
// Any executable, with the given environment.
ToolResult RunProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment);
