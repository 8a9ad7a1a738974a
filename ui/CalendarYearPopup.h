#pragma once
// TCalendarYearPopup: a click on the year of a calendar's title bar opens a list of years
// from a first year on, in columns, instead of the year spin box; a chosen year turns the
// calendar to that year (same month).
#include <QObject>

class QCalendarWidget;
class QFrame;

class TCalendarYearPopup : public QObject
{
    Q_OBJECT
public:
    TCalendarYearPopup(QCalendarWidget *calendar, int firstYear, int columns);

    // The list as last opened (null before).
    QFrame *Popup() const { return m_popup; }
    int LastYear() const;
    void Open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Choose(int year);

    QCalendarWidget *m_calendar;
    int m_firstYear;
    int m_columns;
    QFrame *m_popup = nullptr;
};
