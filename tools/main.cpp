// norbekAfa-report: the evaluation without a window.
#include "ReportOutput.h"
#include "ReportTool.h"

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
    qInstallMessageHandler(QuietMessages);
    // Documents and fonts need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    TReportTool tool;
    if (isatty(fileno(stderr))) {
        tool.Progress = [](int done, int total) {
            if (done == total || done % 100 == 0)
                std::fprintf(stderr, "\rAbschreibungsgüter: %d von %d", done, total);
            if (done == total)
                std::fputc('\n', stderr);
        };
    }
    int status = tool.Run(arguments);
    if (status == 0) {
        QString error;
        const bool written = tool.OutputFile.isEmpty()
                                 ? ReportOutput::ToStandardOutput(tool.Output, error)
                                 : ReportOutput::ToFile(tool.Output, tool.OutputFile, error);
        if (!written) {
            tool.ErrorMessage = error;
            status = 1;
        }
    }
    if (!tool.ErrorMessage.isEmpty())
        std::fprintf(stderr, "norbekAfa-report: %s\n", tool.ErrorMessage.toUtf8().constData());
    return status;
}
