#pragma once
#include <QObject>

// The date pickers' text form: German weekday names, the 1950..2049 window for two-digit
// years, what is refused, and that nothing typed at random breaks the reading.
class TestPickerDateText : public QObject
{
    Q_OBJECT
private slots:
    void formatIsGerman();
    void reading_data();
    void reading();
    void randomTextReadsBackOrIsRefused();
};
