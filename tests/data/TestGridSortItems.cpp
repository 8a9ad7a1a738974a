#include "TestGridSortItems.h"

#include "DBGridSorter.h"
#include "RecordStore.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

namespace
{

QStringList Texts(const TDbGridSortFieldItems &items)
{
    QStringList texts;
    for (int i = 0; i < items.Count(); ++i)
        texts << items.Text(i);
    return texts;
}

// "alias|field|subst|direction" per item.
QStringList Parts(const TDbGridSortFieldItems &items)
{
    QStringList parts;
    for (int i = 0; i < items.Count(); ++i) {
        const TDbGridSortFieldItem *item = items.Item(i);
        parts << QStringList{item->TableAlias, item->FieldName, item->SubstName, item->Direction}
                     .join(u'|');
    }
    return parts;
}

} // namespace

void TestGridSortItems::splitItemsEdges()
{
    TDbGridSortFieldItems items;
    const struct {
        const char *text;
        QStringList pieces;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a, b,", {"a", "b"}},                                   // trailing comma
        {"a,b, \r\n", {"a", "b"}},                               // only a line break after it
        {"e.id,\r\n  e.kosten\r\n", {"e.id", "e.kosten"}},       // CR/LF around items
        {"k.nr as\r\nafa_konten_nr", {"k.nr as afa_konten_nr"}}, // a break inside an item
        {"a,,b", {"a", "", "b"}},
        {",", {""}},
        {"  x\t  y  ", {"x y"}},
    };
    for (const auto &c : cases) {
        items.SplitItems(QString::fromLatin1(c.text));
        QCOMPARE(Texts(items), c.pieces);
    }
    // Splitting again starts a new list.
    items.SplitItems(QStringLiteral("a,b"));
    items.SplitItems(QStringLiteral("c"));
    QCOMPARE(Texts(items), QStringList{QStringLiteral("c")});
}

void TestGridSortItems::parsersReadTheItems()
{
    TDbGridSortFieldItems select;
    select.SqlText = QStringLiteral("select e.id, k.bezeichnung as afa_konten_bezeichnung,\n"
                                    "kosten, 3 as drei, e.fromdatum\nfrom t e order by x");
    select.ParseSelectList();
    QCOMPARE(Parts(select), (QStringList{"e|id||", "k|bezeichnung|afa_konten_bezeichnung|",
                                         "|kosten||", "|3|drei|", "e|fromdatum||"}));
    QCOMPARE(select.FindBySubstName(QStringLiteral("Afa_Konten_Bezeichnung")), select.Item(1));
    QCOMPARE(select.FindByFieldName(QStringLiteral("BEZEICHNUNG")), select.Item(1));
    QCOMPARE(select.FindByFieldName(QStringLiteral("bez")), nullptr);
    QCOMPARE(select.FindBySubstName(QString()), select.Item(0)); // items without a subst name
    select.SqlText = QStringLiteral("select a, b");
    select.ParseSelectList();
    QCOMPARE(select.Count(), 2);
    select.SqlText = QStringLiteral("update t set a = 1");
    select.ParseSelectList();
    QCOMPARE(select.Count(), 0);

    TDbGridSortFieldItems order;
    order.SqlText = QStringLiteral("select * from t order by e.kosten desc, k.nr asc, nr, e.id");
    order.ParseOrderBy();
    QCOMPARE(Parts(order), (QStringList{"e|kosten||desc", "k|nr||asc", "|nr||", "e|id||"}));
    QCOMPARE(order.IndexOfColumn(QStringLiteral("K"), QStringLiteral("NR")), 1);
    QCOMPARE(order.IndexOfColumn(QString(), QStringLiteral("nr")), 2);
    QCOMPARE(order.IndexOfColumn(QString(), QStringLiteral("id")), -1);
    QCOMPARE(order.BuildOrderBy(), QStringLiteral(" Order By e.kosten desc, k.nr asc, nr, e.id"));
    order.SqlText = QStringLiteral("select * from t");
    order.ParseOrderBy();
    QCOMPARE(order.Count(), 0);
    QCOMPARE(order.BuildOrderBy(), QString());

    TDbGridSortFieldItem item;
    for (const auto &[from, to] : {std::pair{"", "asc"},
                                   {"asc", "desc"},
                                   {"ASC", "desc"},
                                   {"desc", "asc"},
                                   {"xyz", "asc"}}) {
        item.Direction = QString::fromLatin1(from);
        item.ToggleDirection();
        QCOMPARE(item.Direction, QString::fromLatin1(to));
    }

    const QString clause = QStringLiteral(" Order By x asc");
    QCOMPARE(TDBGridSorter::ReplaceOrderBy(QStringLiteral("Select x From t"), clause),
             QStringLiteral("Select x From t Order By x asc"));
    QCOMPARE(TDBGridSorter::ReplaceOrderBy(QStringLiteral("Select X From T ORDER BY y"), clause),
             QStringLiteral("Select X From T Order By x asc"));
    QCOMPARE(
        TDBGridSorter::ReplaceOrderBy(QStringLiteral("Select x\r\nFrom t\r\n  order by y"), clause),
        QStringLiteral("Select x\r\nFrom t Order By x asc"));
    QCOMPARE(TDBGridSorter::ReplaceOrderBy(QStringLiteral("Select x From border by"), clause),
             QStringLiteral("Select x From border by Order By x asc"));
}

