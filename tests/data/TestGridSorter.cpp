#include "TestGridSorter.h"

#include "DBGridSorter.h"
#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

namespace
{

// Accounts 1..4 and assets 1..4 (one per account), with 2, 0, 1 and 3 movements:
//   asset  name      cost  inventory  account
//   1      Drehbank   500  B          Maschinen
//   2      Auto      3000  D          Betriebsausstattung
//   3      Computer  1500  A          Anlagen
//   4      Bagger     800  C          Werkzeuge
QString SortDatabase()
{
    const QString path = TestDatabase::FreshCopy();
    for (const char *row : {"1, '0400', 'Maschinen'", "2, '0200', 'Anlagen'",
                            "3, '0300', 'Betriebsausstattung'", "4, '0500', 'Werkzeuge'"})
        TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                                "VALUES (%1)")
                                     .arg(QLatin1String(row)));
    for (const char *row : {"1, 'B', 'Drehbank', 500, 1", "2, 'D', 'Auto', 3000, 3",
                            "3, 'A', 'Computer', 1500, 2", "4, 'C', 'Bagger', 800, 4"})
        TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, "
                                                "BEZEICHNUNG, KOSTEN, AFA_KONTEN_ID, AKTIV, "
                                                "AFA_ARTEN_ID) VALUES (%1, 1, 1)")
                                     .arg(QLatin1String(row)));
    int id = 0;
    for (const auto &[asset, count] : {std::pair{1, 2}, {3, 1}, {4, 3}})
        for (int m = 0; m < count; ++m)
            TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_ZUABGANG (ID, "
                                                    "AFA_ERFASSUNG_ID, ZUGANG) VALUES (%1, %2, 1)")
                                         .arg(++id)
                                         .arg(asset));
    TestDatabase::Exec(path, QStringLiteral("ALTER SEQUENCE GEN_AFA_ERFASSUNG_ID RESTART WITH 4"));
    TestDatabase::Exec(path, QStringLiteral("ALTER SEQUENCE GEN_AFA_KONTEN_ID RESTART WITH 4"));
    TestDatabase::Exec(path, QStringLiteral("ALTER SEQUENCE GEN_AFA_ZUABGANG_ID RESTART WITH 6"));
    return path;
}

struct Fixture {
    QString path;
    std::unique_ptr<Tdm_Afa> dm;
    TRecordStore *assets;
    TRecordStore *movements;
    QString unsorted;

    explicit Fixture(const QString &database = SortDatabase())
        : path(database), dm(std::make_unique<Tdm_Afa>(nullptr, path)),
          assets(dm->qry_Afa_Erfassung), movements(dm->qry_Afa_ZuAbgang)
    {
        assets->Open();
        unsorted = Statement(assets);
    }
    static QString Statement(const TRecordStore *store) { return store->SQL.join(u'\n'); }
    QString Statement() const { return Statement(assets); }
    void Click(const char *fieldName, TRecordStore *store = nullptr)
    {
        store = store ? store : assets;
        GridSorter().SortByField(store, store->FieldByName(QString::fromLatin1(fieldName)));
    }
    // The IDs of the store's rows in their order.
    static QList<int> Ids(TRecordStore *store)
    {
        QList<int> ids;
        for (int r = 0; r < store->RecordCount(); ++r) {
            TRecordStore::TRowScope scope(store, r);
            ids << store->FieldValue(QStringLiteral("ID")).toInt();
        }
        return ids;
    }
    QList<int> Ids() const { return Ids(assets); }
    QString Text(const char *fieldName) const
    {
        return assets->FieldByName(QString::fromLatin1(fieldName))->AsString();
    }
    QString Stored(const QString &sql) const { return TestDatabase::Scalar(path, sql).toString(); }
    // The first row is current and the movements are exactly those of the current asset.
    void CheckFirstRowAndMovements(int expectedMovements) const
    {
        QCOMPARE(assets->RecNo(), 0);
        const int current = assets->CurrentId().toInt();
        QCOMPARE(movements->RecordCount(), expectedMovements);
        for (int r = 0; r < movements->RecordCount(); ++r) {
            TRecordStore::TRowScope scope(movements, r);
            QCOMPARE(movements->FieldValue(QStringLiteral("AFA_ERFASSUNG_ID")).toInt(), current);
        }
    }
};

} // namespace

