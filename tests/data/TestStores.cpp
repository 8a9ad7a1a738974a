#include "TestStores.h"

#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>
#include <memory>

namespace
{

std::unique_ptr<Tdm_Afa> OpenModule(const QString &path)
{
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->qry_Afa_Erfassung->Open();
    return dm;
}

TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

int AddAccount(Tdm_Afa &dm, const QString &nr, const QString &name)
{
    TRecordStore *k = dm.qry_Afa_Konten;
    k->Append();
    F(k, "NR")->SetAsString(nr);
    F(k, "BEZEICHNUNG")->SetAsString(name);
    k->Post();
    return F(k, "ID")->AsInteger();
}

int AddAsset(Tdm_Afa &dm, const QString &name, const QVariant &account = {})
{
    TRecordStore *e = dm.qry_Afa_Erfassung;
    e->Append();
    F(e, "BEZEICHNUNG")->SetAsString(name);
    F(e, "AFA_KONTEN_ID")->SetValue(account);
    e->Post();
    return F(e, "ID")->AsInteger();
}

void AddMovement(Tdm_Afa &dm, const QString &name, double addition)
{
    TRecordStore *z = dm.qry_Afa_ZuAbgang;
    z->Append();
    F(z, "BEZEICHNUNG")->SetAsString(name);
    F(z, "ZUGANG")->SetAsFloat(addition);
    z->Post();
}

QDateTime Today()
{
    return QDate::currentDate().startOfDay();
}

} // namespace

void TestStores::missingDatabaseIsNotCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt.fdb"));
    Tdm_Afa dm(nullptr, path);
    try {
        dm.qry_Afa_Erfassung->Open();
        QFAIL("opened a missing database");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().contains(path), qPrintable(error.Message()));
    }
    QVERIFY(!QFile::exists(path));
    QVERIFY(!dm.qry_Afa_Erfassung->Active());
    QVERIFY(!dm.qry_Afa_Konten->Active());
}

void TestStores::openingAssetsOpensTheOthers()
{
    auto dm = std::make_unique<Tdm_Afa>(nullptr, TestDatabase::FreshCopy());
    QVERIFY(!dm->IBDatabase->Connected());
    dm->qry_Afa_Erfassung->Open();
    QVERIFY(dm->IBDatabase->Connected());
    QVERIFY(dm->IBTransaction->InTransaction());
    QVERIFY(dm->qry_Afa_Konten->Active());
    QVERIFY(dm->qry_Afa_Arten->Active());
    QVERIFY(dm->qry_Afa_ZuAbgang->Active());
    QVERIFY(!dm->tbl_Afa_Report->Active());
    QVERIFY(!dm->cds_AfaReport->Active());
    QCOMPARE(dm->qry_Afa_Arten->RecordCount(), 4);
    // The join column without a field is not reachable; labels are the grid titles.
    QVERIFY(!dm->qry_Afa_Erfassung->FindField(QStringLiteral("AFA_KONTEN_NR")));
    QCOMPARE(F(dm->qry_Afa_Erfassung, "USE_ABSCHRDATUM")->Label(),
             QStringLiteral("Drucke Datum Abschr."));
    QCOMPARE(F(dm->qry_Afa_ZuAbgang, "ABGANG")->Label(), QStringLiteral("Abgang  [€]"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             dm->qry_Afa_Erfassung->FieldByName(QStringLiteral("GIBTSNICHT")));
    QCOMPARE(dm->qry_Afa_Erfassung->FieldByName(QStringLiteral("id")),
             dm->qry_Afa_Erfassung->FieldByName(QStringLiteral("Id")));
}

void TestStores::newAssetDefaults()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Append();
    QCOMPARE(e->State(), TStoreState::Insert);
    QVERIFY(!F(e, "ID")->IsNull());
    QCOMPARE(F(e, "RESTBUCHWERT")->Value(), QVariant(0.0));
    for (const char *name : {"ERSTELLUNGSDATUM", "ANSCHAFFUNGSDATUM", "ABSCHREIBUNGSDATUM"})
        QCOMPARE(F(e, name)->Value().toDateTime(), Today());
    QCOMPARE(F(e, "AKTIV")->DisplayText(), QStringLiteral("Ja"));
    QCOMPARE(F(e, "USE_ABSCHRDATUM")->DisplayText(), QStringLiteral("Ja"));
    QCOMPARE(F(e, "Lu_Afa_Arten_Bezeichnung")->AsString(), QStringLiteral("Lineare Abschreibung"));
    for (const char *name :
         {"INVENTARNR", "BEZEICHNUNG", "KOSTEN", "NUTZUNGSDAUER", "PROZENTSATZ", "AFA_KONTEN_ID"})
        QVERIFY2(F(e, name)->IsNull(), name);
    QCOMPARE(F(e, "KOSTEN")->DisplayText(), QString());
}

