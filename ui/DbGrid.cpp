#include "DbGrid.h"

#include "DbGridDelegate.h"
#include "RecordStore.h"
#include "StoreSelectionSync.h"
#include "StoreTableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>

TDbGrid::TDbGrid(QWidget *parent) : QTableView(parent)
{
    setAccessibleName(QStringLiteral("Tabelle"));
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setAlternatingRowColors(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, TDbGridDelegate::GridColor);
    setPalette(colours);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *titles = horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setStretchLastSection(false);
    connect(titles, &QHeaderView::sectionClicked, this, &TDbGrid::TitleClicked);
    connect(qApp, &QApplication::focusChanged, this, &TDbGrid::FocusMoved);
}

void TDbGrid::Unbind()
{
    setModel(nullptr);
    setItemDelegate(nullptr);
    delete m_sync;
    delete m_delegate;
    delete m_model;
    m_sync = nullptr;
    m_delegate = nullptr;
    m_model = nullptr;
}

void TDbGrid::SetStore(TRecordStore *store, const QVector<TGridColumn> &columns, bool multiSelect)
{
    Unbind();
    if (!store)
        return;
    m_model = new TStoreTableModel(store, this);
    m_model->SetColumns(columns);
    m_delegate = new TDbGridDelegate(m_model, this);
    setItemDelegate(m_delegate);
    setModel(m_model);
    setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
    m_sync = new TStoreSelectionSync(m_model, selectionModel(), this);
    // Several rows: moving the store leaves what the user marked alone.
    m_sync->Flags = multiSelect ? QItemSelectionModel::SelectionFlags(QItemSelectionModel::NoUpdate)
                                : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int width = m_model->Column(c).Width;
        setColumnWidth(c, width > 0 ? width : horizontalHeader()->defaultSectionSize());
    }
    connect(m_model, &TStoreTableModel::ErrorRaised, this, &TDbGrid::ReportError);
    connect(m_sync, &TStoreSelectionSync::ErrorRaised, this, [this](const QString &message) {
        m_moveRefused = true;
        ReportError(message);
    });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        // A reset that empties the grid (the close before a reopen) keeps the IDs for the
        // reset that fills it again.
        if (m_model->rowCount() > 0) {
            m_keptIds = SelectedIds();
            m_keepSelection = true;
        }
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_keepSelection && m_model->rowCount() > 0) {
            m_keepSelection = false;
            SelectIds(std::exchange(m_keptIds, {}));
        }
    });
}

TRecordStore *TDbGrid::Store() const
{
    return m_model ? m_model->Store() : nullptr;
}

TStoreField *TDbGrid::FieldOfColumn(int column) const
{
    return m_model ? m_model->FieldOfColumn(column) : nullptr;
}

QSet<int> TDbGrid::SelectedIds() const
{
    QSet<int> ids;
    if (!m_model || !selectionModel())
        return ids;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (const QVariant id = m_model->IdOfRow(row); !id.isNull())
                ids.insert(id.toInt());
    return ids;
}