void TestGridSorter::workedSequenceOnTheAssets()
{
    Fixture f;
    QVERIFY(!f.unsorted.contains(QStringLiteral("order by"), Qt::CaseInsensitive));
    const QHash<int, int> movementsOf{{1, 2}, {2, 0}, {3, 1}, {4, 3}};
    const struct {
        const char *field;
        const char *clause;
        QList<int> ids;
    } steps[] = {
        {"KOSTEN", " Order By e.kosten asc", {1, 4, 3, 2}},
        {"KOSTEN", " Order By e.kosten desc", {2, 3, 4, 1}},
        {"KOSTEN", " Order By e.kosten asc", {1, 4, 3, 2}},
        {"Lu_Afa_Konten_Bezeichnung", " Order By k.bezeichnung asc", {3, 2, 1, 4}},
        {"ID", " Order By e.id asc", {1, 2, 3, 4}},
    };
    for (const auto &step : steps) {
        f.assets->Last(); // the sort starts on the first row whatever was current
        f.Click(step.field);
        QCOMPARE(f.Statement(), f.unsorted + QLatin1String(step.clause));
        QCOMPARE(f.Ids(), step.ids);
        QCOMPARE(f.assets->State(), TStoreState::Browse);
        f.CheckFirstRowAndMovements(movementsOf[step.ids.first()]);
    }
}

void TestGridSorter::sameColumnNameOfAnotherTable()
{
    Fixture f;
    // e.bezeichnung and k.bezeichnung are different columns: each click on the other one
    // starts a new ascending order instead of turning the first one round.
    f.Click("BEZEICHNUNG");
    QVERIFY(f.Statement().endsWith(QLatin1String(" Order By e.bezeichnung asc")));
    QCOMPARE(f.Ids(), (QList<int>{2, 4, 3, 1}));
    f.Click("Lu_Afa_Konten_Bezeichnung");
    QCOMPARE(f.Statement(), f.unsorted + QLatin1String(" Order By k.bezeichnung asc"));
    QCOMPARE(f.Ids(), (QList<int>{3, 2, 1, 4}));
    f.Click("Lu_Afa_Konten_Bezeichnung");
    QCOMPARE(f.Statement(), f.unsorted + QLatin1String(" Order By k.bezeichnung desc"));
    QCOMPARE(f.Ids(), (QList<int>{4, 1, 2, 3}));
    f.Click("BEZEICHNUNG");
    QCOMPARE(f.Statement(), f.unsorted + QLatin1String(" Order By e.bezeichnung asc"));

    // In an order of both, the asset's name is found behind the account's.
    f.assets->SetStatement(
        (f.unsorted + QStringLiteral("\nORDER BY k.Bezeichnung DESC, e.Bezeichnung ASC"))
            .split(u'\n'));
    f.Click("BEZEICHNUNG");
    QCOMPARE(f.Statement(),
             f.unsorted + QLatin1String(" Order By e.bezeichnung desc, k.bezeichnung desc"));
    QCOMPARE(f.Ids(), (QList<int>{1, 3, 4, 2}));
}

