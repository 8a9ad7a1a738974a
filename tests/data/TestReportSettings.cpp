#include "TestReportSettings.h"

#include "AfaRecords.h"
#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>
#include <memory>

namespace
{

void AddRow(Tdm_Afa &dm, int account, int asset, int year)
{
    TRecordStore *r = dm.ReportStore();
    r->Append();
    r->FieldByName(QStringLiteral("Id"))->SetAsInteger(dm.NextReportRowId());
    r->FieldByName(QStringLiteral("Afa_Konten_ID"))->SetAsInteger(account);
    r->FieldByName(QStringLiteral("Afa_Erfassung_ID"))->SetAsInteger(asset);
    r->FieldByName(QStringLiteral("Datum"))->SetValue(QDateTime(QDate(year, 1, 1), QTime()));
    r->FieldByName(QStringLiteral("DatumBeginn"))->SetAsString(QStringLiteral("01.01"));
    r->Post();
}

QList<QList<int>> ReadRows(Tdm_Afa &dm)
{
    QList<QList<int>> rows;
    TRecordStore *r = dm.ReportStore();
    for (; !r->Eof(); r->Next())
        rows << QList<int>{
            r->FieldByName(QStringLiteral("AFA_KONTEN_ID"))->AsInteger(),
            r->FieldByName(QStringLiteral("AFA_ERFASSUNG_ID"))->AsInteger(),
            DateSerial::YearOf(r->FieldByName(QStringLiteral("DATUM"))->AsDateTime()),
            r->FieldByName(QStringLiteral("ID"))->AsInteger()};
    return rows;
}

} // namespace

void TestReportSettings::reportRowsReadInIndexOrder()
{
    auto dm = std::make_unique<Tdm_Afa>(nullptr, TestDatabase::FreshCopy());
    QVERIFY(dm->IsReportStore(QStringLiteral("tbl")));
    QVERIFY(!dm->IsReportStore(QStringLiteral("cds")));
    QCOMPARE(dm->ReportStore(), dm->tbl_Afa_Report);
    for (int run = 0; run < 2; ++run) {
        dm->BeginReportBatch();
        dm->PrepareReportStore(0);
        QVERIFY(dm->ReportStore()->IsEmpty());
        AddRow(*dm, 2, 7, 2021);
        AddRow(*dm, 1, 9, 2020);
        AddRow(*dm, 2, 3, 2022);
        AddRow(*dm, 1, 9, 2019);
        AddRow(*dm, 2, 7, 2020);
        // Appended rows stand where they were appended while the store is open.
        QCOMPARE(dm->ReportStore()->RecordCount(), 5);
        QVERIFY(dm->ReportStore()->Locate(QStringLiteral("Afa_Erfassung_ID"), 3));
        QVERIFY(!dm->ReportStore()->Locate(QStringLiteral("Afa_Erfassung_ID"), 4));
        dm->PrepareReportStore(1);
        QVERIFY(!dm->ReportBatchActive());
        const QList<QList<int>> expected = {
            {1, 9, 2019, 4}, {1, 9, 2020, 2}, {2, 3, 2022, 3}, {2, 7, 2020, 5}, {2, 7, 2021, 1}};
        QCOMPARE(ReadRows(*dm), expected); // row numbers start at 1 in every run
    }
    dm->PrepareReportStore(7); // unknown mode: nothing
    QVERIFY(dm->ReportStore()->Active());
}

void TestReportSettings::reportBatchIsOneTransaction()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->qry_Afa_Erfassung->Open();
    dm->BeginReportBatch();
    dm->PrepareReportStore(0);
    AddRow(*dm, 1, 1, 2020);
    AddRow(*dm, 1, 2, 2020);
    // Not yet committed: another connection sees nothing.
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             0);
    dm->PrepareReportStore(1);
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             2);
    // A walk that failed half-way: the emptying and the rows so far are undone.
    dm->BeginReportBatch();
    dm->PrepareReportStore(0);
    AddRow(*dm, 1, 3, 2021);
    dm->RollbackReportBatch();
    QVERIFY(!dm->ReportBatchActive());
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             2);
    QCOMPARE(dm->ReportStore()->RecordCount(), 2);
    // The next batch starts from the stored rows' count and commits as before.
    dm->BeginReportBatch();
    dm->PrepareReportStore(0);
    AddRow(*dm, 1, 3, 2021);
    dm->CommitReportBatch();
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_REPORT")).toInt(),
             1);
}

