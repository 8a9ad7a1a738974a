#pragma once
#include <QObject>

class TestReportToolProcess : public QObject
{
    Q_OBJECT
private slots:
    void csvPerFilter();
    void textWithHeadline();
    void outputFile();
    void failuresExitTwo();
    void writesOnlyReportRows();
    void unknownAssetsChangeNothing();
};