void TestGridSorter::existingOrderByIsReplaced()
{
    Fixture f;
    const QString before = f.unsorted;
    f.assets->SetStatement(
        (f.unsorted + QStringLiteral("\n  ORDER BY e.Aktiv DESC, e.Kosten DESC")).split(u'\n'));
    QCOMPARE(f.Ids(), (QList<int>{2, 3, 4, 1}));
    // The clicked column moves to the front and turns round; the other item stays.
    f.Click("KOSTEN");
    QCOMPARE(f.Statement(), before + QLatin1String(" Order By e.kosten asc, e.aktiv desc"));
    QVERIFY(f.Statement().startsWith(QLatin1String("Select\n  e.Id,\n")));
    QCOMPARE(f.Ids(), (QList<int>{1, 4, 3, 2}));
    // Another column replaces the whole order.
    f.Click("INVENTARNR");
    QCOMPARE(f.Statement(), before + QLatin1String(" Order By e.inventarnr asc"));
    QCOMPARE(f.Ids(), (QList<int>{3, 1, 4, 2}));
    // The words may stand on two lines and in any case.
    f.assets->SetStatement(
        (f.unsorted + QStringLiteral("\nOrder\n  BY e.InventarNr")).split(u'\n'));
    f.Click("INVENTARNR");
    QCOMPARE(f.Statement(), f.unsorted + QLatin1String(" Order By e.inventarnr asc"));
}

void TestGridSorter::reopeningReadsTheJoinsAfresh()
{
    Fixture f;
    const QString gwg = f.Stored(QStringLiteral("SELECT ID FROM AFA_ARTEN WHERE KUERZEL = 'GWG'"));
    QVERIFY(f.assets->LocateId(2));
    f.assets->Edit();
    f.assets->FieldByName(QStringLiteral("AFA_KONTEN_ID"))->SetAsInteger(1);
    f.assets->FieldByName(QStringLiteral("AFA_ARTEN_ID"))->SetValue(gwg.toInt());
    f.assets->Post();
    f.assets->Append();
    f.assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("Presse"));
    f.assets->FieldByName(QStringLiteral("AFA_KONTEN_ID"))->SetAsInteger(2);
    f.assets->Post();
    const int added = f.assets->CurrentId().toInt();
    // Until the store is read again the joins show what they read at the opening.
    QVERIFY(f.assets->LocateId(2));
    QCOMPARE(f.Text("Lu_Afa_Konten_Bezeichnung"), QStringLiteral("Maschinen"));
    QCOMPARE(f.Text("AFA_KONTEN_BEZEICHNUNG"), QStringLiteral("Betriebsausstattung"));

    f.Click("ID");
    QCOMPARE(f.Ids(), (QList<int>{1, 2, 3, 4, added}));
    QCOMPARE(f.assets->CurrentId().toInt(), 1);
    QVERIFY(f.assets->LocateId(2));
    QCOMPARE(f.Text("AFA_KONTEN_BEZEICHNUNG"), QStringLiteral("Maschinen"));
    QCOMPARE(f.Text("AFA_ART_KUERZEL"), QStringLiteral("GWG"));
    QVERIFY(f.assets->LocateId(added));
    QCOMPARE(f.Text("AFA_KONTEN_BEZEICHNUNG"), QStringLiteral("Anlagen"));
    QCOMPARE(f.Text("AFA_ART_KUERZEL"), QStringLiteral("LIN"));
    QCOMPARE(f.Text("Lu_Afa_Konten_Bezeichnung"), QStringLiteral("Anlagen"));
    QCOMPARE(f.movements->RecordCount(), 0);
}

void TestGridSorter::nothingToSort()
{
    Fixture f;
    // A lookup field without "lu_" in its name has no column to sort by.
    TRecordStore query(QStringLiteral("query"));
    query.Database = f.dm->IBDatabase;
    query.Transaction = f.dm->IBTransaction;
    query.SQL = {QStringLiteral("Select ID, AFA_KONTEN_ID from Afa_Erfassung")};
    query.AddField(QStringLiteral("ID"), TFieldType::Integer);
    query.AddField(QStringLiteral("AFA_KONTEN_ID"), TFieldType::Integer);
    TStoreField *text = query.AddLookupField(QStringLiteral("KontoText"), TFieldType::String, 255,
                                             f.dm->qry_Afa_Konten, QStringLiteral("AFA_KONTEN_ID"),
                                             QStringLiteral("ID"), QStringLiteral("BEZEICHNUNG"));
    query.Open();
    const QStringList querySql = query.SQL;
    GridSorter().SortByField(&query, text);
    QCOMPARE(query.SQL, querySql);
    // No field, a field of another store, a store without a select: nothing happens.
    f.assets->Last();
    GridSorter().SortByField(f.assets, nullptr);
    GridSorter().SortByField(f.assets, f.dm->qry_Afa_Konten->FieldByName(QStringLiteral("NR")));
    QCOMPARE(f.Statement(), f.unsorted);
    QCOMPARE(f.assets->RecNo(), 3);
    f.dm->PrepareReportStore(0);
    TRecordStore *report = f.dm->tbl_Afa_Report;
    GridSorter().SortByField(report, report->FieldByName(QStringLiteral("KOSTEN")));
    QVERIFY(report->SQL.isEmpty());
    QVERIFY(report->Active());
}

