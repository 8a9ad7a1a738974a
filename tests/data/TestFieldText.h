#pragma once
#include <QObject>

// Text forms of dates, amounts and flags; the run identifier.
class TestFieldText : public QObject
{
    Q_OBJECT
private slots:
    void parseDateText_data();
    void parseDateText();
    void amountReading_data();
    void amountReading();
    void plainNumberRefusesGrouping();
    void displayForms();
    void entryForms();
    void yesNoFieldIsFoundByName();
    void amountDisplayReadsBack();
    void randomInputNeverCrashes();
    void runIdForm();
};
