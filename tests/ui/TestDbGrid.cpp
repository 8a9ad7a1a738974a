#include "TestDbGrid.h"

#include "BoxAnswerer.h"
#include "DMod_Afa.h"
#include "DbGrid.h"
#include "GridColumns.h"
#include "IBDatabase.h"
#include "StoreTableModel.h"
#include "TestDatabase.h"
#include "TestModules.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace
{
using TestModules::ModuleWithAssets;

// A window with a page holding the grid and a form edit, and a control outside the page.
struct TGridWindow {
    QWidget Window;
    TDbGrid *Grid;
    QLineEdit *FormEdit;
    QLineEdit *Other;

    TGridWindow(TRecordStore *store, const QVector<TGridColumn> &columns, bool multiSelect)
    {
        auto *layout = new QVBoxLayout(&Window);
        auto *page = new QWidget(&Window);
        auto *pageLayout = new QVBoxLayout(page);
        FormEdit = new QLineEdit(page);
        FormEdit->setAccessibleName(QStringLiteral("Inventar-Nr."));
        Grid = new TDbGrid(page);
        pageLayout->addWidget(FormEdit);
        pageLayout->addWidget(Grid);
        Other = new QLineEdit(&Window);
        Other->setAccessibleName(QStringLiteral("Bezeichnung"));
        layout->addWidget(page);
        layout->addWidget(Other);
        Grid->SetStore(store, columns, multiSelect);
        Window.resize(900, 400);
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowActive(&Window);
        Grid->setFocus();
    }
    TStoreTableModel *Model() const { return Grid->StoreModel(); }
    QPoint CellCenter(int row, int column) const
    {
        return Grid->visualRect(Model()->index(row, column)).center();
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = {}, int column = 1)
    {
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, modifiers, CellCenter(row, column));
    }
};

int Count(const Tdm_Afa &dm, const QString &where = {})
{
    return TestDatabase::Scalar(dm.IBDatabase->DatabaseName,
                                QStringLiteral("SELECT COUNT(*) FROM AFA_ERFASSUNG ") + where)
        .toInt();
}

