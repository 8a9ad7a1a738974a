#pragma once
#include <QObject>

// The report store gathers its rows and writes them several to a statement.
class TestInsertGroups : public QObject
{
    Q_OBJECT
private slots:
    void groupsStoreWhatSingleInsertsStore();
    void refusedRowDropsItAndTheRowsAfter();
    void refusedRowAtCommitWritesNothing();
    void gatheredRowsWrittenBeforeChanging();
    void rollbackForgetsGatheredRows();
};
