#include "TestInstalledReportTool.h"

#include "AfaRecords.h"
#include "TestDatabase.h"
#include "ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

namespace
{
const QString UserDatabase = QStringLiteral("norbekAfa/norbekAfa.fdb");
const QStringList Year2026 = {QStringLiteral("--year"), QStringLiteral("2026")};

QString CsvHeader()
{
    return TAfaReportRow::ColumnNames().join(u';') + u'\n';
}

QString LockFolder(const QTemporaryDir &home)
{
    return home.filePath(QStringLiteral("firebird-%1").arg(::getuid()));
}

int AssetCount(const QString &database)
{
    return TestDatabase::Scalar(database, QStringLiteral("SELECT COUNT(*) FROM AFA_ERFASSUNG"))
        .toInt();
}
} // namespace

void TestInstalledReportTool::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.start(QStringLiteral(NORBEK_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(NORBEK_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.filePath(QStringLiteral("usr"))});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    m_tool = m_prefix.filePath(QStringLiteral("usr/bin/norbekAfa-report"));
    QVERIFY(QFileInfo(m_tool).isExecutable());
}

QProcessEnvironment TestInstalledReportTool::FreshHome(QTemporaryDir &home) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("FIREBIRD_LOCK"));
    env.insert(QStringLiteral("TMPDIR"), home.path());
    return env;
}

void TestInstalledReportTool::firstUseCreatesUserDatabase_data()
{
    // XDG_DATA_HOME as given ("%1" is the home folder) and where the database must appear.
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unset") << QString() << ".local/share/" + UserDatabase;
    QTest::newRow("empty") << QStringLiteral("") << ".local/share/" + UserDatabase;
    QTest::newRow("absolute") << QStringLiteral("%1/daten") << "daten/" + UserDatabase;
    QTest::newRow("relative is ignored")
        << QStringLiteral("daten") << ".local/share/" + UserDatabase;
}

void TestInstalledReportTool::firstUseCreatesUserDatabase()
{
    QFETCH(QString, dataHome);
    QFETCH(QString, expected);
    QTemporaryDir home;
    QProcessEnvironment env = FreshHome(home);
    if (!dataHome.isNull())
        env.insert(QStringLiteral("XDG_DATA_HOME"),
                   dataHome.contains(u'%') ? dataHome.arg(home.path()) : dataHome);

    const ToolResult r = RunProgram(m_tool, Year2026, env);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out, CsvHeader()); // an empty database: the header alone

    const QString database = home.filePath(expected);
    QVERIFY2(QFileInfo::exists(database), qPrintable(database));
    // The user's bookkeeping is the user's alone.
    const QFileDevice::Permissions ownerGroupOther(0xF0FF); // without Qt's "User" bits
    QCOMPARE(QFile::permissions(database) & ownerGroupOther,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(AssetCount(database), 0);
    // Nothing beside the installed executables, no stray copies in the data folder.
    QVERIFY(!QFileInfo::exists(m_prefix.filePath(QStringLiteral("usr/bin/norbekAfa.fdb"))));
    QCOMPARE(QDir(QFileInfo(database).absolutePath()).entryList(QDir::Files),
             QStringList{QStringLiteral("norbekAfa.fdb")});
}

void TestInstalledReportTool::existingUserDatabaseIsUsedAndKept()
{
    QTemporaryDir home;
    const QString database = home.filePath(".local/share/" + UserDatabase);
    QVERIFY(QDir().mkpath(QFileInfo(database).absolutePath()));
    const QString filled = TestDatabase::FreshCopy();
    TestDatabase::Exec(filled, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                              "VALUES (1, '0400', 'Betriebsausstattung')"));
    TestDatabase::AddManyAssets(filled, 1, 3);
    QVERIFY(QFile::copy(filled, database));

    for (int run = 0; run < 2; ++run) {
        // Bought in January 2015 over 60 months: all three are written off in 2016.
        const ToolResult r =
            RunProgram(m_tool, {QStringLiteral("--year"), QStringLiteral("2016")}, FreshHome(home));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out.count(u'\n'), 1 + 3);
    }
    QCOMPARE(AssetCount(database), 3);
}

void TestInstalledReportTool::pdfFromInstalledReportProject()
{
    QTemporaryDir home;
    const QString pdf = home.filePath(QStringLiteral("x.pdf"));
    const ToolResult r =
        RunProgram(m_tool,
                   Year2026 + QStringList{QStringLiteral("--format"), QStringLiteral("pdf"),
                                          QStringLiteral("--output"), pdf},
                   FreshHome(home));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY(QFileInfo::exists(home.filePath(".local/share/" + UserDatabase)));
}

