#include "PreviewNavigator.h"

#include "PageRenderer.h"

#include <QScrollArea>
#include <QScrollBar>

TPreviewNavigator::TPreviewNavigator(QScrollArea *area, TPageRenderer *renderer)
    : m_area(area), m_renderer(renderer)
{
}

QScrollBar *TPreviewNavigator::Vertical() const
{
    return m_area->verticalScrollBar();
}

QScrollBar *TPreviewNavigator::Horizontal() const
{
    return m_area->horizontalScrollBar();
}

bool TPreviewNavigator::HasPages() const
{
    return m_renderer->Active && m_renderer->PageCount() > 0;
}

void TPreviewNavigator::ToPage(int page, bool toBottom)
{
    m_renderer->ShowPage(page);
    // the page widget has its new size now, so the range is the new page's
    Vertical()->setValue(toBottom ? Vertical()->maximum() : Vertical()->minimum());
}

bool TPreviewNavigator::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool plainOrCtrl = mods == Qt::NoModifier || mods == Qt::ControlModifier;
    QScrollBar *across = Horizontal();
    switch (key) {
    case Qt::Key_Up:
        if (!plainOrCtrl)
            return false;
        StepUp();
        return true;
    case Qt::Key_Down:
        if (!plainOrCtrl)
            return false;
        StepDown();
        return true;
    case Qt::Key_PageUp:
        if (!plainOrCtrl)
            return false;
        ScreenUp();
        return true;
    case Qt::Key_PageDown:
        if (!plainOrCtrl)
            return false;
        ScreenDown();
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!plainOrCtrl)
            return false;
        Vertical()->setValue(key == Qt::Key_Home ? Vertical()->minimum() : Vertical()->maximum());
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        int amount = 0;
        if (mods == Qt::ControlModifier)
            amount = across->singleStep();
        else if (mods == (Qt::ControlModifier | Qt::ShiftModifier))
            amount = m_area->viewport()->width();
        else
            return false;
        across->setValue(across->value() + (key == Qt::Key_Left ? -amount : amount));
        return true;
    }
    default:
        return false;
    }
}

void TPreviewNavigator::StepDown()
{
    QScrollBar *bar = Vertical();
    if (bar->value() + bar->singleStep() > bar->maximum() && HasPages() &&
        m_renderer->CurrentPage() < m_renderer->PageCount()) {
        ToPage(m_renderer->CurrentPage() + 1, false);
        return;
    }
    bar->setValue(bar->value() + bar->singleStep());
}

void TPreviewNavigator::StepUp()
{
    QScrollBar *bar = Vertical();
    if (bar->value() - bar->singleStep() < bar->minimum() && HasPages() &&
        m_renderer->CurrentPage() > 1) {
        ToPage(m_renderer->CurrentPage() - 1, true);
        return;
    }
    bar->setValue(bar->value() - bar->singleStep());
}

void TPreviewNavigator::ScreenDown()
{
    // at the bottom of a page the next page follows; before that the rest of this page
    // is shown first, so that no part of it is skipped
    QScrollBar *bar = Vertical();
    if (bar->value() >= bar->maximum()) {
        if (HasPages() && m_renderer->CurrentPage() < m_renderer->PageCount())
            ToPage(m_renderer->CurrentPage() + 1, false);
        return;
    }
    bar->setValue(bar->value() + m_area->viewport()->height());
}

void TPreviewNavigator::ScreenUp()
{
    QScrollBar *bar = Vertical();
    if (bar->value() <= bar->minimum()) {
        if (HasPages() && m_renderer->CurrentPage() > 1)
            ToPage(m_renderer->CurrentPage() - 1, true);
        return;
    }
    bar->setValue(bar->value() - m_area->viewport()->height());
}
