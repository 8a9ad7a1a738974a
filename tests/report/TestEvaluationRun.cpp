#include "TestEvaluationRun.h"

#include "AfaError.h"
#include "DatabaseError.h"
#include "EvaluationFixture.h"
#include "TestDatabase.h"
#include "Unit_AfaBerechnung.h"

#include <QtTest>
#include <cstring>
#include <stdexcept>

namespace
{
AssetSpec Example(int id = 1)
{
    return {id, QStringLiteral("Drucker"), QDate(2024, 4, 15)};
}

QDateTime Day(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0));
}
} // namespace

void TestEvaluationRun::fiscalYearRow()
{
    EvaluationFixture f;
    f.AddAsset(Example());
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    const auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 1);
    const QVariantMap &r = rows[0];
    QCOMPARE(r["ID"].toInt(), 1);
    QCOMPARE(r["AFA_ERFASSUNG_ID"].toInt(), 1);
    QCOMPARE(r["INVENTARNR"].toString(), QStringLiteral("INV-1"));
    QCOMPARE(r["AFA"].toDouble(), 2400.0);
    QCOMPARE(r["RESTBETRAGBEGIN"].toDouble(), 7800.0);
    QCOMPARE(r["RESTBETRAG"].toDouble(), 5400.0);
    QCOMPARE(r["DATUMBEGINN"].toString(), QStringLiteral("01.01"));
    QCOMPARE(r["DATUMENDE"].toString(), QStringLiteral("31.12.2026"));
    QCOMPARE(r["DATUM"].toDateTime(), Day(2026, 1, 1));
    QCOMPARE(r["RND"].toInt(), 27);
    QCOMPARE(r["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("L-20,00%"));
    QCOMPARE(r["AFA_KONTEN_NR"].toString(), QStringLiteral("0420"));
    QCOMPARE(r["AFA_KONTEN_BEZEICHNUNG"].toString(), QStringLiteral("Büroeinrichtung"));
    QCOMPARE(r["ANSCHAFFUNGSDATUM"].toDateTime(), Day(2024, 4, 15));
    QVERIFY(r["ABSCHREIBUNGSDATUM"].isNull());
    QCOMPARE(r["ZUGANG"].toDouble(), 0.0);
    QCOMPARE(r["ABGANG"].toDouble(), 0.0);
    QCOMPARE(f.report->Mode, TReportModes(rmJahr));
}

void TestEvaluationRun::fiscalYearCarryOver()
{
    for (const char *year : {"2031", "2020"}) {
        EvaluationFixture f;
        f.AddAsset(Example());
        f.Open();
        f.settings.FiscalYearText = QString::fromLatin1(year);
        f.Evaluate(TargetPrint);
        const auto rows = f.ReportRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["AFA"].toDouble(), 0.0);
        QCOMPARE(rows[0]["RESTBETRAGBEGIN"].toDouble(), 0.0);
        QCOMPARE(rows[0]["RESTBETRAG"].toDouble(), 0.0);
        QCOMPARE(rows[0]["RND"].toInt(), 0);
        QCOMPARE(rows[0]["DATUMBEGINN"].toString(), QStringLiteral("01.01"));
        QCOMPARE(rows[0]["DATUMENDE"].toString(), QStringLiteral("31.03.2029"));
        QCOMPARE(rows[0]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("L-20,00%"));
    }

    // The text target gives the same single block: the year line, no carry-over line.
    EvaluationFixture f;
    f.AddAsset(Example());
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetText);
    const QString text = f.PreviewText();
    QCOMPARE(text.count(QStringLiteral("Bezeichnung        : Drucker")), 1);
    QVERIFY(text.contains(QStringLiteral("3    (2026)")));
    QVERIFY(!text.contains(QStringLiteral("(2029)")));
}

void TestEvaluationRun::periodBoundsExcluded()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    AssetSpec later = Example(2);
    later.acquired = QDate(2024, 4, 16);
    f.AddAsset(later);
    f.Open();
    f.settings.Filter = TAfaFilterChoice::Zeitraum;
    f.settings.From = DateSerial::EncodeDate(2024, 4, 15);
    f.settings.To = DateSerial::EncodeDate(2030, 1, 1);
    f.Evaluate(TargetPrint);
    auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 6);
    for (const QVariantMap &r : rows)
        QCOMPARE(r["AFA_ERFASSUNG_ID"].toInt(), 2);
    QCOMPARE(f.report->Mode, TReportModes(rmList));

    // Upper bound excluded as well; an empty upper bound means 100 days from now.
    f.settings.From = 0;
    f.settings.To = DateSerial::EncodeDate(2024, 4, 16);
    f.Evaluate(TargetPrint);
    rows = f.ReportRows();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows[0]["AFA_ERFASSUNG_ID"].toInt(), 1);
    f.settings.To = 0;
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows().size(), 12);
    QVERIFY(f.filter->To > DateSerial::FromQDateTime(QDateTime::currentDateTime()) + 99);
}

