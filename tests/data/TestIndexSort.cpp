#include "TestIndexSort.h"

#include "IndexSort.h"

#include <QDateTime>
#include <QtTest>

namespace
{

using TRows = QVector<QVector<QVariant>>;

// The rows (one key value each) in the order IndexOrder gives, as their positions.
QList<qsizetype> Sorted(const TRows &rows, const QVector<int> &keySlots = {0})
{
    QList<qsizetype> order = IndexOrder(rows, keySlots);
    if (order.isEmpty())
        for (qsizetype r = 0; r < rows.size(); ++r)
            order << r;
    return order;
}

TRows Column(const QVariantList &values)
{
    TRows rows;
    for (const QVariant &v : values)
        rows.append({v});
    return rows;
}

} // namespace

void TestIndexSort::rowsInOrderStay_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("no rows") << QVariantList{};
    QTest::newRow("one row") << QVariantList{5};
    QTest::newRow("one empty row") << QVariantList{QVariant()};
    QTest::newRow("ascending") << QVariantList{QVariant(), 1, 2, 2, 3.5};
    QTest::newRow("all equal") << QVariantList{7, 7.0, 7};
}

void TestIndexSort::rowsInOrderStay()
{
    QFETCH(QVariantList, values);
    QVERIFY(IndexOrder(Column(values), {0}).isEmpty());
}

void TestIndexSort::emptyValuesFirst()
{
    // Null of any type before the smallest number, the empty text and the earliest date.
    const TRows rows = Column({-1e300, QVariant(QMetaType::fromType<int>()), 0, QString(),
                               QVariant(QMetaType::fromType<QDateTime>())});
    const QList<qsizetype> order = Sorted(rows);
    QCOMPARE(order.mid(0, 2), (QList<qsizetype>{1, 4}));
    QCOMPARE(order.mid(2, 2), (QList<qsizetype>{0, 2}));
}

void TestIndexSort::equalKeysKeepTheirOrder()
{
    // Only the first column is the key; the second tells the rows apart.
    const TRows rows{{2, u"a"_qs}, {1, u"b"_qs}, {2, u"c"_qs}, {1, u"d"_qs}, {2, u"e"_qs}};
    QCOMPARE(Sorted(rows), (QList<qsizetype>{1, 3, 0, 2, 4}));
}

void TestIndexSort::laterKeyPartsDecideTies()
{
    // Account, asset, date: as the report rows' index orders them.
    const QDateTime early(QDate(2025, 1, 1), QTime()), late(QDate(2026, 1, 1), QTime());
    const TRows rows{{2, 1, late}, {1, 9, early},         {2, 1, early},
                     {1, 3, late}, {2, QVariant(), late}, {1, 3, QVariant()}};
    QCOMPARE(Sorted(rows, {0, 1, 2}), (QList<qsizetype>{5, 3, 1, 4, 2, 0}));
    // The key parts in another order give another order.
    QCOMPARE(Sorted(rows, {2, 0}), (QList<qsizetype>{5, 1, 2, 3, 0, 4}));
}

void TestIndexSort::numbersByValueWhateverTheirType()
{
    const TRows rows = Column({2, 1.5, qint64(1) << 40, -3, 2.0000001, 0.0});
    QCOMPARE(Sorted(rows), (QList<qsizetype>{3, 5, 1, 0, 4, 2}));
}

void TestIndexSort::dateTimesByWallClock()
{
    // 10:00 at UTC is later than 11:00 at UTC+3, but the database orders by the time shown.
    const QDate day(2026, 3, 1);
    const QDateTime utcTen(day, QTime(10, 0), Qt::UTC);
    const QDateTime plusThreeEleven(day, QTime(11, 0), Qt::OffsetFromUTC, 3 * 3600);
    const QDateTime localNine(day, QTime(9, 0));
    const QDateTime dayBefore(day.addDays(-1), QTime(23, 59, 59, 999));
    const TRows rows = Column({plusThreeEleven, utcTen, localNine, dayBefore});
    QCOMPARE(Sorted(rows), (QList<qsizetype>{3, 2, 1, 0}));
    // A millisecond apart across midnight.
    QCOMPARE(Sorted(Column({day.startOfDay(), dayBefore})), (QList<qsizetype>{1, 0}));
}

void TestIndexSort::textsByValue()
{
    const TRows rows = Column({u"Konto 10"_qs, u"Konto 9"_qs, u""_qs, u"Konto 1"_qs, u"Ä"_qs});
    QCOMPARE(Sorted(rows), (QList<qsizetype>{2, 3, 0, 1, 4}));
}
