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

void TReportRowWriter::AppendRow(const TAfaReportRow &row)
{
    const QVariantList columns = row.Values();
    TRecordStore *store = DataModule.ReportStore();
    if (m_mappedStore != store || m_mappedGeneration != store->FieldSetGeneration()) {
        // Field index of each column, found again when the store's fields changed.
        m_fieldOfColumn.clear();
        for (const QString &name : TAfaReportRow::ColumnNames())
            m_fieldOfColumn << store->FieldByName(name)->Index();
        m_mappedStore = store;
        m_mappedGeneration = store->FieldSetGeneration();
    }
    // Null values stay invalid: the field keeps the typed null the new row starts with.
    QVariantList values(store->FieldCount());
    for (int i = 0; i < columns.size(); ++i)
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
