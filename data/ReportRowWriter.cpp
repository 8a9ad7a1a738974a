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
    auto set = [store](const char *name, const QVariant &value) {
        store->FieldByName(QString::fromLatin1(name))->SetValue(value);
    };
    auto optionalDate = [](const std::optional<TDateTime> &date) {
        return date ? QVariant(DateSerial::ToQDateTime(*date)) : QVariant();
    };
    store->Append();
    set("ID", row.Id);
    set("AFA_ERFASSUNG_ID", row.Afa_Erfassung_ID);
    set("INVENTARNR", row.InventarNr);
    set("BEZEICHNUNG", row.Bezeichnung);
    set("ANSCHAFFUNGSDATUM", optionalDate(row.AnschaffungsDatum));
    set("ABSCHREIBUNGSDATUM", optionalDate(row.AbschreibungsDatum));
    set("KOSTEN", row.Kosten);
    set("NUTZUNGSDAUER", row.NutzungsDauer);
    set("AFA_KONTEN_ID", row.Afa_Konten_ID ? QVariant(*row.Afa_Konten_ID) : QVariant());
    set("AFA_KONTEN_NR", row.Afa_Konten_Nr);
    set("AFA_KONTEN_BEZEICHNUNG", row.Afa_Konten_Bezeichnung);
    set("RND", row.RND);
    set("AFA", row.AFA);
    set("RESTBETRAGBEGIN", row.RestBetragBegin);
    set("RESTBETRAG", row.RestBetrag);
    set("DATUMBEGINN", row.DatumBeginn);
    set("DATUMENDE", row.DatumEnde);
    set("DATUM", DateSerial::ToQDateTime(row.Datum));
    set("ABSCHREIBUNGSINFO", row.AbschreibungsInfo);
    set("ZUGANG", row.Zugang);
    set("ABGANG", row.Abgang);
    store->Post();
    AssetsWritten.insert(row.Afa_Erfassung_ID);
}

void TReportRowWriter::FinishReportRows()
{
    if (DataModule.ReportBatchActive())
        DataModule.CommitReportBatch();
}