void TestStores::beforePostFillsMissingValues()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    const QVariant lin = dm->GetKindId(afaLIN);
    QVERIFY(!lin.isNull());

    e->Append();
    F(e, "ANSCHAFFUNGSDATUM")->SetValue(QDateTime(QDate(2020, 4, 15), QTime()));
    F(e, "ABSCHREIBUNGSDATUM")->Clear();
    F(e, "AFA_ARTEN_ID")->Clear();
    e->Post();
    QCOMPARE(F(e, "ABSCHREIBUNGSDATUM")->Value().toDateTime(),
             QDateTime(QDate(2020, 4, 15), QTime()));
    QCOMPARE(F(e, "AFA_ARTEN_ID")->Value(), lin);

    e->Append();
    F(e, "ANSCHAFFUNGSDATUM")->Clear();
    F(e, "ABSCHREIBUNGSDATUM")->Clear();
    e->Post();
    const int id = F(e, "ID")->AsInteger();
    QVERIFY(F(e, "ANSCHAFFUNGSDATUM")->IsNull());
    dm.reset();
    const QVariant stored = TestDatabase::Scalar(
        path, QStringLiteral("select ABSCHREIBUNGSDATUM from AFA_ERFASSUNG where ID = %1").arg(id));
    QCOMPARE(stored.toDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    QVERIFY(TestDatabase::Scalar(
                path,
                QStringLiteral("select ANSCHAFFUNGSDATUM from AFA_ERFASSUNG where ID = %1").arg(id))
                .isNull());
}

void TestStores::cancelledRowLeavesGeneratorGap()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    const int first = AddAsset(*dm, QStringLiteral("A"));
    dm->qry_Afa_Erfassung->Append();
    dm->qry_Afa_Erfassung->Cancel();
    QCOMPARE(dm->qry_Afa_Erfassung->RecordCount(), 1);
    QCOMPARE(dm->qry_Afa_Erfassung->CurrentId(), QVariant(first));
    QCOMPARE(AddAsset(*dm, QStringLiteral("B")), first + 2);
}

void TestStores::movementsFollowTheCurrentAsset()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    const int a = AddAsset(*dm, QStringLiteral("mit zwei"));
    AddMovement(*dm, QStringLiteral("a1"), 100);
    AddMovement(*dm, QStringLiteral("a2"), 200);
    QCOMPARE(F(z, "AFA_ERFASSUNG_ID")->Value(), QVariant(a));
    const int b = AddAsset(*dm, QStringLiteral("mit einer"));
    QVERIFY(z->IsEmpty()); // the new asset has none yet
    AddMovement(*dm, QStringLiteral("b1"), 5);
    AddAsset(*dm, QStringLiteral("ohne"));
    QVERIFY(z->IsEmpty());

    QVERIFY(e->LocateId(a));
    QCOMPARE(z->RecordCount(), 2);
    QVERIFY(e->LocateId(b));
    QCOMPARE(z->RecordCount(), 1);
    QCOMPARE(F(z, "BEZEICHNUNG")->AsString(), QStringLiteral("b1"));

    // While the asset displays are suspended the movements still follow.
    QSignalSpy assetSignals(e, &TRecordStore::CurrentChanged);
    e->DisableControls();
    e->DisableControls();
    QList<int> counts;
    for (e->First(); !e->Eof(); e->Next())
        counts << z->RecordCount();
    e->EnableControls();
    QCOMPARE(assetSignals.count(), 0);
    e->EnableControls();
    QCOMPARE(assetSignals.count(), 1);
    QCOMPARE(counts, (QList<int>{2, 1, 0}));
}

