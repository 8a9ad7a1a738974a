#include "TestDbFieldControls.h"

#include "DbCheckBox.h"
#include "DbEdit.h"
#include "FieldBinder.h"
#include "FormTestKit.h"

#include <QtTest>

using namespace FormTestKit;

void TestDbFieldControls::checkBoxShowsThreeStates()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    TDbCheckBox box(QStringLiteral("Aktiv"));
    binder.addMapping(&box, QStringLiteral("AKTIV"));
    QCOMPARE(binder.mappedPropertyName(&box), QByteArray("checkState"));
    QCOMPARE(box.accessibleName(), QStringLiteral("Aktiv"));
    e->Edit();
    const QList<QPair<QVariant, Qt::CheckState>> cases = {{1, Qt::Checked},
                                                          {0, Qt::Unchecked},
                                                          {2, Qt::Unchecked},
                                                          {QVariant(), Qt::PartiallyChecked}};
    for (const auto &[value, state] : cases) {
        F(e, "AKTIV")->SetValue(value);
        QCOMPARE(box.checkState(), state);
    }
    e->Cancel();
    // Moving to a row of another value shows it.
    e->Edit();
    F(e, "AKTIV")->SetValue(0);
    e->Post();
    e->Next();
    QCOMPARE(box.checkState(), Qt::Checked);
    e->Prior();
    QCOMPARE(box.checkState(), Qt::Unchecked);
}

void TestDbFieldControls::checkBoxClicksWriteYesAndNo_data()
{
    QTest::addColumn<bool>("movement");
    QTest::newRow("asset") << false;
    QTest::newRow("movement") << true;
}

void TestDbFieldControls::checkBoxClicksWriteYesAndNo()
{
    QFETCH(bool, movement);
    QString path;
    auto dm = Module(&path);
    TRecordStore *store = dm->qry_Afa_Erfassung;
    if (movement) {
        store = dm->qry_Afa_ZuAbgang;
        if (!store->Active())
            store->Open();
        store->Append();
        store->Post();
    }
    const QString table =
        movement ? QStringLiteral("AFA_ZUABGANG") : QStringLiteral("AFA_ERFASSUNG");
    const int id = F(store, "ID")->AsInteger();
    const auto stored = [&] {
        return TestDatabase::Scalar(
            path, QStringLiteral("select AKTIV from %1 where ID = %2").arg(table).arg(id));
    };
    store->Edit();
    F(store, "AKTIV")->Clear();
    store->Post();
    QVERIFY(stored().isNull());

    TFieldBinder binder(store);
    TDbCheckBox box;
    box.Bind(&binder, QStringLiteral("AKTIV"));
    QCOMPARE(box.checkState(), Qt::PartiallyChecked);
    // From greyed a click checks; then it only ever toggles, never back to greyed.
    const Qt::CheckState expected[] = {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked};
    for (Qt::CheckState state : expected) {
        box.click();
        QCOMPARE(box.checkState(), state);
        QCOMPARE(F(store, "AKTIV")->DisplayText(),
                 state == Qt::Checked ? QStringLiteral("Ja") : QStringLiteral("Nein"));
        store->Post();
        QCOMPARE(stored().toInt(), state == Qt::Checked ? 1 : 0);
    }
    // The space key as well.
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(box.checkState(), Qt::Checked);
    QCOMPARE(F(store, "AKTIV")->AsInteger(), 1);
}

void TestDbFieldControls::editTakesTheFieldSize()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    TDbEdit number, name, cost;
    number.Bind(&binder, QStringLiteral("INVENTARNR"));
    name.Bind(&binder, QStringLiteral("BEZEICHNUNG"));
    cost.Bind(&binder, QStringLiteral("KOSTEN"));
    QCOMPARE(number.size(), QSize(225, 19));
    QVERIFY(!number.hasFrame());
    QCOMPARE(number.maxLength(), 32);
    QCOMPARE(name.maxLength(), 255);
    QCOMPARE(cost.maxLength(), QLineEdit().maxLength());
    QVERIFY(!number.accessibleName().isEmpty());
    QCOMPARE(cost.text(), QStringLiteral("100"));
    // A typed number one over the limit is cut to the field's size.
    QTest::keyClicks(&number, QString(33, u'7'));
    QCOMPARE(number.text().size(), 32);
    QTest::keyClick(&number, Qt::Key_Return);
    e->Post();
    QCOMPARE(F(e, "INVENTARNR")->AsString(), QString(32, u'7'));
    // Amounts go through the field's text form.
    cost.selectAll();
    QTest::keyClicks(&cost, QStringLiteral("1234,5"));
    QTest::keyClick(&cost, Qt::Key_Return);
    QCOMPARE(F(e, "KOSTEN")->AsFloat(), 1234.5);
    QCOMPARE(cost.text(), QStringLiteral("1.234,5"));
}
