#include "RefreshForm.h"

#include <QWidget>

void TRefreshForm::Nudge(QWidget *window)
{
    m_step = -m_step;
    if (window)
        window->resize(window->width(), window->height() + m_step);
}
