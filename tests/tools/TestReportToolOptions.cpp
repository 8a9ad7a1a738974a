#include "TestReportToolOptions.h"

#include "CsvFormat.h"
#include "GermanFormat.h"
#include "ReportToolOptions.h"

#include <QtTest>
#include <cmath>

void TestReportToolOptions::defaults()
{
    TReportToolOptions o;
    QString error;
    QVERIFY(ParseReportToolArguments({QStringLiteral("--year"), QStringLiteral("2026")}, o, error));
    QVERIFY(o.Database.isEmpty());
    QVERIFY(o.Output.isEmpty());
    QCOMPARE(o.Format, TReportToolOptions::TFormat::Csv);
    QCOMPARE(o.Settings.Mode, TAfaMode::Linear);
    QCOMPARE(o.Settings.PercentText, QStringLiteral("20"));
    QVERIFY(!o.Settings.AllowSwitch);
    QCOMPARE(o.Settings.Filter, TAfaFilterChoice::Wirtschaftsjahr);
    QCOMPARE(o.Settings.FiscalYearText, QStringLiteral("2026"));

    QVERIFY(ParseReportToolArguments({QStringLiteral("--help")}, o, error));
    QVERIFY(o.Help);
    QVERIFY(ReportToolHelpText().contains(QStringLiteral("--assets")));
}

void TestReportToolOptions::eachFilter()
{
    TReportToolOptions o;
    QString error;
    QVERIFY(ParseReportToolArguments({"--from", "15.04.2024", "--to=31.12.2030", "--mode",
                                      "degressiv", "--percent", "", "--switch", "--format", "text",
                                      "--output", "out.txt", "--database", "x.fdb"},
                                     o, error));
    QCOMPARE(o.Settings.Filter, TAfaFilterChoice::Zeitraum);
    QCOMPARE(o.Settings.From, DateSerial::EncodeDate(2024, 4, 15));
    QCOMPARE(o.Settings.To, DateSerial::EncodeDate(2030, 12, 31));
    QCOMPARE(o.Settings.Mode, TAfaMode::Degressiv);
    QCOMPARE(o.Settings.PercentText, QString());
    QVERIFY(o.Settings.AllowSwitch);
    QCOMPARE(o.Format, TReportToolOptions::TFormat::Text);
    QCOMPARE(o.Output, QStringLiteral("out.txt"));
    QCOMPARE(o.Database, QStringLiteral("x.fdb"));

    QVERIFY(ParseReportToolArguments({"--assets", "3,1, 7", "--mode", "individuell"}, o, error));
    QCOMPARE(o.Settings.Filter, TAfaFilterChoice::Auswahl);
    QCOMPARE(o.Settings.SelectedIds, (QSet<int>{1, 3, 7}));
    QCOMPARE(o.Settings.Mode, TAfaMode::Individuell);
}