void TestEvaluationRun::selection()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.AddAsset(Example(2));
    f.Open();
    f.settings.Filter = TAfaFilterChoice::Auswahl;
    f.Evaluate(TargetPrint);
    QVERIFY(f.ReportRows().isEmpty());
    f.settings.SelectedIds = {2};
    f.Evaluate(TargetPrint);
    const auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows[5]["AFA_ERFASSUNG_ID"].toInt(), 2);
    QCOMPARE(rows[5]["ID"].toInt(), 6);
}

void TestEvaluationRun::inactiveAssetsNeverOutput()
{
    EvaluationFixture f;
    AssetSpec inactive = Example(1);
    inactive.aktiv = 0;
    f.AddAsset(inactive);
    AssetSpec two = Example(2);
    two.aktiv = 2;
    f.AddAsset(two);
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    QVERIFY(f.ReportRows().isEmpty());
    f.settings.Filter = TAfaFilterChoice::Auswahl;
    f.settings.SelectedIds = {1, 2};
    f.Evaluate(TargetText);
    QVERIFY(!f.PreviewText().contains(QStringLiteral("Drucker")));
}

void TestEvaluationRun::kindsPerMode()
{
    EvaluationFixture f;
    AssetSpec gwg = Example(1);
    gwg.kind = QStringLiteral("GWG");
    f.AddAsset(gwg);
    AssetSpec linp = Example(2);
    linp.kind = QStringLiteral("LINP");
    f.AddAsset(linp);
    AssetSpec deg = Example(3);
    deg.kind = QStringLiteral("DEG");
    deg.cost = 10000;
    deg.percent = 30;
    f.AddAsset(deg);
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.settings.Mode = TAfaMode::Individuell;
    f.settings.PercentText = QString();
    f.Evaluate(TargetPrint);
    auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]["AFA_ERFASSUNG_ID"].toInt(), 3);
    QCOMPARE(rows[0]["AFA"].toDouble(), 1627.5);
    QCOMPARE(rows[0]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-30,00%"));

    f.settings.Mode = TAfaMode::Linear;
    f.Evaluate(TargetPrint);
    rows = f.ReportRows();
    QCOMPARE(rows.size(), 3);
    for (const QVariantMap &r : rows)
        QCOMPARE(r["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("L-20,00%"));
}

void TestEvaluationRun::staleKindCodeOfTheStore()
{
    EvaluationFixture f;
    AssetSpec deg = Example(1);
    deg.kind = QStringLiteral("DEG");
    f.AddAsset(deg);
    f.Open();
    // Changed and inserted behind the open store: the joined code is the one read at open.
    f.Sql(QStringLiteral("UPDATE AFA_ERFASSUNG SET AFA_ARTEN_ID = (SELECT ID FROM AFA_ARTEN "
                         "WHERE KUERZEL = 'GWG') WHERE ID = 1"));
    TRecordStore *assets = f.dm->qry_Afa_Erfassung;
    assets->Append();
    assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetValue(QStringLiteral("Neu"));
    assets->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))->SetValue(Day(2026, 1, 1));
    assets->FieldByName(QStringLiteral("KOSTEN"))->SetValue(1200.0);
    assets->FieldByName(QStringLiteral("NUTZUNGSDAUER"))->SetValue(12);
    assets->FieldByName(QStringLiteral("AKTIV"))->SetValue(1);
    assets->FieldByName(QStringLiteral("AFA_ARTEN_ID"))->SetValue(f.dm->GetKindId(afaDEG));
    assets->Post();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.settings.Mode = TAfaMode::Individuell;
    f.Evaluate(TargetPrint);
    auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 2);
    // The new asset has no account, so its row comes first in the report's order.
    if (rows[0]["BEZEICHNUNG"].toString() == u"Neu")
        std::swap(rows[0], rows[1]);
    QCOMPARE(rows[0]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-20,00%"));
    QCOMPARE(rows[1]["BEZEICHNUNG"].toString(), QStringLiteral("Neu"));
    QCOMPARE(rows[1]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("L-100,00%"));
    QCOMPARE(rows[1]["AFA"].toDouble(), 1200.0);
}

