#pragma once
#include <QObject>

// A detail store following its master, counted read by read: the detail reads over a
// procedure that draws a generator value at every run.
class TestMasterDetail : public QObject
{
    Q_OBJECT
private slots:
    void gettersRunNoStatement();
    void detailReadsOnlyWhenTheKeyChanges();
    void suspendedDetailsKeepTheirRows();
    void heldDetailCatchesUpWhenUsed();
    void evaluationWalkHoldsTheDetails();
};