void TestStores::lookupFollowsAccountJoinStaysStale()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    TRecordStore *e = dm->qry_Afa_Erfassung;
    const int k1 = AddAccount(*dm, QStringLiteral("0400"), QStringLiteral("Maschinen"));
    const int k2 = AddAccount(*dm, QStringLiteral("0420"), QStringLiteral("Büroeinrichtung"));
    const int id = AddAsset(*dm, QStringLiteral("Drehbank"), k1);
    QCOMPARE(F(e, "Lu_Afa_Konten_Nr")->AsString(), QStringLiteral("0400"));
    QVERIFY(F(e, "AFA_KONTEN_BEZEICHNUNG")->IsNull()); // inserted since the open
    e->Close();
    e->Open();
    QVERIFY(e->LocateId(id));
    QCOMPARE(F(e, "AFA_KONTEN_BEZEICHNUNG")->AsString(), QStringLiteral("Maschinen"));
    QCOMPARE(F(e, "AFA_ART_KUERZEL")->AsString(), QStringLiteral("LIN"));

    e->Edit();
    F(e, "AFA_KONTEN_ID")->SetAsInteger(k2);
    QCOMPARE(F(e, "Lu_Afa_Konten_Bezeichnung")->AsString(), QStringLiteral("Büroeinrichtung"));
    F(e, "AFA_ARTEN_ID")->SetValue(dm->GetKindId(afaDEG));
    e->Post();
    QCOMPARE(F(e, "Lu_Afa_Konten_Nr")->AsString(), QStringLiteral("0420"));
    QCOMPARE(F(e, "AFA_KONTEN_BEZEICHNUNG")->AsString(), QStringLiteral("Maschinen"));
    QCOMPARE(F(e, "AFA_ART_KUERZEL")->AsString(), QStringLiteral("LIN"));
    QCOMPARE(F(e, "Lu_Afa_Arten_Bezeichnung")->AsString(),
             QStringLiteral("Degressive Abschreibung"));
    e->Close();
    e->Open();
    QVERIFY(e->LocateId(id));
    QCOMPARE(F(e, "AFA_KONTEN_BEZEICHNUNG")->AsString(), QStringLiteral("Büroeinrichtung"));
    QCOMPARE(F(e, "AFA_ART_KUERZEL")->AsString(), QStringLiteral("DEG"));

    // Choosing a lookup entry stores its key.
    e->Edit();
    F(e, "Lu_Afa_Konten_Bezeichnung")->SetValue(QStringLiteral("Maschinen"));
    QCOMPARE(F(e, "AFA_KONTEN_ID")->Value(), QVariant(k1));
    e->Cancel();
}

