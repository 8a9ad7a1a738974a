#include "ReportRowWriter.h"

#include "DMod_Afa.h"

#include <iterator>

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

namespace
{
// The report table's columns, in the order AppendRow lists the row's values.
const char *const ReportColumns[] = {"ID",
                                     "AFA_ERFASSUNG_ID",
                                     "INVENTARNR",
                                     "BEZEICHNUNG",
                                     "ANSCHAFFUNGSDATUM",
                                     "ABSCHREIBUNGSDATUM",
                                     "KOSTEN",
                                     "NUTZUNGSDAUER",
                                     "AFA_KONTEN_ID",
                                     "AFA_KONTEN_NR",
                                     "AFA_KONTEN_BEZEICHNUNG",
                                     "RND",
                                     "AFA",
                                     "RESTBETRAGBEGIN",
                                     "RESTBETRAG",
                                     "DATUMBEGINN",
                                     "DATUMENDE",
                                     "DATUM",
                                     "ABSCHREIBUNGSINFO",
                                     "ZUGANG",
                                     "ABGANG"};
constexpr int ReportColumnCount = int(std::size(ReportColumns));
} // namespace

void TReportRowWriter::AppendRow(const TAfaReportRow &row)
{
    auto optionalDate = [](const std::optional<TDateTime> &date) {
        return date ? QVariant(DateSerial::ToQDateTime(*date)) : QVariant();
    };
    const QVariant columns[ReportColumnCount] = {
        row.Id,
        row.Afa_Erfassung_ID,
        row.InventarNr,
        row.Bezeichnung,
        optionalDate(row.AnschaffungsDatum),
        optionalDate(row.AbschreibungsDatum),
        row.Kosten,
        row.NutzungsDauer,
        row.Afa_Konten_ID ? QVariant(*row.Afa_Konten_ID) : QVariant(),
        row.Afa_Konten_Nr,
        row.Afa_Konten_Bezeichnung,
        row.RND,
        row.AFA,
        row.RestBetragBegin,
        row.RestBetrag,
        row.DatumBeginn,
        row.DatumEnde,
        DateSerial::ToQDateTime(row.Datum),
        row.AbschreibungsInfo,
        row.Zugang,
        row.Abgang,
    };
    TRecordStore *store = DataModule.ReportStore();
    if (m_mappedStore != store || m_mappedGeneration != store->FieldSetGeneration()) {
        // Field index of each column, found again when the store's fields changed.
        m_fieldOfColumn.clear();
        for (const char *name : ReportColumns)
            m_fieldOfColumn << store->FieldByName(QString::fromLatin1(name))->Index();
        m_mappedStore = store;
        m_mappedGeneration = store->FieldSetGeneration();
    }
    // Null values stay invalid: the field keeps the typed null the new row starts with.
    QVariantList values(store->FieldCount());
    for (int i = 0; i < ReportColumnCount; ++i)
        values[m_fieldOfColumn[i]] = columns[i].isNull() ? QVariant() : columns[i];
    store->AppendRecord(values);
    AssetsWritten.insert(row.Afa_Erfassung_ID);
}

void TReportRowWriter::FinishReportRows()
{
    if (DataModule.ReportBatchActive())
        DataModule.CommitReportBatch();
}

void TReportRowWriter::AbandonReportRows() noexcept
{
    AssetsWritten.clear();
    DataModule.RollbackReportBatch();
}