void TestGridSorter::modifiedRowIsPostedFirst()
{
    Fixture f;
    QVERIFY(f.assets->LocateId(1));
    f.assets->Edit();
    f.assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("Anker"));
    f.Click("BEZEICHNUNG");
    QCOMPARE(f.assets->State(), TStoreState::Browse);
    QCOMPARE(f.Stored(QStringLiteral("SELECT BEZEICHNUNG FROM AFA_ERFASSUNG WHERE ID = 1")),
             QStringLiteral("Anker"));
    QCOMPARE(f.Ids(), (QList<int>{1, 2, 4, 3}));

    // A new row with what was typed is stored and takes its place in the order.
    f.assets->Append();
    f.assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("Aal"));
    f.Click("BEZEICHNUNG");
    QCOMPARE(f.assets->State(), TStoreState::Browse);
    QCOMPARE(f.Ids(), (QList<int>{3, 4, 2, 1, 5}));
    QCOMPARE(f.Stored(QStringLiteral("SELECT BEZEICHNUNG FROM AFA_ERFASSUNG WHERE ID = 5")),
             QStringLiteral("Aal"));
}

void TestGridSorter::refusedPostKeepsRowAndOrder()
{
    Fixture f;
    f.Click("KOSTEN");
    const QString sorted = f.Statement();
    QVERIFY(f.assets->LocateId(3));
    f.assets->Edit();
    f.assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("Neu"));
    f.assets->FieldByName(QStringLiteral("AFA_KONTEN_ID"))->SetAsInteger(999); // no such account
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.Click("BEZEICHNUNG"));
    QCOMPARE(f.assets->State(), TStoreState::Edit);
    QCOMPARE(f.Text("BEZEICHNUNG"), QStringLiteral("Neu"));
    QCOMPARE(f.Text("AFA_KONTEN_ID"), QStringLiteral("999"));
    QCOMPARE(f.assets->CurrentId().toInt(), 3);
    QCOMPARE(f.Statement(), sorted);
    QCOMPARE(f.Stored(QStringLiteral("SELECT BEZEICHNUNG FROM AFA_ERFASSUNG WHERE ID = 3")),
             QStringLiteral("Computer"));
    // Corrected, the row is stored and the sort goes ahead.
    f.assets->FieldByName(QStringLiteral("AFA_KONTEN_ID"))->SetAsInteger(2);
    f.Click("BEZEICHNUNG");
    QCOMPARE(f.Ids(), (QList<int>{2, 4, 1, 3}));
}

void TestGridSorter::untouchedNewRowIsDropped()
{
    Fixture f;
    TRecordStore *accounts = f.dm->qry_Afa_Konten;
    accounts->Append();
    QCOMPARE(accounts->State(), TStoreState::Insert);
    QVERIFY(!accounts->Modified());
    f.Click("NR", accounts);
    QCOMPARE(accounts->State(), TStoreState::Browse);
    QCOMPARE(Fixture::Statement(accounts),
             QStringLiteral("Select * from Afa_Konten Order By NR asc"));
    QCOMPARE(Fixture::Ids(accounts), (QList<int>{2, 3, 1, 4}));
    QCOMPARE(f.Stored(QStringLiteral("SELECT COUNT(*) FROM AFA_KONTEN")), QStringLiteral("4"));
}

