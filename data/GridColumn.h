#pragma once
// One column of a grid over a store: which field it shows and how. An empty title takes the
// field's display label; an empty alignment the field's (numbers right, other values left).
#include <QString>
#include <Qt>

struct TGridColumn {
    QString FieldName;
    QString Title;
    int Width = -1; // pixels; -1: the grid's default width
    Qt::Alignment Alignment = {};
    Qt::Alignment TitleAlignment = Qt::AlignCenter;
    bool ReadOnly = false;
    bool GridBackground = false; // drawn in the grid's colour instead of white
};
