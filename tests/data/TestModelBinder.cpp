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

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    dm->qry_Afa_Erfassung->Append();
    QCOMPARE(model.rowCount(), 3);
    dm->qry_Afa_Erfassung->Cancel();
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(reset.count() >= 2);
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

    // Half-typed text is not read; the commit writes it.
    cost.Type(QStringLiteral("1.234,"));
    QCOMPARE(e->State(), TStoreState::Browse);
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
