#include "PageParts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace PageParts
{

void Fill(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame *GreyLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedHeight(1);
    Fill(line, BorderColor);
    return line;
}

QFrame *ToolbarStrip(QWidget *parent, const QColor &color, QHBoxLayout *&buttons, int height)
{
    auto *strip = new QFrame(parent);
    strip->setFixedHeight(height);
    if (color.isValid())
        Fill(strip, color);
    else
        strip->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(strip);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 3, 4, 3);
    buttons->setSpacing(4);
    column->addLayout(buttons, 1);
    column->addWidget(GreyLine(strip));
    return strip;
}

QFrame *PageBody(QWidget *parent, QWidget *&inner)
{
    auto *border = new QFrame(parent);
    Fill(border, BorderColor);
    auto *layout = new QVBoxLayout(border);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    inner = new QWidget(border);
    Fill(inner, PageColor);
    layout->addWidget(inner);
    return border;
}

} // namespace PageParts
