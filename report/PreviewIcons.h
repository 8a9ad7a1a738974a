#pragma once
// The images of the preview's commands, drawn at run time.
#include <QIcon>

namespace PreviewIcons
{
enum class TKind {
    Save,
    Print,
    First,
    Previous,
    Next,
    Last,
    ZoomIn,
    ZoomOut,
    PageWidth,
    Page,
    Exit
};
QIcon Icon(TKind kind);
} // namespace PreviewIcons