// Rows of a batch are put in index order in memory; the result must equal reading the table
// again: empty account first, every column and type as the database gives it.
void TestReportSettings::batchRowsSortedAsReadAgain()
{
    const QString path = TestDatabase::FreshCopy();
    auto dumpStore = [](TRecordStore *r) {
        QStringList lines;
        for (r->First(); !r->Eof(); r->Next()) {
            QStringList values;
            for (int i = 0; i < r->FieldCount(); ++i) {
                const QVariant v = r->Fields(i)->Value();
                values << QStringLiteral("%1:%2").arg(
                    v.typeName(), v.isNull() ? QStringLiteral("NULL") : v.toString());
            }
            lines << values.join(u'|');
        }
        return lines;
    };
    QStringList sorted;
    {
        auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
        dm->BeginReportBatch();
        dm->PrepareReportStore(0);
        AddRow(*dm, 2, 7, 2021);
        AddRow(*dm, 1, 9, 2020);
        TRecordStore *r = dm->ReportStore();
        r->Append(); // no account, no date
        r->FieldByName(QStringLiteral("Id"))->SetAsInteger(dm->NextReportRowId());
        r->FieldByName(QStringLiteral("Afa_Erfassung_ID"))->SetAsInteger(4);
        r->FieldByName(QStringLiteral("Bezeichnung"))->SetAsString(QStringLiteral("Größe; \"x\""));
        r->FieldByName(QStringLiteral("AFA"))->SetValue(2584.6153846153848);
        r->Post();
        AddRow(*dm, 1, 9, 2019);
        dm->PrepareReportStore(1);
        QCOMPARE(r->RecNo(), 0);
        QCOMPARE(r->FieldByName(QStringLiteral("ID"))->AsInteger(), 3);
        sorted = dumpStore(r);
    }
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->PrepareReportStore(1); // no batch: read from the table
    QCOMPARE(dumpStore(dm->ReportStore()), sorted);
    QCOMPARE(sorted.size(), 4);
}

void TestReportSettings::reportStoreNeedsItsIndex()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("drop index AFA_REPORT_INDEX"));
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->PrepareReportStore(0);
    AddRow(*dm, 1, 1, 2020);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, dm->PrepareReportStore(1));
}

void TestReportSettings::inMemoryReportSetStaysClosed()
{
    auto dm = std::make_unique<Tdm_Afa>(nullptr, TestDatabase::FreshCopy());
    dm->qry_Afa_Erfassung->Open();
    dm->BeginReportBatch();
    dm->PrepareReportStore(0);
    AddRow(*dm, 1, 1, 2020);
    dm->PrepareReportStore(1);
    QVERIFY(!dm->cds_AfaReport->Active());
    QCOMPARE(dm->cds_AfaReport->FieldCount(), 21);
    QCOMPARE(dm->cds_AfaReport->Fields(0)->FieldName, QStringLiteral("Id"));
    QCOMPARE(dm->cds_AfaReport->IndexFieldNames,
             QStringLiteral("Afa_Konten_ID;Afa_Erfassung_ID;Datum"));
    QCOMPARE(dm->ds_AfaReport.DataSet, dm->cds_AfaReport);
}

