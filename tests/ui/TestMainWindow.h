#pragma once
#include <QObject>

// The main window on a real database: commands, evaluation settings, start-up and closing.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startsOnTheWelcomePageWithSettingsFirst();
    void commandsRouteBySender();
    void evaluateButtonsLeaveOnlyTheirTarget();
    void textPreviewShowsTheAssets();
    void percentEditFollowsTheMode();
    void fiscalYearStaysInItsRange();
    void closeAsksAboutAnEditedRecord_data();
    void closeAsksAboutAnEditedRecord();
    void unchangedNewRecordIsDroppedOnClose();
    void closeWaitsForARunningEvaluation();
    void missingDatabaseStillShowsTheWindow();
    void anotherAssetShowsItsMovements();
    void threeSelectedAssetsAreEvaluated();
    void titleClicksSortTheAssets();
};
