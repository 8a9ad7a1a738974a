#include "TestModelBinder.h"

#include "DMod_Afa.h"
#include "FieldBinder.h"
#include "StoreTableModel.h"
#include "TestDatabase.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace
{

std::unique_ptr<Tdm_Afa> ModuleWithAssets()
{
    auto dm = std::make_unique<Tdm_Afa>(nullptr, TestDatabase::FreshCopy());
    TRecordStore *k = dm->qry_Afa_Konten;
    k->Open();
    for (const char *nr : {"0400", "0420"}) {
        k->Append();
        k->FieldByName(QStringLiteral("NR"))->SetAsString(QString::fromLatin1(nr));
        k->FieldByName(QStringLiteral("BEZEICHNUNG"))
            ->SetAsString(QStringLiteral("Konto ") + QString::fromLatin1(nr));
        k->Post();
    }
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Open();
    for (double cost : {1234.5, 0.25}) {
        e->Append();
        e->FieldByName(QStringLiteral("KOSTEN"))->SetAsFloat(cost);
        e->Post();
    }
    e->First();
    return dm;
}

} // namespace

void TestModelBinder::modelShowsTheStore()
{
    auto dm = ModuleWithAssets();
    TStoreTableModel model(dm->qry_Afa_Erfassung);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), dm->qry_Afa_Erfassung->FieldCount());
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("#"));
    const int cost = model.ColumnOfField(QStringLiteral("KOSTEN"));
    QCOMPARE(model.headerData(cost, Qt::Horizontal).toString(), QStringLiteral("Kosten"));
    QCOMPARE(model.data(model.index(0, cost)).toString(), QStringLiteral("1.234,5"));
    QCOMPARE(model.data(model.index(1, cost)).toString(), QStringLiteral(",25"));
    QCOMPARE(model.data(model.index(1, cost), Qt::EditRole).toString(), QStringLiteral(",25"));
    QCOMPARE(model.data(model.index(0, cost), Qt::TextAlignmentRole).toInt() & Qt::AlignLeft,
             int(Qt::AlignLeft));
    const int rest = model.ColumnOfField(QStringLiteral("RESTBUCHWERT"));
    QCOMPARE(model.data(model.index(0, rest), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
             int(Qt::AlignRight));
    QCOMPARE(model.data(model.index(0, model.ColumnOfField(QStringLiteral("AKTIV")))).toString(),
             QStringLiteral("Ja"));
    QVERIFY(!(model.flags(model.index(0, model.ColumnOfField(QStringLiteral("AFA_ART_KUERZEL")))) &
              Qt::ItemIsEditable));
    // Reading row 1 does not move the store.
    QCOMPARE(dm->qry_Afa_Erfassung->RecNo(), 0);

    // Rows added and dropped are announced as such, without a reset.
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    dm->qry_Afa_Erfassung->Append();
    QCOMPARE(model.rowCount(), 3);
    dm->qry_Afa_Erfassung->Cancel();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(reset.count(), 0);
}

void TestModelBinder::modelEditsThroughTextForms()
{
    auto dm = ModuleWithAssets();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    QSignalSpy errors(&model, &TStoreTableModel::ErrorRaised);
    const int cost = model.ColumnOfField(QStringLiteral("KOSTEN"));
    QVERIFY(model.setData(model.index(1, cost), QStringLiteral("2.000,75")));
    QCOMPARE(e->RecNo(), 1);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(model.data(model.index(1, cost)).toString(), QStringLiteral("2.000,75"));
    const int life = model.ColumnOfField(QStringLiteral("NUTZUNGSDAUER"));
    QVERIFY(!model.setData(model.index(1, life), QStringLiteral("fünf Jahre")));
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.at(0).at(0).toString().contains(QStringLiteral("Nutzungsdauer")));
    // Moving to another row posts the edited one.
    QVERIFY(model.setData(model.index(0, life), QStringLiteral("60")));
    QCOMPARE(e->RecNo(), 0);
    e->Post();
    e->Refresh();
    QVERIFY(e->Locate(QStringLiteral("KOSTEN"), 2000.75));
}