void TestEvaluationRun::emptiedPercentTakesHighestRate()
{
    EvaluationFixture f;
    AssetSpec a = Example(1);
    a.months = 96;
    a.acquired = QDate(2026, 1, 1);
    a.cost = 8000;
    f.AddAsset(a);
    AssetSpec own = Example(2);
    own.months = 96;
    own.acquired = QDate(2026, 1, 1);
    own.cost = 8000;
    own.percent = 12.5;
    f.AddAsset(own);
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.settings.Mode = TAfaMode::Degressiv;
    f.settings.PercentText = QString();
    f.Evaluate(TargetPrint);
    auto rows = f.ReportRows();
    QCOMPARE(rows[0]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-25,00%"));
    QCOMPARE(rows[0]["AFA"].toDouble(), 2000.0);
    QCOMPARE(rows[1]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-12,50%"));
    // A percentage in the edit overrides the assets' own rates.
    f.settings.PercentText = QStringLiteral("20");
    f.Evaluate(TargetPrint);
    rows = f.ReportRows();
    QCOMPARE(rows[0]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-20,00%"));
    QCOMPARE(rows[1]["ABSCHREIBUNGSINFO"].toString(), QStringLiteral("D-20,00%"));
}

void TestEvaluationRun::ownMovementsWhileAnotherAssetIsCurrent()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.AddAsset(Example(2));
    f.AddAsset(Example(3));
    f.AddMovement(1, 1, QDate(2026, 6, 30), 600);
    f.AddMovement(2, 2, QDate(2026, 3, 1), 3900);
    f.AddMovement(3, 3, QDate(2025, 1, 1), 999);
    f.Open();
    QVERIFY(f.dm->qry_Afa_Erfassung->LocateId(3));
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    const auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0]["ZUGANG"].toDouble(), 600.0);
    QCOMPARE(rows[0]["AFA"].toDouble(), 8400.0 / 39 * 12);
    QCOMPARE(rows[1]["ZUGANG"].toDouble(), 3900.0);
    QCOMPARE(rows[1]["AFA"].toDouble(), 11700.0 / 39 * 12);
    QCOMPARE(rows[2]["ZUGANG"].toDouble(), 0.0);
    QCOMPARE(f.dm->qry_Afa_Erfassung->CurrentId().toInt(), 3);
    QCOMPARE(f.dm->qry_Afa_ZuAbgang->FieldValue(QStringLiteral("ID")).toInt(), 3);
    QVERIFY(!f.dm->qry_Afa_Erfassung->ControlsDisabled());
}

