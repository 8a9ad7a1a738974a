#pragma once
#include <QObject>

class TestSetupDialog : public QObject
{
    Q_OBJECT
private slots:
    void proposesTheFullRangeWithoutPrinter();
    void everyControlHasAnAccessibleName();
    void rangeButtonsEnableTheirFields();
    void keyFiltersDiscardOtherCharacters_data();
    void keyFiltersDiscardOtherCharacters();
    void enterDoesNotClose();
    void okWritesTheChoices_data();
    void okWritesTheChoices();
    void duplexKeepsASideAlreadyChosen();
    void refusesBadInputAndStaysOpen_data();
    void refusesBadInputAndStaysOpen();
    void nextShowKeepsPagesCheckedWithTheFullRange();
};
