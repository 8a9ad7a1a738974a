#include "ReportRowWriter.h"

#include "DMod_Afa.h"

void TReportRowWriter::PrepareReportStore(int mode)
{
    if (mode == 0) {
        AssetsWritten.clear();
        if (!DataModule.ReportBatchActive())
            DataModule.BeginReportBatch();
    }
    DataModule.PrepareReportStore(mode);
}

int TReportRowWriter::NextReportRowId()
{
    return DataModule.NextReportRowId();
}

bool TReportRowWriter::HasRowOfAsset(int assetId) const
{
    return AssetsWritten.contains(assetId);
}

void TReportRowWriter::AppendRow(const TAfaReportRow &row)
{
    TRecordStore *store = DataModule.ReportStore();
    auto set = [store](const QString &name, const QVariant &value) {
        store->FieldByName(name)->SetValue(value);
    };
    auto optionalDate = [](const std::optional<TDateTime> &date) {
        return date ? QVariant(DateSerial::ToQDateTime(*date)) : QVariant();
    };
    store->Append();
    set(QStringLiteral("ID"), row.Id);
    set(QStringLiteral("AFA_ERFASSUNG_ID"), row.Afa_Erfassung_ID);
    set(QStringLiteral("INVENTARNR"), row.InventarNr);
    set(QStringLiteral("BEZEICHNUNG"), row.Bezeichnung);
    set(QStringLiteral("ANSCHAFFUNGSDATUM"), optionalDate(row.AnschaffungsDatum));
    set(QStringLiteral("ABSCHREIBUNGSDATUM"), optionalDate(row.AbschreibungsDatum));
    set(QStringLiteral("KOSTEN"), row.Kosten);
    set(QStringLiteral("NUTZUNGSDAUER"), row.NutzungsDauer);
    set(QStringLiteral("AFA_KONTEN_ID"), row.Afa_Konten_ID ? QVariant(*row.Afa_Konten_ID) : QVariant());
    set(QStringLiteral("AFA_KONTEN_NR"), row.Afa_Konten_Nr);
    set(QStringLiteral("AFA_KONTEN_BEZEICHNUNG"), row.Afa_Konten_Bezeichnung);
    set(QStringLiteral("RND"), row.RND);
    set(QStringLiteral("AFA"), row.AFA);
    set(QStringLiteral("RESTBETRAGBEGIN"), row.RestBetragBegin);
    set(QStringLiteral("RESTBETRAG"), row.RestBetrag);
    set(QStringLiteral("DATUMBEGINN"), row.DatumBeginn);
    set(QStringLiteral("DATUMENDE"), row.DatumEnde);
    set(QStringLiteral("DATUM"), DateSerial::ToQDateTime(row.Datum));
    set(QStringLiteral("ABSCHREIBUNGSINFO"), row.AbschreibungsInfo);
    set(QStringLiteral("ZUGANG"), row.Zugang);
    set(QStringLiteral("ABGANG"), row.Abgang);
    store->Post();
    AssetsWritten.insert(row.Afa_Erfassung_ID);
}

void TReportRowWriter::FinishReportRows()
{
    if (DataModule.ReportBatchActive())
        DataModule.CommitReportBatch();
}
