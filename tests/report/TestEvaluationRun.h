#pragma once
#include <QObject>

class TestEvaluationRun : public QObject
{
    Q_OBJECT
private slots:
    void fiscalYearRow();
    void fiscalYearCarryOver();
    void periodBoundsExcluded();
    void selection();
    void inactiveAssetsNeverOutput();
    void kindsPerMode();
    void staleKindCodeOfTheStore();
    void emptiedPercentTakesHighestRate();
    void ownMovementsWhileAnotherAssetIsCurrent();
    void movementTableMatchesDetailStore();
    void movementsReadAgainForEveryWalk();
    void cursorBackAfterError();
    void failedRunKeepsTheLastCompleteReport();
    void unschedulableAssetNamedInTheError_data();
    void unschedulableAssetNamedInTheError();
    void schedulesAtTheLimitsAreComputed();
    void invalidFiscalYearStopsBeforeClearing();
    void rowsNumberedPerEvaluationInIndexOrder();
    void nothingKeptWhenOrderingFails();
    void depreciationDateInReportRow();
};
