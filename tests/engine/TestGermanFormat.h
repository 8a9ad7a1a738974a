#pragma once
#include <QObject>

class TestGermanFormat : public QObject
{
    Q_OBJECT
private slots:
    void formatFloat_data();
    void formatFloat();
    void rateText();
    void formatDateTime_data();
    void formatDateTime();
    void floatText_data();
    void floatText();
    void floatTextReadsBack();
    void shortestDecimalReadsBack();
    void dateSerial();
    void keptTextsFollowPatternAndValue();
    void strictInteger();
    void plainDecimal_data();
    void plainDecimal();
    void readersAgreeOnRandomText();
};
