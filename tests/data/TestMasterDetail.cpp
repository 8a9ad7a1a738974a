#include "TestMasterDetail.h"

#include "AssetStoreCursor.h"
#include "DMod_Afa.h"
#include "TestDatabase.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace
{

// Assets 1..4 with 2, 1, 0 and 3 movements, and the counting procedure.
QString DatabaseWithMovements()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                            "VALUES (1, '0400', 'Konto')"));
    TestDatabase::AddManyAssets(path, 1, 4);
    TestDatabase::Exec(path, QStringLiteral("ALTER SEQUENCE GEN_AFA_ERFASSUNG_ID RESTART WITH 4"));
    int id = 0;
    for (const auto &[asset, count] : {std::pair{1, 2}, {2, 1}, {4, 3}})
        for (int m = 0; m < count; ++m)
            TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_ZUABGANG (ID, "
                                                    "AFA_ERFASSUNG_ID, ZUGANG) VALUES (%1, %2, 1)")
                                         .arg(++id)
                                         .arg(asset));
    TestDatabase::Exec(path, QStringLiteral("CREATE SEQUENCE GEN_DETAIL_READS"));
    TestDatabase::Exec(
        path,
        QStringLiteral("CREATE PROCEDURE MOVEMENTS_OF (ASSET INTEGER) "
                       "RETURNS (ID INTEGER, AFA_ERFASSUNG_ID INTEGER) AS "
                       "DECLARE VARIABLE N BIGINT; "
                       "BEGIN N = GEN_ID(GEN_DETAIL_READS, 1); "
                       "FOR SELECT ID, AFA_ERFASSUNG_ID FROM AFA_ZUABGANG WHERE AFA_ERFASSUNG_ID = "
                       ":ASSET ORDER BY ID INTO :ID, :AFA_ERFASSUNG_ID DO SUSPEND; END"));
    return path;
}

struct Fixture {
    QString path = DatabaseWithMovements();
    std::unique_ptr<Tdm_Afa> dm = std::make_unique<Tdm_Afa>(nullptr, path);
    TRecordStore *assets = dm->qry_Afa_Erfassung;
    TRecordStore detail{QStringLiteral("detail")};

    Fixture()
    {
        assets->Open();
        detail.Database = dm->IBDatabase;
        detail.Transaction = dm->IBTransaction;
        detail.SQL = {QStringLiteral("SELECT * FROM MOVEMENTS_OF(:ID)")};
        detail.MasterSource = assets;
        detail.Open();
    }
    int Reads() const
    {
        return TestDatabase::Scalar(
                   path, QStringLiteral("SELECT GEN_ID(GEN_DETAIL_READS, 0) FROM RDB$DATABASE"))
            .toInt();
    }
    // The asset IDs of the detail's rows.
    QList<int> Owners()
    {
        QList<int> owners;
        for (int r = 0; r < detail.RecordCount(); ++r) {
            TRecordStore::TRowScope scope(&detail, r);
            owners << detail.FieldValue(QStringLiteral("AFA_ERFASSUNG_ID")).toInt();
        }
        return owners;
    }
};

} // namespace

void TestMasterDetail::gettersRunNoStatement()
{
    Fixture f;
    QCOMPARE(f.Reads(), 1);
    QVERIFY(f.assets->LocateId(4));
    QCOMPARE(f.Reads(), 2);
    const TRecordStore &detail = f.detail;
    const TRecordStore &assets = *f.assets;
    for (int round = 0; round < 3; ++round) {
        QCOMPARE(detail.RecordCount(), 3);
        QVERIFY(!detail.IsEmpty());
        QVERIFY(!detail.Eof());
        QVERIFY(detail.Bof());
        QCOMPARE(detail.RecNo(), 0);
        QCOMPARE(detail.CurrentId().toInt(), 4);
        QCOMPARE(detail.FieldByName(QStringLiteral("afa_erfassung_id"))->Value().toInt(), 4);
        QVERIFY(detail.FindField(QStringLiteral("Id")));
        QCOMPARE(detail.Lookup(QStringLiteral("ID"), 6, QStringLiteral("AFA_ERFASSUNG_ID")),
                 QVariant(4));
        QCOMPARE(assets.CurrentId().toInt(), 4);
        QCOMPARE(assets.RecordCount(), 4);
        QCOMPARE(assets.FieldValue(QStringLiteral("Lu_Afa_Konten_Nr")).toString(),
                 QStringLiteral("0400"));
    }
    QCOMPARE(f.Reads(), 2);
}

