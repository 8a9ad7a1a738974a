#include "SubClassControl.h"

#include <QEvent>

TSubClassControl::TSubClassControl(QWidget *control, TCallback callback)
    : m_control(control), m_key(control), m_callback(std::move(callback))
{
    control->installEventFilter(this);
    control->update();
}

TSubClassControl::~TSubClassControl()
{
    if (m_control) {
        m_control->removeEventFilter(this);
        m_control->update();
    }
}

bool TSubClassControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control || !m_callback)
        return false;
    bool passOn = true;
    m_callback(*this, event, passOn);
    return !passOn;
}