void TestStores::textFormsThroughTheAssetStore()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    e->Append();
    F(e, "KOSTEN")->SetText(QStringLiteral("1234,5"));
    QCOMPARE(F(e, "KOSTEN")->DisplayText(), QStringLiteral("1.234,5"));
    F(e, "KOSTEN")->SetText(F(e, "KOSTEN")->EditText()); // unchanged edit keeps the amount
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 1234.5);
    F(e, "ANSCHAFFUNGSDATUM")->SetText(QStringLiteral("Mo, 05.03.2012"));
    QCOMPARE(F(e, "ANSCHAFFUNGSDATUM")->DisplayText(), QStringLiteral("Mo, 05.03.2012"));
    F(e, "AKTIV")->SetText(QStringLiteral("nein"));
    QCOMPARE(F(e, "AKTIV")->Value(), QVariant(0));
    F(e, "USE_ABSCHRDATUM")->SetText(QStringLiteral("JA"));
    QCOMPARE(F(e, "USE_ABSCHRDATUM")->Value(), QVariant(1));
    // Fields without a text form: standard text; bad input is refused with a message.
    F(e, "NUTZUNGSDAUER")->SetText(QStringLiteral("60"));
    try {
        F(e, "NUTZUNGSDAUER")->SetText(QStringLiteral("sechzig"));
        QFAIL("no error");
    } catch (const EDatabaseError &error) {
        QVERIFY(error.Message().contains(QStringLiteral("Nutzungsdauer")));
    }
    QCOMPARE(F(e, "NUTZUNGSDAUER")->AsInteger(), 60);
    F(e, "ABSCHREIBUNGSDATUM")->SetText(QStringLiteral("01.04.2012"));
    QCOMPARE(F(e, "ABSCHREIBUNGSDATUM")->DisplayText(), QStringLiteral("01.04.2012"));
    e->Post();
    z->Append();
    QVERIFY(F(z, "AKTIV")->IsNull());
    QCOMPARE(F(z, "AKTIV")->DisplayText(), QString());
    F(z, "AKTIV")->SetText(QStringLiteral("Ja"));
    QCOMPARE(F(z, "AKTIV")->DisplayText(), QStringLiteral("Ja"));
    F(z, "ZUGANG")->SetText(QStringLiteral("1.000,5"));
    QCOMPARE(F(z, "ZUGANG")->AsFloat(), 1000.5);
    z->Post();
}

// Floats without a text form: up to 15 significant digits, no exponent from 1E-5 to below
// 1E15; the edit text reads back to the value shown.
void TestStores::floatFieldsShowTheStandardForm()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    e->Append();
    F(e, "RESTBUCHWERT")->SetAsFloat(100000);
    F(e, "PROZENTSATZ")->SetAsFloat(0.1 + 0.2);
    e->Post();
    const int asset = F(e, "ID")->AsInteger();
    z->Append();
    F(z, "ZUGANG")->SetAsFloat(3000000);
    F(z, "ABGANG")->SetAsFloat(1234.5678);
    z->Post();
    const QVariant large = z->CurrentId();
    z->Append();
    F(z, "ZUGANG")->SetText(QStringLiteral("1E-6"));
    F(z, "ABGANG")->SetText(QStringLiteral("0,00001"));
    z->Post();
    const QVariant small = z->CurrentId();

    dm = OpenModule(path);
    e = dm->qry_Afa_Erfassung;
    z = dm->qry_Afa_ZuAbgang;
    QVERIFY(e->LocateId(asset));
    QCOMPARE(F(e, "RESTBUCHWERT")->DisplayText(), QStringLiteral("100000"));
    QCOMPARE(F(e, "PROZENTSATZ")->DisplayText(), QStringLiteral("0,3"));
    QCOMPARE(F(e, "PROZENTSATZ")->EditText(), QStringLiteral("0,3"));
    QCOMPARE(F(e, "PROZENTSATZ")->AsFloat(), 0.1 + 0.2); // stored as it was set
    QVERIFY(z->LocateId(large));
    QCOMPARE(F(z, "ZUGANG")->DisplayText(), QStringLiteral("3000000"));
    QCOMPARE(F(z, "ABGANG")->DisplayText(), QStringLiteral("1234,5678"));
    QCOMPARE(F(z, "ABGANG")->EditText(), QStringLiteral("1234,5678"));
    z->Edit();
    F(z, "ABGANG")->SetText(F(z, "ABGANG")->EditText());
    QCOMPARE(F(z, "ABGANG")->AsFloat(), 1234.5678);
    F(z, "ZUGANG")->SetAsFloat(-0.0);
    QCOMPARE(F(z, "ZUGANG")->DisplayText(), QStringLiteral("0"));
    z->Cancel();
    QVERIFY(z->LocateId(small));
    QCOMPARE(F(z, "ZUGANG")->AsFloat(), 1e-6);
    QCOMPARE(F(z, "ZUGANG")->DisplayText(), QStringLiteral("1E-6"));
    QCOMPARE(F(z, "ABGANG")->AsFloat(), 1e-5);
    QCOMPARE(F(z, "ABGANG")->DisplayText(), QStringLiteral("0,00001"));
}

