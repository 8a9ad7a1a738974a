#pragma once
#include <QObject>

// Sorting the asset store by a grid column: the statement written, the rows read back, and
// what happens to a row being typed and to a refused order.
class TestGridSorter : public QObject
{
    Q_OBJECT
private slots:
    void workedSequenceOnTheAssets();
    void sameColumnNameOfAnotherTable();
    void existingOrderByIsReplaced();
    void reopeningReadsTheJoinsAfresh();
    void nothingToSort();
    void modifiedRowIsPostedFirst();
    void refusedPostKeepsRowAndOrder();
    void untouchedNewRowIsDropped();
    void refusedOrderKeepsThePreviousRows();
    void sortingReadsTheRowsOnce();
    void oneSorterPerProcess();
};