void TestReportToolOptions::wrongArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no filter") << QStringList{} << "Bitte genau eine Auswahl angeben";
    QTest::newRow("two filters") << QStringList{"--year", "2026", "--assets", "1"}
                                 << "Nur eine Auswahl";
    QTest::newRow("year not whole")
        << QStringList{"--year", "20x6"} << "'20x6' ist kein gültiger Integerwert";
    QTest::newRow("from without to") << QStringList{"--from", "01.01.2024"} << "--from und --to";
    QTest::newRow("bad date") << QStringList{"--from", "31.02.2024", "--to", "01.01.2025"}
                              << "'31.02.2024' ist kein gültiges Datum";
    QTest::newRow("short date") << QStringList{"--from", "1.1.2024", "--to", "01.01.2025"}
                                << "kein gültiges Datum";
    QTest::newRow("bad id") << QStringList{"--assets", "1,x"} << "'x' ist keine gültige Nummer";
    QTest::newRow("bad mode") << QStringList{"--year", "2026", "--mode", "LIN"}
                              << "Unbekannter Auswertemodus 'LIN'";
    QTest::newRow("bad format") << QStringList{"--year", "2026", "--format", "html"}
                                << "Unbekanntes Ausgabeformat 'html' (csv, text oder pdf).";
    QTest::newRow("pdf to standard output")
        << QStringList{"--year", "2026", "--format", "pdf"}
        << "Für --format pdf bitte mit --output eine Ausgabedatei angeben.";
    QTest::newRow("missing value") << QStringList{"--year"} << "Zur Option --year fehlt der Wert";
    QTest::newRow("unknown") << QStringList{"--year", "2026", "--jahr"}
                             << "Unbekanntes Argument '--jahr'";

    const QString outsideYears = QStringLiteral("liegt nicht zwischen 1900 und 2099");
    QTest::newRow("year before 1900")
        << QStringList{"--year", "1899"} << "Das Wirtschaftsjahr 1899 " + outsideYears;
    QTest::newRow("year after 2099")
        << QStringList{"--year=2100"} << "Das Wirtschaftsjahr 2100 " + outsideYears;
    QTest::newRow("year negative") << QStringList{"--year", "-2026"} << outsideYears;

    const QString outsidePercent = QStringLiteral("größer als 0 und höchstens 100");
    QTest::newRow("percent 0") << QStringList{"--year", "2026", "--percent", "0"}
                               << "Der Prozentsatz '0' liegt nicht im erlaubten Bereich";
    QTest::newRow("percent 0,0") << QStringList{"--year", "2026", "--percent", "0,0"}
                                 << outsidePercent;
    QTest::newRow("percent over 100")
        << QStringList{"--year", "2026", "--percent", "100,01"}
        << "Der Prozentsatz '100,01' liegt nicht im erlaubten Bereich";
    QTest::newRow("percent negative")
        << QStringList{"--year", "2026", "--percent=-20"} << outsidePercent;
    QTest::newRow("percent huge") << QStringList{"--year", "2026", "--percent", "1E300"}
                                  << outsidePercent;
    QTest::newRow("percent text") << QStringList{"--year", "2026", "--percent", "zwanzig"}
                                  << "'zwanzig' ist kein gültiger Prozentsatz";
    QTest::newRow("percent with point") << QStringList{"--year", "2026", "--percent", "12.5"}
                                        << "'12.5' ist kein gültiger Prozentsatz";
    QTest::newRow("percent with sign")
        << QStringList{"--year", "2026", "--percent", "20%"} << "kein gültiger Prozentsatz";
    QTest::newRow("percent blank")
        << QStringList{"--year", "2026", "--percent", " "} << "kein gültiger Prozentsatz";

    const QString emptySpan = QStringLiteral("Der Zeitraum ist leer: --from muss vor --to liegen");
    QTest::newRow("from after to")
        << QStringList{"--from", "02.01.2025", "--to", "01.01.2025"} << emptySpan;
    QTest::newRow("from equals to")
        << QStringList{"--to", "01.01.2025", "--from", "01.01.2025"} << emptySpan;

    QTest::newRow("database empty")
        << QStringList{"--year", "2026", "--database", ""} << "Der Name der Datenbankdatei fehlt.";
    QTest::newRow("database= empty")
        << QStringList{"--database=", "--year", "2026"} << "Der Name der Datenbankdatei fehlt.";
}

