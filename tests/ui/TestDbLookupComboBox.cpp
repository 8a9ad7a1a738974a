#include "TestDbLookupComboBox.h"

#include "DbLookupComboBox.h"
#include "FieldBinder.h"
#include "FormTestKit.h"

#include <QtTest>

using namespace FormTestKit;

namespace
{

QStringList Items(const QComboBox &combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

const QString Account = QStringLiteral("Lu_Afa_Konten_Bezeichnung");

} // namespace

void TestDbLookupComboBox::listFollowsTheAccounts()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *k = dm->qry_Afa_Konten;
    TFieldBinder binder(e);
    TDbLookupComboBox combo;
    combo.Bind(&binder, Account);
    QCOMPARE(Items(combo), (QStringList{"Konto 0400", "Konto 0420"}));
    QCOMPARE(combo.currentText(), QStringLiteral("Konto 0400"));

    // Posted on the accounts page: in the list at once.
    k->Append();
    F(k, "NR")->SetAsString(QStringLiteral("0500"));
    F(k, "BEZEICHNUNG")->SetAsString(QStringLiteral("Fuhrpark"));
    k->Post();
    QCOMPARE(Items(combo), (QStringList{"Konto 0400", "Konto 0420", "Fuhrpark"}));
    // Renamed: the new name, also as the asset's shown account.
    k->First();
    k->Edit();
    F(k, "BEZEICHNUNG")->SetAsString(QStringLiteral("Betriebsausstattung"));
    k->Post();
    QCOMPARE(Items(combo), (QStringList{"Betriebsausstattung", "Konto 0420", "Fuhrpark"}));
    QCOMPARE(combo.currentText(), QStringLiteral("Betriebsausstattung"));
    // Inserted before the shown one: the asset's account stays shown.
    k->First();
    k->Insert();
    F(k, "NR")->SetAsString(QStringLiteral("0100"));
    F(k, "BEZEICHNUNG")->SetAsString(QStringLiteral("Grundstücke"));
    k->Post();
    QCOMPARE(Items(combo),
             (QStringList{"Grundstücke", "Betriebsausstattung", "Konto 0420", "Fuhrpark"}));
    QCOMPARE(combo.currentText(), QStringLiteral("Betriebsausstattung"));
    // Deleted: gone.
    QVERIFY(k->Locate(QStringLiteral("NR"), QStringLiteral("0420")));
    k->Delete();
    QCOMPARE(Items(combo), (QStringList{"Grundstücke", "Betriebsausstattung", "Fuhrpark"}));
    QCOMPARE(combo.currentText(), QStringLiteral("Betriebsausstattung"));
    // Following the accounts wrote nothing into the asset.
    QCOMPARE(e->State(), TStoreState::Browse);
    // Another asset without an account shows none.
    e->Append();
    QCOMPARE(combo.currentIndex(), -1);
    e->Cancel();
    // Read again (in the database's order): the same entries, the same account shown.
    k->Refresh();
    QStringList items = Items(combo);
    items.sort();
    QCOMPARE(items, (QStringList{"Betriebsausstattung", "Fuhrpark", "Grundstücke"}));
    QCOMPARE(combo.currentText(), QStringLiteral("Betriebsausstattung"));
}

void TestDbLookupComboBox::choiceWritesTheKey()
{
    QString path;
    auto dm = Module(&path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *k = dm->qry_Afa_Konten;
    TFieldBinder binder(e);
    TDbLookupComboBox combo;
    binder.addMapping(&combo, Account);
    QCOMPARE(binder.mappedPropertyName(&combo), QByteArray("lookupIndex"));
    combo.Bind(&binder, Account);
    QVERIFY(!combo.hasFrame());
    // The user picks the next entry with the keyboard.
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentText(), QStringLiteral("Konto 0420"));
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(F(e, "AFA_KONTEN_ID")->Value(), k->Lookup("NR", "0420", "ID"));
    e->Post();
    const int id = F(e, "ID")->AsInteger();
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select k.NR from AFA_ERFASSUNG e join "
                                                       "AFA_KONTEN k on k.ID = e.AFA_KONTEN_ID "
                                                       "where e.ID = %1")
                                            .arg(id))
                 .toString(),
             QStringLiteral("0420"));
    // Moving shows the other row's account without writing.
    e->Next();
    QCOMPARE(combo.currentText(), QStringLiteral("Konto 0400"));
    QCOMPARE(e->State(), TStoreState::Browse);
}