QStringList Titles(const TDbGrid &grid)
{
    QStringList titles;
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        titles << grid.model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

QList<int> Widths(const TDbGrid &grid)
{
    QList<int> widths;
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        widths << grid.columnWidth(c);
    return widths;
}

int TitleAlignment(const TDbGrid &grid, int column)
{
    return grid.model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
           Qt::AlignHorizontal_Mask;
}

int CellAlignment(const TDbGrid &grid, int column)
{
    return grid.model()->index(0, column).data(Qt::TextAlignmentRole).toInt() &
           Qt::AlignHorizontal_Mask;
}

QLineEdit *OpenEditor()
{
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

// The open editor, whatever kind it is.
QWidget *Focused()
{
    return QApplication::focusWidget();
}

} // namespace

void TestDbGrid::assetGridShowsItsColumns()
{
    auto dm = ModuleWithAssets(5);
    TGridWindow w(dm->qry_Afa_Erfassung, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    const int standard = grid.horizontalHeader()->defaultSectionSize();
    QCOMPARE(Titles(grid), (QStringList{u"#"_qs, u"Bezeichnung"_qs, u"Anschaffungsdatum"_qs,
                                        u"Kosten [€]"_qs, u"Nutzungsdauer"_qs, u"Kontobez."_qs,
                                        u"Proz. degr. Abschr."_qs, u"Aktiv"_qs}));
    QCOMPARE(Widths(grid), (QList<int>{standard, 210, 124, 90, 112, 102, 111, standard}));
    for (int c = 0; c < 8; ++c)
        QCOMPARE(TitleAlignment(grid, c), int(Qt::AlignHCenter));
    QCOMPARE(CellAlignment(grid, 0), int(Qt::AlignLeft));
    QCOMPARE(CellAlignment(grid, 6), int(Qt::AlignLeft));
    QCOMPARE(grid.FieldOfColumn(5)->FieldName, u"Lu_Afa_Konten_Bezeichnung"_qs);
    QCOMPARE(grid.model()->index(0, 5).data().toString(), u"Konto"_qs);
    QCOMPARE(grid.model()->index(0, 7).data().toString(), u"Ja"_qs);
    QCOMPARE(grid.model()->index(0, 3).data().toString(), u"1.001"_qs);

    // Column and row lines, resizable columns, the grid's colour in the ID column only.
    QVERIFY(grid.showGrid());
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    QCOMPARE(grid.selectionMode(), QAbstractItemView::ExtendedSelection);
    const QImage image = grid.viewport()->grab().toImage();
    const QRect id = grid.visualRect(grid.model()->index(2, 0));
    const QRect name = grid.visualRect(grid.model()->index(2, 1));
    QCOMPARE(image.pixelColor(id.right() - 3, id.center().y()), QColor(0xDE, 0xDE, 0xDE));
    QCOMPARE(image.pixelColor(name.right() - 3, name.center().y()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(name.center().x(), image.height() - 3), QColor(0xDE, 0xDE, 0xDE));

    // Accessible: the grid's name and the titles of the header sections.
    grid.setAccessibleName(u"Anlagen"_qs);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    QVERIFY(table);
    QCOMPARE(table->text(QAccessible::Name), u"Anlagen"_qs);
    QStringList headerNames;
    for (int i = 0; i < table->childCount(); ++i)
        if (QAccessibleInterface *child = table->child(i);
            child && child->role() == QAccessible::ColumnHeader)
            headerNames << child->text(QAccessible::Name);
    QCOMPARE(headerNames, Titles(grid));

    // A click on a title names its column.
    QSignalSpy titleClicks(&grid, &TDbGrid::TitleClicked);
    QHeaderView *header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    QCOMPARE(titleClicks.count(), 1);
    QCOMPARE(titleClicks.last().at(0).toInt(), 3);
    QCOMPARE(grid.FieldOfColumn(3)->FieldName, u"KOSTEN"_qs);
}

void TestDbGrid::otherGridsShowTheirColumns()
{
    auto dm = ModuleWithAssets(1);
    dm->qry_Afa_Konten->Open();
    TDbGrid movements, accounts;
    movements.SetStore(dm->qry_Afa_ZuAbgang, MovementGridColumns(), true);
    accounts.SetStore(dm->qry_Afa_Konten, AccountGridColumns(), false);
    const int standard = movements.horizontalHeader()->defaultSectionSize();
    QCOMPARE(Titles(movements),
             (QStringList{u"ID"_qs, u"Bezeichnung"_qs, u"Datum"_qs, u"Zugang [€]"_qs,
                          u"Abgang [€]"_qs, u"Aktiv"_qs, u"Erstellungsdatum"_qs}));
    QCOMPARE(Widths(movements), (QList<int>{standard, 210, 124, 90, 78, standard, 129}));
    QCOMPARE(TitleAlignment(movements, 4), int(Qt::AlignLeft));
    QCOMPARE(TitleAlignment(movements, 3), int(Qt::AlignHCenter));
    QCOMPARE(Titles(accounts), (QStringList{u"#"_qs, u"Konto"_qs, u"Bezeichnung"_qs}));
    QCOMPARE(Widths(accounts), (QList<int>{standard, 117, 388}));
    QCOMPARE(TitleAlignment(accounts, 0), int(Qt::AlignLeft));
    QCOMPARE(TitleAlignment(accounts, 1), int(Qt::AlignLeft));
    QCOMPARE(TitleAlignment(accounts, 2), int(Qt::AlignHCenter));
    QCOMPARE(accounts.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(accounts.model()->index(0, 2).data().toString(), u"Konto"_qs);
}

void TestDbGrid::selectionAndScrollSurviveRowChanges()
{
    auto dm = ModuleWithAssets(2000);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    QSignalSpy reset(grid.model(), &QAbstractItemModel::modelReset);
    grid.scrollTo(grid.model()->index(1000, 0), QAbstractItemView::PositionAtTop);
    const int scroll = grid.verticalScrollBar()->value();
    QVERIFY(scroll > 900);
    w.Click(1002);
    w.Click(1005, Qt::ControlModifier);
    const QSet<int> chosen{1003, 1006};
    QCOMPARE(grid.SelectedIds(), chosen);
    const auto name = [&](const QString &text) {
        e->FieldByName(u"BEZEICHNUNG"_qs)->SetAsString(text);
    };
    // Changes that leave the current row in sight: the view stays where it is.
    const QList<std::pair<const char *, std::function<void()>>> steps{
        {"insert, cancel", [&] { e->Insert(), e->Cancel(); }},
        {"insert, type, post", [&] { e->Insert(), name(u"neu"_qs), e->Post(); }},
        {"edit, post", [&] { e->Edit(), name(u"anders"_qs), e->Post(); }},
        {"delete the new row", [&] { e->Delete(); }},
        {"delete rows above and below",
         [&] {
             e->DeleteRecords({10, 20, 1800});
         }},
        {"edit a chosen row", [&] { e->LocateId(1003), e->Edit(), name(u"x"_qs), e->Post(); }},
    };
    for (const auto &[what, run] : steps) {
        run();
        QCoreApplication::processEvents();
        QVERIFY2(grid.verticalScrollBar()->value() == scroll, what);
        QVERIFY2(grid.SelectedIds() == chosen, what);
    }
    QCOMPARE(reset.count(), 0);
}

void TestDbGrid::deleteAsksOnceAndTakesExactlyTheSelected()
{
    auto dm = ModuleWithAssets(10);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    w.Click(2);
    w.Click(5, Qt::ControlModifier);
    QCOMPARE(grid.SelectedIds(), (QSet<int>{3, 6}));
    {
        TBoxAnswerer no(u"Nein"_qs);
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(no.Shown, QStringList{u"Alle markierten Datensätze löschen?"_qs});
        QCOMPARE(Count(*dm), 10);
        QCOMPARE(e->RecordCount(), 10);
    }
    {
        TBoxAnswerer yes(u"Ja"_qs);
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(yes.Shown, QStringList{u"Alle markierten Datensätze löschen?"_qs});
    }
    QCOMPARE(Count(*dm), 8);
    QCOMPARE(Count(*dm, u"WHERE ID IN (3, 6)"_qs), 0);
    QCOMPARE(grid.model()->rowCount(), 8);
    QVERIFY(grid.currentIndex().isValid());
    QCOMPARE(grid.currentIndex().row(), e->RecNo());

    // One row: the question for one record.
    w.Click(0);
    QCOMPARE(grid.SelectedIds(), QSet<int>{1});
    {
        TBoxAnswerer yes(u"Ja"_qs);
        grid.DeleteSelected();
        QCOMPARE(yes.Shown, QStringList{u"Datensatz löschen?"_qs});
    }
    QCOMPARE(Count(*dm), 7);
    QCOMPARE(Count(*dm, u"WHERE ID = 1"_qs), 0);
    QCOMPARE(e->CurrentId().toInt(), 2);
}

void TestDbGrid::refusedCellTextKeepsTheRowInEdit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("life not a number")
        << u"NUTZUNGSDAUER"_qs << u"abc"_qs
        << u"„abc“ ist keine gültige ganze Zahl für das Feld „Nutzungsdauer“."_qs;
    QTest::newRow("percentage not an amount")
        << u"PROZENTSATZ"_qs << u"12,3x"_qs
        << u"„12,3x“ ist keine gültige Zahl für das Feld „Proz. degr. Abschr.“."_qs;
    QTest::newRow("life out of range, at post") << u"NUTZUNGSDAUER"_qs << u"1201"_qs << QString();
}

void TestDbGrid::refusedCellTextKeepsTheRowInEdit()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto dm = ModuleWithAssets(10);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    const int column = w.Model()->ColumnOfField(field);
    w.Click(3, {}, column);
    TBoxAnswerer ok;
    QTest::keyClick(&grid, text.at(0).toLatin1()); // typing opens the editor
    QLineEdit *editor = OpenEditor();
    QVERIFY(editor);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    if (message.isEmpty()) {
        // Taken by the cell; the row's post refuses it when the row is left.
        QTRY_VERIFY(grid.Editing()); // the next cell
        QTest::keyClick(Focused(), Qt::Key_Escape);
        w.Click(6);
        QTRY_COMPARE(ok.Shown.size(), 1);
        QVERIFY(ok.Shown[0].contains(u"1201 Monaten"_qs));
        QCOMPARE(e->RecNo(), 3);
        QCOMPARE(e->State(), TStoreState::Edit);
        QCOMPARE(grid.SelectedIds(), QSet<int>{4});
        return;
    }
    QTRY_COMPARE(ok.Shown, QStringList{message});
    QVERIFY(grid.Editing());
    QTRY_COMPARE(OpenEditor(), editor); // once the box is gone
    QCOMPARE(editor->text(), text);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(grid.currentIndex().column(), column);
    // Another row cannot be reached while the text stands.
    w.Click(6);
    QCOMPARE(e->RecNo(), 3);
    QCOMPARE(grid.currentIndex().row(), 3);
    QCOMPARE(grid.SelectedIds(), QSet<int>{4});
    QTRY_COMPARE(ok.Shown.size(), 2);
    QTRY_COMPARE(OpenEditor(), editor);
    QTest::qWait(50);
    QCOMPARE(ok.Shown.size(), 2); // one box for the click
    // Esc drops the cell's text, a second Esc the row's edit.
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!grid.Editing());
    QTest::keyClick(&grid, Qt::Key_Escape);
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(TestDatabase::Scalar(dm->IBDatabase->DatabaseName,
                                  u"SELECT NUTZUNGSDAUER FROM AFA_ERFASSUNG WHERE ID = 4"_qs)
                 .toInt(),
             60);
}

void TestDbGrid::unchangedCellWritesNothing()
{
    auto dm = ModuleWithAssets(3);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->LocateId(2);
    e->Edit();
    e->FieldByName(u"KOSTEN"_qs)->SetAsFloat(1234.5678); // more decimals than shown
    e->Post();
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    const int cost = w.Model()->ColumnOfField(u"KOSTEN"_qs);
    w.Click(1, {}, cost);
    QTest::keyClick(&grid, Qt::Key_F2);
    QLineEdit *editor = OpenEditor();
    QVERIFY(editor);
    QCOMPARE(editor->text(), u"1.234,568"_qs);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(e->FieldByName(u"KOSTEN"_qs)->AsFloat(), 1234.5678);
    // Return moved on to the next cell.
    QCOMPARE(grid.currentIndex().column(), cost + 1);
    // A changed amount is written, with the grouping it is shown with.
    QTest::keyClick(OpenEditor(), Qt::Key_Escape);
    w.Click(1, {}, cost);
    QTest::keyClick(&grid, Qt::Key_F2);
    editor = OpenEditor();
    editor->setText(u"2.345,5"_qs);
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(e->FieldByName(u"KOSTEN"_qs)->AsFloat(), 2345.5);
}

void TestDbGrid::newUntouchedRowGoesWhenTheFocusLeaves()
{
    auto dm = ModuleWithAssets(5);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    QVERIFY(w.Grid->hasFocus());
    e->Append(); // with its defaults, but nothing typed
    QCOMPARE(w.Model()->rowCount(), 6);
    // Into the form beside the grid: the new row is to be filled in there.
    w.FormEdit->setFocus();
    QTest::qWait(20);
    QCOMPARE(w.Model()->rowCount(), 6);
    QCOMPARE(e->State(), TStoreState::Insert);
    w.Grid->setFocus();
    w.Other->setFocus();
    QTRY_COMPARE(w.Model()->rowCount(), 5);
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(Count(*dm), 5);

    // Typed into, it stays.
    w.Grid->setFocus();
    e->Append();
    const int row = e->RecNo();
    w.Grid->setCurrentIndex(w.Model()->index(row, 1));
    QTest::keyClick(w.Grid, 'n');
    QLineEdit *editor = OpenEditor();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClick(OpenEditor(), Qt::Key_Escape);
    w.Other->setFocus();
    QTest::qWait(20);
    QCOMPARE(w.Model()->rowCount(), 6);
    QCOMPARE(e->State(), TStoreState::Insert);
    QCOMPARE(w.Model()->index(row, 1).data().toString(), u"n"_qs);
}

void TestDbGrid::selectionSurvivesAReopenById()
{
    auto dm = ModuleWithAssets(30);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    const QSet<int> chosen{3, 7, 8, 30};
    grid.SelectIds(chosen);
    QCOMPARE(grid.SelectedIds(), chosen);
    QSignalSpy reset(grid.model(), &QAbstractItemModel::modelReset);
    // A re-sort: new statement, the store closed and opened again.
    e->Close();
    e->SQL << u"Order By e.Id desc"_qs;
    e->Open();
    QVERIFY(reset.count() >= 1);
    QCOMPARE(w.Model()->RowOfId(30), 0);
    QCOMPARE(grid.SelectedIds(), chosen);
    for (int id : chosen)
        QVERIFY(grid.selectionModel()->isRowSelected(w.Model()->RowOfId(id)));
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 4);
    e->Refresh();
    QCOMPARE(grid.SelectedIds(), chosen);
}

