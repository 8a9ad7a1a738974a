#include "ReportToolOptions.h"

#include "GermanFormat.h"

#include <QRegularExpression>

namespace
{

bool ParseDate(const QString &text, TDateTime &date)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    const QRegularExpressionMatch m = form.match(text);
    return m.hasMatch() && DateSerial::TryEncodeDate(m.captured(3).toInt(), m.captured(2).toInt(),
                                                     m.captured(1).toInt(), date);
}

// The fiscal-year up-down of the window stays within these years.
constexpr int FirstYear = 1900;
constexpr int LastYear = 2099;

// Empty is the emptied edit of the window: the asset's own rate, else the highest rate.
bool CheckPercent(const QString &text, QString &error)
{
    if (text.isEmpty())
        return true;
    double percent = 0;
    if (!GermanFormat::TryTextToFloat(text, percent)) {
        error = QStringLiteral("'%1' ist kein gültiger Prozentsatz (Dezimalzahl mit Komma, "
                               "z. B. 12,5).")
                    .arg(text);
        return false;
    }
    if (!(percent > 0 && percent <= 100)) {
        error = QStringLiteral("Der Prozentsatz '%1' liegt nicht im erlaubten Bereich: größer "
                               "als 0 und höchstens 100.")
                    .arg(text);
        return false;
    }
    return true;
}

} // namespace

QString ReportToolHelpText()
{
    return QStringLiteral(
        "Aufruf: norbekAfa-report [--database DATEI] (--year JJJJ | --from TT.MM.JJJJ --to "
        "TT.MM.JJJJ | --assets ID[,ID...])\n"
        "                         [--mode linear|degressiv|individuell] [--percent TEXT] "
        "[--switch]\n"
        "                         [--format csv|text|pdf] [--output DATEI]\n"
        "\n"
        "Berechnet die Abschreibungen der aktiven Abschreibungsgüter wie die Auswertung im\n"
        "Programm, ohne Fenster, und gibt das Ergebnis aus. In die Datenbank werden nur die\n"
        "Reportzeilen (AFA_REPORT) geschrieben.\n"
        "\n"
        "Datenbank:\n"
        "  --database DATEI   Datenbankdatei; ohne Angabe die des Programms: norbekAfa.fdb\n"
        "                     neben dem Programm, installiert im Datenordner des Benutzers\n"
        "                     (~/.local/share/norbekAfa/), beim ersten Aufruf aus der leeren\n"
        "                     Datenbank angelegt.\n"
        "                     Ein leerer Name ist nicht erlaubt.\n"
        "\n"
        "Auswahl (genau eine):\n"
        "  --year JJJJ        Afa-Report für ein Wirtschaftsjahr von 1900 bis 2099: je\n"
        "                     Abschreibungsgut eine Zeile.\n"
        "  --from TT.MM.JJJJ --to TT.MM.JJJJ\n"
        "                     Afa-Verlauf für alle Güter, die zwischen den beiden Tagen\n"
        "                     angeschafft wurden (beide Tage ausgeschlossen), alle Jahre.\n"
        "                     --from muss vor --to liegen.\n"
        "  --assets ID[,ID...]\n"
        "                     Afa-Verlauf für die Abschreibungsgüter mit diesen Nummern (ID);\n"
        "                     jede Nummer muss in der Datenbank vorhanden sein.\n"
        "\n"
        "Berechnung:\n"
        "  --mode linear|degressiv|individuell\n"
        "                     linear (Vorgabe): alle Güter linear; degressiv: alle Güter\n"
        "                     degressiv; individuell: die Abschreibungsart des Guts.\n"
        "  --percent TEXT     Prozentsatz der degressiven Abschreibung (Vorgabe \"20\"), eine\n"
        "                     Dezimalzahl mit Komma, größer als 0 und höchstens 100; leer: der\n"
        "                     Prozentsatz des Guts, sonst der Höchstsatz.\n"
        "  --switch           Übergang zur linearen Abschreibung erlauben.\n"
        "\n"
        "Ausgabe:\n"
        "  --format csv       (Vorgabe) die Reportzeilen als CSV: UTF-8, Trennzeichen \";\",\n"
        "                     Kopfzeile mit den Spaltennamen, Zahlen mit Dezimalkomma.\n"
        "  --format text      die Textvorschau mit Überschrift als reiner Text.\n"
        "  --format pdf       der Report als PDF-Datei, wie ihn die Druckvorschau zeigt: für\n"
        "                     ein Wirtschaftsjahr \"rep_Jahr\", sonst \"rep_List\" aus\n"
        "                     norbekAfa.nrp des Programms, mit der gespeicherten\n"
        "                     Reportüberschrift. Verlangt --output.\n"
        "  --output DATEI     in diese Datei schreiben statt auf die Standardausgabe. Eine\n"
        "                     gewöhnliche Datei wird erst nach vollständigem Schreiben ersetzt;\n"
        "                     in eine Pipe oder ein Gerät wird direkt geschrieben.\n"
        "  --help             diese Hilfe.\n"
        "\n"
        "SIGTERM oder SIGINT (Strg+C) brechen die Auswertung ab; ein zweites Signal beendet\n"
        "das Programm sofort.\n"
        "\n"
        "Rückgabewert:\n"
        "  0    Erfolg.\n"
        "  1    Die Ausgabe konnte nicht geschrieben werden.\n"
        "  2    Falsche Argumente, eine nicht lesbare Datenbank, unbekannte Nummern bei\n"
        "       --assets oder ein Fehler der Auswertung.\n"
        "  130  Abgebrochen durch SIGINT (128 + Signalnummer).\n"
        "  143  Abgebrochen durch SIGTERM (128 + Signalnummer).\n");
}

