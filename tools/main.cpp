// norbekAfa-report: the evaluation without a window.
#include "ReportOutput.h"
#include "ReportTool.h"
#include "StopSignals.h"

#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>

namespace
{
// Only real failures of the toolkit reach standard error; its notes would garble the output.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "norbekAfa-report: %s\n", message.toUtf8().constData());
}
} // namespace

int main(int argc, char *argv[])
{
    // First of all, so that no stop request finds the default action.
    StopSignals::Install();
    qInstallMessageHandler(QuietMessages);
    // Documents and fonts need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    TReportTool tool;
    tool.StopRequested = [] { return StopSignals::Received() != 0; };
    // The database client would shut its engine down on these signals, under the running
    // evaluation: the handlers are taken back once it is attached.
    tool.DatabaseOpened = StopSignals::Install;
    bool progressLineOpen = false;
    if (isatty(fileno(stderr))) {
        tool.Progress = [&progressLineOpen](int done, int total) {
            if (done == total || done % 100 == 0) {
                std::fprintf(stderr, "\rAbschreibungsgüter: %d von %d", done, total);
                progressLineOpen = true;
            }
            if (done == total) {
                std::fputc('\n', stderr);
                progressLineOpen = false;
            }
        };
    }
    int status = tool.Run(arguments);
    // Writing the output is no longer stopped by a check: a signal ends it at once.
    StopSignals::Restore();
    if (const int signal = StopSignals::Received()) {
        status = 128 + signal;
        if (tool.ErrorMessage.isEmpty()) // the run ended before its next check
            tool.ErrorMessage = TReportTool::StoppedMessage();
    } else if (status == 0) {
        QString error;
        const bool written = tool.OutputFile.isEmpty()
                                 ? ReportOutput::ToStandardOutput(tool.Output, error)
                                 : ReportOutput::ToFile(tool.Output, tool.OutputFile, error);
        if (!written) {
            tool.ErrorMessage = error;
            status = 1;
        }
    }
    if (progressLineOpen)
        std::fputc('\n', stderr);
    if (!tool.ErrorMessage.isEmpty())
        std::fprintf(stderr, "norbekAfa-report: %s\n", tool.ErrorMessage.toUtf8().constData());
    return status;
}
