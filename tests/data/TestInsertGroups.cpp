#include "TestInsertGroups.h"

#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "IBDatabase.h"
#include "IBTransaction.h"
#include "TestDatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace
{

TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

// A report row for ID id, with empty values, long and special texts, odd doubles and
// date-times with and without a time of day.
QVariantList Row(TRecordStore *r, int id, const QString &inventory = {})
{
    QVariantList values(r->FieldCount());
    auto set = [&](const char *name, const QVariant &value) {
        values[F(r, name)->Index()] = value;
    };
    set("ID", id);
    set("AFA_ERFASSUNG_ID", id % 3 ? QVariant(id * 7) : QVariant());
    set("INVENTARNR", !inventory.isEmpty() ? QVariant(inventory)
                      : id % 4             ? QVariant(QStringLiteral("INV-%1").arg(id))
                                           : QVariant());
    set("BEZEICHNUNG",
        id == 5 ? QString(255, QChar(0xE4)) : QStringLiteral("Größe; \"x\" %1").arg(id));
    set("ANSCHAFFUNGSDATUM", QDateTime(QDate(2020 + id % 5, 1 + id % 12, 1 + id % 28),
                                       id % 2 ? QTime(13, 7, 9) : QTime(0, 0)));
    set("KOSTEN", 1800.0 / (id + 0.3));
    set("ZUGANG", id % 2 ? QVariant(0.1 * id) : QVariant());
    set("NUTZUNGSDAUER", 96);
    set("RND", id);
    set("AFA", 2584.6153846153848 + id);
    set("DATUMBEGINN", QStringLiteral("01.01.2026"));
    set("DATUM", QDateTime(QDate(2026, 12, 31), QTime(0, 0)));
    return values;
}

// The table's rows by ID, read through another connection.
QList<QVariantList> Stored(const QString &path)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = TestDatabase::Connect(path, QStringLiteral("stored"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("select * from AFA_REPORT order by ID"));
        while (q.next()) {
            QVariantList row;
            for (int c = 0; c < q.record().count(); ++c)
                row << q.value(c);
            rows << row;
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("stored"));
    return rows;
}

// Rows of the report table as the module's own connection sees them (written, not committed).
int Written(Tdm_Afa &dm)
{
    QSqlQuery q(dm.IBDatabase->Database());
    q.exec(QStringLiteral("select count(*) from AFA_REPORT"));
    return q.next() ? q.value(0).toInt() : -1;
}

QList<int> Ids(TRecordStore *r)
{
    QList<int> ids;
    for (r->First(); !r->Eof(); r->Next())
        ids << F(r, "ID")->AsInteger();
    return ids;
}

// Starts a report batch on the emptied report store.
TRecordStore *StartReportBatch(Tdm_Afa &dm)
{
    dm.BeginReportBatch();
    dm.PrepareReportStore(0);
    return dm.ReportStore();
}

} // namespace

void TestInsertGroups::groupsStoreWhatSingleInsertsStore()
{
    QList<QVariantList> stored[2];
    for (int grouped = 0; grouped < 2; ++grouped) {
        const QString path = TestDatabase::FreshCopy();
        {
            Tdm_Afa dm(nullptr, path);
            TRecordStore *r = StartReportBatch(dm);
            if (!grouped)
                r->InsertGroup = 1;
            QCOMPARE(r->InsertGroup, grouped ? 8 : 1);
            for (int id = 1; id <= 21; ++id)
                r->AppendRecord(Row(r, id));
            QCOMPARE(r->RecordCount(), 21);
            // Two groups of eight written, five rows still gathered.
            QCOMPARE(Written(dm), grouped ? 16 : 21);
            dm.CommitReportBatch();
            QCOMPARE(Written(dm), 21);
        }
        stored[grouped] = Stored(path);
    }
    QCOMPARE(stored[0].size(), 21);
    QCOMPARE(stored[1], stored[0]);
    QCOMPARE(stored[1][20][0], QVariant(21));
}

