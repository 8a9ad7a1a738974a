#include "AfaEvaluation.h"

#include "AfaError.h"
#include "GermanFormat.h"
#include "RowInfoList.h"
#include "ScopeGuard.h"
#include "TextPreviewDocument.h"

#include <QColor>
#include <QDateTime>
#include <QStringList>

namespace
{

const QColor Black(0x00, 0x00, 0x00);
const QColor Red(0xFF, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Grey(0x80, 0x80, 0x80);

// Left-justified, padded with blanks to at least width, never cut.
QString Pad(const QString &text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), u' ');
}

QString PlaceAt(QString line, int position, const QString &text)
{
    line.replace(position, text.size(), text);
    return line;
}

} // namespace

QString AssetHeaderText(const QString &bezeichnung, const QString &datum, const QString &kosten,
                        const QString &nutzungsdauer, const QString &konto)
{
    const QString blank94(94, u' ');
    QString titles = blank94;
    titles = PlaceAt(titles, 0, QStringLiteral("Jahr"));
    titles = PlaceAt(titles, 13, QStringLiteral("von"));
    titles = PlaceAt(titles, 20, QStringLiteral("bis"));
    titles = PlaceAt(titles, 27, QStringLiteral("Afa"));
    titles = PlaceAt(titles, 45, QStringLiteral("RND"));
    titles = PlaceAt(titles, 51, QStringLiteral("Restbetrag"));
    titles = PlaceAt(titles, 69, QStringLiteral("Restbetrag"));
    titles = PlaceAt(titles, 87, QStringLiteral("Typ"));
    QString before = PlaceAt(blank94, 52, QStringLiteral("(vorher)"));
    before = PlaceAt(before, 70, QStringLiteral("(nachher)"));
    QStringList rule;
    for (int width : {11, 5, 5, 16, 4, 16, 16, 7})
        rule << QString(width, u'-');

    const QStringList lines = {
        QStringLiteral("Bezeichnung        : ") + bezeichnung,
        QStringLiteral("Anschaffungsdatum  : ") + datum,
        QStringLiteral("Anschaffungskosten : ") + kosten,
        QStringLiteral("Nutzungsdauer      : ") + nutzungsdauer,
        QStringLiteral("Konto              : ") + konto,
        QString(),
        titles,
        before,
        rule.join(QStringLiteral("  ")),
    };
    return lines.join(QStringLiteral("\r\n"));
}

TAfaEvaluation::TAfaEvaluation(TAfABerechnung &engine, TAfaFilter &filter, TAssetCursor &assets,
                               TReportRowStore &reportStore)
    : Engine(engine), Filter(filter), Assets(assets), ReportStore(reportStore)
{
    Engine.OnYear = [this](QObject *sender) { YearCallback(sender); };
}

void TAfaEvaluation::EvaluateFor(TAfaFilterFlag target)
{
    const TAfaFilterFlags targets = TargetText | TargetPrint;
    Filter.SetFlags(target, targets & ~target);
    Evaluate();
}

void TAfaEvaluation::Evaluate()
{
    if (Report)
        Report->Clear();
    ReadSettings();
    if (HeadlineStep)
        HeadlineStep();
    // One run is all or nothing for the report rows: on an error the previous rows stay.
    const TErrorGuard abandon([this] { ReportStore.AbandonReportRows(); });
    ReportStore.PrepareReportStore(0);
    if (Assets.IsOpen() && !Assets.IsEmpty()) {
        Walk();
        // Ordering the rows comes first: within the batch they are sorted in memory.
        ReportStore.PrepareReportStore(1);
    }
    ReportStore.FinishReportRows();
}

void TAfaEvaluation::Walk()
{
    const QVariant rememberedId = Assets.CurrentId();
    const int total = Assets.RecordCount();
    Assets.DisableControls();
    // Displays resume, then the cursor goes back to the remembered asset.
    const TScopeGuard locate([&] { Assets.LocateId(rememberedId); });
    const TScopeGuard enable([&] { Assets.EnableControls(); });
    if (BeforeWalk)
        BeforeWalk();
    int done = 0;
    for (Assets.First(); !Assets.Eof(); Assets.Next()) {
        if (AcceptAsset())
            RunAsset();
        if (Progress)
            Progress(++done, total);
    }
}

void TAfaEvaluation::ReadSettings()
{
    switch (Settings.Mode) {
    case TAfaMode::Linear:
        Engine.Kind = afaLIN;
        break;
    case TAfaMode::Degressiv:
        Engine.Kind = afaDEG;
        break;
    case TAfaMode::Individuell:
        break; // set per asset
    }
    Filter.Kind = Engine.Kind;

    TReportModes mode = rmList;
    switch (Settings.Filter) {
    case TAfaFilterChoice::Auswahl:
        Filter.SetFlags(FilterSelection, FilterYear | FilterSpan);
        break;
    case TAfaFilterChoice::Wirtschaftsjahr: {
        Filter.SetFlags(FilterYear, FilterSpan | FilterSelection);
        int year = 0;
        Filter.Year = GermanFormat::TryStrToInt(Settings.FiscalYearText, year) ? year : 0;
        mode = rmJahr;
        break;
    }
    case TAfaFilterChoice::Zeitraum:
        Filter.SetFlags(FilterSpan, FilterYear | FilterSelection);
        Filter.From = Settings.From;
        Filter.To = Settings.To;
        break;
    }
    if (Report)
        Report->Mode = mode;
}

