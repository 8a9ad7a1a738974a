#include "TestReportToolProcess.h"

#include "TestDatabase.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <QtTest>

namespace
{

using Result = ToolResult;

Result RunTool(const QStringList &arguments)
{
    return RunReportTool(arguments);
}

// Asset 2 comes first in the table but has the higher ID; asset 3 is inactive.
QString FilledDatabase()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) VALUES "
                                            "(1, '0420', 'Büro; Möbel')"));
    const QString insert = QStringLiteral(
        "INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, ANSCHAFFUNGSDATUM, KOSTEN, "
        "RESTBUCHWERT, NUTZUNGSDAUER, PROZENTSATZ, AKTIV, USE_ABSCHRDATUM, AFA_KONTEN_ID, "
        "AFA_ARTEN_ID) VALUES (%1, 'INV-%1', '%2', '%3', %4, 0, 60, 0, %5, 0, 1, NULL)");
    TestDatabase::Exec(
        path, insert.arg(2)
                  .arg(QStringLiteral("Regal \"groß\""), QStringLiteral("2025-01-01 14:30:00"))
                  .arg(6000)
                  .arg(1));
    TestDatabase::Exec(path, insert.arg(1)
                                 .arg(QStringLiteral("Drucker"), QStringLiteral("2024-04-15"))
                                 .arg(12000)
                                 .arg(1));
    TestDatabase::Exec(
        path,
        insert.arg(3).arg(QStringLiteral("Alt"), QStringLiteral("2024-04-15")).arg(500).arg(0));
    TestDatabase::Exec(path,
                       QStringLiteral("INSERT INTO AFA_ZUABGANG (ID, DATUM, ZUGANG, "
                                      "AFA_ERFASSUNG_ID, AKTIV) VALUES (1, '2026-06-30', 600, "
                                      "1, 0)"));
    return path;
}

const QString Header = QStringLiteral(
    "ID;AFA_ERFASSUNG_ID;INVENTARNR;BEZEICHNUNG;ANSCHAFFUNGSDATUM;ABSCHREIBUNGSDATUM;KOSTEN;"
    "NUTZUNGSDAUER;AFA_KONTEN_ID;AFA_KONTEN_NR;AFA_KONTEN_BEZEICHNUNG;RND;AFA;RESTBETRAGBEGIN;"
    "RESTBETRAG;DATUMBEGINN;DATUMENDE;DATUM;ABSCHREIBUNGSINFO;ZUGANG;ABGANG");

} // namespace

void TestReportToolProcess::csvPerFilter()
{
    const QString db = FilledDatabase();
    Result r = RunTool(
        {QStringLiteral("--database"), db, QStringLiteral("--year"), QStringLiteral("2026")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QStringList lines = r.out.split(u'\n');
    QCOMPARE(lines[0], Header);
    QCOMPARE(lines.size(), 4); // header, two rows, end of the last line
    QCOMPARE(lines[1], QStringLiteral("1;1;INV-1;Drucker;15.04.2024;;12000;60;1;0420;\"Büro; "
                                      "Möbel\";27;2584,6153846153848;8400;5815,384615384615;01.01;"
                                      "31.12.2026;01.01.2026;L-20,00%;600;0"));
    QCOMPARE(lines[2],
             QStringLiteral("2;2;INV-2;\"Regal \"\"groß\"\"\";01.01.2025 14:30:00;;6000;"
                            "60;1;0420;\"Büro; Möbel\";36;1200;4800;3600;01.01;31.12.2026;"
                            "01.01.2026;L-20,00%;0;0"));
    QCOMPARE(lines[3], QString());

    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--from"),
                 QStringLiteral("15.04.2024"), QStringLiteral("--to"),
                 QStringLiteral("31.12.2030")});
    QCOMPARE(r.status, 0);
    lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    // Only asset 2 (the lower bound is excluded): 60 months from January are five years.
    QCOMPARE(lines.size(), 1 + 5);
    QVERIFY(lines[1].startsWith(QStringLiteral("1;2;")));
    QVERIFY(lines[5].startsWith(QStringLiteral("5;2;")));

    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--assets"),
                 QStringLiteral("1,3"), QStringLiteral("--mode"), QStringLiteral("degressiv"),
                 QStringLiteral("--percent"), QStringLiteral("30"), QStringLiteral("--switch")});
    QCOMPARE(r.status, 0);
    lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 1 + 6, qPrintable(r.out + r.err));
    QVERIFY(lines[1].contains(QStringLiteral(";2700;12000;9300;")));
    QVERIFY(lines[1].contains(QStringLiteral("D-30,00%")));
    QVERIFY(lines[4].contains(QStringLiteral("L-50,00%")));
}