void TestInsertGroups::refusedRowDropsItAndTheRowsAfter()
{
    const QString path = TestDatabase::FreshCopy();
    {
        Tdm_Afa dm(nullptr, path);
        TRecordStore *r = StartReportBatch(dm);
        for (int id = 1; id <= 7; ++id)
            r->AppendRecord(Row(r, id, id == 5 ? QString(40, u'X') : QString()));
        QCOMPARE(Written(dm), 0);
        try {
            r->AppendRecord(Row(r, 8)); // the group is full: written, row 5 refused
            QFAIL("refused row accepted");
        } catch (const EDatabaseError &error) {
            QVERIFY2(error.Message().contains(QStringLiteral("INVENTARNR")),
                     qPrintable(error.Message()));
        }
        QCOMPARE(r->State(), TStoreState::Browse);
        QCOMPARE(Ids(r), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(Written(dm), 4);
        // The store goes on: the next rows gather again.
        r->AppendRecord(Row(r, 9));
        QCOMPARE(r->RecordCount(), 5);
        dm.CommitReportBatch();
    }
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral(
                           "select list(ID, ',') from (select ID from AFA_REPORT order by ID)"))
                 .toString(),
             QStringLiteral("1,2,3,4,9"));
}

void TestInsertGroups::refusedRowAtCommitWritesNothing()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("insert into AFA_REPORT (ID) values (2)"));
    {
        Tdm_Afa dm(nullptr, path);
        dm.BeginReportBatch();
        TRecordStore *r = dm.ReportStore();
        r->Open();
        QCOMPARE(r->RecordCount(), 1);
        r->AppendRecord(Row(r, 1));
        r->AppendRecord(Row(r, 2)); // taken already
        r->AppendRecord(Row(r, 3));
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, dm.CommitReportBatch());
        QVERIFY(!dm.ReportBatchActive());
        // The batch is undone: the store shows the one stored row again.
        QCOMPARE(r->RecordCount(), 1);
    }
    // Nothing of the batch went in; the stored row 2 is untouched.
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select list(ID || ':' || coalesce(RND, '-'), ',') from "
                                      "(select ID, RND from AFA_REPORT order by ID)"))
                 .toString(),
             QStringLiteral("2:-"));
}

void TestInsertGroups::gatheredRowsWrittenBeforeChanging()
{
    const QString path = TestDatabase::FreshCopy();
    Tdm_Afa dm(nullptr, path);
    TRecordStore *r = StartReportBatch(dm);
    auto gather = [&](int from, int to) {
        for (int id = from; id <= to; ++id)
            r->AppendRecord(Row(r, id));
    };
    gather(1, 3);
    QCOMPARE(Written(dm), 0);
    r->First();
    r->Edit(); // changing a row writes the gathered ones first
    QCOMPARE(Written(dm), 3);
    r->Cancel();

    gather(4, 5);
    r->Insert(); // a row in between would move the gathered ones
    QCOMPARE(Written(dm), 5);
    r->Cancel();

    gather(6, 6);
    r->Last();
    // Report rows cannot be deleted one by one; the gathered row is written all the same.
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, r->Delete());
    QCOMPARE(Written(dm), 6);
    QCOMPARE(Ids(r), (QList<int>{1, 2, 3, 4, 5, 6}));

    gather(7, 7);
    r->SortByIndex(QStringLiteral("Afa_Report_Index"));
    QCOMPARE(Written(dm), 7);

    gather(8, 8);
    r->Refresh();
    QCOMPARE(r->RecordCount(), 8);

    gather(9, 9);
    r->Close();
    QCOMPARE(Written(dm), 9);
    dm.CommitReportBatch();
}

void TestInsertGroups::rollbackForgetsGatheredRows()
{
    const QString path = TestDatabase::FreshCopy();
    {
        Tdm_Afa dm(nullptr, path);
        TRecordStore *r = StartReportBatch(dm);
        for (int id = 1; id <= 10; ++id)
            r->AppendRecord(Row(r, id));
        dm.IBTransaction->Rollback();
        dm.IBTransaction->StartTransaction();
        r->Close(); // nothing left to write
        QCOMPARE(Written(dm), 0);
        dm.CommitReportBatch();
    }
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             0);
}
