#pragma once
// The preview's navigation keys: scrolling the page area by a step (the scroll bar's line
// step) or a screen (the area's height or width), and moving to the next or previous page at
// the end of a page.
#include <Qt>

class QScrollArea;
class QScrollBar;
class TPageRenderer;

class TPreviewNavigator
{
public:
    TPreviewNavigator(QScrollArea *area, TPageRenderer *renderer);

    // True when key with modifiers is a navigation key and was handled.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);

    void StepDown();
    void StepUp();
    void ScreenDown();
    void ScreenUp();

private:
    QScrollBar *Vertical() const;
    QScrollBar *Horizontal() const;
    bool HasPages() const;
    void ToPage(int page, bool toBottom);

    QScrollArea *m_area;
    TPageRenderer *m_renderer;
};
