#include "TestReportToolPdf.h"

#include "TestDatabase.h"
#include "ToolProcess.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Accounts 0400 and 0420. On 0400: 12.000 over 60 months from January 2024 (2.400 a year)
// and 6.000 over 36 months from January 2025 (2.000); on 0420: 3.600 over 36 months from
// July 2026 (600 in 2026).
QString ThreeAssetDatabase()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                            "VALUES (1, '0400', 'Betriebsausstattung')"));
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                            "VALUES (2, '0420', 'Büroeinrichtung')"));
    const char *assets[] = {
        "(1, 'INV-1', 'Drehbank', '2024-01-10', 12000, 60, 1)",
        "(2, 'INV-2', 'Lieferwagen', '2025-01-20', 6000, 36, 1)",
        "(3, 'INV-3', 'Schreibtisch', '2026-07-01', 3600, 36, 2)",
    };
    for (const char *values : assets)
        TestDatabase::Exec(
            path, QStringLiteral("INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, "
                                 "ANSCHAFFUNGSDATUM, KOSTEN, NUTZUNGSDAUER, "
                                 "AFA_KONTEN_ID, RESTBUCHWERT, PROZENTSATZ, AKTIV, "
                                 "USE_ABSCHRDATUM) VALUES %1")
                      .arg(QString::fromLatin1(values))
                      .replace(QStringLiteral(", 1)"), QStringLiteral(", 1, 0, 0, 1, 0)"))
                      .replace(QStringLiteral(", 2)"), QStringLiteral(", 2, 0, 0, 1, 0)")));
    return path;
}

struct PdfResult {
    int status = -1;
    QString err;
    QString text; // pdftotext -layout
    int pages = 0;
};

QString RunPoppler(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

PdfResult MakePdf(const QString &db, const QStringList &selection, const QString &pdfFile)
{
    PdfResult r;
    const ToolResult tool =
        RunReportTool(QStringList{QStringLiteral("--database"), db} + selection +
                      QStringList{QStringLiteral("--format"), QStringLiteral("pdf"),
                                  QStringLiteral("--output"), pdfFile});
    r.status = tool.status;
    r.err = tool.err;
    if (r.status != 0)
        return r;
    r.text = RunPoppler(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(RunPoppler(QStringLiteral("pdfinfo"), {pdfFile}));
    r.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    return r;
}

QString PageText(const QString &pdfFile, int page)
{
    return RunPoppler(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                       QStringLiteral("-l"), QString::number(page), pdfFile, QStringLiteral("-")});
}

// The line of the text that contains marker, blanks collapsed.
QString LineWith(const QString &text, const QString &marker)
{
    for (const QString &line : text.split(u'\n')) {
        if (line.simplified().contains(marker))
            return line.simplified();
    }
    return {};
}

} // namespace

void TestReportToolPdf::fiscalYearFiguresAndTotals()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("afa.pdf"));
    const PdfResult r =
        MakePdf(ThreeAssetDatabase(), {QStringLiteral("--year"), QStringLiteral("2026")}, pdf);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QCOMPARE(r.pages, 1);

    // A row per asset: cost, life, value before, AfA, value after.
    // (blanks removed: pdftotext spaces the columns by their position)
    QCOMPARE(
        LineWith(r.text, QStringLiteral("Drehbank")).remove(u' '),
        QStringLiteral("INV-1Drehbank10.01.202412.000,00607.200,002.400,004.800,0024L-20,00%"));
    QVERIFY2(LineWith(r.text, QStringLiteral("Lieferwagen")).contains(QStringLiteral("2.000,00")),
             qPrintable(r.text));
    QVERIFY2(LineWith(r.text, QStringLiteral("Schreibtisch")).contains(QStringLiteral("600,00")),
             qPrintable(r.text));
    // Account subtotals and the grand total.
    const QString sum0400 = LineWith(r.text, QStringLiteral("Summe Konto 0400"));
    QVERIFY2(sum0400.contains(QStringLiteral("18.000,00")) &&
                 sum0400.contains(QStringLiteral("4.400,00")),
             qPrintable(sum0400));
    const QString sum0420 = LineWith(r.text, QStringLiteral("Summe Konto 0420"));
    QVERIFY2(sum0420.contains(QStringLiteral("3.600,00")) &&
                 sum0420.contains(QStringLiteral("600,00")),
             qPrintable(sum0420));
    const QString total = LineWith(r.text, QStringLiteral("Gesamtsumme"));
    QVERIFY2(total.contains(QStringLiteral("21.600,00")) &&
                 total.contains(QStringLiteral("5.000,00")),
             qPrintable(total));
    QCOMPARE(LineWith(r.text, QStringLiteral("Büroeinrichtung")),
             QStringLiteral("Konto 0420 Büroeinrichtung"));
    QVERIFY(r.text.contains(QStringLiteral("Seite 1 von 1")));
    QVERIFY(r.text.contains(QStringLiteral("Druckdatum:")));
}