// The one column description matches the table the schema script makes, and both report
// stores are built from it.
void TestReportSettings::reportColumnsMatchTheTable()
{
    const QString path = TestDatabase::FreshCopy();
    const QString columns =
        TestDatabase::Scalar(
            path, QStringLiteral(
                      "SELECT LIST(TRIM(rf.RDB$FIELD_NAME) || ':' || f.RDB$FIELD_TYPE || ':' || "
                      "COALESCE(f.RDB$CHARACTER_LENGTH, 0), ',') FROM (SELECT * FROM "
                      "RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'AFA_REPORT' ORDER BY "
                      "RDB$FIELD_POSITION) rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = "
                      "rf.RDB$FIELD_SOURCE"))
            .toString();
    QStringList expected;
    for (const TReportColumn &c : TAfaReportRow::Columns()) {
        const int type = c.Type == TReportColumn::Integer    ? 8
                         : c.Type == TReportColumn::Float    ? 27
                         : c.Type == TReportColumn::DateTime ? 35
                                                             : 37;
        expected << QStringLiteral("%1:%2:%3")
                        .arg(QString::fromLatin1(c.Name).toUpper())
                        .arg(type)
                        .arg(c.Size);
    }
    QCOMPARE(columns, expected.join(u','));

    Tdm_Afa dm(nullptr, path);
    QCOMPARE(dm.tbl_Afa_Report->FieldCount(), 21);
    QCOMPARE(dm.cds_AfaReport->FieldCount(), 21);
    for (int i = 0; i < 21; ++i) {
        const TReportColumn &c = TAfaReportRow::Columns()[i];
        QCOMPARE(dm.tbl_Afa_Report->Fields(i)->FieldName, QString::fromLatin1(c.Name).toUpper());
        QCOMPARE(dm.cds_AfaReport->Fields(i)->FieldName, QString::fromLatin1(c.Name));
        QCOMPARE(dm.tbl_Afa_Report->Fields(i)->Size, c.Size);
    }
    QVERIFY(dm.tbl_Afa_Report->Fields(0)->Required);
}

void TestReportSettings::settingRowCreatedOnFirstRead()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    QCOMPARE(dm->GetReportTitle(), QString());
    QCOMPARE(dm->GetReportTitle(), QString());
    dm.reset();
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_SETTINGS")).toInt(), 1);
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select BEZEICHNUNG from AFA_SETTINGS where KUERZEL = 'RPT'"))
                 .toString(),
             QStringLiteral("Title Afa-Report"));
    QVERIFY(
        TestDatabase::Scalar(path, QStringLiteral("select BLOBWERT from AFA_SETTINGS")).isNull());
}

void TestReportSettings::settingWrittenBeforeRead()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->SetRunTitle(QStringLiteral("{\\rtf1 Verlauf}"));
    // Committed at once: another connection sees it while the module lives.
    QCOMPARE(TestDatabase::Scalar(
                 path, QStringLiteral("select BEZEICHNUNG from AFA_SETTINGS where KUERZEL = 'RUT'"))
                 .toString(),
             QStringLiteral("Titel Afa-Verlauf"));
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_SETTINGS")).toInt(), 1);
    QCOMPARE(dm->GetRunTitle(), QStringLiteral("{\\rtf1 Verlauf}"));
}

void TestReportSettings::settingContentRoundTrips()
{
    const QString path = TestDatabase::FreshCopy();
    QByteArray bytes("{\\rtf1\\ansi {\\b Afa}\r\n\\'e4\\'fc}\n");
    for (int b = 128; b < 256; ++b)
        bytes += char(b);
    bytes += '\0';
    bytes += "}{";
    const QString text = QStringLiteral("{\\rtf1 Über {Anlagen}}\r\nzweite Zeile ä ö ü ß € \u00ff");
    {
        Tdm_Afa dm(nullptr, path);
        dm.SetSettingBytes(QStringLiteral("RPT"), bytes);
        dm.SetRunTitle(text);
        QCOMPARE(dm.GetSettingBytes(QStringLiteral("RPT")), bytes);
    }
    Tdm_Afa dm(nullptr, path);
    QCOMPARE(dm.GetSettingBytes(QStringLiteral("RPT")), bytes);
    QCOMPARE(dm.GetRunTitle(), text);
    dm.SetRunTitle(QString());
    QCOMPARE(dm.GetRunTitle(), QString());
}

void TestReportSettings::settingKeysAreIndependent()
{
    Tdm_Afa dm(nullptr, TestDatabase::FreshCopy());
    dm.SetReportTitle(QStringLiteral("Report"));
    QCOMPARE(dm.GetRunTitle(), QString());
    dm.SetRunTitle(QStringLiteral("Verlauf"));
    QCOMPARE(dm.GetReportTitle(), QStringLiteral("Report"));
    dm.SetReportTitle(QStringLiteral("Report 2"));
    QCOMPARE(dm.GetRunTitle(), QStringLiteral("Verlauf"));
    QCOMPARE(dm.GetReportTitle(), QStringLiteral("Report 2"));
    dm.SettingsStatement(QStringLiteral("drop"), QStringLiteral("RPT"), QStringLiteral("x"),
                         {}); // nothing
    QCOMPARE(dm.GetReportTitle(), QStringLiteral("Report 2"));
}
