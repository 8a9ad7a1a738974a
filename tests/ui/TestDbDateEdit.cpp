#include "TestDbDateEdit.h"

#include "CalendarYearPopup.h"
#include "DbDateEdit.h"
#include "DbNavigator.h"
#include "FieldBinder.h"
#include "FormTestKit.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLineEdit>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace FormTestKit;

namespace
{

QDate Stored(TRecordStore *store, const char *field)
{
    const TStoreField *f = F(store, field);
    return f->IsNull() ? QDate() : DateSerial::ToQDateTime(f->AsDateTime()).date();
}

// Replaces the picker's text as typed and presses Return.
void Type(TDbDateEdit &edit, const QString &text)
{
    edit.LineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit.LineEdit(), Qt::Key_Delete);
    else
        QTest::keyClicks(edit.LineEdit(), text);
    QTest::keyClick(edit.LineEdit(), Qt::Key_Return);
}

} // namespace

void TestDbDateEdit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDbDateEdit::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void TestDbDateEdit::typedTextIsRead_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("shown");
    QTest::newRow("49 last of the window") << "05.03.49" << QDate(2049, 3, 5) << "Fr, 05.03.2049";
    QTest::newRow("50 first of the window") << "05.03.50" << QDate(1950, 3, 5) << "So, 05.03.1950";
    QTest::newRow("00") << "1.1.00" << QDate(2000, 1, 1) << "Sa, 01.01.2000";
    QTest::newRow("99") << "31.12.99" << QDate(1999, 12, 31) << "Fr, 31.12.1999";
    QTest::newRow("four digits 1949 stay") << "05.03.1949" << QDate(1949, 3, 5) << "Sa, 05.03.1949";
    QTest::newRow("four digits 2050 stay") << "05.03.2050" << QDate(2050, 3, 5) << "Sa, 05.03.2050";
    QTest::newRow("display text") << "Mo, 05.03.2012" << QDate(2012, 3, 5) << "Mo, 05.03.2012";
    QTest::newRow("old weekday, new day")
        << "Mo, 06.03.2012" << QDate(2012, 3, 6) << "Di, 06.03.2012";
    QTest::newRow("long weekday") << "Montag 05.03.2012" << QDate(2012, 3, 5) << "Mo, 05.03.2012";
    QTest::newRow("29 February leap") << "29.02.2024" << QDate(2024, 2, 29) << "Do, 29.02.2024";
}

void TestDbDateEdit::typedTextIsRead()
{
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    QFETCH(QString, shown);
    QString path;
    auto dm = Module(&path);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    TDbDateEdit edit;
    edit.Bind(&binder, QStringLiteral("ANSCHAFFUNGSDATUM"));
    Type(edit, typed);
    QCOMPARE(edit.Date(), date);
    QCOMPARE(edit.Text(), shown);
    QCOMPARE(e->State(), TStoreState::Edit);
    e->Post();
    e->Refresh();
    QCOMPARE(Stored(e, "ANSCHAFFUNGSDATUM"), date);
    QCOMPARE(edit.Text(), shown);
}

void TestDbDateEdit::showsTheFieldWithGermanWeekday()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    TDbDateEdit edit;
    binder.addMapping(&edit, QStringLiteral("ANSCHAFFUNGSDATUM"));
    QCOMPARE(binder.mappedPropertyName(&edit), QByteArray("date"));
    e->Edit();
    F(e, "ANSCHAFFUNGSDATUM")
        ->SetAsDateTime(DateSerial::FromQDateTime(QDate(2012, 3, 5).startOfDay()));
    QCOMPARE(edit.Text(), QStringLiteral("Mo, 05.03.2012"));
    const QStringList week = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int day = 0; day < 7; ++day) {
        edit.SetDate(QDate(2012, 3, 5 + day));
        QCOMPARE(edit.Text().left(4), week[day] + QStringLiteral(", "));
    }
    QFont font = edit.LineEdit()->font();
    QVERIFY(font.bold());
    QCOMPARE(edit.LineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
}

void TestDbDateEdit::emptyFieldAndClearedText()
{
    QString path;
    auto dm = Module(&path);
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    if (!z->Active())
        z->Open();
    z->Append();
    z->Post();
    TFieldBinder binder(z);
    TDbDateEdit edit;
    edit.Bind(&binder, QStringLiteral("DATUM"));
    // A null field and the stores' zero date both show empty.
    QVERIFY(F(z, "DATUM")->IsNull());
    QCOMPARE(edit.Text(), QString());
    QCOMPARE(edit.Date(), QDate());
    z->Edit();
    F(z, "DATUM")->SetAsDateTime(0);
    QCOMPARE(edit.Text(), QString());
    F(z, "DATUM")->SetAsDateTime(1); // 31.12.1899 is a date
    QCOMPARE(edit.Text(), QStringLiteral("So, 31.12.1899"));
    z->Cancel();
    QCOMPARE(edit.Text(), QString());

    // Clearing the text stores null.
    Type(edit, QStringLiteral("05.03.2012"));
    z->Post();
    QCOMPARE(Stored(z, "DATUM"), QDate(2012, 3, 5));
    Type(edit, QString());
    QCOMPARE(edit.Date(), QDate());
    QCOMPARE(z->State(), TStoreState::Edit);
    z->Post();
    const int id = F(z, "ID")->AsInteger();
    QVERIFY(TestDatabase::Scalar(
                path, QStringLiteral("select DATUM from AFA_ZUABGANG where ID = %1").arg(id))
                .isNull());
    QCOMPARE(edit.Text(), QString());
}