// An editor left as it was hands back the cell's edit text. Nothing is written: no amount
// rounded to its three shown decimals, no 0 emptied, no date without its time of day.
void TestModelBinder::modelLeavesUnchangedCellsAlone()
{
    const QString path = TestDatabase::FreshCopy();
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Open();
    const QDateTime bought(QDate(2012, 3, 5), QTime(14, 30, 7));
    e->Append();
    e->FieldByName(QStringLiteral("KOSTEN"))->SetAsFloat(1234.5678);
    e->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))->SetValue(bought);
    e->FieldByName(QStringLiteral("PROZENTSATZ"))->SetAsFloat(0.1 + 0.2);
    e->Post();
    const int first = e->CurrentId().toInt();
    e->Append();
    e->FieldByName(QStringLiteral("KOSTEN"))->SetAsFloat(0);
    e->FieldByName(QStringLiteral("RESTBUCHWERT"))->Clear();
    e->Post();
    const int second = e->CurrentId().toInt();
    e->First();

    TStoreTableModel model(e);
    QSignalSpy states(e, &TRecordStore::StateChanged);
    QSignalSpy errors(&model, &TStoreTableModel::ErrorRaised);
    const int cost = model.ColumnOfField(QStringLiteral("KOSTEN"));
    QCOMPARE(model.data(model.index(0, cost), Qt::EditRole).toString(),
             QStringLiteral("1.234,568"));
    QCOMPARE(model.data(model.index(1, cost), Qt::EditRole).toString(), QString());
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            if (model.flags(index) & Qt::ItemIsEditable)
                QVERIFY(model.setData(index, model.data(index, Qt::EditRole)));
        }
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(e->RecNo(), 0);
    QCOMPARE(states.count(), 0);
    QCOMPARE(errors.count(), 0);

    // A changed cell is written.
    QVERIFY(model.setData(model.index(1, model.ColumnOfField(QStringLiteral("NUTZUNGSDAUER"))),
                          QStringLiteral("60")));
    QCOMPARE(e->State(), TStoreState::Edit);
    e->Post();
    dm.reset();
    const auto stored = [&path](const char *column, int id) {
        return TestDatabase::Scalar(path,
                                    QStringLiteral("select %1 from AFA_ERFASSUNG where ID = %2")
                                        .arg(QString::fromLatin1(column))
                                        .arg(id));
    };
    QCOMPARE(stored("KOSTEN", first).toDouble(), 1234.5678);
    QCOMPARE(stored("ANSCHAFFUNGSDATUM", first).toDateTime(), bought);
    QCOMPARE(stored("PROZENTSATZ", first).toDouble(), 0.1 + 0.2);
    QVERIFY(stored("INVENTARNR", first).isNull());
    QVERIFY(!stored("KOSTEN", second).isNull());
    QCOMPARE(stored("KOSTEN", second).toDouble(), 0.0);
    QCOMPARE(stored("NUTZUNGSDAUER", second).toInt(), 60);
    QVERIFY(stored("RESTBUCHWERT", second).isNull());
    QCOMPARE(stored("RESTBUCHWERT", first).toDouble(), 0.0);
    QVERIFY(!stored("RESTBUCHWERT", first).isNull());
}

