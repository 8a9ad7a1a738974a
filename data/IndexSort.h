#pragma once
// Buffered rows put in the order of a database index, as reading through the index gives them.
#include <QList>
#include <QVariant>
#include <QVector>

// Order of rows ascending by the values at keySlots, as the index orders them: empty values
// first, then numbers and date-times (by their wall-clock value) and texts by value; rows with
// equal keys keep their order. result[i] is the row that goes to place i; empty when the rows
// are in that order already.
QList<qsizetype> IndexOrder(const QVector<QVector<QVariant>> &rows, const QVector<int> &keySlots);