bool TAfaEvaluation::AcceptAsset()
{
    const QVariant aktiv = Field(QStringLiteral("AKTIV"));
    if (aktiv.isNull() || aktiv.toInt() != 1)
        return false;
    if (Filter.HasFlag(FilterYear))
        return true;
    if (Filter.HasFlag(FilterSpan)) {
        if (Filter.To == 0)
            Filter.To = DateSerial::FromQDateTime(QDateTime::currentDateTime()) + 100;
        const TDateTime acquired =
            DateSerial::FromVariant(Field(QStringLiteral("ANSCHAFFUNGSDATUM")));
        return acquired > Filter.From && acquired < Filter.To;
    }
    if (Filter.HasFlag(FilterSelection))
        return Settings.SelectedIds.contains(Assets.CurrentId().toInt());
    return false;
}

double TAfaEvaluation::PickDegRate()
{
    double rate = 0;
    if (!GermanFormat::TryTextToFloat(Settings.PercentText, rate))
        rate = 0;
    if (rate == 0)
        rate = Field(QStringLiteral("PROZENTSATZ")).toDouble();
    if (rate == 0)
        rate = TAfABerechnung::MaxDegressiveRate(Field(QStringLiteral("NUTZUNGSDAUER")).toInt());
    return rate;
}

void TAfaEvaluation::RunAsset()
{
    const int months = Field(QStringLiteral("NUTZUNGSDAUER")).toInt();
    const double residual = Field(QStringLiteral("RESTBUCHWERT")).toDouble();
    const TDateTime start = DateSerial::FromVariant(Field(QStringLiteral("ANSCHAFFUNGSDATUM")));
    const double cost = Field(QStringLiteral("KOSTEN")).toDouble();
    const double rate = PickDegRate();
    Engine.AllowSwitch = Settings.AllowSwitch;
    if (Settings.Mode == TAfaMode::Individuell) {
        Engine.SetKindCode(Field(QStringLiteral("AFA_ART_KUERZEL")).toString());
        Filter.Kind = Engine.Kind;
    }
    AssetHasOutput = false;
    if (Filter.Kind == afaLIN || Filter.Kind == afaDEG)
        CheckSchedule(start, months);
    switch (Filter.Kind) {
    case afaLIN:
        Engine.CalcLinear(start, residual, cost, months);
        break;
    case afaDEG:
        Engine.CalcDegressive(start, rate, residual, cost, months);
        break;
    default:
        break; // LINP and GWG have no schedule
    }
}

void TAfaEvaluation::CheckSchedule(TDateTime start, int months) const
{
    const QString asset = QStringLiteral("Abschreibungsgut Inventar-Nr. „%1“ („%2“)")
                              .arg(Field(QStringLiteral("INVENTARNR")).toString(),
                                   Field(QStringLiteral("BEZEICHNUNG")).toString());
    if (months > TAfABerechnung::MaxMonths)
        throw EAfaError(QStringLiteral("%1: Die Nutzungsdauer von %2 Monaten ist länger als %3 "
                                       "Monate (100 Jahre). Der Abschreibungsplan kann nicht "
                                       "berechnet werden.")
                            .arg(asset)
                            .arg(months)
                            .arg(TAfABerechnung::MaxMonths));
    if (TAfABerechnung::LastScheduleYear(start, months) > 9999)
        throw EAfaError(
            QStringLiteral("%1: Mit dem Anschaffungsdatum %2 und einer Nutzungsdauer "
                           "von %3 Monaten reicht der Abschreibungsplan über den "
                           "31.12.9999 hinaus. Er kann nicht berechnet werden.")
                .arg(asset, GermanFormat::FormatDateTime(QStringLiteral("dd.mm.yyyy"), start))
                .arg(months));
}

void TAfaEvaluation::YearCallback(QObject *)
{
    if (!AcceptYear())
        return;
    AssetHasOutput = true;
    if (Filter.HasFlag(TargetText))
        WriteYearLine();
    if (Filter.HasFlag(TargetPrint))
        WriteReportRow();
}

bool TAfaEvaluation::AcceptYear()
{
    if (!Filter.HasFlag(FilterYear))
        return true;
    if (DateSerial::YearOf(Engine.PeriodStart) == Filter.Year) {
        Engine.RowNo = 1;
        return true;
    }
    if (Engine.ClosingValue == Engine.Residual) {
        // One block per asset: a carry-over only when the asset has no output yet.
        const bool alreadyOut = Filter.HasFlag(TargetPrint)
                                    ? ReportStore.HasRowOfAsset(Assets.CurrentId().toInt())
                                    : AssetHasOutput;
        if (!alreadyOut) {
            Engine.OpeningValue = 0;
            Engine.YearAmount = 0;
            Engine.RowNo = 1;
            return true;
        }
    }
    return false;
}

