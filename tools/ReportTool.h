#pragma once
// norbekAfa-report without its process: runs one evaluation on a database file and gives
// the report rows as CSV or the text preview as plain text.
#include "ReportToolOptions.h"

#include <QByteArray>
#include <functional>

class TReportTool
{
public:
    // Exit status: 0 done, 2 wrong arguments, unreadable database, unknown asset IDs or a
    // failed evaluation.
    int Run(const QStringList &arguments);

    QByteArray Output;    // what goes to the output file or standard output
    QString OutputFile;   // empty: standard output
    QString ErrorMessage; // German, for standard error
    std::function<void(int done, int total)> Progress;

private:
    QByteArray Evaluate(const TReportToolOptions &options);
};
