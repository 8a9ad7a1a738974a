#pragma once
// The evaluation run: walks the assets, runs the engine for each accepted one and writes
// each accepted schedule year as a text-preview line or a report row.
#include "AfaFilter.h"
#include "AssetCursor.h"
#include "EvaluationSettings.h"
#include "ReportRequest.h"
#include "ReportRowStore.h"
#include "Unit_AfaBerechnung.h"

#include <functional>

class TRowInfoList;
class QObject;

class TAfaEvaluation
{
public:
    // Sets the engine's OnYear to YearCallback; the engine's Movements are the caller's.
    TAfaEvaluation(TAfABerechnung &engine, TAfaFilter &filter, TAssetCursor &assets,
                   TReportRowStore &reportStore);
    TAfaEvaluation(const TAfaEvaluation &) = delete;
    TAfaEvaluation &operator=(const TAfaEvaluation &) = delete;

    // Sets the target flag (TargetText or TargetPrint), then Evaluate.
    void EvaluateFor(TAfaFilterFlag target);
    void Evaluate();
    void ReadSettings();
    bool AcceptAsset();
    void RunAsset();
    double PickDegRate();
    void YearCallback(QObject *Sender);
    bool AcceptYear();
    void WriteReportRow();
    void WriteYearLine();
    void WriteAssetHeader();

    TEvaluationSettings Settings;
    TRowInfoList *RowInfoList = nullptr; // text target
    TReportRequest *Report = nullptr;    // print target: Mode, Headline
    // Writes the headline into the text preview or the report request; may throw, which
    // stops the run before the report rows are touched.
    std::function<void()> HeadlineStep;
    // Called once right before the walk over the assets (after the headline step).
    std::function<void()> BeforeWalk;
    // Assets done, assets in all; called after every asset of the walk.
    std::function<void(int done, int total)> Progress;

private:
    // Every asset of the cursor; the cursor ends where it stood, also after an error.
    void Walk();
    // Refuses, naming the asset and the field, a schedule that cannot be computed: a life
    // above 100 years or a last year after 9999.
    void CheckSchedule(TDateTime start, int months) const;
    QVariant Field(const QString &name) const { return Assets.FieldValue(name); }

    TAfABerechnung &Engine;
    TAfaFilter &Filter;
    TAssetCursor &Assets;
    TReportRowStore &ReportStore;
    bool AssetHasOutput = false;
};

// The nine lines above the year lines of an asset.
QString AssetHeaderText(const QString &bezeichnung, const QString &datum, const QString &kosten,
                        const QString &nutzungsdauer, const QString &konto);
