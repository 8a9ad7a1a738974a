#include "TestReportToolOutput.h"

#include "TestDatabase.h"
#include "ToolProcess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace
{

QString OneAssetDatabase()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, "
                                            "BEZEICHNUNG, ANSCHAFFUNGSDATUM, KOSTEN, RESTBUCHWERT, "
                                            "NUTZUNGSDAUER, PROZENTSATZ, AKTIV, USE_ABSCHRDATUM) "
                                            "VALUES (1, 'INV-1', 'Drucker', '2024-04-15', 12000, "
                                            "0, 60, 0, 1, 0)"));
    return path;
}

mode_t FileType(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & S_IFMT;
}

const QByteArray Header = "ID;AFA_ERFASSUNG_ID;INVENTARNR;";

} // namespace

void TestReportToolOutput::pipeAndDeviceStayWhatTheyAre()
{
    const QString db = OneAssetDatabase();
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("ausgabe"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    QVERIFY(reader.waitForStarted());
    ToolResult r = RunReportTool({QStringLiteral("--database"), db, QStringLiteral("--year=2026"),
                                  QStringLiteral("--output"), fifo});
    const bool readerDone = reader.waitForFinished(10000);
    if (!readerDone)
        reader.kill(); // the tool never opened the pipe
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QVERIFY(readerDone);
    const QByteArray csv = reader.readAllStandardOutput();
    QVERIFY2(csv.startsWith(Header), csv.constData());
    QCOMPARE(csv.count('\n'), 2);
    QCOMPARE(FileType(fifo), mode_t(S_IFIFO));

    // Only with the pipe written directly may a device be tried: replacing one would break
    // it for the whole machine.
    r = RunReportTool({QStringLiteral("--database"), db, QStringLiteral("--year=2026"),
                       QStringLiteral("--output"), QStringLiteral("/dev/null")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QCOMPARE(FileType(QStringLiteral("/dev/null")), mode_t(S_IFCHR));

    // A device that refuses the data: the direct write checks every step.
    r = RunReportTool(
        {QStringLiteral("--help"), QStringLiteral("--output"), QStringLiteral("/dev/full")});
    QCOMPARE(r.status, 1);
    QVERIFY2(
        r.err.contains(QStringLiteral("Die Ausgabedatei '/dev/full' kann nicht geschrieben "
                                      "werden: Auf dem Datenträger ist kein Platz mehr frei.")),
        qPrintable(r.err));
    QCOMPARE(FileType(QStringLiteral("/dev/full")), mode_t(S_IFCHR));
}

void TestReportToolOutput::folderAsOutput()
{
    QTemporaryDir dir;
    const ToolResult r =
        RunReportTool({QStringLiteral("--help"), QStringLiteral("--output"), dir.path()});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Die Ausgabedatei '%1' kann nicht geschrieben werden: "
                                           "Das ist ein Ordner.")
                                .arg(dir.path())),
             qPrintable(r.err));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void TestReportToolOutput::fullStandardOutput()
{
    ToolResult r = RunReportTool({QStringLiteral("--help")}, QStringLiteral("/dev/full"));
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("norbekAfa-report: Die Standardausgabe kann nicht "
                                           "geschrieben werden: Auf dem Datenträger ist kein Platz "
                                           "mehr frei.")),
             qPrintable(r.err));

    // The report rows as well, not only the help.
    r = RunReportTool({QStringLiteral("--database"), OneAssetDatabase(), QStringLiteral("--year"),
                       QStringLiteral("2026")},
                      QStringLiteral("/dev/full"));
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Die Standardausgabe kann nicht geschrieben werden")),
             qPrintable(r.err));
}
