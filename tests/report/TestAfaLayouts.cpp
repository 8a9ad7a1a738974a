#include "TestAfaLayouts.h"

#include "AfaRecords.h"
#include "DateSerial.h"
#include "MemoryDataSource.h"
#include "ReportProject.h"
#include "ReportSystem.h"
#include "Snapshot.h"
#include "SnapshotDump.h"
#include "SnapshotWriter.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

// The layouts of the shipped report project over fixed report rows, as text dumps compared
// with the files in golden/. After an intended change of a layout, run the test once with
// NORBEK_UPDATE_GOLDEN=1 to write them anew, and look at the difference before committing.
namespace
{

const QString Headline = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0"
                                        "\\fs28{\\b Muster GmbH}\\par\\fs18 Afa-Report vom "
                                        "01.01.2026 bis 31.12.2026\\par}");

TAfaReportRow Row(int asset, int account, const char *name, QDate bought, double cost, int life,
                  double before, double afa, double after, int rnd, const char *period = "01.01",
                  const char *end = "31.12.2026")
{
    TAfaReportRow r;
    r.Afa_Erfassung_ID = asset;
    r.InventarNr = QStringLiteral("INV-%1").arg(asset);
    r.Bezeichnung = QString::fromUtf8(name);
    r.AnschaffungsDatum = DateSerial::FromQDate(bought);
    r.Kosten = cost;
    r.NutzungsDauer = life;
    r.Afa_Konten_ID = account;
    r.Afa_Konten_Nr = account == 1 ? QStringLiteral("0400") : QStringLiteral("0420");
    r.Afa_Konten_Bezeichnung =
        account == 1 ? QStringLiteral("Betriebsausstattung") : QStringLiteral("Büroeinrichtung");
    r.RestBetragBegin = before;
    r.AFA = afa;
    r.RestBetrag = after;
    r.RND = rnd;
    r.DatumBeginn = QString::fromLatin1(period);
    r.DatumEnde = QString::fromLatin1(end);
    r.AbschreibungsInfo = QStringLiteral("L-20,00 %");
    return r;
}

struct Render {
    TReportProject project;
    TSnapshotWriter writer;
    TMemoryDataSource rows{TAfaReportRow::ColumnNames()};
    TMemoryDataSource none{{QStringLiteral("ID")}}; // the test connection: no rows
    QBuffer stream;
    TSnapshot snapshot;

    Render()
    {
        project.SetProjectFile(QStringLiteral(NORBEK_REPORT_PROJECT));
        project.SetDataConnection(QStringLiteral("rdc_AfaReport"), &rows);
        project.SetDataConnection(QStringLiteral("rdc_Test"), &none);
    }

    void Add(const TAfaReportRow &row) { rows.Rows << row.Values(); }

    QString Run(const QString &report)
    {
        if (!project.SelectReport(report))
            return QStringLiteral("kein Report ") + report;
        project.SetParameter(QStringLiteral("param_Datum"), QStringLiteral("Mi, 10.12.2026"));
        project.SetParameter(QStringLiteral("param_FirmenDaten"), Headline);
        stream.open(QIODevice::ReadWrite | QIODevice::Truncate);
        writer.SetStream(&stream);
        project.SetEngine(&writer);
        project.Run();
        writer.SetStream(nullptr);
        snapshot.Load(stream.data());
        QString dump;
        for (int n = 1; n <= snapshot.PageCount(); ++n)
            dump += TSnapshotDump::DumpPage(snapshot.Page(n), n, snapshot.PageCount());
        return dump;
    }
};

void CompareWithGolden(const QString &dump, const QString &name)
{
    const QString path = QStringLiteral(NORBEK_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIntValue("NORBEK_UPDATE_GOLDEN") == 1) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dump.toUtf8());
        return;
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
    const QStringList actual = dump.split(u'\n');
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        QVERIFY2(expected[i] == actual[i],
                 qPrintable(QStringLiteral("%1, Zeile %2:\n  erwartet %3\n  erhalten %4")
                                .arg(name)
                                .arg(i + 1)
                                .arg(expected[i], actual[i])));
    QCOMPARE(actual.size(), expected.size());
}

} // namespace

void TestAfaLayouts::shippedProjectHasTheFourReports()
{
    TReportProject project;
    project.SetProjectFile(QStringLiteral(NORBEK_REPORT_PROJECT));
    for (const char *name : {"rep_Jahr", "REP_LIST", "rep_test", "rep_Empty"})
        QVERIFY2(project.SelectReport(QString::fromLatin1(name)), name);
    QVERIFY(!project.SelectReport(QStringLiteral("rep_Jahr2")));
}

void TestAfaLayouts::fiscalYearReportMatchesItsGoldenDump()
{
    Render r;
    r.Add(Row(1, 1, "Drehbank", {2024, 1, 10}, 12000, 60, 7200, 2400, 4800, 24));
    r.Add(Row(2, 1, "Lieferwagen", {2025, 1, 20}, 6000, 36, 4000, 2000, 2000, 12));
    r.Add(Row(3, 2, "Schreibtisch mit sehr langer Bezeichnung, die nicht in die Spalte passt",
              {2026, 7, 1}, 3600, 36, 3600, 600, 3000, 30, "01.07"));
    const QString dump = r.Run(QStringLiteral("rep_Jahr"));
    QCOMPARE(r.snapshot.PageCount(), 1);
    QVERIFY(dump.contains(QStringLiteral("4.400,00")));  // AfA of account 0400
    QVERIFY(dump.contains(QStringLiteral("5.000,00")));  // AfA in total
    QVERIFY(dump.contains(QStringLiteral("21.600,00"))); // cost in total
    QVERIFY(dump.contains(QStringLiteral("Seite 1 von 1")));
    QVERIFY(dump.contains(QStringLiteral("Muster GmbH")));
    CompareWithGolden(dump, QStringLiteral("rep_Jahr.txt"));
}

void TestAfaLayouts::scheduleReportMatchesItsGoldenDump()
{
    Render r;
    double rest = 12000;
    for (int year = 2024; year <= 2028; ++year) {
        r.Add(Row(1, 1, "Drehbank", {2024, 1, 10}, 12000, 60, rest, 2400, rest - 2400,
                  60 - (year - 2023) * 12, "01.01",
                  QStringLiteral("31.12.%1").arg(year).toLatin1().constData()));
        rest -= 2400;
    }
    r.Add(Row(3, 2, "Schreibtisch", {2026, 7, 1}, 3600, 36, 3600, 600, 3000, 30, "01.07"));
    const QString dump = r.Run(QStringLiteral("rep_List"));
    QVERIFY(dump.contains(QStringLiteral("12.000,00"))); // the asset's AfA in total
    QVERIFY(dump.contains(QStringLiteral("12.600,00"))); // all AfA
    CompareWithGolden(dump, QStringLiteral("rep_List.txt"));
}

void TestAfaLayouts::testReportIsOnePage()
{
    Render r;
    const QString dump = r.Run(QStringLiteral("rep_Test"));
    QCOMPARE(r.snapshot.PageCount(), 1);
    QVERIFY(dump.contains(QStringLiteral("Testseite der Reportausgabe")));
    CompareWithGolden(dump, QStringLiteral("rep_Test.txt"));
}

void TestAfaLayouts::emptyReportHasNoPage()
{
    Render r;
    r.Run(QStringLiteral("rep_Empty"));
    QCOMPARE(r.snapshot.PageCount(), 0);
}
