#include "TestOpenFailures.h"

#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QString OpenError(const QString &path)
{
    Tdm_Afa dm(nullptr, path);
    try {
        dm.qry_Afa_Erfassung->Open();
    } catch (const EDatabaseError &error) {
        return error.Message();
    }
    return {};
}
} // namespace

void TestOpenFailures::missingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Daten mit Ümlaut/norbekAfa.fdb"));
    const QString message = OpenError(path);
    QVERIFY2(message.startsWith(QStringLiteral("Die Datenbank „%1“ fehlt.").arg(path)),
             qPrintable(message));
    QVERIFY(!QFile::exists(path));
}

void TestOpenFailures::damagedFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("norbekAfa.fdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(64 * 1024, 'x'));
    file.close();
    const QString message = OpenError(path);
    QVERIFY2(message.startsWith(QStringLiteral("Die Datenbank „%1“ ist beschädigt").arg(path)),
             qPrintable(message));
    QCOMPARE(QFileInfo(path).size(), 64 * 1024);
}

void TestOpenFailures::fileInUseByAnotherProcess()
{
    const QString path = TestDatabase::FreshCopy();
    // A child of this test posts an asset and holds the file until it is killed.
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NORBEK_DATA_CHILD"), QStringLiteral("post"));
    env.insert(QStringLiteral("NORBEK_DATA_DB"), path);
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(other.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(other.canReadLine(), 30000);

    const QString message = OpenError(path);
    other.kill();
    QVERIFY(other.waitForFinished());
    QVERIFY2(message.startsWith(QStringLiteral("Die Daten in „%1“ werden gerade von einem anderen "
                                               "laufenden norbekAfa")
                                    .arg(path)),
             qPrintable(message));

    // Once the other has gone, the file opens.
    QVERIFY2(OpenError(path).isEmpty(), "still refused after the other process ended");
}
