#pragma once
// The columns of the entry pages' grids: assets, movements, accounts.
#include "GridColumn.h"

#include <QVector>

QVector<TGridColumn> AssetGridColumns();
QVector<TGridColumn> MovementGridColumns();
QVector<TGridColumn> AccountGridColumns();