bool ParseReportToolArguments(const QStringList &arguments, TReportToolOptions &options,
                              QString &error)
{
    options = TReportToolOptions();
    bool haveYear = false, haveFrom = false, haveTo = false, haveAssets = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool inlineValue = false;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            value = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
            inlineValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("Zur Option %1 fehlt der Wert.").arg(name);
                return false;
            }
            value = arguments[++i];
            return true;
        };
        if (name == u"--help" || name == u"-h") {
            options.Help = true;
        } else if (name == u"--switch") {
            options.Settings.AllowSwitch = true;
        } else if (name == u"--database") {
            if (!takeValue())
                return false;
            if (value.isEmpty()) {
                error = QStringLiteral("Der Name der Datenbankdatei fehlt.");
                return false;
            }
            options.Database = value;
        } else if (name == u"--year") {
            if (!takeValue())
                return false;
            int year = 0;
            if (!GermanFormat::TryStrToInt(value, year)) {
                error = GermanFormat::InvalidIntegerMessage(value);
                return false;
            }
            if (year < FirstYear || year > LastYear) {
                error = QStringLiteral("Das Wirtschaftsjahr %1 liegt nicht zwischen %2 und %3.")
                            .arg(year)
                            .arg(FirstYear)
                            .arg(LastYear);
                return false;
            }
            options.Settings.FiscalYearText = value;
            haveYear = true;
        } else if (name == u"--from" || name == u"--to") {
            if (!takeValue())
                return false;
            TDateTime date = 0;
            if (!ParseDate(value, date)) {
                error = QStringLiteral("'%1' ist kein gültiges Datum (erwartet TT.MM.JJJJ).")
                            .arg(value);
                return false;
            }
            if (name == u"--from") {
                options.Settings.From = date;
                haveFrom = true;
            } else {
                options.Settings.To = date;
                haveTo = true;
            }
        } else if (name == u"--assets") {
            if (!takeValue())
                return false;
            for (const QString &part : value.split(u',')) {
                int id = 0;
                if (!GermanFormat::TryStrToInt(part.trimmed(), id)) {
                    error = QStringLiteral("'%1' ist keine gültige Nummer eines "
                                           "Abschreibungsguts.")
                                .arg(part);
                    return false;
                }
                options.Settings.SelectedIds.insert(id);
            }
            haveAssets = true;
        } else if (name == u"--mode") {
            if (!takeValue())
                return false;
            if (value == u"linear")
                options.Settings.Mode = TAfaMode::Linear;
            else if (value == u"degressiv")
                options.Settings.Mode = TAfaMode::Degressiv;
            else if (value == u"individuell")
                options.Settings.Mode = TAfaMode::Individuell;
            else {
                error = QStringLiteral("Unbekannter Auswertemodus '%1' (linear, degressiv "
                                       "oder individuell).")
                            .arg(value);
                return false;
            }
        } else if (name == u"--percent") {
            if (!takeValue())
                return false;
            if (!CheckPercent(value, error))
                return false;
            options.Settings.PercentText = value;
        } else if (name == u"--format") {
            if (!takeValue())
                return false;
            if (value == u"csv")
                options.Format = TReportToolOptions::TFormat::Csv;
            else if (value == u"text")
                options.Format = TReportToolOptions::TFormat::Text;
            else if (value == u"pdf")
                options.Format = TReportToolOptions::TFormat::Pdf;
            else {
                error = QStringLiteral("Unbekanntes Ausgabeformat '%1' (csv, text oder pdf).")
                            .arg(value);
                return false;
            }
        } else if (name == u"--output") {
            if (!takeValue())
                return false;
            if (value.isEmpty()) {
                error = QStringLiteral("Der Name der Ausgabedatei fehlt.");
                return false;
            }
            options.Output = value;
        } else {
            error = QStringLiteral("Unbekanntes Argument '%1'.").arg(arguments[i]);
            return false;
        }
    }
    if (options.Help)
        return true;

    if (options.Format == TReportToolOptions::TFormat::Pdf && options.Output.isEmpty()) {
        error = QStringLiteral("Für --format pdf bitte mit --output eine Ausgabedatei angeben.");
        return false;
    }
    const int filters = int(haveYear) + int(haveFrom || haveTo) + int(haveAssets);
    if (filters != 1) {
        error = filters == 0 ? QStringLiteral("Bitte genau eine Auswahl angeben: --year, "
                                              "--from/--to oder --assets.")
                             : QStringLiteral("Nur eine Auswahl ist möglich: --year, "
                                              "--from/--to oder --assets.");
        return false;
    }
    if (haveFrom != haveTo) {
        error = QStringLiteral("Für den Zeitraum bitte --from und --to angeben.");
        return false;
    }
    if (haveFrom && options.Settings.From >= options.Settings.To) {
        // Both days are excluded: equal days leave no day in between.
        error = QStringLiteral("Der Zeitraum ist leer: --from muss vor --to liegen (beide Tage "
                               "gehören nicht dazu).");
        return false;
    }
    if (haveYear)
        options.Settings.Filter = TAfaFilterChoice::Wirtschaftsjahr;
    else if (haveAssets)
        options.Settings.Filter = TAfaFilterChoice::Auswahl;
    else
        options.Settings.Filter = TAfaFilterChoice::Zeitraum;
    return true;
}
