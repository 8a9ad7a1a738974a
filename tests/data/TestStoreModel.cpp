#include "TestStoreModel.h"

#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "IBDatabase.h"
#include "StoreSelectionSync.h"
#include "StoreTableModel.h"
#include "TestDatabase.h"
#include "TestModules.h"

#include <QAbstractItemModelTester>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace
{
using TestModules::ModuleWithAssets;

using Tester = QAbstractItemModelTester;

TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

// A data module whose asset store holds count assets (IDs 1..count), open.
// first and last row of the signal a spy caught last.
QPair<int, int> Range(const QSignalSpy &spy)
{
    return {spy.last().at(1).toInt(), spy.last().at(2).toInt()};
}

} // namespace

void TestStoreModel::rowChangesAreAnnouncedOneByOne()
{
    auto dm = ModuleWithAssets(20);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const int name = model.ColumnOfField(QStringLiteral("BEZEICHNUNG"));

    e->Append();
    QCOMPARE(Range(inserted), qMakePair(20, 20));
    QCOMPARE(model.rowCount(), 21);
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("neu"));
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 20);
    QCOMPARE(model.data(model.index(20, name)).toString(), QStringLiteral("neu"));
    e->Post();
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 20);

    // New rows in the middle and at the top, dropped again.
    for (int at : {7, 0}) {
        e->MoveTo(at);
        e->Insert();
        QCOMPARE(Range(inserted), qMakePair(at, at));
        e->Cancel();
        QCOMPARE(Range(removed), qMakePair(at, at));
        QCOMPARE(model.rowCount(), 21);
    }
    // An edit cancelled shows the old values again.
    e->MoveTo(3);
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(QStringLiteral("anders"));
    e->Cancel();
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 3);
    QCOMPARE(model.data(model.index(3, name)).toString(), F(e, "BEZEICHNUNG")->AsString());

    // Deleting the last and the first row.
    e->Last();
    e->Delete();
    QCOMPARE(Range(removed), qMakePair(20, 20));
    e->First();
    e->Delete();
    QCOMPARE(Range(removed), qMakePair(0, 0));
    QCOMPARE(model.rowCount(), 19);
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(removed.count(), 4);
    QCOMPARE(reset.count(), 0);
}

void TestStoreModel::emptyStoreGainsAndLosesItsOnlyRow()
{
    auto dm = ModuleWithAssets(1);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy current(&model, &TStoreTableModel::CurrentRowChanged);
    e->Delete();
    QCOMPARE(Range(removed), qMakePair(0, 0));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(current.last().at(0).toInt(), -1);
    e->Append();
    QCOMPARE(Range(inserted), qMakePair(0, 0));
    QCOMPARE(current.last().at(0).toInt(), 0);
    e->Cancel();
    QCOMPARE(Range(removed), qMakePair(0, 0));
    QCOMPARE(current.last().at(0).toInt(), -1);
    e->Insert();
    e->Post();
    QCOMPARE(model.rowCount(), 1);
}

void TestStoreModel::resetOnlyWhenRowsAreReadAgain()
{
    auto dm = ModuleWithAssets(5);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TRecordStore *z = dm->qry_Afa_ZuAbgang;
    TStoreTableModel assets(e), movements(z);
    Tester assetTester(&assets, Tester::FailureReportingMode::Fatal);
    Tester movementTester(&movements, Tester::FailureReportingMode::Fatal);
    QSignalSpy reset(&assets, &QAbstractItemModel::modelReset);
    QSignalSpy detailReset(&movements, &QAbstractItemModel::modelReset);

    e->MoveTo(2);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(detailReset.count(), 1); // the movements of another asset
    z->Append();
    F(z, "ZUGANG")->SetAsFloat(5);
    z->Post();
    QCOMPARE(movements.rowCount(), 1);
    QCOMPARE(detailReset.count(), 1);

    e->Refresh();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(assets.rowCount(), 5);
    QCOMPARE(detailReset.count(), 1); // still on asset 3
    e->Close();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(assets.rowCount(), 0);
    e->Open();
    QCOMPARE(reset.count(), 3);
    QCOMPARE(assets.rowCount(), 5);
}

