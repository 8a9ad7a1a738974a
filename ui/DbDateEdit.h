#pragma once
// TDbDateEdit: date picker of the entry pages: a white, bold text field showing
// "ddd, dd.MM.yyyy" with German weekday names ("Mo, 05.03.2012") and a button that drops
// down a calendar. Typed text may leave out the weekday; two-digit years lie in 1950..2049;
// an empty text is no date (the null QDate). Text that is no date is refused when editing
// finishes: a German message, the text and the focus stay, nothing is written.
//
// date (USER property, notify DateChanged) is the date the text stands for, the null QDate
// for an empty text; while the text cannot be read it is the last date set or committed.
// editingFinished() is sent once a readable text is committed (Return, leaving the field,
// choosing in the calendar). Binding:
//   binder.Bind(edit, "date", "DATUM", TBindKind::Date, "editingFinished()");
// or binder.addMapping(edit, "DATUM"), or edit->Bind(&binder, "DATUM"). Unbound, Date()
// and SetDate() are all there is; a new picker is empty.
#include <QDate>
#include <QWidget>

class QCalendarWidget;
class TCalendarYearPopup;
class QLineEdit;
class QToolButton;
class TFieldBinder;

class TDbDateEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ Date WRITE SetDate NOTIFY DateChanged USER true)
public:
    explicit TDbDateEdit(QWidget *parent = nullptr);

    QDate Date() const { return m_date; }
    void SetDate(const QDate &date);
    QString Text() const;
    QLineEdit *LineEdit() const { return m_edit; }
    QToolButton *DropDownButton() const { return m_button; }
    QCalendarWidget *Calendar() const { return m_calendar; }

    void Bind(TFieldBinder *binder, const QString &fieldName);
    // The calendar's year opens a list of the years from firstYear on, in columns.
    void SetYearPopup(int firstYear, int columns);
    TCalendarYearPopup *YearPopup() const { return m_yearPopup; }

    // Takes the typed text: true when it is a date or empty (then editingFinished() is sent
    // and the text shown in the display form), false after the message for any other text.
    bool Commit();
    void ShowCalendar();

signals:
    void DateChanged(const QDate &date);
    void editingFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TextEdited(const QString &text);
    void ChangeDate(const QDate &date);
    void CalendarChosen(const QDate &date);

    QLineEdit *m_edit;
    QToolButton *m_button;
    QWidget *m_popup;
    QCalendarWidget *m_calendar;
    QDate m_date;
    QDate m_committed; // the last date set or committed
    bool m_complaining = false;
    TCalendarYearPopup *m_yearPopup = nullptr;
};