void TestStores::refusedPostKeepsTheRow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("value too long") << "INVENTARNR" << QString(40, u'X') << "Inventar-Nr.";
    QTest::newRow("euro sign") << "BEZEICHNUNG"
                               << "Laptop 1.000 €"
                               << "Bezeichnung";
}

void TestStores::refusedPostKeepsTheRow()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, mentions);
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Append();
    F(e, "KOSTEN")->SetAsFloat(999);
    e->FieldByName(field)->SetAsString(text);
    try {
        e->Post();
        QFAIL("post accepted");
    } catch (const EDatabaseError &error) {
        qInfo("%s", qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(mentions), qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(QStringLiteral("nicht gespeichert")),
                 qPrintable(error.Message()));
    }
    QCOMPARE(e->State(), TStoreState::Insert);
    QCOMPARE(e->FieldByName(field)->AsString(), text);
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 999.0);
    // Corrected, the same row posts.
    e->FieldByName(field)->SetAsString(QStringLiteral("ok"));
    e->Post();
    QCOMPARE(e->State(), TStoreState::Browse);
    dm.reset();
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_ERFASSUNG")).toInt(),
        1);

    // The same in edit state.
    dm = OpenModule(path);
    e = dm->qry_Afa_Erfassung;
    e->Edit();
    e->FieldByName(field)->SetAsString(text);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, e->Post());
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(e->FieldByName(field)->AsString(), text);
    e->Cancel();
    QCOMPARE(e->FieldByName(field)->AsString(), QStringLiteral("ok"));
}

void TestStores::usefulLifeLimitedToHundredYears()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    for (int months : {0, 1200}) {
        e->Append();
        F(e, "NUTZUNGSDAUER")->SetAsInteger(months);
        e->Post();
    }
    e->Append();
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("ohne Angabe"));
    e->Post(); // empty stays allowed
    for (int months : {1201, -1, 2147483647}) {
        e->Append();
        F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Halle"));
        F(e, "NUTZUNGSDAUER")->SetAsInteger(months);
        try {
            e->Post();
            QFAIL("post accepted");
        } catch (const EDatabaseError &error) {
            QVERIFY2(error.Message().startsWith(
                         QStringLiteral("Die Nutzungsdauer von %1 Monaten").arg(months)),
                     qPrintable(error.Message()));
            QVERIFY2(error.Message().contains(QStringLiteral("0 bis 1200 Monate")),
                     qPrintable(error.Message()));
        }
        QCOMPARE(e->State(), TStoreState::Insert);
        QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Halle"));
        e->Cancel();
    }
    // Editing a stored asset is refused the same way and keeps the stored value.
    QVERIFY(e->LocateId(F(e, "ID")->AsInteger()));
    e->Edit();
    F(e, "NUTZUNGSDAUER")->SetAsInteger(1201);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, e->Post());
    e->Cancel();
    dm.reset();
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select list(coalesce(NUTZUNGSDAUER, -9), ',') "
                                                  "from (select NUTZUNGSDAUER from AFA_ERFASSUNG "
                                                  "order by ID)"))
            .toString(),
        QStringLiteral("0,1200,-9"));
}

// Two connections (as with a shared server database): the later writer is told, keeps its
// typed values, and after re-reading can post.
void TestStores::concurrentChangeIsReported()
{
    const QString path = TestDatabase::FreshCopy();
    auto first = OpenModule(path);
    const int id = AddAsset(*first, QStringLiteral("Original"));
    auto second = OpenModule(path);
    QVERIFY(second->qry_Afa_Erfassung->LocateId(id));
    first->qry_Afa_Erfassung->Edit();
    F(first->qry_Afa_Erfassung, "BEZEICHNUNG")->SetAsString(QStringLiteral("Erste Änderung"));
    first->qry_Afa_Erfassung->Post();

    TRecordStore *e = second->qry_Afa_Erfassung;
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Zweite Änderung"));
    try {
        e->Post();
        QFAIL("conflicting post accepted");
    } catch (const EDatabaseError &error) {
        qInfo("%s", qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(QStringLiteral("an anderer Stelle geändert")),
                 qPrintable(error.Message()));
    }
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Zweite Änderung"));
    e->Cancel();
    e->Refresh();
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Erste Änderung"));
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Zweite Änderung"));
    e->Post();
    second.reset();
    first.reset();
    QCOMPARE(
        TestDatabase::Scalar(
            path, QStringLiteral("select BEZEICHNUNG from AFA_ERFASSUNG where ID = %1").arg(id))
            .toString(),
        QStringLiteral("Zweite Änderung"));
}