void TestStoreModel::heldDisplaysResetOnlyAfterChanges()
{
    auto dm = ModuleWithAssets(5);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy current(&model, &TStoreTableModel::CurrentRowChanged);

    // A walk with the displays held only moves the current row.
    e->DisableControls();
    for (e->First(); !e->Eof(); e->Next()) {
    }
    e->EnableControls();
    QCOMPARE(reset.count(), 0);
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.last().at(0).toInt(), 4);

    // Rows added meanwhile: the views start afresh, once.
    e->DisableControls();
    e->DisableControls();
    e->Append();
    e->Post();
    e->EnableControls();
    QCOMPARE(reset.count(), 0);
    e->EnableControls();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 6);
}

void TestStoreModel::sortMovesPersistentIndexesWithTheirRows()
{
    Tdm_Afa dm(nullptr, TestDatabase::FreshCopy());
    dm.BeginReportBatch();
    dm.PrepareReportStore(0);
    TRecordStore *r = dm.ReportStore();
    TStoreTableModel model(r);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    // ID, account and asset: appended out of the index's order.
    const QList<QList<int>> rows{{1, 3, 1}, {2, 1, 9}, {3, 2, 4}, {4, 1, 2}, {5, 3, 1}};
    for (const QList<int> &row : rows) {
        QVariantList values(r->FieldCount());
        values[F(r, "ID")->Index()] = row[0];
        values[F(r, "AFA_KONTEN_ID")->Index()] = row[1];
        values[F(r, "AFA_ERFASSUNG_ID")->Index()] = row[2];
        r->AppendRecord(values);
    }
    const int id = model.ColumnOfField(QStringLiteral("ID"));
    const QPersistentModelIndex first(model.index(0, id)), last(model.index(4, id));
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    r->SortByIndex(QStringLiteral("Afa_Report_Index"));
    QCOMPARE(layout.count(), 1);
    QCOMPARE(reset.count(), 0);
    QStringList ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.data(model.index(row, id)).toString();
    QCOMPARE(ids, (QStringList{u"4"_qs, u"2"_qs, u"3"_qs, u"1"_qs, u"5"_qs}));
    QCOMPARE(first.row(), 3);
    QCOMPARE(first.data().toString(), QStringLiteral("1"));
    QCOMPARE(last.row(), 4); // equal keys keep their order
    // In order already: nothing moves.
    r->SortByIndex(QStringLiteral("Afa_Report_Index"));
    QCOMPARE(layout.count(), 1);
    dm.CommitReportBatch();
}

void TestStoreModel::refusedGroupRowsLeaveTheView()
{
    Tdm_Afa dm(nullptr, TestDatabase::FreshCopy());
    dm.BeginReportBatch();
    dm.PrepareReportStore(0);
    TRecordStore *r = dm.ReportStore();
    TStoreTableModel model(r);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    for (int id = 1; id <= r->InsertGroup; ++id) {
        QVariantList values(r->FieldCount());
        values[F(r, "ID")->Index()] = id;
        if (id == 3)
            values[F(r, "INVENTARNR")->Index()] = QString(40, u'X');
        try {
            r->AppendRecord(values); // the last one writes the group: row 3 is refused
        } catch (const EDatabaseError &) {
            QCOMPARE(id, r->InsertGroup);
        }
    }
    QCOMPARE(removed.count(), 1);
    QCOMPARE(Range(removed), qMakePair(2, r->InsertGroup - 1));
    QCOMPARE(model.rowCount(), 2);
    dm.RollbackReportBatch();
}

