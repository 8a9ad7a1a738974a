#include "TestDbNavigator.h"

#include "DbEdit.h"
#include "DbNavigator.h"
#include "FieldBinder.h"
#include "FormTestKit.h"

#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace FormTestKit;

namespace
{

using B = TNavigateBtn;

// The buttons enabled, as a string of ten 0/1 in button order.
QString Enabled(const TDbNavigator &nav)
{
    QString flags;
    for (int i = 0; i < TDbNavigator::ButtonCount; ++i)
        flags += nav.Button(B(i))->isEnabled() ? u'1' : u'0';
    return flags;
}

} // namespace

void TestDbNavigator::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDbNavigator::looksAndNames()
{
    TDbNavigator nav;
    QCOMPARE(nav.size(), QSize(260, 25));
    const QStringList names = {
        QStringLiteral("Erster Datensatz"),      QStringLiteral("Vorheriger Datensatz"),
        QStringLiteral("Nächster Datensatz"),    QStringLiteral("Letzter Datensatz"),
        QStringLiteral("Datensatz einfügen"),    QStringLiteral("Datensatz löschen"),
        QStringLiteral("Datensatz bearbeiten"),  QStringLiteral("Datensatz speichern"),
        QStringLiteral("Bearbeitung abbrechen"), QStringLiteral("Daten aktualisieren")};
    for (int i = 0; i < TDbNavigator::ButtonCount; ++i) {
        QToolButton *button = nav.Button(B(i));
        QCOMPARE(button->accessibleName(), names[i]);
        QCOMPARE(button->toolTip(), names[i]);
        QVERIFY(button->autoRaise());
        QVERIFY(!button->icon().isNull());
    }
    // No store: nothing to press.
    QCOMPARE(Enabled(nav), QStringLiteral("0000000000"));
}

void TestDbNavigator::buttonsFollowTheStore()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TDbNavigator nav(e);
    //                                   FPNLIDEPCR
    QCOMPARE(Enabled(nav), QStringLiteral("0011111001")); // first row
    e->Next();
    QCOMPARE(Enabled(nav), QStringLiteral("1111111001")); // middle
    e->Last();
    QCOMPARE(Enabled(nav), QStringLiteral("1100111001")); // last row
    e->Edit();
    QCOMPARE(Enabled(nav), QStringLiteral("1100110110"));
    e->Cancel();
    e->Insert(); // before the last row: one row after it
    QCOMPARE(Enabled(nav), QStringLiteral("1111110110"));
    e->Cancel();
    QCOMPARE(Enabled(nav), QStringLiteral("1100111001"));
    e->Close();
    QCOMPARE(Enabled(nav), QStringLiteral("0000000000"));

    // An open store without rows can only take a new one.
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    nav.SetStore(z);
    e->Open();
    if (!z->Active())
        z->Open();
    QVERIFY(z->IsEmpty());
    QCOMPARE(Enabled(nav), QStringLiteral("0000100001"));
    // A single row is first and last at once.
    z->Append();
    QCOMPARE(Enabled(nav), QStringLiteral("0000110110"));
    z->Post();
    QCOMPARE(Enabled(nav), QStringLiteral("0000111001"));
    // The read-only kinds take no edits.
    nav.SetStore(dm->qry_Afa_Arten);
    QVERIFY(dm->qry_Afa_Arten->RecordCount() > 1);
    dm->qry_Afa_Arten->First();
    QCOMPARE(Enabled(nav), QStringLiteral("0011000001"));
    nav.SetStore(nullptr);
    QCOMPARE(Enabled(nav), QStringLiteral("0000000000"));
}

