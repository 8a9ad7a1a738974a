#pragma once
#include <QObject>

class TestReportToolOutput : public QObject
{
    Q_OBJECT
private slots:
    void pipeAndDeviceStayWhatTheyAre();
    void folderAsOutput();
    void fullStandardOutput();
};
