#pragma once
// The editor frame's toolbar and menu images, drawn in code; looked up by their place in the
// frame's icon strip.
#include <QIcon>

class TEditorIcons
{
public:
    static QIcon Icon(int image);
};
