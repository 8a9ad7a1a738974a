#include "TestBinderMapping.h"

#include "DMod_Afa.h"
#include "FieldBinder.h"
#include "TestDatabase.h"
#include "TestModules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace
{

TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

std::unique_ptr<Tdm_Afa> Module()
{
    return TestModules::ModuleWithThreeAssets();
}

} // namespace

void TestBinderMapping::mappingsTakeTheUserProperty()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QLineEdit cost;
    QCheckBox active;
    QDateEdit bought;
    QComboBox account;
    account.addItems(binder.LookupItems(QStringLiteral("Lu_Afa_Konten_Bezeichnung")));
    binder.addMapping(&cost, QStringLiteral("KOSTEN"));
    binder.addMapping(&active, QStringLiteral("AKTIV"));
    binder.addMapping(&bought, QStringLiteral("ANSCHAFFUNGSDATUM"));
    binder.addMapping(&account, QStringLiteral("Lu_Afa_Konten_Bezeichnung"));
    QCOMPARE(binder.mappedPropertyName(&cost), QByteArray("text"));
    QCOMPARE(binder.mappedPropertyName(&active), QByteArray("checked"));
    QCOMPARE(binder.mappedPropertyName(&bought), QByteArray("date"));
    QCOMPARE(binder.mappedPropertyName(&account), QByteArray("currentIndex"));
    QCOMPARE(binder.mappedWidgetAt(QStringLiteral("kosten")), &cost);
    QCOMPARE(binder.mappedFieldName(&bought), QStringLiteral("ANSCHAFFUNGSDATUM"));
    QCOMPARE(binder.mappedWidgetAt(QStringLiteral("BEZEICHNUNG")), nullptr);

    QCOMPARE(cost.text(), QStringLiteral("100"));
    QVERIFY(active.isChecked());
    QCOMPARE(bought.date(), QDate::currentDate());
    QCOMPARE(account.currentIndex(), 0);
    // An explicit property.
    QLineEdit name;
    binder.addMapping(&name, QStringLiteral("BEZEICHNUNG"), "placeholderText");
    QCOMPARE(binder.mappedPropertyName(&name), QByteArray("placeholderText"));
}

void TestBinderMapping::controlsWriteTheirFields()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QLineEdit cost, name;
    QCheckBox active;
    QDateEdit bought;
    QComboBox account;
    account.addItems(binder.LookupItems(QStringLiteral("Lu_Afa_Konten_Bezeichnung")));
    binder.addMapping(&cost, QStringLiteral("KOSTEN"));
    binder.addMapping(&name, QStringLiteral("BEZEICHNUNG"));
    binder.addMapping(&active, QStringLiteral("AKTIV"));
    binder.addMapping(&bought, QStringLiteral("ANSCHAFFUNGSDATUM"));
    binder.addMapping(&account, QStringLiteral("Lu_Afa_Konten_Bezeichnung"));

    // Typed text is written when editing is finished, not at every key.
    cost.selectAll();
    QTest::keyClicks(&cost, QStringLiteral("1.234,5"));
    QCOMPARE(e->State(), TStoreState::Edit); // typing starts editing
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 100.0);
    QTest::keyClick(&cost, Qt::Key_Return);
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 1234.5);
    bought.setDate(QDate(2020, 2, 29));
    QTest::keyClick(&bought, Qt::Key_Return);
    QCOMPARE(F(e, "ANSCHAFFUNGSDATUM")->DisplayText(), QStringLiteral("Sa, 29.02.2020"));
    // Check boxes and lists write at once.
    active.click();
    QCOMPARE(F(e, "AKTIV")->Value(), QVariant(0));
    account.setCurrentIndex(1);
    QCOMPARE(F(e, "Lu_Afa_Konten_Nr")->AsString(), QStringLiteral("0420"));
    // Text still being typed goes in with the post.
    QTest::keyClicks(&name, QStringLiteral("Drucker"));
    e->Post();
    e->Refresh();
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Drucker"));
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 1234.5);
    QCOMPARE(F(e, "AKTIV")->AsInteger(), 0);
    QVERIFY(!active.isChecked());
    QCOMPARE(account.currentIndex(), 1);
}