void TestGridSortItems::sortNameOfLookupFields()
{
    TRecordStore accounts(QStringLiteral("accounts"));
    TRecordStore store(QStringLiteral("store"));
    const auto lookup = [&](const char *name) {
        return store.AddLookupField(QString::fromLatin1(name), TFieldType::String, 20, &accounts,
                                    QStringLiteral("KONTO"), QStringLiteral("ID"),
                                    QStringLiteral("NAME"));
    };
    QCOMPARE(TDBGridSorter::SortFieldName(lookup("Lu_Afa_Konten_Bezeichnung")),
             QStringLiteral("Afa_Konten_Bezeichnung"));
    QCOMPARE(TDBGridSorter::SortFieldName(lookup("LU_X")), QStringLiteral("X"));
    QCOMPARE(TDBGridSorter::SortFieldName(lookup("KontoLu_Name")), QStringLiteral("Name"));
    QCOMPARE(TDBGridSorter::SortFieldName(lookup("KontoText")), QString());
    QCOMPARE(TDBGridSorter::SortFieldName(
                 store.AddField(QStringLiteral("Lu_Daten"), TFieldType::String, 20)),
             QStringLiteral("Lu_Daten"));
    QCOMPARE(TDBGridSorter::SortFieldName(nullptr), QString());
}

void TestGridSortItems::randomStatementsNeverCrash()
{
    static const char *const tokens[] = {
        "select", "from", "order by", "order", "by", ",",     ".", " as ", " asc", " desc",
        "\r\n",   "\n",   " ",        "e",     "k.", "id",    "(", ")",    "*",    "'",
        "ä",      "İ",    "\t",       "as",    "x.", "desc,", "1", "$",    "_",    "selectfrom"};
    auto *rng = QRandomGenerator::global();
    QElapsedTimer timer;
    timer.start();
    qint64 count = 0;
    TDbGridSortFieldItems select, order;
    while (timer.elapsed() < 1500) {
        QString text;
        const int length = int(rng->bounded(40));
        for (int i = 0; i < length; ++i)
            text += rng->bounded(8) == 0
                        ? QChar(char16_t(rng->bounded(1, 0x3000)))
                        : QString::fromUtf8(tokens[rng->bounded(int(std::size(tokens)))]);
        select.SqlText = order.SqlText = text.toLower();
        select.ParseSelectList();
        order.ParseOrderBy();
        for (const TDbGridSortFieldItems *items : {&select, &order}) {
            QVERIFY(items->Count() <= text.count(u',') + 1);
            for (int i = 0; i < items->Count(); ++i) {
                const TDbGridSortFieldItem *item = items->Item(i);
                QVERIFY(item->Direction.isEmpty() || item->Direction == QLatin1String("asc") ||
                        item->Direction == QLatin1String("desc"));
                QCOMPARE(item->FieldName, item->FieldName.trimmed());
                QVERIFY(!item->TableAlias.contains(u'.'));
            }
        }
        const QString clause = order.BuildOrderBy();
        QCOMPARE(clause.isEmpty(), order.Count() == 0);
        const QString replaced = TDBGridSorter::ReplaceOrderBy(text, clause);
        QVERIFY(replaced.endsWith(clause));
        QVERIFY(replaced.size() <= text.size() + clause.size());
        ++count;
    }
    qInfo("%lld zufällige Anweisungen gelesen", count);
}
