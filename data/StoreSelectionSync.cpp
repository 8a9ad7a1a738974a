#include "StoreSelectionSync.h"

#include "DatabaseError.h"
#include "RecordStore.h"
#include "StoreTableModel.h"

#include <QScopedValueRollback>

TStoreSelectionSync::TStoreSelectionSync(TStoreTableModel *model, QItemSelectionModel *selection,
                                         QObject *parent)
    : QObject(parent), m_model(model), m_selection(selection)
{
    connect(selection, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { ViewMoved(current); });
    connect(model, &TStoreTableModel::CurrentRowChanged, this, &TStoreSelectionSync::StoreMoved);
    StoreMoved(model->Store()->RecNo());
}

void TStoreSelectionSync::ViewMoved(const QModelIndex &current)
{
    TRecordStore *store = m_model->Store();
    // While rows move the view's index moves with them; the store says where it stands after.
    // A current index replaced already (a view that put it back) is no move any more.
    if (m_moving || m_model->Changing() || !current.isValid() || !store->Active() ||
        current.row() == store->RecNo() || (m_selection && m_selection->currentIndex() != current))
        return;
    {
        const QScopedValueRollback moving(m_moving, true);
        try {
            // Leaving an untouched new row drops it and moves the rows after it: the view's
            // current index moves with them, so it is read again.
            store->CheckBrowseMode();
            const QModelIndex now = m_selection ? m_selection->currentIndex() : QModelIndex();
            if (now.isValid())
                store->MoveTo(now.row());
        } catch (const EDatabaseError &error) {
            emit ErrorRaised(error.Message());
        }
    }
    StoreMoved(store->RecNo());
}

void TStoreSelectionSync::StoreMoved(int row)
{
    if (m_moving || !m_selection)
        return;
    const QModelIndex current = m_selection->currentIndex();
    if (row < 0 || row >= m_model->rowCount()) {
        if (current.isValid()) {
            const QScopedValueRollback moving(m_moving, true);
            m_selection->clearCurrentIndex();
        }
        return;
    }
    if (current.isValid() && current.row() == row)
        return;
    const QScopedValueRollback moving(m_moving, true);
    m_selection->setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0),
                                 Flags);
}