void TestDbDateEdit::unreadableTextIsRefused()
{
    auto dm = Module();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TFieldBinder binder(e);
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    auto *nav = new TDbNavigator(e, &page);
    auto *edit = new TDbDateEdit(&page);
    layout->addWidget(nav);
    layout->addWidget(edit);
    edit->Bind(&binder, QStringLiteral("ANSCHAFFUNGSDATUM"));
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    edit->setFocus();
    const QDate before = Stored(e, "ANSCHAFFUNGSDATUM");
    QVERIFY(before.isValid());
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("Stuhl"));

    TBoxAnswerer ok(QStringLiteral("OK"));
    for (const QString &typed : {QStringLiteral("31.02.2024"), QStringLiteral("05.03.202"),
                                 QStringLiteral("0.03.2012"), QStringLiteral("05.13.2012"),
                                 QStringLiteral("Xy, 05.03.2012"), QStringLiteral("05032012")}) {
        ok.Shown.clear();
        Type(*edit, typed);
        QCOMPARE(ok.Shown, QStringList{QStringLiteral("'%1' ist kein gültiges Datum").arg(typed)});
        QCOMPARE(edit->Text(), typed);
        QCOMPARE(e->State(), TStoreState::Edit);
        QCOMPARE(Stored(e, "ANSCHAFFUNGSDATUM"), before);
    }
    // The navigator's post is stopped by the same message; the row stays in editing.
    ok.Shown.clear();
    nav->Button(TNavigateBtn::Post)->click();
    QCOMPARE(ok.Shown.size(), 1);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Stuhl"));

    // A half-typed text after a readable one: a post meanwhile keeps the stored date.
    edit->LineEdit()->selectAll();
    QTest::keyClicks(edit->LineEdit(), QStringLiteral("05.03.20"));
    QCOMPARE(edit->Date(), QDate(2020, 3, 5));
    QTest::keyClicks(edit->LineEdit(), QStringLiteral("2"));
    QCOMPARE(edit->Date(), before);
    e->Post();
    QCOMPARE(Stored(e, "ANSCHAFFUNGSDATUM"), before);
    QCOMPARE(F(e, "BEZEICHNUNG")->AsString(), QStringLiteral("Stuhl"));
}

void TestDbDateEdit::calendarChoiceIsWritten()
{
    auto dm = Module();
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    if (!z->Active())
        z->Open();
    z->Append();
    TFieldBinder binder(z);
    TDbDateEdit edit;
    edit.Bind(&binder, QStringLiteral("DATUM"));
    edit.ShowCalendar();
    QVERIFY(edit.Calendar()->isVisible());
    QCOMPARE(edit.Calendar()->firstDayOfWeek(), Qt::Monday);
    emit edit.Calendar()->clicked(QDate(2012, 3, 5));
    QVERIFY(!edit.Calendar()->isVisible());
    QCOMPARE(edit.Text(), QStringLiteral("Mo, 05.03.2012"));
    QCOMPARE(Stored(z, "DATUM"), QDate(2012, 3, 5));
    z->Post();
    QCOMPARE(Stored(z, "DATUM"), QDate(2012, 3, 5));
}

void TestDbDateEdit::unboundPickerStartsEmpty()
{
    TDbDateEdit edit;
    edit.setFixedWidth(153);
    QCOMPARE(edit.Date(), QDate());
    QCOMPARE(edit.Text(), QString());
    QSignalSpy finished(&edit, &TDbDateEdit::editingFinished);
    Type(edit, QStringLiteral("1.1.2024"));
    QCOMPARE(edit.Date(), QDate(2024, 1, 1));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(edit.width(), 153);
    QVERIFY(!edit.accessibleName().isEmpty());
    QVERIFY(!edit.DropDownButton()->accessibleName().isEmpty());
}

void TestDbDateEdit::yearListStartsAtTwoThousandInFourColumns()
{
    TDbDateEdit picker;
    picker.SetYearPopup(2000, 4);
    picker.SetDate(QDate(2012, 3, 5));
    picker.show();
    picker.ShowCalendar();
    auto *yearButton =
        picker.Calendar()->findChild<QToolButton *>(QStringLiteral("qt_calendar_yearbutton"));
    QVERIFY(yearButton);
    QTest::mouseClick(yearButton, Qt::LeftButton);
    QFrame *list = picker.YearPopup()->Popup();
    QVERIFY(list && list->isVisible());
    auto *grid = qobject_cast<QGridLayout *>(list->layout());
    QCOMPARE(grid->columnCount(), 4);
    const auto yearAt = [grid](int row, int column) {
        return qobject_cast<QToolButton *>(grid->itemAtPosition(row, column)->widget());
    };
    QCOMPARE(yearAt(0, 0)->text(), QStringLiteral("2000"));
    QCOMPARE(yearAt(0, 3)->text(), QStringLiteral("2003"));
    QCOMPARE(yearAt(1, 0)->text(), QStringLiteral("2004"));
    QVERIFY(yearAt(3, 0)->isChecked()); // 2012, the year shown
    QVERIFY(grid->count() >= QDate::currentDate().year() - 2000 + 1);
    yearAt(7, 3)->click(); // 2031
    QCOMPARE(picker.Calendar()->yearShown(), 2031);
    QCOMPARE(picker.Calendar()->monthShown(), 3);
    QVERIFY(!list->isVisible());
    // Nothing was chosen yet: the date stays.
    QCOMPARE(picker.Date(), QDate(2012, 3, 5));
}
