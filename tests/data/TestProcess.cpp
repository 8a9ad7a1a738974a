#include "TestProcess.h"

#include "AppPaths.h"
#include "DMod_Afa.h"
#include "TestDatabase.h"
#include "Unit_Global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>

namespace
{

QString RunChild(const QString &program, const QString &mode, const QString &db = {})
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NORBEK_DATA_CHILD"), mode);
    env.insert(QStringLiteral("NORBEK_DATA_DB"), db);
    child.setProcessEnvironment(env);
    child.start(program, {});
    child.waitForFinished(60000);
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}

} // namespace

int RunDataChild(int argc, char **argv)
{
    const QByteArray mode = qgetenv("NORBEK_DATA_CHILD");
    if (mode.isEmpty())
        return -1;
    if (mode == "holder") {
        // The holder goes with the application object: using it afterwards makes a new one.
        {
            QCoreApplication app(argc, argv);
            Global();
        }
        const int before = TGlobal::CreatedCount();
        Global();
        std::printf("%d %d\n", before, TGlobal::CreatedCount());
        return 0;
    }
    QCoreApplication app(argc, argv);
    if (mode == "paths") {
        std::printf("%s\n%s\n", qPrintable(AppDir), qPrintable(DatabasePath));
        return 0;
    }
    if (mode == "post") {
        // Posts one asset, reports its ID and waits to be killed.
        Tdm_Afa dm(nullptr, QString::fromLocal8Bit(qgetenv("NORBEK_DATA_DB")));
        dm.qry_Afa_Erfassung->Open();
        dm.qry_Afa_Erfassung->Append();
        dm.qry_Afa_Erfassung->FieldByName(QStringLiteral("BEZEICHNUNG"))
            ->SetAsString(QStringLiteral("Überlebt"));
        dm.qry_Afa_Erfassung->Post();
        std::printf("%d\n", dm.qry_Afa_Erfassung->FieldByName(QStringLiteral("ID"))->AsInteger());
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    return 2;
}

void TestProcess::pathsComeFromTheRealExecutable()
{
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString selfDir = QFileInfo(self).absolutePath() + u'/';
    QCOMPARE(AppDir, selfDir);
    QCOMPARE(DatabasePath, selfDir + QStringLiteral("norbekAfa.fdb"));
    QCOMPARE(ReportProjectPath, selfDir + QStringLiteral("norbekAfa.nrp"));

    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath() + u'/';
    // Started under another name through a link: still the real executable's folder.
    const QString link = folder + QStringLiteral("anderer-name");
    QVERIFY(QFile::link(self, link));
    QCOMPARE(RunChild(link, QStringLiteral("paths")),
             selfDir + u'\n' + selfDir + QStringLiteral("norbekAfa.fdb"));
    // A copy elsewhere uses its own folder.
    const QString copy = folder + QStringLiteral("kopie");
    QVERIFY(QFile::copy(self, copy));
    QFile::setPermissions(copy, QFile::permissions(self));
    QCOMPARE(RunChild(copy, QStringLiteral("paths")),
             folder + u'\n' + folder + QStringLiteral("norbekAfa.fdb"));
}

void TestProcess::postedAssetSurvivesSigkill()
{
    const QString path = TestDatabase::FreshCopy();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NORBEK_DATA_CHILD"), QStringLiteral("post"));
    env.insert(QStringLiteral("NORBEK_DATA_DB"), path);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    QString line;
    for (int i = 0; i < 300 && line.isEmpty(); ++i) {
        child.waitForReadyRead(100);
        line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    }
    QVERIFY2(!line.isEmpty(), child.readAllStandardError().constData());
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(
        TestDatabase::Scalar(
            path, QStringLiteral("select BEZEICHNUNG from AFA_ERFASSUNG where ID = %1").arg(line))
            .toString(),
        QStringLiteral("Überlebt"));
}

void TestProcess::shutdownCommits()
{
    const QString path = TestDatabase::FreshCopy();
    {
        Tdm_Afa dm(nullptr, path);
        QCOMPARE(dm_Afa, &dm);
        dm.BeginReportBatch();
        dm.PrepareReportStore(0);
        dm.ReportStore()->Append();
        dm.ReportStore()->FieldByName(QStringLiteral("ID"))->SetAsInteger(dm.NextReportRowId());
        dm.ReportStore()->Post(); // batch left open: the shutdown commit takes it
    }
    QCOMPARE(dm_Afa, nullptr);
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             1);
}

void TestProcess::holderCreatedOnce()
{
    TGlobal *first = &Global();
    for (int i = 0; i < 10; ++i)
        QCOMPARE(&Global(), first);
    QCOMPARE(TGlobal::CreatedCount(), 1);
    QVERIFY(Global().BlobHelper);
}

void TestProcess::holderReleasedWithTheApplication()
{
    QCOMPARE(RunChild(QCoreApplication::applicationFilePath(), QStringLiteral("holder")),
             QStringLiteral("1 2"));
}

void TestProcess::installedProgramKeepsDataInTheUsersFolder()
{
    QTemporaryDir dir;
    const QString prefix = QFileInfo(dir.path()).canonicalFilePath();
    const QString bin = prefix + QStringLiteral("/usr/bin/");
    const QString share = prefix + QStringLiteral("/usr/share/norbekafa/");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", oldHome); });
    qputenv("XDG_DATA_HOME", (prefix + QStringLiteral("/daten")).toUtf8());

    // Nothing installed beside or above: the build's folder holds everything.
    QCOMPARE(ResourceDirOf(bin), bin);
    QCOMPARE(DatabaseDirOf(bin, bin), bin);
    // Installed: the program's files under share, the database in the user's data folder.
    QFile nrp(share + QStringLiteral("norbekAfa.nrp"));
    QVERIFY(nrp.open(QIODevice::WriteOnly));
    nrp.close();
    QCOMPARE(ResourceDirOf(bin), share);
    QCOMPARE(DatabaseDirOf(bin, share), prefix + QStringLiteral("/daten/norbekAfa/"));
    // A relative XDG_DATA_HOME is ignored, as the standard says.
    qputenv("XDG_DATA_HOME", "relativ");
    QCOMPARE(DatabaseDirOf(bin, share),
             QDir::homePath() + QStringLiteral("/.local/share/norbekAfa/"));
    // A file named like the program's beside the executable wins (a build).
    QFile local(bin + QStringLiteral("norbekAfa.nrp"));
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.close();
    QCOMPARE(ResourceDirOf(bin), bin);
}
