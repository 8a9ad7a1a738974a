#pragma once
// Runs the norbekAfa-report executable as a separate process.
#include <QString>
#include <QStringList>

struct ToolResult {
    int status; // -1: crashed or timed out
    QString out;
    QString err;
};

// standardOutputFile: the tool's standard output goes there instead of to the result.
ToolResult RunReportTool(const QStringList &arguments, const QString &standardOutputFile = {});