void TestStores::deletedAssetTakesItsMovements()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    const int a = AddAsset(*dm, QStringLiteral("weg"));
    AddMovement(*dm, QStringLiteral("m1"), 1);
    AddMovement(*dm, QStringLiteral("m2"), 2);
    const int b = AddAsset(*dm, QStringLiteral("bleibt"));
    AddMovement(*dm, QStringLiteral("m3"), 3);
    QVERIFY(dm->qry_Afa_Erfassung->LocateId(a));
    dm->qry_Afa_Erfassung->Delete();
    QCOMPARE(dm->qry_Afa_Erfassung->CurrentId(), QVariant(b));
    QCOMPARE(dm->qry_Afa_ZuAbgang->RecordCount(), 1);
    dm.reset();
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_ZUABGANG")).toInt(), 1);
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_ERFASSUNG")).toInt(),
        1);
}

void TestStores::usedAccountCannotBeDeleted()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    const int used = AddAccount(*dm, QStringLiteral("0400"), QStringLiteral("Maschinen"));
    const int unused = AddAccount(*dm, QStringLiteral("0410"), QStringLiteral("Frei"));
    AddAsset(*dm, QStringLiteral("Drehbank"), used);
    TRecordStore *k = dm->qry_Afa_Konten;
    QVERIFY(k->LocateId(used));
    try {
        k->Delete();
        QFAIL("delete accepted");
    } catch (const EDatabaseError &error) {
        qInfo("%s", qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(QStringLiteral("„0400“")) &&
                     error.Message().contains(QStringLiteral("verwendet")),
                 qPrintable(error.Message()));
    }
    QCOMPARE(k->RecordCount(), 2);
    QCOMPARE(k->CurrentId(), QVariant(used));
    QVERIFY(k->LocateId(unused));
    k->Delete();
    QCOMPARE(k->RecordCount(), 1);
    dm.reset();
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_KONTEN")).toInt(),
             1);
}

// A row others still point to keeps its ID: the change is refused with the reason, the
// database keeps the old rows, and the store can cancel back to them.
void TestStores::usedRowsKeepTheirId()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    const int account = AddAccount(*dm, QStringLiteral("0400"), QStringLiteral("Maschinen"));
    const int asset = AddAsset(*dm, QStringLiteral("Drehbank"), account);
    AddMovement(*dm, QStringLiteral("Zugang"), 500);
    const auto refused = [](TRecordStore *store, int id, const QString &expected) {
        QVERIFY(store->LocateId(id));
        store->Edit();
        F(store, "ID")->SetAsInteger(id + 100);
        try {
            store->Post();
            QFAIL("changed ID accepted");
        } catch (const EDatabaseError &error) {
            QCOMPARE(error.Message(), expected);
        }
        QCOMPARE(store->State(), TStoreState::Edit);
        store->Cancel();
        QCOMPARE(store->CurrentId(), QVariant(id));
    };
    refused(dm->qry_Afa_Konten, account,
            QStringLiteral("Das Konto „0400“ wird noch von Abschreibungsgütern verwendet; seine "
                           "Nummer (Feld „#“) kann deshalb nicht geändert werden."));
    if (QTest::currentTestFailed())
        return;
    refused(dm->qry_Afa_Erfassung, asset,
            QStringLiteral("Zum Abschreibungsgut „Drehbank“ gibt es noch Bewegungen; seine "
                           "Nummer (Feld „#“) kann deshalb nicht geändert werden."));
    if (QTest::currentTestFailed())
        return;
    // After the refusals other changes still post.
    dm->qry_Afa_Konten->Edit();
    F(dm->qry_Afa_Konten, "BEZEICHNUNG")->SetAsString(QStringLiteral("Maschinen und Anlagen"));
    dm->qry_Afa_Konten->Post();
    dm.reset();
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select list(ID || ':' || BEZEICHNUNG) from AFA_KONTEN"))
                 .toString(),
             QStringLiteral("%1:Maschinen und Anlagen").arg(account));
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select list(ID || ':' || AFA_KONTEN_ID) from AFA_ERFASSUNG"))
                 .toString(),
             QStringLiteral("%1:%2").arg(asset).arg(account));
    QCOMPARE(TestDatabase::Scalar(path,
                                  QStringLiteral("select list(AFA_ERFASSUNG_ID) from AFA_ZUABGANG"))
                 .toString(),
             QString::number(asset));
}

