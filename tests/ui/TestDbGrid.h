#pragma once
#include <QObject>

// The entry pages' grid on a real database: columns, selection by ID, deleting with a
// question, editing in place with refused texts, new rows dropped on leaving.
class TestDbGrid : public QObject
{
    Q_OBJECT
private slots:
    void assetGridShowsItsColumns();
    void otherGridsShowTheirColumns();
    void selectionAndScrollSurviveRowChanges();
    void deleteAsksOnceAndTakesExactlyTheSelected();
    void refusedCellTextKeepsTheRowInEdit_data();
    void refusedCellTextKeepsTheRowInEdit();
    void unchangedCellWritesNothing();
    void newUntouchedRowGoesWhenTheFocusLeaves();
    void selectionSurvivesAReopenById();
    void refusedMovePutsTheSelectionBack();
    void modelWithColumnSetPassesTheTester();
};
