#pragma once
// TStoreSelectionSync: keeps a view's current index and a store's current row in step.
// Making a row current in the view moves the store there (an edited row is posted first,
// an untouched new one dropped); a move of the store makes its row the view's current one,
// selected with Flags. A move the store refuses (the edited row cannot be posted) is
// reported through ErrorRaised and the view goes back to the store's row.
#include <QItemSelectionModel>
#include <QObject>
#include <QPointer>

class TStoreTableModel;

class TStoreSelectionSync : public QObject
{
    Q_OBJECT
public:
    // selection is a selection model over model (a view's selectionModel()).
    TStoreSelectionSync(TStoreTableModel *model, QItemSelectionModel *selection,
                        QObject *parent = nullptr);

    QItemSelectionModel::SelectionFlags Flags =
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;

signals:
    void ErrorRaised(const QString &message);

private:
    void ViewMoved(const QModelIndex &current);
    void StoreMoved(int row);

    TStoreTableModel *m_model;
    QPointer<QItemSelectionModel> m_selection;
    bool m_moving = false;
};