void TestInstalledReportTool::explicitDatabaseLeavesUserFolderAlone()
{
    QTemporaryDir home;
    const ToolResult r = RunProgram(
        m_tool, QStringList{QStringLiteral("--database"), TestDatabase::FreshCopy()} + Year2026,
        FreshHome(home));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral(".local/share/norbekAfa"))));
}

void TestInstalledReportTool::unmakeableFolderGivesGermanError()
{
    // A file where the data folder should be: no folder can be made below it, even by root.
    QTemporaryDir home;
    const QString blocker = home.filePath(QStringLiteral("daten"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QProcessEnvironment env = FreshHome(home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), blocker);

    const ToolResult r = RunProgram(m_tool, Year2026, env);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(QStringLiteral("Der Ordner „%1/norbekAfa“ für die Datenbank kann "
                                           "nicht angelegt werden.")
                                .arg(blocker)),
             qPrintable(r.err));
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

void TestInstalledReportTool::missingEmptyDatabaseGivesGermanError()
{
    const QString empty =
        m_prefix.filePath(QStringLiteral("usr/share/norbekafa/norbekAfa-leer.fdb"));
    const QString aside = empty + QStringLiteral(".beiseite");
    QVERIFY(QFile::rename(empty, aside));
    QTemporaryDir home;
    const ToolResult r = RunProgram(m_tool, Year2026, FreshHome(home));
    QVERIFY(QFile::rename(aside, empty));

    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(QStringLiteral("Die leere Datenbank „%1“ kann nicht nach").arg(empty)),
             qPrintable(r.err));
    // No half database takes the place of the user's: the next start tries again.
    const QString folder = home.filePath(QStringLiteral(".local/share/norbekAfa"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    const ToolResult again = RunProgram(m_tool, Year2026, FreshHome(home));
    QVERIFY2(again.status == 0, qPrintable(again.err));
    QVERIFY(QFileInfo::exists(home.filePath(".local/share/" + UserDatabase)));
}

void TestInstalledReportTool::lockFilesInUsersOwnFolder_data()
{
    // With --database as well: another user's /tmp/firebird must not stop the tool either.
    QTest::addColumn<bool>("ownDatabase");
    QTest::newRow("user's database") << false;
    QTest::newRow("--database") << true;
}

void TestInstalledReportTool::lockFilesInUsersOwnFolder()
{
    QFETCH(bool, ownDatabase);
    QTemporaryDir home;
    const QStringList database =
        ownDatabase ? QStringList{QStringLiteral("--database"), TestDatabase::FreshCopy()}
                    : QStringList();
    const ToolResult r = RunProgram(m_tool, database + Year2026, FreshHome(home));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QFileInfo folder(LockFolder(home));
    QVERIFY(folder.isDir());
    QCOMPARE(folder.ownerId(), ::getuid());
    QCOMPARE(folder.permissions() & QFileDevice::Permissions(0x0FF), QFileDevice::Permissions());
    QVERIFY(!QDir(folder.filePath()).isEmpty()); // the engine's files

    // A folder the user names is taken as it is.
    QTemporaryDir own;
    QProcessEnvironment env = FreshHome(home);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), own.path() + u'/');
    QVERIFY(QDir(LockFolder(home)).removeRecursively());
    const ToolResult named = RunProgram(m_tool, database + Year2026, env);
    QVERIFY2(named.status == 0, qPrintable(named.err));
    QVERIFY(!QDir(own.path()).isEmpty());
    QVERIFY(!QFileInfo::exists(LockFolder(home)));
}

void TestInstalledReportTool::lockFolderTakenGivesGermanError_data()
{
    QTest::addColumn<QString>("taken");
    QTest::newRow("a file") << "file";
    QTest::newRow("a link to a folder") << "link";
    QTest::newRow("another user's folder") << "foreign";
}

void TestInstalledReportTool::lockFolderTakenGivesGermanError()
{
    QFETCH(QString, taken);
    QTemporaryDir home;
    const QString folder = LockFolder(home);
    if (taken == u"file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (taken == u"link") {
        QVERIFY(QDir().mkdir(home.filePath(QStringLiteral("anderswo"))));
        QVERIFY(QFile::link(home.filePath(QStringLiteral("anderswo")), folder));
    } else {
        if (::getuid() != 0)
            QSKIP("only root can give a folder to another user");
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    }
    const ToolResult r = RunProgram(m_tool, Year2026, FreshHome(home));
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(QStringLiteral("„%1“ ist nicht Ihr eigener Ordner").arg(folder)),
             qPrintable(r.err));
    // Stopped before anything was made.
    QVERIFY(!QFileInfo::exists(home.filePath(".local/share/" + UserDatabase)));
}