void TestReportToolPdf::headlineKeepsItsFormatting()
{
    const QString db = ThreeAssetDatabase();
    TestDatabase::Exec(db, QStringLiteral("INSERT INTO AFA_SETTINGS (KUERZEL, BEZEICHNUNG, "
                                          "BLOBWERT) VALUES ('RPT', 'Report', "
                                          "'{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}"
                                          "\\f0\\fs32{\\b Muster GmbH}\\par\\fs20 Afa-Report "
                                          "[%Zeitraum%]\\par}')"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("afa.pdf"));
    const PdfResult r = MakePdf(db, {QStringLiteral("--year"), QStringLiteral("2026")}, pdf);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.text.contains(QStringLiteral("Muster GmbH")), qPrintable(r.text));
    QVERIFY2(r.text.contains(QStringLiteral("Afa-Report vom 01.01.2026 bis 31.12.2026")),
             qPrintable(r.text));
    // The headline's own font, bold, is in the file beside the report's font.
    const QString fonts = RunPoppler(QStringLiteral("pdffonts"), {pdf});
    QVERIFY2(fonts.contains(QStringLiteral("LiberationSerif-Bold")), qPrintable(fonts));
    QVERIFY2(fonts.contains(QStringLiteral("LiberationSans")), qPrintable(fonts));
}

void TestReportToolPdf::longReportRepeatsAccountHeaders()
{
    const QString db = TestDatabase::FreshCopy();
    TestDatabase::Exec(db, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                          "VALUES (1, '0400', 'Maschinen')"));
    TestDatabase::AddManyAssets(db, 1, 150);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lang.pdf"));
    const PdfResult r = MakePdf(db, {QStringLiteral("--year"), QStringLiteral("2026")}, pdf);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.pages >= 3, qPrintable(QString::number(r.pages)));
    for (int page = 1; page <= r.pages; ++page) {
        const QString text = PageText(pdf, page);
        QVERIFY2(text.contains(QStringLiteral("Seite %1 von %2").arg(page).arg(r.pages)),
                 qPrintable(text));
        // Every page opens with the account and the column headings.
        QVERIFY2(LineWith(text, QStringLiteral("Maschinen")) ==
                     QStringLiteral("Konto 0400 Maschinen"),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Bezeichnung")), qPrintable(text));
    }
    // 150 rows, each once.
    QCOMPARE(r.text.count(QStringLiteral("Abschreibungsgut Nummer")), 150);
    QVERIFY(PageText(pdf, r.pages).contains(QStringLiteral("Gesamtsumme")));
    QVERIFY(!PageText(pdf, 1).contains(QStringLiteral("Gesamtsumme")));
}

void TestReportToolPdf::scheduleOfSelectedAssets()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("verlauf.pdf"));
    const PdfResult r =
        MakePdf(ThreeAssetDatabase(), {QStringLiteral("--assets"), QStringLiteral("1")}, pdf);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    // The asset's block, then five schedule years from the day of purchase on.
    QVERIFY2(LineWith(r.text, QStringLiteral("Drehbank"))
                 .contains(QStringLiteral("Anschaffung: 10.01.2024 Kosten: 12.000,00 ND: 60 Mon.")),
             qPrintable(r.text));
    const QStringList years = {
        QStringLiteral("10.01 – 31.12.2024 12.000,00 2.400,00 9.600,00 48"),
        QStringLiteral("01.01 – 31.12.2025 9.600,00 2.400,00 7.200,00 36"),
        QStringLiteral("01.01 – 31.12.2026 7.200,00 2.400,00 4.800,00 24"),
        QStringLiteral("01.01 – 31.12.2027 4.800,00 2.400,00 2.400,00 12"),
        QStringLiteral("01.01 – 31.12.2028 2.400,00 2.400,00 0,00 0"),
    };
    for (const QString &year : years)
        QVERIFY2(LineWith(r.text, year.left(18)).startsWith(year), qPrintable(r.text));
    QVERIFY(!r.text.contains(QStringLiteral("31.12.2029")));
    // The asset's AfA in total, its account's and the grand total.
    QVERIFY(LineWith(r.text, QStringLiteral("Summe 0,00")).contains(QStringLiteral("12.000,00")));
    QVERIFY(LineWith(r.text, QStringLiteral("Summe Konto")).endsWith(QStringLiteral("12.000,00")));
    QVERIFY(LineWith(r.text, QStringLiteral("Gesamtsumme")).endsWith(QStringLiteral("12.000,00")));
    QVERIFY(!r.text.contains(QStringLiteral("Lieferwagen")));
}

void TestReportToolPdf::pdfNeedsAnOutputFile()
{
    const ToolResult r = RunReportTool({QStringLiteral("--year"), QStringLiteral("2026"),
                                        QStringLiteral("--format"), QStringLiteral("pdf")});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Für --format pdf bitte mit --output eine "
                                           "Ausgabedatei angeben.")),
             qPrintable(r.err));
}
