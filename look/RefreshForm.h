#pragma once
// TRefreshForm: nudges a window by one pixel in height (alternately down and back), which makes
// it lay out and repaint all its children.
class QWidget;

class TRefreshForm
{
public:
    void Nudge(QWidget *window);
    int Step() const { return m_step; }

private:
    int m_step = 1;
};
