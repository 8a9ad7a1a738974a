#pragma once
// Building blocks of the main window's pages: the toolbar strip at a page's top and the page
// body with its grey border.
#include <QColor>
#include <QFrame>

class QHBoxLayout;

namespace PageParts
{
inline const QColor PageColor{0xDE, 0xDE, 0xDE};
inline const QColor EntryToolbarColor{0xCC, 0xCC, 0xCC};
inline const QColor BorderColor{0x80, 0x80, 0x80};
constexpr int ToolbarHeight = 33;

// A strip of the given height with a grey line at its foot; an invalid colour keeps the
// system's button face. Buttons go into the returned layout.
QFrame *ToolbarStrip(QWidget *parent, const QColor &color, QHBoxLayout *&buttons,
                     int height = ToolbarHeight);
// A #DEDEDE area (inner) inside a 1-pixel grey border; the border frame is returned.
QFrame *PageBody(QWidget *parent, QWidget *&inner);
// A 1-pixel grey horizontal line.
QFrame *GreyLine(QWidget *parent);
void Fill(QWidget *widget, const QColor &color);
} // namespace PageParts
