#pragma once
// Where the evaluation writes its report rows (AFA_REPORT).
#include "AfaRecords.h"

class TReportRowStore
{
public:
    virtual ~TReportRowStore() = default;

    // 0: empty the store and restart the row counter at 0; 1: rewind for reading.
    virtual void PrepareReportStore(int mode) = 0;
    // Counter plus 1.
    virtual int NextReportRowId() = 0;
    virtual bool HasRowOfAsset(int assetId) const = 0;
    // Inserts and posts one row.
    virtual void AppendRow(const TAfaReportRow &row) = 0;
    // Makes the rows written since PrepareReportStore(0) durable; called when the
    // evaluation ends normally. All or nothing: when it fails, nothing of the run stays.
    virtual void FinishReportRows() = 0;
    // The run failed: its rows and the emptying are undone, the previous rows stay.
    virtual void AbandonReportRows() noexcept = 0;
};
