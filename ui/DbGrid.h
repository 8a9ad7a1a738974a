#pragma once
// TDbGrid: the data-bound grid of the entry pages, over a record store through
// TStoreTableModel and TStoreSelectionSync (current row shared with the store; the model
// serves from the store's buffer, so scrolling reads no database).
//
// Columns as SetStore gets them: widths in pixels, alignments, title alignments; column and
// row lines, resizable columns, the grid and the columns marked GridBackground in #DEDEDE,
// the other data columns white. Cells are edited in place (typing, F2 or a double click);
// only a changed text is written. Return and Tab write the cell and move on, Esc drops the
// cell's typing, Esc outside an editor cancels the row's edit or new row. Tab also moves
// between cells.
// Errors are shown by the grid itself in a warning box (after the event that caused them):
// a refused cell text keeps the editor open on its text and the row in edit state; a move
// the store refuses (the row cannot be posted) puts the current row and the selection back.
// Several rows can be selected (Ctrl, Shift) when asked for; store moves keep that selection.
// The selection is kept by record ID across a model reset (a re-sort reopens the store).
// Delete (or DeleteSelected) asks "Datensatz löschen?" for one row and "Alle markierten
// Datensätze löschen?" for several, and deletes exactly the selected records (without a
// selection the current one). A new row nothing was typed into is cancelled when the focus
// goes to another control of the window. A click on a column title sends TitleClicked.
// The accessible name is "Tabelle" until the window gives a better one.
#include "GridColumn.h"

#include <QSet>
#include <QTableView>
#include <functional>

class TDbGridDelegate;
class TRecordStore;
class TStoreField;
class TStoreSelectionSync;
class TStoreTableModel;

class TDbGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDbGrid(QWidget *parent = nullptr);

    // Binds the grid; an empty column set shows every visible field.
    void SetStore(TRecordStore *store, const QVector<TGridColumn> &columns, bool multiSelect);
    TRecordStore *Store() const;
    TStoreTableModel *StoreModel() const { return m_model; }
    TStoreField *FieldOfColumn(int column) const;
    // A cell editor is open.
    bool Editing() const { return state() == QAbstractItemView::EditingState; }

    // IDs of the selected rows.
    QSet<int> SelectedIds() const;
    // Selects exactly the rows with these IDs (those the store holds).
    void SelectIds(const QSet<int> &ids);
    // Asks, then deletes the selected records (or the current one); "Nein" keeps them all.
    void DeleteSelected();

signals:
    void TitleClicked(int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Runs an input event; a move the store refused meanwhile gets its selection back.
    void KeepSelectionIfRefused(const std::function<void()> &run);
    void ReportError(const QString &message);
    void ShowErrors();
    void FocusMoved(QWidget *from, QWidget *to);
    void CancelUntouchedRow();
    bool Holds(const QWidget *widget) const;
    void Unbind();

    TStoreTableModel *m_model = nullptr;
    TStoreSelectionSync *m_sync = nullptr;
    TDbGridDelegate *m_delegate = nullptr;
    QSet<int> m_keptIds; // selection across a model reset
    bool m_keepSelection = false;
    bool m_moveRefused = false;
    bool m_restoring = false;
    bool m_showingError = false;
    QStringList m_errors; // waiting for their box
};
