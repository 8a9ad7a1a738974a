#pragma once
#include <QObject>

// The program's window in a child process of the tests (NORBEK_UI_CHILD set): -1 when this
// process is not one.
int RunWindowChild(int argc, char **argv);

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
    void terminationSignalClosesAndCommits();
};
