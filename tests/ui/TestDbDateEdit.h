#pragma once
#include <QObject>

// The date picker: German weekday names whatever the locale, the two-digit year window,
// empty fields and cleared texts as no date, unreadable text refused with a German message
// while the row stays in editing, and the calendar's choice written at once.
class TestDbDateEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void typedTextIsRead_data();
    void typedTextIsRead();
    void showsTheFieldWithGermanWeekday();
    void emptyFieldAndClearedText();
    void unreadableTextIsRefused();
    void calendarChoiceIsWritten();
    void unboundPickerStartsEmpty();
    void yearListStartsAtTwoThousandInFourColumns();
};
