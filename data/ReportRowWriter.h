#pragma once
// Writes the evaluation's report rows into the data module's report store, as one batch
// per evaluation.
#include "ReportRowStore.h"

#include <QSet>

class Tdm_Afa;

class TReportRowWriter : public TReportRowStore
{
public:
    explicit TReportRowWriter(Tdm_Afa &dataModule) : DataModule(dataModule) {}

    void PrepareReportStore(int mode) override;
    int NextReportRowId() override;
    bool HasRowOfAsset(int assetId) const override;
    void AppendRow(const TAfaReportRow &row) override;
    void FinishReportRows() override;

private:
    Tdm_Afa &DataModule;
    QSet<int> AssetsWritten; // the store holds the rows of this evaluation only
};