void TestStoreModel::viewKeepsScrollAndSelection()
{
    auto dm = ModuleWithAssets(2000);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    QTableView view;
    view.setModel(&model);
    view.resize(500, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    const int id = model.ColumnOfField(QStringLiteral("ID"));
    view.scrollTo(model.index(1000, 0), QAbstractItemView::PositionAtTop);
    const int scroll = view.verticalScrollBar()->value();
    QVERIFY(scroll > 900);
    view.selectionModel()->select(model.index(1010, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QString chosen = model.data(model.index(1010, id)).toString();
    auto selectedIds = [&] {
        QStringList ids;
        for (const QModelIndex &index : view.selectionModel()->selectedRows(id))
            ids << index.data().toString();
        return ids;
    };
    QCOMPARE(selectedIds(), QStringList{chosen});

    struct Step {
        const char *what;
        std::function<void()> run;
    };
    const QList<Step> steps{
        {"append", [&] { e->Append(); }},
        {"type", [&] { F(e, "BEZEICHNUNG")->SetAsString(u"neu"_qs); }},
        {"post", [&] { e->Post(); }},
        {"append again", [&] { e->Append(); }},
        {"cancel", [&] { e->Cancel(); }},
        {"insert below", [&] { e->MoveTo(1500), e->Insert(); }},
        {"cancel below", [&] { e->Cancel(); }},
        {"insert above", [&] { e->MoveTo(3), e->Insert(); }},
        {"post above", [&] { F(e, "BEZEICHNUNG")->SetAsString(u"oben"_qs), e->Post(); }},
        {"delete below", [&] { e->MoveTo(1700), e->Delete(); }},
        {"delete above", [&] { e->MoveTo(2), e->Delete(); }},
        {"edit the chosen row",
         [&] {
             e->LocateId(chosen.toInt());
             e->Edit();
             F(e, "KOSTEN")->SetAsFloat(42);
             e->Post();
         }},
    };
    for (const Step &step : steps) {
        step.run();
        QCoreApplication::processEvents();
        QVERIFY2(view.verticalScrollBar()->value() == scroll, step.what);
        QVERIFY2(selectedIds() == QStringList{chosen}, step.what);
    }
    QCOMPARE(model.rowCount(), 2000);
    QCOMPARE(reset.count(), 0);
    const QModelIndex chosenRow = view.selectionModel()->selectedRows(id).value(0);
    QCOMPARE(chosenRow.siblingAtColumn(model.ColumnOfField(u"KOSTEN"_qs)).data().toString(),
             QStringLiteral("42"));
}

void TestStoreModel::viewAndStoreMoveTogether()
{
    // Accounts: a new one starts untouched (no defaults), so leaving it drops it.
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path,
                       QStringLiteral("EXECUTE BLOCK AS DECLARE i INT = 1; BEGIN "
                                      "WHILE (i <= 50) DO BEGIN INSERT INTO AFA_KONTEN "
                                      "(ID, NR, BEZEICHNUNG) VALUES (:i, :i, 'Konto ' || :i); "
                                      "i = i + 1; END END"));
    TestDatabase::Exec(path, QStringLiteral("ALTER SEQUENCE GEN_AFA_KONTEN_ID RESTART WITH 50"));
    Tdm_Afa dm(nullptr, path);
    TRecordStore *k = dm.qry_Afa_Konten;
    k->Open();
    TStoreTableModel model(k);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QItemSelectionModel selection(&model);
    TStoreSelectionSync sync(&model, &selection);
    QCOMPARE(selection.currentIndex().row(), 0);

    selection.setCurrentIndex(model.index(10, 2), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(k->RecNo(), 10);
    k->MoveTo(20);
    QCOMPARE(selection.currentIndex(), model.index(20, 2));
    QCOMPARE(selection.selectedRows().value(0).row(), 20);
    k->Last();
    QCOMPARE(selection.currentIndex().row(), 49);
    k->First();
    QCOMPARE(selection.currentIndex().row(), 0);

    // A new row becomes current; choosing another row drops it while untouched ...
    k->Append();
    QCOMPARE(selection.currentIndex().row(), 50);
    selection.setCurrentIndex(model.index(3, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(k->RecNo(), 3);
    QCOMPARE(model.rowCount(), 50);
    // ... and posts it once something was typed.
    k->Append();
    F(k, "NR")->SetAsString(QStringLiteral("9999"));
    selection.setCurrentIndex(model.index(4, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(k->RecNo(), 4);
    QCOMPARE(model.rowCount(), 51);
    // Dropping a new row above the chosen one moves the chosen row up: it stays the one.
    k->MoveTo(10);
    k->Insert();
    QCOMPARE(selection.currentIndex().row(), 10);
    const QVariant chosen = model.data(model.index(30, 0));
    selection.setCurrentIndex(model.index(30, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(k->CurrentId().toString(), chosen.toString());
    QCOMPARE(selection.currentIndex().row(), 29);

    k->Refresh(); // read again, on the same account
    QCOMPARE(selection.currentIndex().row(), 29);
    k->Delete();
    QCOMPARE(selection.currentIndex().row(), 29);
    QCOMPARE(k->RecNo(), 29);
    k->Close();
    QVERIFY(!selection.currentIndex().isValid());
    k->Open();
    QCOMPARE(selection.currentIndex().row(), 0);
}

void TestStoreModel::refusedMoveKeepsTheViewOnTheEditedRow()
{
    auto dm = ModuleWithAssets(10);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    QItemSelectionModel selection(&model);
    TStoreSelectionSync sync(&model, &selection);
    QSignalSpy errors(&sync, &TStoreSelectionSync::ErrorRaised);
    e->MoveTo(5);
    e->Edit();
    F(e, "INVENTARNR")->SetAsString(QString(40, u'X')); // longer than the column
    selection.setCurrentIndex(model.index(8, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.last().at(0).toString().contains(QStringLiteral("Inventar-Nr.")));
    QCOMPARE(e->RecNo(), 5);
    QCOMPARE(e->State(), TStoreState::Edit);
    QCOMPARE(selection.currentIndex().row(), 5);
    // Corrected, the move goes through.
    F(e, "INVENTARNR")->SetAsString(QStringLiteral("INV-5"));
    selection.setCurrentIndex(model.index(8, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(e->RecNo(), 8);
    QCOMPARE(e->State(), TStoreState::Browse);
    QCOMPARE(errors.count(), 1);
}

void TestStoreModel::columnSetDecidesTitlesAlignmentAndWrites()
{
    auto dm = ModuleWithAssets(3);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    TGridColumn id{u"ID"_qs, u"#"_qs};
    id.Alignment = Qt::AlignLeft;
    TGridColumn name{u"BEZEICHNUNG"_qs, {}, 210};
    name.ReadOnly = true;
    TGridColumn cost{u"KOSTEN"_qs, u"Kosten [€]"_qs, 90};
    cost.TitleAlignment = Qt::AlignLeft;
    model.SetColumns({id, name, cost, {u"AKTIV"_qs}, {u"Lu_Afa_Konten_Bezeichnung"_qs}});
    QCOMPARE(model.columnCount(), 5);
    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c)
        titles << model.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{u"#"_qs, u"Bezeichnung"_qs, u"Kosten [€]"_qs, u"Aktiv"_qs,
                                  u"Kontobez."_qs}));
    QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
             u"Kosten [€]"_qs);
    QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
    const auto alignment = [&](int c) {
        return model.data(model.index(0, c), Qt::TextAlignmentRole).toInt() &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(0), int(Qt::AlignLeft)); // the column's, over the number's right
    QCOMPARE(alignment(3), int(Qt::AlignRight));
    QCOMPARE(model.data(model.index(1, 3)).toString(), u"Ja"_qs);
    QCOMPARE(model.data(model.index(1, 4)).toString(), u"Konto"_qs);
    // A read-only column takes nothing, the others as before.
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 1), u"neu"_qs));
    QCOMPARE(e->State(), TStoreState::Browse);
    QVERIFY(model.setData(model.index(0, 2), u"1234,5"_qs));
    QCOMPARE(model.data(model.index(0, 2)).toString(), u"1.234,5"_qs);
    e->Cancel();

    // Rows and IDs, at the edges.
    QCOMPARE(model.IdOfRow(0).toInt(), 1);
    QCOMPARE(model.IdOfRow(2).toInt(), 3);
    QVERIFY(!model.IdOfRow(3).isValid());
    QVERIFY(!model.IdOfRow(-1).isValid());
    QCOMPARE(model.RowOfId(3), 2);
    QCOMPARE(model.RowOfId(4), -1);
    QCOMPARE(model.RowOfId(QVariant()), -1);

    QVERIFY_THROWS_EXCEPTION(EDatabaseError, model.SetColumns({{u"GIBTESNICHT"_qs}}));
    QCOMPARE(model.columnCount(), 5);
    model.SetColumns({}); // every visible field again
    int visible = 0;
    for (int i = 0; i < e->FieldCount(); ++i)
        visible += e->Fields(i)->Visible ? 1 : 0;
    QCOMPARE(model.columnCount(), visible);
}

void TestStoreModel::deleteRecordsTakesExactlyTheListedIds()
{
    auto dm = ModuleWithAssets(10);
    const QString path = dm->IBDatabase->DatabaseName;
    TRecordStore *e = dm->qry_Afa_Erfassung;
    TStoreTableModel model(e);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    const auto count = [&] {
        return TestDatabase::Scalar(path, u"SELECT COUNT(*) FROM AFA_ERFASSUNG"_qs).toInt();
    };
    // The current row goes: the next kept row becomes current; unknown IDs are passed over.
    e->LocateId(5);
    QCOMPARE(e->DeleteRecords({5, 6, 9, 999}), 3);
    QCOMPARE(count(), 7);
    QCOMPARE(e->RecordCount(), 7);
    QCOMPARE(e->CurrentId().toInt(), 7);
    QCOMPARE(model.RowOfId(6), -1);
    // The current row stays when it is kept.
    e->LocateId(2);
    QCOMPARE(e->DeleteRecords({8}), 1);
    QCOMPARE(e->CurrentId().toInt(), 2);
    // An edit of another row is posted first; the last rows going leave the new last current.
    e->LocateId(1);
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(u"behalten"_qs);
    e->LocateId(7);
    QCOMPARE(e->State(), TStoreState::Browse);
    e->LocateId(1);
    e->Edit();
    F(e, "BEZEICHNUNG")->SetAsString(u"auch behalten"_qs);
    QCOMPARE(e->DeleteRecords({7, 10}), 2);
    QCOMPARE(TestDatabase::Scalar(path, u"SELECT BEZEICHNUNG FROM AFA_ERFASSUNG WHERE ID = 1"_qs)
                 .toString(),
             u"auch behalten"_qs);
    e->LocateId(4); // the last of 1 2 3 4
    QCOMPARE(e->DeleteRecords({3, 4}), 2);
    QCOMPARE(e->CurrentId().toInt(), 2); // the last row
    QCOMPARE(count(), 2);
    // A new row listed goes without a write; all rows gone leaves no current row.
    e->Append();
    const QVariant fresh = e->CurrentId();
    QCOMPARE(e->DeleteRecords({fresh, 1, 2}), 2);
    QCOMPARE(e->RecordCount(), 0);
    QCOMPARE(e->RecNo(), -1);
    QCOMPARE(count(), 0);
    QCOMPARE(model.rowCount(), 0);
}

void TestStoreModel::newRowWithOnlyDefaultsIsDroppedOnLeaving()
{
    auto dm = ModuleWithAssets(3);
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Append();
    QCOMPARE(F(e, "AKTIV")->AsInteger(), 1); // the new-row defaults are there ...
    QVERIFY(!e->Modified());                 // ... but nothing was typed
    e->MoveTo(0);
    QCOMPARE(e->RecordCount(), 3);
    e->Append();
    F(e, "BEZEICHNUNG")->SetAsString(u"getippt"_qs);
    e->MoveTo(0);
    QCOMPARE(e->RecordCount(), 4);
}