// The movements read in one go give each asset the rows, order and values its detail
// read gives, and stand on the first one whenever the asset moved.
void TestEvaluationRun::movementTableMatchesDetailStore()
{
    EvaluationFixture f;
    for (int id = 1; id <= 3; ++id)
        f.AddAsset(Example(id));
    f.AddMovement(5, 1, QDate(2026, 6, 30), 600);
    f.AddMovement(2, 3, QDate(2025, 1, 1), 999);
    f.AddMovement(9, 1, QDate(2024, 2, 1), 0.1);
    f.AddMovement(4, 1, QDate(2026, 1, 1), 7);
    f.Sql(QStringLiteral("DELETE FROM AFA_ZUABGANG WHERE ID = 9"));
    f.AddMovement(8, 1, QDate(2027, 1, 1), 8);
    // Sums whose value depends on the order of adding, and an empty addition.
    f.AddMovement(10, 3, QDate(2026, 2, 1), 0.1);
    f.AddMovement(11, 3, QDate(2026, 3, 1), 0.2);
    f.AddMovement(12, 3, QDate(2026, 4, 1), 0.3);
    f.AddMovement(13, 3, QDate(2026, 5, 1), 1e16);
    f.AddMovement(14, 3, QDate(2026, 6, 1), 1);
    f.AddMovement(15, 3, QDate(2026, 7, 1), 5);
    f.Sql(QStringLiteral("UPDATE AFA_ZUABGANG SET ZUGANG = NULL WHERE ID = 15"));
    f.Open();
    TMovementTable &table = f.session->Movements;
    TRecordStore *assets = f.dm->qry_Afa_Erfassung;
    TRecordStore *detail = f.dm->qry_Afa_ZuAbgang;
    auto rowsOf = [](TRecordCursor &c) {
        QStringList rows;
        for (c.First(); !c.Eof(); c.Next())
            rows
                << QStringLiteral("%1 %2 %3")
                       .arg(c.CurrentId().toInt())
                       .arg(
                           c.FieldValue(QStringLiteral("Datum")).toDateTime().toString(Qt::ISODate))
                       .arg(c.FieldValue(QStringLiteral("Zugang")).toDouble(), 0, 'g', 17);
        return rows;
    };
    // The engine's yearly additions: from the table's sums and from a walk over the store.
    auto additions = [](TMovementCursor &c) {
        TAfABerechnung engine;
        engine.Movements = &c;
        QList<double> sums;
        for (int year = 2023; year <= 2028; ++year)
            sums << engine.AdditionsOfYear(year);
        return sums;
    };
    QList<int> counts;
    for (assets->First(); !assets->Eof(); assets->Next()) {
        QCOMPARE(rowsOf(table), rowsOf(*detail));
        counts << int(rowsOf(table).size());
        const QList<double> fromTable = additions(table);
        const QList<double> walked = additions(*detail);
        for (int i = 0; i < walked.size(); ++i)
            QVERIFY2(std::memcmp(&fromTable[i], &walked[i], sizeof(double)) == 0,
                     qPrintable(QStringLiteral("%1 != %2")
                                    .arg(fromTable[i], 0, 'g', 17)
                                    .arg(walked[i], 0, 'g', 17)));
    }
    QCOMPARE(counts, (QList<int>{3, 0, 7}));
    QVERIFY(assets->LocateId(1));
    table.First();
    table.Next();
    QVERIFY(table.LocateId(8));
    QVERIFY(!table.LocateId(2)); // another asset's movement
    QCOMPARE(table.CurrentId().toInt(), 8);
    QVERIFY(assets->LocateId(3));
    QCOMPARE(table.CurrentId().toInt(), 2);
    QCOMPARE(additions(table)[3], ((0.1 + 0.2) + 0.3 + 1e16) + 1);
    QVERIFY(assets->LocateId(2));
    QVERIFY(table.IsEmpty());
    QVERIFY(table.CurrentId().isNull());
    QVERIFY(table.FieldValue(QStringLiteral("Zugang")).isNull());
}

// A movement entered between two evaluations counts in the second.
void TestEvaluationRun::movementsReadAgainForEveryWalk()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows()[0]["ZUGANG"].toDouble(), 0.0);
    TRecordStore *detail = f.dm->qry_Afa_ZuAbgang;
    detail->Append();
    detail->FieldByName(QStringLiteral("DATUM"))->SetValue(QDateTime(QDate(2026, 6, 30), QTime()));
    detail->FieldByName(QStringLiteral("ZUGANG"))->SetValue(600.0);
    detail->FieldByName(QStringLiteral("AFA_ERFASSUNG_ID"))->SetValue(1);
    detail->FieldByName(QStringLiteral("AKTIV"))->SetValue(1);
    detail->Post();
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows()[0]["ZUGANG"].toDouble(), 600.0);
}

void TestEvaluationRun::cursorBackAfterError()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.AddAsset(Example(2));
    f.AddAsset(Example(3));
    f.Open();
    QVERIFY(f.dm->qry_Afa_Erfassung->LocateId(2));
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.evaluation->Settings = f.settings;
    f.evaluation->Progress = [](int done, int) {
        if (done == 2)
            throw std::runtime_error("Abbruch");
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.evaluation->EvaluateFor(TargetPrint));
    QCOMPARE(f.dm->qry_Afa_Erfassung->CurrentId().toInt(), 2);
    QVERIFY(!f.dm->qry_Afa_Erfassung->ControlsDisabled());
    QVERIFY(!f.dm->ReportBatchActive());
    // The run wrote nothing that stays: the table is as empty as before it.
    QCOMPARE(
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT")).toInt(), 0);
}

