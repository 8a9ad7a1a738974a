#pragma once
#include <QObject>

// The grid model tells views what changed, checked by QAbstractItemModelTester and by a real
// table view; the selection sync keeps the view's current row and the store's in step.
class TestStoreModel : public QObject
{
    Q_OBJECT
private slots:
    void rowChangesAreAnnouncedOneByOne();
    void emptyStoreGainsAndLosesItsOnlyRow();
    void resetOnlyWhenRowsAreReadAgain();
    void heldDisplaysResetOnlyAfterChanges();
    void sortMovesPersistentIndexesWithTheirRows();
    void refusedGroupRowsLeaveTheView();
    void viewKeepsScrollAndSelection();
    void viewAndStoreMoveTogether();
    void refusedMoveKeepsTheViewOnTheEditedRow();
    void columnSetDecidesTitlesAlignmentAndWrites();
    void deleteRecordsTakesExactlyTheListedIds();
    void newRowWithOnlyDefaultsIsDroppedOnLeaving();
};
