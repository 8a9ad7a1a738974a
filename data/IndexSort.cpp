#include "IndexSort.h"

#include <QDateTime>

#include <algorithm>
#include <numeric>
#include <vector>

namespace
{

// One value of a row's key, worked out once per row.
struct TKeyPart {
    enum { IsNull, IsNumber, IsText, IsOther } Kind = IsNull;
    double Number = 0;
    QString Text;
    const QVariant *Value = nullptr;
};

TKeyPart KeyPart(const QVariant &value)
{
    TKeyPart part;
    part.Value = &value;
    if (value.isNull())
        return part;
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        part.Kind = TKeyPart::IsNumber;
        part.Number = value.toDouble();
        break;
    case QMetaType::QDateTime: {
        // The wall-clock value, as the database orders its time stamps.
        const QDateTime dt = value.toDateTime();
        part.Kind = TKeyPart::IsNumber;
        part.Number =
            double(dt.date().toJulianDay()) * 86400000.0 + dt.time().msecsSinceStartOfDay();
        break;
    }
    case QMetaType::QString:
        part.Kind = TKeyPart::IsText;
        part.Text = value.toString();
        break;
    default:
        part.Kind = TKeyPart::IsOther;
    }
    return part;
}

QPartialOrdering Compare(const TKeyPart &x, const TKeyPart &y)
{
    if (x.Kind == TKeyPart::IsNull || y.Kind == TKeyPart::IsNull) {
        if (x.Kind == y.Kind)
            return QPartialOrdering::Equivalent;
        return x.Kind == TKeyPart::IsNull ? QPartialOrdering::Less : QPartialOrdering::Greater;
    }
    if (x.Kind == TKeyPart::IsNumber && y.Kind == TKeyPart::IsNumber)
        return x.Number < y.Number   ? QPartialOrdering::Less
               : y.Number < x.Number ? QPartialOrdering::Greater
                                     : QPartialOrdering::Equivalent;
    if (x.Kind == TKeyPart::IsText && y.Kind == TKeyPart::IsText)
        return x.Text < y.Text   ? QPartialOrdering::Less
               : y.Text < x.Text ? QPartialOrdering::Greater
                                 : QPartialOrdering::Equivalent;
    return QVariant::compare(*x.Value, *y.Value);
}

} // namespace

QList<qsizetype> IndexOrder(const QVector<QVector<QVariant>> &rows, const QVector<int> &keySlots)
{
    const qsizetype parts = keySlots.size();
    std::vector<TKeyPart> keys(size_t(rows.size() * parts));
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype k = 0; k < parts; ++k)
            keys[size_t(r * parts + k)] = KeyPart(rows[r][keySlots[k]]);
    const auto less = [&keys, parts](qsizetype a, qsizetype b) {
        for (qsizetype k = 0; k < parts; ++k) {
            const QPartialOrdering order =
                Compare(keys[size_t(a * parts + k)], keys[size_t(b * parts + k)]);
            if (order == QPartialOrdering::Less)
                return true;
            if (order == QPartialOrdering::Greater)
                return false;
        }
        return false;
    };
    // Rows written in index order, the usual case, need no moving.
    bool sorted = true;
    for (qsizetype r = 1; sorted && r < rows.size(); ++r)
        sorted = !less(r, r - 1);
    if (sorted)
        return {};
    QList<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}