void TestStores::missingLinearKindLeavesKindNull()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("delete from AFA_ARTEN where KUERZEL = 'LIN'"));
    auto dm = OpenModule(path);
    QVERIFY(dm->GetKindId(afaLIN).isNull());
    QVERIFY(!dm->GetKindId(afaGWG).isNull());
    dm->qry_Afa_Erfassung->Append();
    QVERIFY(F(dm->qry_Afa_Erfassung, "AFA_ARTEN_ID")->IsNull());
    dm->qry_Afa_Erfassung->Post();
    QVERIFY(F(dm->qry_Afa_Erfassung, "AFA_ARTEN_ID")->IsNull());
    QVERIFY(!dm->qry_Helper->Active());
}

// The walk an evaluation makes: fields by name, movement cursor, locate back.
void TestStores::walkAsMovementCursor()
{
    auto dm = OpenModule(TestDatabase::FreshCopy());
    const int a = AddAsset(*dm, QStringLiteral("A"));
    AddMovement(*dm, QStringLiteral("Zugang"), 250);
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    F(z, "BEZEICHNUNG");
    z->Edit();
    F(z, "DATUM")->SetValue(QDateTime(QDate(2021, 6, 1), QTime()));
    z->Post();
    AddAsset(*dm, QStringLiteral("B"));
    TMovementCursor *cursor = dm->qry_Afa_ZuAbgang;
    QVERIFY(cursor->IsEmpty());
    QVERIFY(dm->qry_Afa_Erfassung->LocateId(a));
    QVERIFY(!cursor->IsEmpty());
    cursor->First();
    QCOMPARE(cursor->FieldValue(QStringLiteral("Zugang")).toDouble(), 250.0);
    QCOMPARE(
        DateSerial::YearOf(DateSerial::FromVariant(cursor->FieldValue(QStringLiteral("datum")))),
        2021);
    const QVariant id = cursor->CurrentId();
    cursor->Next();
    QVERIFY(cursor->Eof());
    QVERIFY(cursor->LocateId(id));
    QVERIFY(!cursor->LocateId(987654));
}

// The insert statement of a table store is kept between posts but follows a column made
// read-only and writable again.
void TestStores::tableInsertFollowsWritableColumns()
{
    const QString path = TestDatabase::FreshCopy();
    {
        Tdm_Afa dm(nullptr, path);
        dm.PrepareReportStore(0);
        TRecordStore *r = dm.ReportStore();
        auto add = [r](int id) {
            r->Append();
            F(r, "ID")->SetAsInteger(id);
            if (!F(r, "BEZEICHNUNG")->ReadOnly)
                F(r, "BEZEICHNUNG")->SetAsString(QStringLiteral("Zeile %1").arg(id));
            r->Post();
        };
        add(1);
        add(2);
        F(r, "BEZEICHNUNG")->ReadOnly = true;
        add(3);
        F(r, "BEZEICHNUNG")->ReadOnly = false;
        add(4);
    }
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select list(coalesce(BEZEICHNUNG, '-'), '|') "
                                      "from (select BEZEICHNUNG from AFA_REPORT order by ID)"))
                 .toString(),
             QStringLiteral("Zeile 1|Zeile 2|-|Zeile 4"));
}