void TestBinderMapping::currentIndexIsTheStoresRow()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QLineEdit cost;
    binder.addMapping(&cost, QStringLiteral("KOSTEN"));
    QSignalSpy moved(&binder, &TFieldBinder::currentIndexChanged);
    QSignalSpy errors(&binder, &TFieldBinder::ErrorRaised);
    QCOMPARE(binder.currentIndex(), 0);
    binder.setCurrentIndex(2);
    QCOMPARE(e->RecNo(), 2);
    QCOMPARE(cost.text(), QStringLiteral("300"));
    QCOMPARE(moved.last().at(0).toInt(), 2);
    binder.toNext(); // the last row already
    QCOMPARE(binder.currentIndex(), 2);
    binder.toPrevious();
    QCOMPARE(cost.text(), QStringLiteral("200"));
    binder.toFirst();
    QCOMPARE(binder.currentIndex(), 0);
    binder.toLast();
    QCOMPARE(binder.currentIndex(), 2);
    // Rows outside the store are no move.
    const int signalsBefore = int(moved.count());
    binder.setCurrentIndex(-1);
    binder.setCurrentIndex(3);
    QCOMPARE(binder.currentIndex(), 2);
    QCOMPARE(moved.count(), signalsBefore);

    // A row that cannot be posted keeps the store where it is.
    e->Edit();
    F(e, "INVENTARNR")->SetAsString(QString(40, u'X'));
    binder.setCurrentIndex(0);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(binder.currentIndex(), 2);
    QCOMPARE(e->State(), TStoreState::Edit);
    e->Cancel();
    e->Close();
    QCOMPARE(binder.currentIndex(), -1);
}

void TestBinderMapping::revertDropsAndSubmitWritesTypedText()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QSignalSpy errors(&binder, &TFieldBinder::ErrorRaised);
    QLineEdit name, life;
    binder.addMapping(&name, QStringLiteral("BEZEICHNUNG"));
    binder.addMapping(&life, QStringLiteral("NUTZUNGSDAUER"));
    QTest::keyClicks(&name, QStringLiteral("verworfen"));
    binder.revert();
    QCOMPARE(name.text(), QString());
    QVERIFY(binder.submit()); // nothing typed: nothing to write
    QCOMPARE(e->State(), TStoreState::Browse);

    QTest::keyClicks(&name, QStringLiteral("Regal"));
    QVERIFY(binder.submit());
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Regal"));
    QTest::keyClicks(&life, QStringLiteral("vier Jahre"));
    QVERIFY(!binder.submit());
    QCOMPARE(errors.count(), 1);
    QVERIFY(F(e, "NUTZUNGSDAUER")->IsNull());
    QCOMPARE(life.text(), QString());
    e->Post();
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Regal"));
}

void TestBinderMapping::removedMappingLeavesTheControlAlone()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QLineEdit cost, name;
    binder.addMapping(&cost, QStringLiteral("KOSTEN"));
    binder.addMapping(&name, QStringLiteral("BEZEICHNUNG"));
    binder.removeMapping(&cost);
    QCOMPARE(binder.mappedWidgetAt(QStringLiteral("KOSTEN")), nullptr);
    QTest::keyClicks(&cost, QStringLiteral("5"));
    QTest::keyClick(&cost, Qt::Key_Return);
    QCOMPARE(e->State(), TStoreState::Browse);
    e->Next();
    QCOMPARE(cost.text(), QStringLiteral("1005"));
    // A control mapped again to another field follows that one only.
    binder.addMapping(&name, QStringLiteral("KOSTEN"));
    QCOMPARE(name.text(), QStringLiteral("200"));
    QCOMPARE(binder.mappedWidgetAt(QStringLiteral("BEZEICHNUNG")), nullptr);
    binder.clearMapping();
    e->Next();
    QCOMPARE(name.text(), QStringLiteral("200"));
}