void TestEvaluationRun::failedRunKeepsTheLastCompleteReport()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.AddAsset(Example(2));
    f.AddAsset(Example(3));
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows().size(), 3);
    const QString before =
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT LIST(ID || ':' || AFA_ERFASSUNG_ID || "
                                                    "':' || AFA, ',') FROM AFA_REPORT"))
            .toString();

    // Second run, all years, stopped after two assets had written their rows.
    f.settings.Filter = TAfaFilterChoice::Zeitraum;
    f.settings.From = 0;
    f.settings.To = 0;
    f.evaluation->Progress = [](int done, int) {
        if (done == 2)
            throw std::runtime_error("Abbruch");
    };
    f.evaluation->Settings = f.settings;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.evaluation->EvaluateFor(TargetPrint));
    QVERIFY(!f.dm->ReportBatchActive());
    const QString after =
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT LIST(ID || ':' || AFA_ERFASSUNG_ID || "
                                                    "':' || AFA, ',') FROM AFA_REPORT"))
            .toString();
    QCOMPARE(after, before);
    // The store shows the report that stayed, and the next run works as before.
    QCOMPARE(f.dm->ReportStore()->RecordCount(), 3);
    f.evaluation->Progress = nullptr;
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows().size(), 18);

    // A text run that fails leaves the report rows alone as well.
    f.settings.Filter = TAfaFilterChoice::Wirtschaftsjahr;
    f.evaluation->Progress = [](int done, int) {
        if (done == 3)
            throw std::runtime_error("Abbruch");
    };
    f.evaluation->Settings = f.settings;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.evaluation->EvaluateFor(TargetText));
    QCOMPARE(
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT")).toInt(),
        18);
    // The preview keeps the lines written before the error.
    QVERIFY(f.PreviewText().contains(QStringLiteral("2.400,00")));
}

void TestEvaluationRun::unschedulableAssetNamedInTheError_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("acquired");
    QTest::addColumn<QString>("message");
    const QString asset = QStringLiteral("Abschreibungsgut Inventar-Nr. „INV-2“ („Halle“): ");
    QTest::newRow("life of 1201 months")
        << 1201 << QDate(2024, 1, 1)
        << asset + "Die Nutzungsdauer von 1201 Monaten ist länger als 1200 Monate (100 Jahre). "
                   "Der Abschreibungsplan kann nicht berechnet werden.";
    QTest::newRow("largest life")
        << 2147483647 << QDate(2024, 1, 1)
        << asset + "Die Nutzungsdauer von 2147483647 Monaten ist länger als 1200 Monate (100 "
                   "Jahre). Der Abschreibungsplan kann nicht berechnet werden.";
    QTest::newRow("past 9999")
        << 13 << QDate(9999, 1, 1)
        << asset + "Mit dem Anschaffungsdatum 01.01.9999 und einer Nutzungsdauer von 13 Monaten "
                   "reicht der Abschreibungsplan über den 31.12.9999 hinaus. Er kann nicht "
                   "berechnet werden.";
    QTest::newRow("acquired in 9999, one month too long")
        << 2 << QDate(9999, 12, 1)
        << asset + "Mit dem Anschaffungsdatum 01.12.9999 und einer Nutzungsdauer von 2 Monaten "
                   "reicht der Abschreibungsplan über den 31.12.9999 hinaus. Er kann nicht "
                   "berechnet werden.";
}

