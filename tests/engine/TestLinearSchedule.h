#pragma once
#include <QObject>

class TestLinearSchedule : public QObject
{
    Q_OBJECT
private slots:
    void workedExample();
    void wholeYearsFromJanuary();
    void decemberStartHasOneMonth();
    void additionIsSpreadOverRemainingMonths();
    void movementsOutsideScheduleAndDisposalsChangeNothing();
    void inactiveMovementStillCounts();
    void residualValue();
    void zeroBaseDoesNotDepreciateTheResidual();
    void lastYearClosesAtExactlyZero();
    void rateOfOddLives();
};