// A whole row in field order: invalid values keep the new row's empty field, too many values
// are refused before anything changes, a refused post keeps the row for correction.
void TestStores::appendRecordInFieldOrder()
{
    const QString path = TestDatabase::FreshCopy();
    {
        Tdm_Afa dm(nullptr, path);
        dm.PrepareReportStore(0);
        TRecordStore *r = dm.ReportStore();
        r->InsertGroup = 1; // each row written at its post
        QVariantList values(r->FieldCount());
        values[F(r, "ID")->Index()] = 1;
        values[F(r, "BEZEICHNUNG")->Index()] = QStringLiteral("Größe; \"x\"");
        values[F(r, "KOSTEN")->Index()] = QStringLiteral("1800"); // coerced as SetValue does
        r->AppendRecord(values);
        QCOMPARE(r->State(), TStoreState::Browse);
        QCOMPARE(F(r, "KOSTEN")->Value(), QVariant(1800.0));
        QVERIFY(F(r, "INVENTARNR")->IsNull());

        QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                                 r->AppendRecord(QVariantList(r->FieldCount() + 1, 1)));
        QCOMPARE(r->State(), TStoreState::Browse);
        QCOMPARE(r->RecordCount(), 1);

        values[F(r, "BEZEICHNUNG")->Index()] = QStringLiteral("doppelt");
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, r->AppendRecord(values)); // ID 1 again
        QCOMPARE(r->State(), TStoreState::Insert);
        QCOMPARE(F(r, "BEZEICHNUNG")->AsString(), QStringLiteral("doppelt"));
        r->Cancel();
        QCOMPARE(r->RecordCount(), 1);

        // With a new-row hook the given values come after the hook's defaults.
        r->AfterInsert = [](TRecordStore *store) {
            F(store, "RND")->SetAsInteger(99);
            F(store, "AFA")->SetAsFloat(1.5);
        };
        QVariantList hooked(r->FieldCount());
        hooked[F(r, "ID")->Index()] = 2;
        hooked[F(r, "AFA")->Index()] = 7.25;
        r->AppendRecord(hooked);
        QCOMPARE(F(r, "RND")->AsInteger(), 99);
        QCOMPARE(F(r, "AFA")->Value(), QVariant(7.25));
        r->AfterInsert = nullptr;
    }
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select BEZEICHNUNG || '|' || KOSTEN || '|' || "
                                      "coalesce(INVENTARNR, '-') from AFA_REPORT where ID = 1"))
                 .toString(),
             QStringLiteral("Größe; \"x\"|1800.000000000000|-"));
}

// The report store opens empty after clearing; a store that takes its fields from reading
// reads all the same.
void TestStores::openEmptyReadsOnlyWithoutFields()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = OpenModule(path);
    AddAccount(*dm, QStringLiteral("0420"), QStringLiteral("Büroeinrichtung"));
    dm->PrepareReportStore(0);
    TRecordStore *r = dm->ReportStore();
    r->AppendRecord({1});
    QCOMPARE(r->RecordCount(), 1);
    dm->PrepareReportStore(0);
    QVERIFY(r->Active());
    QCOMPARE(r->State(), TStoreState::Browse);
    QCOMPARE(r->RecordCount(), 0);
    QVERIFY(r->Eof());
    r->AppendRecord({1}); // the cleared row's ID is free again
    QCOMPARE(r->RecordCount(), 1);

    TRecordStore accounts(QStringLiteral("accounts"));
    accounts.Database = dm->IBDatabase;
    accounts.Transaction = dm->IBTransaction;
    accounts.SQL = {QStringLiteral("select * from AFA_KONTEN")};
    accounts.OpenEmpty();
    QCOMPARE(accounts.RecordCount(), 1);
    QCOMPARE(F(&accounts, "NR")->AsString(), QStringLiteral("0420"));
}
