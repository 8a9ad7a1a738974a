#pragma once
#include <QObject>

class TestReportToolOptions : public QObject
{
    Q_OBJECT
private slots:
    void defaults();
    void eachFilter();
    void wrongArguments_data();
    void wrongArguments();
    void rangeEdgesAccepted();
    void helpNamesEveryExitStatus();
    void csvFields();
    void csvNumbersWithoutExponent_data();
    void csvNumbersWithoutExponent();
};
