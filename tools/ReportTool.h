#pragma once
// norbekAfa-report without its process: runs one evaluation on a database file and gives
// the report rows as CSV or the text preview as plain text.
#include "ReportToolOptions.h"

#include <QByteArray>
#include <functional>

class TReportTool
{
public:
    // Exit status: 0 done, 2 wrong arguments, unreadable database, unknown asset IDs, a
    // failed or stopped evaluation.
    int Run(const QStringList &arguments);
    static QString StoppedMessage();

    QByteArray Output;    // what goes to the output file or standard output
    QString OutputFile;   // empty: standard output
    QString ErrorMessage; // German, for standard error
    std::function<void(int done, int total)> Progress;
    // Asked before the evaluation and after every asset; true stops the run with an error.
    std::function<bool()> StopRequested;
    // Called once the database is attached: its client library has set up handlers for
    // SIGINT and SIGTERM of its own then.
    std::function<void()> DatabaseOpened;

private:
    QByteArray Evaluate(const TReportToolOptions &options);
    void CheckStop() const;
};
