#pragma once
// TStoreTableModel: a store as a table for the grids. One column per visible field
// (header = display label), one row per buffered row; DisplayRole gives the display text,
// EditRole the edit text, TextAlignmentRole the field's alignment. setData moves the store
// to the row, starts editing and sets the text; the row is posted when the store moves on
// (or on Post). A text equal to the cell's edit text is no change and leaves the store
// alone. The key field ID is not editable. A refused entry is reported through ErrorRaised
// and setData returns false.
// Views hear what changed: rows inserted and removed, a row's values, a new order (the
// persistent indexes move with their rows); the model is reset only when the store opens,
// closes or reads its rows again, when its fields change, and after displays were held while
// rows changed. CurrentRowChanged follows the store's current row (see TStoreSelectionSync).
#include <QAbstractTableModel>
#include <QVector>

class TRecordStore;
class TStoreField;

class TStoreTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TStoreTableModel(TRecordStore *store, QObject *parent = nullptr);

    TRecordStore *Store() const { return m_store; }
    // Rows are being inserted, removed, reordered or reset: views' indexes are in motion.
    bool Changing() const { return m_changing; }
    TStoreField *FieldOfColumn(int column) const;
    int ColumnOfField(const QString &fieldName) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void CurrentRowChanged(int row);
    void ErrorRaised(const QString &message);

private:
    static bool IsKeyField(const TStoreField *field);
    void Rebuild();
    void StartReset();
    void FinishReset();
    void FieldsChanged();
    void StartLayout();
    void FinishLayout(const QList<qsizetype> &order);

    TRecordStore *m_store;
    QVector<TStoreField *> m_columns;
    bool m_resetting = false;
    bool m_changing = false;
    QModelIndexList m_layoutIndexes; // persistent indexes while the rows are reordered
};