void TestReportToolProcess::textWithHeadline()
{
    const QString db = FilledDatabase();
    TestDatabase::Exec(db, QStringLiteral("INSERT INTO AFA_SETTINGS (KUERZEL, BEZEICHNUNG, "
                                          "BLOBWERT) VALUES ('RPT', 'Title Afa-Report', "
                                          "'{\\rtf1\\ansi {\\b AfA} [%Zeitraum%]\\par}')"));
    const Result r =
        RunTool({QStringLiteral("--database"), db, QStringLiteral("--year"), QStringLiteral("2026"),
                 QStringLiteral("--format"), QStringLiteral("text")});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n');
    QCOMPARE(lines[0], QStringLiteral("AfA vom 01.01.2026 bis 31.12.2026"));
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QStringLiteral("Bezeichnung        : Drucker"));
    QCOMPARE(lines[11], QStringLiteral("3    (2026)  01.01  31.12  2.584,62          27    "
                                       "8.400,00          5.815,38          L-20,00%  "));
    QCOMPARE(lines[12], QString());
    QCOMPARE(lines[13], QStringLiteral("Bezeichnung        : Regal \"groß\""));
    QCOMPARE(lines[14], QStringLiteral("Anschaffungsdatum  : Mi, 01.01.2025"));
    QVERIFY(!r.out.contains(u'\r'));
}

void TestReportToolProcess::outputFile()
{
    const QString db = FilledDatabase();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("afa.csv"));
    Result r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--year=2026"),
                        QStringLiteral("--output"), file});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.isEmpty());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith(Header.toUtf8() + '\n'));

    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--year=2026"),
                 QStringLiteral("--output"), dir.filePath(QStringLiteral("fehlt/afa.csv"))});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("kann nicht geschrieben werden")));
}

void TestReportToolProcess::failuresExitTwo()
{
    Result r = RunTool({QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--mode"),
                        QStringLiteral("schnell")});
    QCOMPARE(r.status, 2);
    QVERIFY(r.err.contains(QStringLiteral("Unbekannter Auswertemodus 'schnell'")));
    QVERIFY(r.out.isEmpty());

    r = RunTool({QStringLiteral("--database"), QStringLiteral("/nicht/da.fdb"),
                 QStringLiteral("--year"), QStringLiteral("2026")});
    QCOMPARE(r.status, 2);
    QVERIFY(
        r.err.contains(QStringLiteral("Die Datenbank '/nicht/da.fdb' kann nicht gelesen werden")));

    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("kaputt.fdb"));
    QFile f(junk);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(20000, 'x'));
    f.close();
    r = RunTool(
        {QStringLiteral("--database"), junk, QStringLiteral("--year"), QStringLiteral("2026")});
    QCOMPARE(r.status, 2);
    QVERIFY(!r.err.isEmpty());
    QCOMPARE(r.err.count(u'\n') >= 1, true);

    r = RunTool({QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith(QStringLiteral("Aufruf: norbekAfa-report")));
}

void TestReportToolProcess::writesOnlyReportRows()
{
    const QString db = FilledDatabase();
    const Result r =
        RunTool({QStringLiteral("--database"), db, QStringLiteral("--year"), QStringLiteral("2026"),
                 QStringLiteral("--format"), QStringLiteral("text")});
    QCOMPARE(r.status, 0);
    // Reading the headlines creates no settings rows; the assets stay as they were.
    QCOMPARE(TestDatabase::Scalar(db, QStringLiteral("SELECT COUNT(*) FROM AFA_SETTINGS")).toInt(),
             0);
    QCOMPARE(TestDatabase::Scalar(db, QStringLiteral("SELECT COUNT(*) FROM AFA_ERFASSUNG")).toInt(),
             3);
    QCOMPARE(TestDatabase::Scalar(db, QStringLiteral("SELECT COUNT(*) FROM AFA_ERFASSUNG WHERE "
                                                     "AFA_ARTEN_ID IS NULL"))
                 .toInt(),
             3);
}

void TestReportToolProcess::unknownAssetsChangeNothing()
{
    const QString db = FilledDatabase();
    const QString countRows = QStringLiteral("SELECT COUNT(*) FROM AFA_REPORT");
    Result r = RunTool(
        {QStringLiteral("--database"), db, QStringLiteral("--year"), QStringLiteral("2026")});
    QCOMPARE(r.status, 0);
    QCOMPARE(TestDatabase::Scalar(db, countRows).toInt(), 2);

    r = RunTool(
        {QStringLiteral("--database"), db, QStringLiteral("--assets"), QStringLiteral("99,1,98")});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Abschreibungsgüter mit den Nummern (ID) 98, 99 gibt "
                                           "es in der Datenbank nicht.")),
             qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(TestDatabase::Scalar(db, countRows).toInt(), 2);

    // One past the highest ID; 0 is no ID either.
    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--assets=4")});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Ein Abschreibungsgut mit der Nummer (ID) 4 gibt es in "
                                           "der Datenbank nicht.")),
             qPrintable(r.err));
    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--assets=0")});
    QCOMPARE(r.status, 2);
    QCOMPARE(TestDatabase::Scalar(db, countRows).toInt(), 2);

    // An inactive asset exists: accepted, it only gives no rows.
    r = RunTool({QStringLiteral("--database"), db, QStringLiteral("--assets=3")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, Header + u'\n');
}
