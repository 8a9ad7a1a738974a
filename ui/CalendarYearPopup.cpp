#include "CalendarYearPopup.h"

#include <QCalendarWidget>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QToolButton>

TCalendarYearPopup::TCalendarYearPopup(QCalendarWidget *calendar, int firstYear, int columns)
    : QObject(calendar), m_calendar(calendar), m_firstYear(firstYear),
      m_columns(std::max(1, columns))
{
    // The title bar's year is a tool button that turns into a spin box when clicked.
    if (auto *year = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_yearbutton")))
        year->installEventFilter(this);
}

int TCalendarYearPopup::LastYear() const
{
    return std::max(QDate::currentDate().year() + 15, m_firstYear + m_columns - 1);
}

bool TCalendarYearPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        if (event->type() == QEvent::MouseButtonRelease)
            Open();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TCalendarYearPopup::Open()
{
    delete m_popup;
    m_popup = new QFrame(m_calendar, Qt::Popup);
    m_popup->setFrameShape(QFrame::Box);
    m_popup->setAccessibleName(QStringLiteral("Jahr wählen"));
    m_popup->setAttribute(Qt::WA_DeleteOnClose, false);
    auto *grid = new QGridLayout(m_popup);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    for (int year = m_firstYear, i = 0; year <= LastYear(); ++year, ++i) {
        auto *button = new QToolButton(m_popup);
        button->setText(QString::number(year));
        button->setAccessibleName(button->text());
        button->setAutoRaise(true);
        button->setCheckable(true);
        button->setChecked(year == m_calendar->yearShown());
        connect(button, &QToolButton::clicked, this, [this, year] { Choose(year); });
        grid->addWidget(button, i / m_columns, i % m_columns);
    }
    QWidget *anchor =
        m_calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_yearbutton"));
    if (!anchor)
        anchor = m_calendar;
    m_popup->adjustSize();
    m_popup->move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    m_popup->show();
}

void TCalendarYearPopup::Choose(int year)
{
    m_calendar->setCurrentPage(year, m_calendar->monthShown());
    if (m_popup)
        m_popup->hide();
}
