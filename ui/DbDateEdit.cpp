#include "DbDateEdit.h"

#include "CalendarYearPopup.h"
#include "FieldBinder.h"
#include "PickerDateText.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TDbDateEdit::TDbDateEdit(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this)),
      m_popup(new QWidget(this, Qt::Popup)), m_calendar(new QCalendarWidget(m_popup))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);

    QPalette white = m_edit->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_edit->setPalette(white);
    QFont bold = m_edit->font();
    bold.setBold(true);
    m_edit->setFont(bold);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    setAccessibleName(QStringLiteral("Datum"));
    m_edit->setAccessibleName(QStringLiteral("Datum"));

    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setToolTip(QStringLiteral("Kalender"));
    m_button->setAccessibleName(QStringLiteral("Kalender"));
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_button->setFixedWidth(17);

    // German names and Monday first, whatever the machine's locale.
    m_calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_calendar->setAccessibleName(QStringLiteral("Kalender"));
    auto *popupLayout = new QVBoxLayout(m_popup);
    popupLayout->setContentsMargins(1, 1, 1, 1);
    popupLayout->addWidget(m_calendar);

    connect(m_edit, &QLineEdit::textEdited, this, &TDbDateEdit::TextEdited);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (m_edit->isModified())
            Commit();
    });
    connect(m_button, &QToolButton::clicked, this, &TDbDateEdit::ShowCalendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &TDbDateEdit::CalendarChosen);
    connect(m_calendar, &QCalendarWidget::activated, this, &TDbDateEdit::CalendarChosen);
}

void TDbDateEdit::Bind(TFieldBinder *binder, const QString &fieldName)
{
    binder->Bind(this, "date", fieldName, TBindKind::Date, "editingFinished()");
}

QString TDbDateEdit::Text() const
{
    return m_edit->text();
}

void TDbDateEdit::SetDate(const QDate &date)
{
    // 30.12.1899 is the zero date of the stores: no date.
    const QDate shown = date.isValid() && date != QDate(1899, 12, 30) ? date : QDate();
    m_committed = shown;
    m_edit->setText(PickerDateText::Format(shown));
    m_edit->setModified(false);
    ChangeDate(shown);
}

void TDbDateEdit::ChangeDate(const QDate &date)
{
    if (date == m_date)
        return;
    m_date = date;
    emit DateChanged(date);
}

// While the text cannot be read the date stays the last good one, so that a post meanwhile
// writes no half-typed date.
void TDbDateEdit::TextEdited(const QString &text)
{
    QDate read;
    ChangeDate(PickerDateText::Read(text, read) ? read : m_committed);
}

bool TDbDateEdit::Commit()
{
    QDate read;
    if (!PickerDateText::Read(m_edit->text(), read)) {
        if (m_complaining)
            return false;
        m_complaining = true;
        ChangeDate(m_committed);
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             PickerDateText::InvalidDateMessage(m_edit->text()));
        m_complaining = false;
        m_edit->setFocus();
        m_edit->selectAll();
        return false;
    }
    m_committed = read;
    ChangeDate(read);
    m_edit->setText(PickerDateText::Format(read));
    m_edit->setModified(false);
    emit editingFinished();
    return true;
}

void TDbDateEdit::ShowCalendar()
{
    QDate read;
    const QDate start =
        PickerDateText::Read(m_edit->text(), read) && read.isValid() ? read : QDate::currentDate();
    m_calendar->setSelectedDate(start);
    m_popup->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + m_popup->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() - m_popup->width())));
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus();
}

void TDbDateEdit::CalendarChosen(const QDate &date)
{
    m_popup->hide();
    m_edit->setText(PickerDateText::Format(date));
    m_edit->setModified(true);
    TextEdited(m_edit->text());
    Commit();
}

// Alt+Down and F4 open the calendar, as on a drop-down list.
bool TDbDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F4 ||
            (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier))) {
            ShowCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDbDateEdit::SetYearPopup(int firstYear, int columns)
{
    delete m_yearPopup;
    m_yearPopup = new TCalendarYearPopup(m_calendar, firstYear, columns);
}