void TestReportToolOptions::wrongArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    TReportToolOptions o;
    QString error;
    QVERIFY(!ParseReportToolArguments(args, o, error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestReportToolOptions::rangeEdgesAccepted()
{
    TReportToolOptions o;
    QString error;
    for (const char *year : {"1900", "2099"}) {
        QVERIFY2(ParseReportToolArguments({"--year", year}, o, error), qPrintable(error));
        QCOMPARE(o.Settings.FiscalYearText, QString::fromLatin1(year));
    }
    // The smallest step above 0, 100 itself, and blanks around as in the window's edit.
    for (const char *percent : {"100", "100,0", "0,0001", " 12,5 ", "1E2", ""}) {
        QVERIFY2(ParseReportToolArguments({"--year", "2026", "--percent", percent}, o, error),
                 qPrintable(error));
        QCOMPARE(o.Settings.PercentText, QString::fromLatin1(percent));
    }
    // One day apart: an asset bought during the day between, at a time of day, lies inside.
    QVERIFY2(ParseReportToolArguments({"--from", "01.01.2025", "--to", "02.01.2025"}, o, error),
             qPrintable(error));
}

void TestReportToolOptions::helpNamesEveryExitStatus()
{
    const QString help = ReportToolHelpText();
    QVERIFY(help.contains(QStringLiteral("  0    Erfolg.\n")));
    QVERIFY(help.contains(QStringLiteral("  1    Die Ausgabe konnte nicht geschrieben werden.\n")));
    QVERIFY(help.contains(QStringLiteral("  2    Falsche Argumente")));
    QVERIFY(help.contains(QStringLiteral("  130  Abgebrochen durch SIGINT")));
    QVERIFY(help.contains(QStringLiteral("  143  Abgebrochen durch SIGTERM")));
    QVERIFY(help.contains(QStringLiteral("von 1900 bis 2099")));
    QVERIFY(!help.contains(QStringLiteral("0 oder\n")));
}

void TestReportToolOptions::csvFields()
{
    QCOMPARE(CsvFormat::Field(QVariant()), QString());
    QCOMPARE(CsvFormat::Field(QVariant(QMetaType::fromType<double>())), QString());
    QCOMPARE(CsvFormat::Field(1800.0), QStringLiteral("1800"));
    QCOMPARE(CsvFormat::Field(8400.0 / 39 * 12), QStringLiteral("2584,6153846153848"));
    QCOMPARE(CsvFormat::Field(-0.5), QStringLiteral("-0,5"));
    QCOMPARE(CsvFormat::Field(0.1 + 0.2), QStringLiteral("0,30000000000000004"));
    QCOMPARE(CsvFormat::Field(27), QStringLiteral("27"));
    QCOMPARE(CsvFormat::Field(QDateTime(QDate(2026, 1, 1), QTime(0, 0))),
             QStringLiteral("01.01.2026"));
    QCOMPARE(CsvFormat::Field(QDateTime(QDate(2026, 1, 1), QTime(14, 5, 9))),
             QStringLiteral("01.01.2026 14:05:09"));
    QCOMPARE(CsvFormat::Field(QStringLiteral("L-20,00%")), QStringLiteral("L-20,00%"));
    QCOMPARE(CsvFormat::Field(QStringLiteral("a;b")), QStringLiteral("\"a;b\""));
    QCOMPARE(CsvFormat::Field(QStringLiteral("Zoll \"19\"")),
             QStringLiteral("\"Zoll \"\"19\"\"\""));
    QCOMPARE(CsvFormat::Field(QStringLiteral("zwei\nZeilen")), QStringLiteral("\"zwei\nZeilen\""));
}

void TestReportToolOptions::csvNumbersWithoutExponent_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("100000") << 100000.0 << "100000";
    QTest::newRow("3000000") << 3000000.0 << "3000000";
    QTest::newRow("1234.5678") << 1234.5678 << "1234,5678";
    QTest::newRow("-250000") << -250000.0 << "-250000";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("-0") << -0.0 << "0";
    QTest::newRow("1e-5") << 1e-5 << "0,00001";
    QTest::newRow("-1e-5") << -1e-5 << "-0,00001";
    QTest::newRow("1.5e-5") << 1.5e-5 << "0,000015";
    QTest::newRow("below 1e-5") << 9.9e-6 << "9,9E-06";
    QTest::newRow("largest below 1e15") << std::nextafter(1e15, 0.0) << "999999999999999,9";
    QTest::newRow("-999999999999999") << -999999999999999.0 << "-999999999999999";
    QTest::newRow("1e15") << 1e15 << "1E+15";
    QTest::newRow("-1e15") << -1e15 << "-1E+15";
    QTest::newRow("1e20") << 1e20 << "1E+20";
}

void TestReportToolOptions::csvNumbersWithoutExponent()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const QString field = CsvFormat::Field(value);
    QCOMPARE(field, text);
    double back = 0;
    QVERIFY(GermanFormat::TryTextToFloat(field, back));
    QCOMPARE(back, value == 0 ? 0.0 : value);
}