void TestGridSorter::refusedOrderKeepsThePreviousRows()
{
    Fixture f;
    f.Click("KOSTEN");
    f.Click("KOSTEN");
    const QString sorted = f.Statement();
    QVERIFY(f.assets->LocateId(4));
    // No column of the select carries the kind's name: the database refuses the order.
    try {
        f.Click("Lu_Afa_Arten_Bezeichnung");
        QFAIL("Die Sortierung hätte abgelehnt werden müssen.");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.Message().startsWith(QStringLiteral(
                     "Nach der Spalte „Lu_Afa_Arten_Bezeichnung“ kann nicht sortiert werden")),
                 qPrintable(e.Message()));
        QVERIFY(!e.DatabaseText().isEmpty());
    }
    QCOMPARE(f.Statement(), sorted);
    QVERIFY(f.assets->Active());
    QCOMPARE(f.Ids(), (QList<int>{2, 3, 4, 1}));
    QCOMPARE(f.assets->CurrentId().toInt(), 4);
    QCOMPARE(f.movements->RecordCount(), 3);
    // And the next click works on the order that stayed.
    f.Click("KOSTEN");
    QCOMPARE(f.Statement(), f.unsorted + QLatin1String(" Order By e.kosten asc"));
}

void TestGridSorter::sortingReadsTheRowsOnce()
{
    const int many = 100000;
    const QString path = SortDatabase();
    TestDatabase::AddManyAssets(path, 5, many);
    // A detail that counts its reads: every run of its select draws a generator value.
    TestDatabase::Exec(path, QStringLiteral("CREATE SEQUENCE GEN_DETAIL_READS"));
    TestDatabase::Exec(
        path, QStringLiteral("CREATE PROCEDURE MOVEMENTS_OF (ASSET INTEGER) "
                             "RETURNS (ID INTEGER) AS DECLARE VARIABLE N BIGINT; "
                             "BEGIN N = GEN_ID(GEN_DETAIL_READS, 1); "
                             "FOR SELECT ID FROM AFA_ZUABGANG WHERE AFA_ERFASSUNG_ID = :ASSET "
                             "INTO :ID DO SUSPEND; END"));
    const auto reads = [&] {
        return TestDatabase::Scalar(
                   path, QStringLiteral("SELECT GEN_ID(GEN_DETAIL_READS, 0) FROM RDB$DATABASE"))
            .toInt();
    };
    Fixture f(path);
    TRecordStore detail(QStringLiteral("detail"));
    detail.Database = f.dm->IBDatabase;
    detail.Transaction = f.dm->IBTransaction;
    detail.SQL = {QStringLiteral("SELECT * FROM MOVEMENTS_OF(:ID)")};
    detail.MasterSource = f.assets;
    detail.Open();
    QVERIFY(f.assets->LocateId(50));
    const int before = reads();
    QElapsedTimer timer;
    timer.start();
    f.Click("ID");
    f.Click("ID");
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(f.assets->RecordCount(), many + 4);
    QCOMPARE(f.assets->CurrentId().toInt(), many + 4);
    TRecordStore::TRowScope last(f.assets, many + 3);
    QCOMPARE(f.assets->CurrentId().toInt(), 1);
    QCOMPARE(reads(), before + 2); // the detail follows once a sort, to the new first row
    qInfo("%d Anlagen in %lld ms zweimal sortiert", many + 4, elapsed);
}

void TestGridSorter::oneSorterPerProcess()
{
    TDBGridSorter *sorter = &GridSorter();
    QCOMPARE(&GridSorter(), sorter);
    ReleaseGridSorter();
    Fixture f;
    f.Click("KOSTEN"); // a new sorter after the release
    QVERIFY(f.Statement().endsWith(QLatin1String(" Order By e.kosten asc")));
}
