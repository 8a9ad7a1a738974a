#include "TestDamagedDatabaseTool.h"

#include "TestDatabase.h"

#include <QProcess>
#include <QtTest>

void TestDamagedDatabaseTool::cutDatabaseGivesErrorAndNoRows_data()
{
    QTest::addColumn<int>("assets");
    QTest::addColumn<int>("movementsPerAsset");
    QTest::addColumn<QString>("message");
    QTest::newRow("assets cut") << 20000 << 0 << "Die Daten von „qry_Afa_Erfassung“";
    QTest::newRow("movements cut") << 2 << 10000 << "Die Zu- und Abgänge";
}

void TestDamagedDatabaseTool::cutDatabaseGivesErrorAndNoRows()
{
    QFETCH(int, assets);
    QFETCH(int, movementsPerAsset);
    QFETCH(QString, message);
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) VALUES "
                                            "(1, '0420', 'Büro')"));
    TestDatabase::AddManyAssets(path, 1, assets, movementsPerAsset);
    const QString cut = TestDatabase::TruncatedCopy(path, movementsPerAsset ? 0.8 : 2.0 / 3);
    for (const char *format : {"csv", "text"}) {
        QProcess p;
        p.start(QStringLiteral(NORBEK_REPORT_TOOL),
                {QStringLiteral("--database"), cut, QStringLiteral("--year"),
                 QStringLiteral("2024"), QStringLiteral("--format"), QLatin1String(format)});
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(err.contains(message) && err.contains(QStringLiteral("nicht vollständig gelesen")),
                 qPrintable(err));
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
    }
}
