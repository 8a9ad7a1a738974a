#include "TestReportToolSignals.h"

#include "ReportTool.h"
#include "StopSignals.h"
#include "TestDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr int ManyAssets = 3000;

// Assets of twenty years each, bought on consecutive days.
void AddAssets(const QString &path, int count)
{
    TestDatabase::Exec(
        path, QStringLiteral("EXECUTE BLOCK AS DECLARE i INTEGER = 1; BEGIN "
                             "WHILE (i <= %1) DO BEGIN "
                             "INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, "
                             "ANSCHAFFUNGSDATUM, KOSTEN, RESTBUCHWERT, NUTZUNGSDAUER, "
                             "PROZENTSATZ, AKTIV, USE_ABSCHRDATUM) VALUES (:i, 'INV-' || :i, "
                             "'Gut ' || :i, DATEADD(:i DAY TO DATE '2000-01-01'), 12000, 0, 240, "
                             "0, 1, 0); i = i + 1; END END")
                  .arg(count));
}

// A terminal for the tool's standard error, so that it shows its progress.
class PseudoTerminal
{
public:
    PseudoTerminal() : master(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            slaveName = QString::fromLocal8Bit(ptsname(master));
    }
    ~PseudoTerminal()
    {
        if (master >= 0)
            ::close(master);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Reads until text holds what or the time is up.
    bool ReadUntil(const QByteArray &what, int milliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (!text.contains(what)) {
            const qint64 left = milliseconds - timer.elapsed();
            if (left <= 0 || !ReadSome(int(left)))
                return text.contains(what);
        }
        return true;
    }
    // What is left once the writer ended.
    void ReadRest()
    {
        while (ReadSome(200)) {
        }
    }

    int master;
    QString slaveName;
    QByteArray text;

private:
    bool ReadSome(int milliseconds)
    {
        pollfd p = {master, POLLIN, 0};
        if (::poll(&p, 1, milliseconds) <= 0 || !(p.revents & POLLIN))
            return false;
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        text.append(buffer, n);
        return true;
    }
};

} // namespace

void TestReportToolSignals::initTestCase()
{
    manyAssets = TestDatabase::FreshCopy();
    AddAssets(manyAssets, ManyAssets);
}

void TestReportToolSignals::stopRequestChecked()
{
    const QString db = TestDatabase::FreshCopy();
    AddAssets(db, 5);
    const QStringList arguments = {QStringLiteral("--database"), db, QStringLiteral("--year"),
                                   QStringLiteral("2026")};
    TReportTool tool;
    QCOMPARE(tool.Run(arguments), 0);
    const QString countRows = QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT");
    QCOMPARE(TestDatabase::Scalar(db, countRows).toInt(), 5);

    // A request that came before the run: nothing is written.
    tool.StopRequested = [] { return true; };
    QCOMPARE(tool.Run(arguments), 2);
    QCOMPARE(tool.ErrorMessage, QStringLiteral("Abgebrochen."));
    QCOMPARE(TestDatabase::Scalar(db, countRows).toInt(), 5);

    // Asked before the run and after each asset, with or without a progress display.
    int asked = 0;
    tool.StopRequested = [&asked] { return ++asked > 3; };
    QCOMPARE(tool.Run(arguments), 2);
    QCOMPARE(tool.ErrorMessage, QStringLiteral("Abgebrochen."));
    QCOMPARE(asked, 4);
    QVERIFY(tool.Output.isEmpty());

    int shown = 0;
    asked = 0;
    tool.Progress = [&shown](int, int) { ++shown; };
    QCOMPARE(tool.Run(arguments), 2);
    QCOMPARE(shown, 2);
}

void TestReportToolSignals::signalStopsRun_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    QTest::newRow("SIGTERM") << int(SIGTERM) << 143;
    QTest::newRow("SIGINT") << int(SIGINT) << 130;
}

void TestReportToolSignals::signalStopsRun()
{
    QFETCH(int, signal);
    QFETCH(int, status);
    PseudoTerminal terminal;
    QVERIFY(!terminal.slaveName.isEmpty());
    QProcess tool;
    tool.setStandardErrorFile(terminal.slaveName);
    tool.start(QStringLiteral(NORBEK_REPORT_TOOL),
               {QStringLiteral("--database"), manyAssets, QStringLiteral("--from"),
                QStringLiteral("01.01.1990"), QStringLiteral("--to"),
                QStringLiteral("01.01.2099")});
    QVERIFY(tool.waitForStarted());
    // The first progress line: the walk over the assets is under way.
    QVERIFY2(terminal.ReadUntil("Abschreibungsgüter: ", 60000), terminal.text.constData());

    QElapsedTimer stopping;
    stopping.start();
    QCOMPARE(::kill(pid_t(tool.processId()), signal), 0);
    QVERIFY(tool.waitForFinished(10000));
    const qint64 milliseconds = stopping.elapsed();
    qInfo("Signal %d bis zum Ende: %lld ms", signal, milliseconds);
    terminal.ReadRest();

    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), status);
    // Stopped by the tool's own check, not by the database engine shutting down under it.
    QVERIFY2(terminal.text.contains("norbekAfa-report: Abgebrochen."), terminal.text.constData());
    QCOMPARE(terminal.text.count("norbekAfa-report:"), 1);
    QVERIFY2(!terminal.text.contains(QByteArray::number(ManyAssets) + " von "),
             terminal.text.constData());
    QVERIFY(tool.readAllStandardOutput().isEmpty());
    // Within a second on a quiet machine; the margin is for a busy one.
    QVERIFY2(milliseconds < 3000, qPrintable(QString::number(milliseconds)));
}

void TestReportToolSignals::secondSignalEndsAtOnce_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("SIGTERM twice") << int(SIGTERM) << int(SIGTERM);
    QTest::newRow("SIGTERM, then SIGINT") << int(SIGTERM) << int(SIGINT);
    QTest::newRow("SIGINT twice") << int(SIGINT) << int(SIGINT);
}

void TestReportToolSignals::secondSignalEndsAtOnce()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Only async-signal-safe calls in the child of a threaded process.
        StopSignals::Install();
        raise(first);
        if (StopSignals::Received() != first)
            _exit(3);
        raise(second);
        _exit(4); // still alive: the second signal was swallowed
    }
    int waitStatus = 0;
    QCOMPARE(waitpid(child, &waitStatus, 0), child);
    QVERIFY2(WIFSIGNALED(waitStatus),
             qPrintable(QStringLiteral("Ende mit %1").arg(WEXITSTATUS(waitStatus))));
    QCOMPARE(WTERMSIG(waitStatus), second);
}
