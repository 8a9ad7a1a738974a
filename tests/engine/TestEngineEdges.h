#pragma once
#include <QObject>

class TestEngineEdges : public QObject
{
    Q_OBJECT
private slots:
    void monthBoundary_data();
    void monthBoundary();
    void livesShorterThanAYear();
    void lifeEndingInsideTheSecondYear();
    void noLifeComputesNothing();
    void additionsOfYearRestoresTheCursor();
    void additionsOfYearRestoresAfterReadError();
    void additionsWithoutMovements();
    void listenerErrorEndsTheRun();
    void listenerMayOverwriteFigures();
    void runWithoutListener();
};
