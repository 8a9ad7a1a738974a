#pragma once
// Writes the evaluation's report rows into the data module's report store, as one batch
// per evaluation.
#include "ReportRowStore.h"

#include <QSet>
#include <QVector>

class Tdm_Afa;
class TRecordStore;

class TReportRowWriter : public TReportRowStore
{
public:
    explicit TReportRowWriter(Tdm_Afa &dataModule) : DataModule(dataModule) {}

    void PrepareReportStore(int mode) override;
    int NextReportRowId() override;
    bool HasRowOfAsset(int assetId) const override;
    void AppendRow(const TAfaReportRow &row) override;
    void FinishReportRows() override;
    void AbandonReportRows() noexcept override;

private:
    Tdm_Afa &DataModule;
    // Field index of each report column in the store, for the store's current field set.
    const TRecordStore *m_mappedStore = nullptr;
    int m_mappedGeneration = -1;
    QVector<int> m_fieldOfColumn;
    QSet<int> AssetsWritten; // the store holds the rows of this evaluation only
};