void TestDbNavigator::buttonsRunTheirCommands()
{
    QString path;
    auto dm = Module(&path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TDbNavigator nav(e);
    const auto click = [&](B b) { nav.Button(b)->click(); };
    click(B::Next);
    QCOMPARE(e->RecNo(), 1);
    click(B::Last);
    QCOMPARE(e->RecNo(), 2);
    click(B::Prior);
    QCOMPARE(e->RecNo(), 1);
    click(B::First);
    QCOMPARE(e->RecNo(), 0);
    // A disabled button does nothing, also when run directly.
    nav.BtnClick(B::Prior);
    QCOMPARE(e->RecNo(), 0);

    click(B::Edit);
    QCOMPARE(e->State(), TStoreState::Edit);
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Schreibtisch"));
    click(B::Post);
    QCOMPARE(e->State(), TStoreState::Browse);
    const QVariant id = F(e, "ID")->Value();
    QCOMPARE(TestDatabase::Scalar(path, QStringLiteral("select BEZEICHNUNG from AFA_ERFASSUNG "
                                                       "where ID = %1")
                                            .arg(id.toInt())),
             QVariant(QStringLiteral("Schreibtisch")));
    click(B::Edit);
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("verworfen"));
    click(B::Cancel);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Schreibtisch"));

    click(B::Insert);
    QCOMPARE(e->State(), TStoreState::Insert);
    QCOMPARE(e->RecordCount(), 4);
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Neu"));
    click(B::Post);
    QCOMPARE(
        TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_ERFASSUNG")).toInt(),
        4);

    // Refresh reads again and stays on the row.
    e->Last();
    const QVariant lastId = F(e, "ID")->Value();
    click(B::Refresh);
    QCOMPARE(e->RecordCount(), 4);
    QCOMPARE(F(e, "ID")->Value(), lastId);
    QCOMPARE(e->State(), TStoreState::Browse);
}

void TestDbNavigator::deleteAsksFirst()
{
    QString path;
    auto dm = Module(&path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TDbNavigator nav(e);
    const auto count = [&] {
        return TestDatabase::Scalar(path, QStringLiteral("select count(*) from AFA_ERFASSUNG"))
            .toInt();
    };
    {
        TBoxAnswerer no(QStringLiteral("Nein"));
        nav.Button(B::Delete)->click();
        QCOMPARE(no.Shown, QStringList{QStringLiteral("Datensatz löschen?")});
        QCOMPARE(no.Buttons.value(0), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    }
    QCOMPARE(e->RecordCount(), 3);
    QCOMPARE(count(), 3);
    const QVariant first = F(e, "ID")->Value();
    {
        TBoxAnswerer yes(QStringLiteral("Ja"));
        nav.Button(B::Delete)->click();
        QCOMPARE(yes.Shown.size(), 1);
    }
    QCOMPARE(e->RecordCount(), 2);
    QCOMPARE(count(), 2);
    QVERIFY(F(e, "ID")->Value() != first);
}

void TestDbNavigator::typedTextGoesWithTheCommand()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    auto *nav = new TDbNavigator(e, &page);
    auto *name = new TDbEdit(&page);
    layout->addWidget(nav);
    layout->addWidget(name);
    name->Bind(&binder, QStringLiteral("BEZEICHNUNG"));
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    name->setFocus();

    // Typing starts editing: post and cancel can be pressed.
    QTest::keyClicks(name, QStringLiteral("Regal"));
    QCOMPARE(e->State(), TStoreState::Edit);
    QVERIFY(nav->Button(B::Post)->isEnabled());
    nav->Button(B::Post)->click();
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Regal"));

    // Cancel drops what was typed, in the store and in the edit.
    QTest::keyClicks(name, QStringLiteral("XY"));
    nav->Button(B::Cancel)->click();
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Regal"));
    QCOMPARE(name->text(), QStringLiteral("Regal"));
    QCOMPARE(e->State(), TStoreState::Browse);

    // Moving posts the typed text to the row it was typed on, not to the next one.
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Tisch"));
    nav->Button(B::Next)->click();
    QCOMPARE(e->RecNo(), 1);
    QVERIFY(F(e, "BEZEICHNUNG")->IsNull());
    QCOMPARE(name->text(), QString());
    nav->Button(B::First)->click();
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Tisch"));
}

void TestDbNavigator::refusedPostKeepsTheRowInEditing()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TDbNavigator nav(e);
    nav.Button(B::Edit)->click();
    const QString tooLong(40, u'X'); // INVENTARNR holds 32
    F(e, "INVENTARNR")->SetAsString(tooLong);
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("bleibt"));
    QSignalSpy done(&nav, &TDbNavigator::Clicked);
    TBoxAnswerer ok(QStringLiteral("OK"));
    nav.Button(B::Post)->click();
    QCOMPARE(ok.Shown.size(), 1);
    QVERIFY(!ok.Shown[0].isEmpty());
    QCOMPARE(done.count(), 0);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(F(e, "INVENTARNR")->AsString(), tooLong);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("bleibt"));
    QVERIFY(nav.Button(B::Post)->isEnabled());
    // Moving posts first, so it is refused the same way and the store stays.
    nav.BtnClick(B::Next);
    QCOMPARE(ok.Shown.size(), 2);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(e->RecNo(), 0);
}
