#pragma once
#include <QObject>
#include <QString>

class TestReportToolSignals : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void stopRequestChecked();
    void signalStopsRun_data();
    void signalStopsRun();
    void secondSignalEndsAtOnce_data();
    void secondSignalEndsAtOnce();

private:
    QString manyAssets; // database with enough assets for a run of several seconds
};