// The key is the program's: no ID cell of the entry stores can be edited through the grid.
void TestModelBinder::modelKeepsIdColumnsReadOnly()
{
    auto dm = ModuleWithAssets();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Append();
    e->Post();
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    z->Append();
    z->Post();
    for (TRecordStore *store : {e, dm->qry_Afa_Konten, z}) {
        TStoreTableModel model(store);
        QSignalSpy states(store, &TRecordStore::StateChanged);
        const QModelIndex id = model.index(0, model.ColumnOfField(QStringLiteral("ID")));
        QVERIFY(id.isValid());
        const QString before = model.data(id).toString();
        QVERIFY(!(model.flags(id) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(id, QStringLiteral("999")));
        QCOMPARE(model.data(id).toString(), before);
        QCOMPARE(store->State(), TStoreState::Browse);
        QCOMPARE(states.count(), 0);
        const QModelIndex name = model.index(0, model.ColumnOfField(QStringLiteral("BEZEICHNUNG")));
        QVERIFY(model.flags(name) & Qt::ItemIsEditable);
    }
}

void TestModelBinder::binderFillsAndWrites()
{
    auto dm = ModuleWithAssets();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    TFakeControl cost, active, date, account;
    binder.Bind(&cost, "text", QStringLiteral("KOSTEN"), TBindKind::Text, "editingFinished()");
    binder.Bind(&active, "checkState", QStringLiteral("AKTIV"), TBindKind::Check);
    binder.Bind(&date, "dateTime", QStringLiteral("ANSCHAFFUNGSDATUM"), TBindKind::Date);
    binder.Bind(&account, "currentIndex", QStringLiteral("Lu_Afa_Konten_Bezeichnung"),
                TBindKind::Lookup);
    QCOMPARE(binder.LookupItems(QStringLiteral("Lu_Afa_Konten_Bezeichnung")),
             (QStringList{QStringLiteral("Konto 0400"), QStringLiteral("Konto 0420")}));
    QCOMPARE(cost.m_text, QStringLiteral("1.234,5"));
    QCOMPARE(active.m_check, int(Qt::Checked));
    QCOMPARE(date.m_date.date(), QDate::currentDate());
    QCOMPARE(account.m_index, -1);

    // Half-typed text starts editing but is not read; the commit writes it.
    cost.Type(QStringLiteral("1.234,"));
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(e->FieldByName(QStringLiteral("KOSTEN"))->AsFloat(), 1234.5);
    cost.Type(QStringLiteral("1.234,56"));
    cost.Finish();
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(e->FieldByName(QStringLiteral("KOSTEN"))->AsFloat(), 1234.56);
    active.Click(int(Qt::Unchecked));
    QCOMPARE(e->FieldByName(QStringLiteral("AKTIV"))->Value(), QVariant(0));
    date.Pick(QDateTime(QDate(2019, 7, 1), QTime()));
    QCOMPARE(e->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))->DisplayText(),
             QStringLiteral("Mo, 01.07.2019"));
    account.Choose(1);
    QCOMPARE(e->FieldByName(QStringLiteral("Lu_Afa_Konten_Nr"))->AsString(),
             QStringLiteral("0420"));
    // Pending text is written on post.
    cost.Type(QStringLiteral("99"));
    e->Post();
    QCOMPARE(e->FieldByName(QStringLiteral("KOSTEN"))->AsFloat(), 99.0);

    // Another row fills every control; a null flag shows undecided.
    e->Next();
    QCOMPARE(cost.m_text, QStringLiteral(",25"));
    e->Edit();
    e->FieldByName(QStringLiteral("AKTIV"))->Clear();
    QCOMPARE(active.m_check, int(Qt::PartiallyChecked));
    e->Cancel();
    e->Prior();
    QCOMPARE(cost.m_text, QStringLiteral("99"));
    QCOMPARE(active.m_check, int(Qt::Unchecked));
    QCOMPARE(account.m_index, 1);
}

void TestModelBinder::binderReportsRefusedInput()
{
    auto dm = ModuleWithAssets();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QSignalSpy errors(&binder, &TFieldBinder::ErrorRaised);
    TFakeControl life;
    binder.Bind(&life, "text", QStringLiteral("NUTZUNGSDAUER"), TBindKind::Text,
                "editingFinished()");
    e->Edit();
    e->FieldByName(QStringLiteral("NUTZUNGSDAUER"))->SetAsInteger(48);
    life.Type(QStringLiteral("vier Jahre"));
    life.Finish();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(e->FieldByName(QStringLiteral("NUTZUNGSDAUER"))->AsInteger(), 48);
    QCOMPARE(life.m_text, QStringLiteral("48"));
}
