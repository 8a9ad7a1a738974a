#include "StoreValues.h"

#include <QSqlField>

bool SameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const int ta = a.metaType().id(), tb = b.metaType().id();
    const auto numeric = [](int t) {
        return t == QMetaType::Int || t == QMetaType::Double || t == QMetaType::LongLong ||
               t == QMetaType::UInt || t == QMetaType::Short || t == QMetaType::Float;
    };
    if (ta == tb && ta == QMetaType::Int)
        return a.toInt() == b.toInt();
    if (numeric(ta) && numeric(tb))
        return a.toDouble() == b.toDouble();
    if (ta == QMetaType::QString || tb == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

TFieldType TypeOfColumn(const QSqlField &column)
{
    switch (column.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TFieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TFieldType::Float;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
        return TFieldType::DateTime;
    case QMetaType::QByteArray:
        return TFieldType::Blob;
    default:
        return TFieldType::String;
    }
}