void TAfaEvaluation::WriteReportRow()
{
    TAfaReportRow row;
    row.Id = ReportStore.NextReportRowId();
    row.Afa_Erfassung_ID = Assets.CurrentId().toInt();
    row.InventarNr = Field(QStringLiteral("INVENTARNR")).toString();
    row.Bezeichnung = Field(QStringLiteral("BEZEICHNUNG")).toString();
    row.Kosten = Field(QStringLiteral("KOSTEN")).toDouble();
    row.NutzungsDauer = Field(QStringLiteral("NUTZUNGSDAUER")).toInt();
    const QVariant account = Field(QStringLiteral("AFA_KONTEN_ID"));
    if (!account.isNull())
        row.Afa_Konten_ID = account.toInt();
    row.Afa_Konten_Nr = Field(QStringLiteral("LU_AFA_KONTEN_NR")).toString();
    row.Afa_Konten_Bezeichnung = Field(QStringLiteral("LU_AFA_KONTEN_BEZEICHNUNG")).toString();
    const QVariant date = Field(Field(QStringLiteral("USE_ABSCHRDATUM")).toInt() == 0
                                    ? QStringLiteral("ANSCHAFFUNGSDATUM")
                                    : QStringLiteral("ABSCHREIBUNGSDATUM"));
    if (!date.isNull())
        row.AnschaffungsDatum = DateSerial::FromVariant(date);
    row.Datum = Engine.PeriodStart;
    row.DatumBeginn = GermanFormat::FormatDateTime(QStringLiteral("dd.mm"), Engine.PeriodStart);
    row.DatumEnde = GermanFormat::FormatDateTime(QStringLiteral("dd.mm.yyyy"), Engine.PeriodEnd);
    row.AFA = Engine.YearAmount;
    row.RND = Engine.RemainingMonths;
    row.RestBetragBegin = Engine.OpeningValue;
    row.Zugang = Engine.YearAdditions;
    row.Abgang = Engine.YearDisposals;
    Engine.RateLabel(true, row.AbschreibungsInfo);
    row.RestBetrag = Engine.ClosingValue != 0 ? Engine.ClosingValue
                                              : Field(QStringLiteral("RESTBUCHWERT")).toDouble();
    ReportStore.AppendRow(row);
}

void TAfaEvaluation::WriteYearLine()
{
    if (!RowInfoList)
        return;
    const QString yearNo = QString::number(Engine.YearNo);
    const QString year = QString::number(Engine.Year);
    const QString from = GermanFormat::FormatDateTime(QStringLiteral("dd.mm"), Engine.PeriodStart);
    const QString to = GermanFormat::FormatDateTime(QStringLiteral("dd.mm"), Engine.PeriodEnd);
    const QString amount = GermanFormat::FormatAmount(Engine.YearAmount);
    const QString opening = GermanFormat::FormatAmount(Engine.OpeningValue);
    const QString closing = GermanFormat::FormatAmount(Engine.ClosingValue);
    const QString remaining = QString::number(Engine.RemainingMonths);
    QString label;
    Engine.RateLabel(true, label);

    if (Engine.RowNo == 1) {
        if (!Assets.IsFirstRow())
            TextPreviewDocument::AppendLine(RowInfoList->RichEdit, QString());
        WriteAssetHeader();
    }
    TRowInfoList &list = *RowInfoList;
    list.Clear();
    list.AddPiece(Pad(yearNo, 4) + QStringLiteral(" (") + Pad(year, 4) + QStringLiteral(")  "),
                  Red);
    list.AddPiece(Pad(from, 5) + QStringLiteral("  "), Green);
    list.AddPiece(Pad(to, 5) + QStringLiteral("  "), Green);
    list.AddPiece(Pad(amount, 16) + QStringLiteral("  "), Blue);
    list.AddPiece(Pad(remaining, 4) + QStringLiteral("  "), Grey);
    list.AddPiece(Pad(opening, 16) + QStringLiteral("  "), Grey);
    list.AddPiece(Pad(closing, 16) + QStringLiteral("  "), Grey);
    list.AddPiece(Pad(label, 8) + QStringLiteral("  "), Grey);
    list.Flush();
}

void TAfaEvaluation::WriteAssetHeader()
{
    if (!RowInfoList)
        return;
    const QString text =
        AssetHeaderText(Field(QStringLiteral("BEZEICHNUNG")).toString(),
                        GermanFormat::FormatDateTime(
                            QStringLiteral("ddd, dd.mm.yyyy"),
                            DateSerial::FromVariant(Field(QStringLiteral("ANSCHAFFUNGSDATUM")))),
                        GermanFormat::FormatAmount(Field(QStringLiteral("KOSTEN")).toDouble()),
                        Field(QStringLiteral("NUTZUNGSDAUER")).toString(),
                        Field(QStringLiteral("LU_AFA_KONTEN_BEZEICHNUNG")).toString());
    RowInfoList->Clear();
    RowInfoList->AddPiece(text, Black);
    RowInfoList->Flush();
}
