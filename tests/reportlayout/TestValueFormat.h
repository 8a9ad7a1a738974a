#pragma once
#include <QObject>

// Values as German text by pattern: numbers at their rounding and grouping edges, dates,
// plain text, NULL and zero.
class TestValueFormat : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void integers();
    void blankZero();
    void dates_data();
    void dates();
    void weekdays();
    void plain();
    void patterns();
    void machineLocaleIgnored();
};
