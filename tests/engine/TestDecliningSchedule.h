#pragma once
#include <QObject>

class TestDecliningSchedule : public QObject
{
    Q_OBJECT
private slots:
    void workedExampleWithChangeOver();
    void workedExampleWithoutChangeOver();
    void aprilStartWithoutChangeOver();
    void aprilStartWithChangeOver();
    void equalAmountsDoNotChangeOver();
    void changeOverDoesNotCarryIntoNextRun();
    void additionsEnterBothSchedules();
    void openingsChainAndAmountsAddUp();
    void maxDegressiveRate_data();
    void maxDegressiveRate();
};