void TestEvaluationRun::unschedulableAssetNamedInTheError()
{
    QFETCH(int, months);
    QFETCH(QDate, acquired);
    QFETCH(QString, message);
    for (TAfaFilterFlag target : {TargetPrint, TargetText}) {
        EvaluationFixture f;
        f.AddAsset(Example(1));
        AssetSpec odd{2, QStringLiteral("Halle"), acquired};
        odd.months = months;
        f.AddAsset(odd);
        f.Open();
        f.settings.FiscalYearText = QStringLiteral("2026");
        QElapsedTimer timer;
        timer.start();
        try {
            f.Evaluate(target);
            QFAIL("no error");
        } catch (const EAfaError &e) {
            QCOMPARE(e.Message(), message);
        }
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(
            TestDatabase::Scalar(f.path, QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT")).toInt(),
            0);
    }
}

void TestEvaluationRun::schedulesAtTheLimitsAreComputed()
{
    EvaluationFixture f;
    AssetSpec century{1, QStringLiteral("Grundstück"), QDate(2024, 1, 1)};
    century.months = 1200;
    f.AddAsset(century);
    AssetSpec last{2, QStringLiteral("Zukunft"), QDate(9999, 12, 1)};
    last.months = 1;
    f.AddAsset(last);
    AssetSpec lastYear{3, QStringLiteral("Zukunft 2"), QDate(9998, 2, 1)};
    lastYear.months = 23; // 11 months of 9998, 12 of 9999
    f.AddAsset(lastYear);
    f.Open();
    f.settings.Filter = TAfaFilterChoice::Auswahl;
    f.settings.SelectedIds = {1, 2, 3};
    f.Evaluate(TargetPrint);
    const auto rows = f.ReportRows();
    QCOMPARE(rows.size(), 100 + 1 + 2);
    QCOMPARE(rows[99]["DATUMENDE"].toString(), QStringLiteral("31.12.2123"));
    QCOMPARE(rows[100]["DATUMENDE"].toString(), QStringLiteral("31.12.9999"));
    QCOMPARE(rows[102]["DATUMENDE"].toString(), QStringLiteral("31.12.9999"));
}

void TestEvaluationRun::invalidFiscalYearStopsBeforeClearing()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    QCOMPARE(f.ReportRows().size(), 1);
    f.settings.FiscalYearText = QStringLiteral("20x6");
    try {
        f.Evaluate(TargetPrint);
        QFAIL("no error");
    } catch (const EConvertError &e) {
        QCOMPARE(e.Message(), QStringLiteral("'20x6' ist kein gültiger Integerwert"));
    }
    QCOMPARE(
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT")).toInt(), 1);
}

void TestEvaluationRun::rowsNumberedPerEvaluationInIndexOrder()
{
    EvaluationFixture f;
    f.AddAccount(2, QStringLiteral("0100"), QStringLiteral("Maschinen"));
    AssetSpec second = Example(1);
    second.account = 2;
    f.AddAsset(second);
    f.AddAsset(Example(2));
    AssetSpec third = Example(3);
    third.account = 2;
    f.AddAsset(third);
    f.Open();
    f.settings.Filter = TAfaFilterChoice::Auswahl;
    f.settings.SelectedIds = {1, 2, 3};
    for (int run = 0; run < 2; ++run) {
        f.Evaluate(TargetPrint);
        const auto rows = f.ReportRows();
        QCOMPARE(rows.size(), 18);
        // Walk order numbers the rows; the report reads account, asset, date.
        QList<int> ids, accounts, assets;
        for (const QVariantMap &r : rows) {
            ids << r["ID"].toInt();
            accounts << r["AFA_KONTEN_ID"].toInt();
            assets << r["AFA_ERFASSUNG_ID"].toInt();
        }
        QCOMPARE(ids.mid(0, 6), (QList<int>{7, 8, 9, 10, 11, 12}));
        QCOMPARE(accounts.count(1), 6);
        QCOMPARE(accounts.first(), 1);
        QCOMPARE(assets.mid(6, 6), QList<int>(6, 1));
        QCOMPARE(assets.mid(12, 6), QList<int>(6, 3));
        QCOMPARE(*std::max_element(ids.begin(), ids.end()), 18);
        QCOMPARE(rows[6]["DATUM"].toDateTime(), Day(2024, 4, 15));
        QCOMPARE(rows[7]["DATUM"].toDateTime(), Day(2025, 1, 1));
    }
}

// Without the report index the rows cannot be put in report order; the run says so and
// the rows it wrote are kept.
void TestEvaluationRun::nothingKeptWhenOrderingFails()
{
    EvaluationFixture f;
    f.AddAsset(Example(1));
    f.AddAsset(Example(2));
    f.Sql(QStringLiteral("DROP INDEX AFA_REPORT_INDEX"));
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.Evaluate(TargetPrint));
    QVERIFY(!f.dm->ReportBatchActive());
    QCOMPARE(
        TestDatabase::Scalar(f.path, QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT")).toInt(), 0);
}

void TestEvaluationRun::depreciationDateInReportRow()
{
    EvaluationFixture f;
    AssetSpec a = Example(1);
    a.useAbschrDatum = 1;
    a.abschrDatum = QDate(2024, 5, 2);
    f.AddAsset(a);
    f.Open();
    f.settings.FiscalYearText = QStringLiteral("2026");
    f.Evaluate(TargetPrint);
    const auto rows = f.ReportRows();
    QCOMPARE(rows[0]["ANSCHAFFUNGSDATUM"].toDateTime(), Day(2024, 5, 2));
    QVERIFY(rows[0]["ABSCHREIBUNGSDATUM"].isNull());
}
