#include "TestDamagedDatabase.h"

#include "AssetStoreCursor.h"
#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "MovementTable.h"
#include "TestDatabase.h"

#include <QtTest>

namespace
{

QString DatabaseWithAssets(int assets, int movementsPerAsset)
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) VALUES "
                                            "(1, '0420', 'Büro')"));
    TestDatabase::AddManyAssets(path, 1, assets, movementsPerAsset);
    return path;
}

} // namespace

void TestDamagedDatabase::cutAssetTableRaisesOnOpen()
{
    const QString cut = TestDatabase::TruncatedCopy(DatabaseWithAssets(20000, 0), 2.0 / 3);
    Tdm_Afa dm(nullptr, cut);
    try {
        dm.qry_Afa_Erfassung->Open();
        QFAIL(qPrintable(QStringLiteral("opened with %1 of 20000 assets")
                             .arg(dm.qry_Afa_Erfassung->RecordCount())));
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().startsWith(QStringLiteral(
                     "Die Daten von „qry_Afa_Erfassung“ konnten nicht vollständig gelesen werden")),
                 qPrintable(error.Message()));
    }
    QVERIFY(!dm.qry_Afa_Erfassung->Active());
    QCOMPARE(dm.qry_Afa_Erfassung->RecordCount(), 0);
}

void TestDamagedDatabase::cutMovementTableRaisesOnLoad()
{
    // Two assets first, then their many movements: the cut falls into the movements.
    const QString cut = TestDatabase::TruncatedCopy(DatabaseWithAssets(2, 10000), 0.8);
    Tdm_Afa dm(nullptr, cut);
    TAssetStoreCursor assets(*dm.qry_Afa_Erfassung);
    TMovementTable movements(dm, assets);
    try {
        dm.qry_Afa_Erfassung->Open();
        QCOMPARE(dm.qry_Afa_Erfassung->RecordCount(), 2);
        movements.Load();
        QFAIL("all movements read");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().startsWith(QStringLiteral(
                     "Die Zu- und Abgänge konnten nicht vollständig gelesen werden")),
                 qPrintable(error.Message()));
    }
}

void TestDamagedDatabase::intactCopyReadsEveryRow()
{
    const QString copy = TestDatabase::TruncatedCopy(DatabaseWithAssets(300, 2), 1.0);
    Tdm_Afa dm(nullptr, copy);
    dm.qry_Afa_Erfassung->Open();
    QCOMPARE(dm.qry_Afa_Erfassung->RecordCount(), 300);
    TAssetStoreCursor assets(*dm.qry_Afa_Erfassung);
    TMovementTable movements(dm, assets);
    movements.Load();
    dm.qry_Afa_Erfassung->Last();
    double sum = 0;
    QVERIFY(movements.KnownAdditionsOfYear(2020, sum));
    QCOMPARE(sum, 20.0);
}