void TestMasterDetail::detailReadsOnlyWhenTheKeyChanges()
{
    Fixture f;
    QVERIFY(f.assets->LocateId(2));
    QCOMPARE(f.Reads(), 2);
    QCOMPARE(f.Owners(), (QList<int>{2}));
    QVERIFY(f.assets->LocateId(2));
    f.assets->Refresh(); // stays on asset 2
    f.assets->Edit();
    f.assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("neu"));
    f.assets->Post();
    QCOMPARE(f.Reads(), 2);

    // A new asset has no movements yet; cancelling it returns to asset 2's.
    QSignalSpy reset(&f.detail, &TRecordStore::DataSetChanged);
    f.assets->Append();
    QCOMPARE(f.Reads(), 3);
    QVERIFY(f.detail.IsEmpty());
    f.assets->Cancel();
    QCOMPARE(f.Reads(), 4);
    QCOMPARE(f.Owners(), (QList<int>{2}));
    QCOMPARE(reset.count(), 2);

    // Closing the master empties the detail; reopening reads the first asset's rows.
    f.assets->Close();
    QVERIFY(f.detail.Active());
    QVERIFY(f.detail.IsEmpty());
    f.assets->Open();
    QCOMPARE(f.Owners(), (QList<int>{1, 1}));
}

void TestMasterDetail::suspendedDetailsKeepTheirRows()
{
    Fixture f;
    QSignalSpy reset(&f.detail, &TRecordStore::DataSetChanged);
    f.assets->SuspendDetails();
    f.assets->SuspendDetails();
    QList<int> seen;
    for (f.assets->First(); !f.assets->Eof(); f.assets->Next())
        seen << f.detail.RecordCount();
    QCOMPARE(seen, (QList<int>{2, 2, 2, 2}));
    f.assets->ResumeDetails();
    QCOMPARE(f.Reads(), 1);
    QCOMPARE(reset.count(), 0);
    f.assets->ResumeDetails(); // the last one: the detail catches up with asset 4
    QCOMPARE(f.Reads(), 2);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(f.Owners(), (QList<int>{4, 4, 4}));
    f.assets->ResumeDetails(); // one too many changes nothing
    QCOMPARE(f.Reads(), 2);

    // Back on the same asset before resuming: nothing to read.
    f.assets->SuspendDetails();
    QVERIFY(f.assets->LocateId(1));
    QVERIFY(f.assets->LocateId(4));
    f.assets->ResumeDetails();
    QCOMPARE(f.Reads(), 2);
}

void TestMasterDetail::heldDetailCatchesUpWhenUsed()
{
    Fixture f;
    f.assets->SuspendDetails();
    QVERIFY(f.assets->LocateId(2));
    QCOMPARE(f.Owners(), (QList<int>{1, 1}));
    f.detail.First(); // moving the detail brings it up to date
    QCOMPARE(f.Reads(), 2);
    QCOMPARE(f.Owners(), (QList<int>{2}));
    f.assets->ResumeDetails();
    QCOMPARE(f.Reads(), 2);

    f.assets->SuspendDetails();
    QVERIFY(f.assets->LocateId(3));
    f.detail.Edit(); // an empty detail starts a new row: for asset 3
    QCOMPARE(f.Reads(), 3);
    QCOMPARE(f.detail.State(), TStoreState::Insert);
    QCOMPARE(f.detail.RecordCount(), 1);
    f.detail.Cancel();
    f.assets->ResumeDetails();
    QVERIFY(f.detail.IsEmpty());
    QCOMPARE(f.Reads(), 3);
}

void TestMasterDetail::evaluationWalkHoldsTheDetails()
{
    Fixture f;
    TAssetStoreCursor cursor(*f.assets);
    cursor.DisableControls();
    int walked = 0;
    for (cursor.First(); !cursor.Eof(); cursor.Next())
        ++walked;
    QCOMPARE(walked, 4);
    QCOMPARE(f.Reads(), 1);
    cursor.EnableControls();
    QCOMPARE(f.Reads(), 2);
    QCOMPARE(f.Owners(), (QList<int>{4, 4, 4}));
    // Outside a walk the detail follows every move.
    QVERIFY(f.assets->LocateId(1));
    QCOMPARE(f.Reads(), 3);
}
