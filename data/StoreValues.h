#pragma once
// Comparing and typing the values the record stores buffer.
#include "StoreField.h"

#include <QVariant>

class QSqlField;

// Equal as the stores compare keys: null only with null, numbers by value, texts as texts.
bool SameValue(const QVariant &a, const QVariant &b);
// Field type of a result column.
TFieldType TypeOfColumn(const QSqlField &column);