void TestDbGrid::refusedMovePutsTheSelectionBack()
{
    auto dm = ModuleWithAssets(10);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    TDbGrid &grid = *w.Grid;
    w.Click(5);
    e->Edit();
    e->FieldByName(u"INVENTARNR"_qs)->SetAsString(QString(40, u'X')); // longer than the column
    TBoxAnswerer ok;
    w.Click(8);
    QTRY_COMPARE(ok.Shown.size(), 1);
    QVERIFY(ok.Shown[0].contains(u"Inventar-Nr."_qs));
    QCOMPARE(e->RecNo(), 5);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(grid.currentIndex().row(), 5);
    QCOMPARE(grid.SelectedIds(), QSet<int>{6});
    // Corrected, the move goes through.
    e->FieldByName(u"INVENTARNR"_qs)->SetAsString(u"INV-6"_qs);
    w.Click(8);
    QCOMPARE(e->RecNo(), 8);
    QCOMPARE(grid.SelectedIds(), QSet<int>{9});
    QCOMPARE(ok.Shown.size(), 1);
}

void TestDbGrid::modelWithColumnSetPassesTheTester()
{
    auto dm = ModuleWithAssets(20);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TGridWindow w(e, AssetGridColumns(), true);
    QAbstractItemModelTester tester(w.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    e->Append();
    e->FieldByName(u"BEZEICHNUNG"_qs)->SetAsString(u"neu"_qs);
    e->Post();
    e->MoveTo(4);
    e->Insert();
    e->Cancel();
    e->DeleteRecords({2, 3, 19});
    e->Refresh();
    w.Model()->SetColumns(AssetGridColumns().mid(0, 3));
    QCOMPARE(w.Model()->columnCount(), 3);
    e->Close();
    e->Open();
    QCOMPARE(w.Model()->rowCount(), 18);
}