void TDbGrid::SelectIds(const QSet<int> &ids)
{
    if (!m_model || !selectionModel())
        return;
    QItemSelection selection;
    const int last = m_model->columnCount() - 1;
    int first = -1; // start of the run of selected rows being gathered
    for (int row = 0; row <= m_model->rowCount(); ++row) {
        const bool wanted =
            row < m_model->rowCount() && ids.contains(m_model->IdOfRow(row).toInt());
        if (wanted && first < 0)
            first = row;
        if (!wanted && first >= 0) {
            selection.select(m_model->index(first, 0), m_model->index(row - 1, last));
            first = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TDbGrid::DeleteSelected()
{
    TRecordStore *store = Store();
    if (!store || !store->Active() || store->IsEmpty())
        return;
    QVariantList ids;
    for (int id : SelectedIds())
        ids << id;
    if (ids.isEmpty() && store->RecNo() >= 0)
        ids << store->CurrentId();
    if (ids.isEmpty())
        return;
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    ids.size() > 1 ? QStringLiteral("Alle markierten Datensätze löschen?")
                                   : QStringLiteral("Datensatz löschen?"),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() != yes)
        return;
    store->DeleteRecords(ids);
    if (selectionMode() == QAbstractItemView::SingleSelection && currentIndex().isValid())
        selectionModel()->select(currentIndex(),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TDbGrid::KeepSelectionIfRefused(const std::function<void()> &run)
{
    const QItemSelection before =
        selectionModel() ? selectionModel()->selection() : QItemSelection();
    m_moveRefused = false;
    run();
    if (m_moveRefused && selectionModel())
        selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
    m_moveRefused = false;
}

void TDbGrid::keyPressEvent(QKeyEvent *event)
{
    TRecordStore *store = Store();
    if (store && state() != QAbstractItemView::EditingState &&
        event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Delete) {
            DeleteSelected();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape &&
            (store->State() == TStoreState::Edit || store->State() == TStoreState::Insert)) {
            store->Cancel();
            event->accept();
            return;
        }
    }
    KeepSelectionIfRefused([&] { QTableView::keyPressEvent(event); });
}

void TDbGrid::mousePressEvent(QMouseEvent *event)
{
    KeepSelectionIfRefused([&] { QTableView::mousePressEvent(event); });
}

void TDbGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QWidget *editor = m_delegate ? m_delegate->Editor() : nullptr;
    if (editor && !m_restoring && !m_model->Changing() && previous.isValid() &&
        m_delegate->EditorIndex() == previous) {
        commitData(editor);
        if (m_delegate->Refused()) {
            // The cell's text was refused: back to it, its editor stays open.
            m_moveRefused = true;
            const QScopedValueRollback restoring(m_restoring, true);
            selectionModel()->setCurrentIndex(previous, QItemSelectionModel::NoUpdate);
            editor->setFocus();
            return;
        }
    }
    QTableView::currentChanged(current, previous);
}

void TDbGrid::commitData(QWidget *editor)
{
    if (m_showingError)
        return; // the box took the focus; the text waits in the editor
    QTableView::commitData(editor);
}

void TDbGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::RevertModelCache && m_delegate &&
        editor == m_delegate->Editor() && (m_showingError || m_delegate->Refused())) {
        editor->setFocus(); // kept open for a correction
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void TDbGrid::ReportError(const QString &message)
{
    if (!m_errors.contains(message))
        m_errors << message;
    QMetaObject::invokeMethod(this, &TDbGrid::ShowErrors, Qt::QueuedConnection);
}

void TDbGrid::ShowErrors()
{
    if (m_showingError)
        return;
    {
        const QScopedValueRollback showing(m_showingError, true);
        while (!m_errors.isEmpty())
            QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                                 m_errors.takeFirst());
    }
    if (QWidget *editor = m_delegate ? m_delegate->Editor() : nullptr) {
        activateWindow(); // back from the box, to the text to correct
        editor->setFocus();
    }
}

bool TDbGrid::Holds(const QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void TDbGrid::FocusMoved(QWidget *from, QWidget *to)
{
    // Only a move to another control of this window; boxes and other windows do not count.
    if (Holds(from) && to && !Holds(to) && to->window() == window())
        QMetaObject::invokeMethod(this, &TDbGrid::CancelUntouchedRow, Qt::QueuedConnection);
}

void TDbGrid::CancelUntouchedRow()
{
    TRecordStore *store = Store();
    const QWidget *focus = QApplication::focusWidget();
    if (!store || Holds(focus) || (focus && focus->window() != window()))
        return; // the focus came back, or a box is up
    // The form beside the grid is where the new row gets filled in.
    if (focus && parentWidget() && parentWidget()->isAncestorOf(focus))
        return;
    if (store->State() == TStoreState::Insert && !store->Modified())
        store->Cancel();
}
