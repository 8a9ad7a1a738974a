#pragma once
// TStoreTableModel: a store as a table for the grids. The columns are a set given with
// SetColumns (title, alignments, read-only), or without one every visible field (title =
// display label); one row per buffered row. DisplayRole gives the display text, EditRole
// the edit text, TextAlignmentRole the column's alignment; the header gives the title (also
// as AccessibleTextRole) and its alignment. Everything is served from the store's buffer:
// scrolling reads no database. Rows map to record IDs (IdOfRow, RowOfId). setData moves the store
// to the row, starts editing and sets the text; the row is posted when the store moves on
// (or on Post). A text equal to the cell's edit text is no change and leaves the store
// alone. The key field ID is not editable. A refused entry is reported through ErrorRaised
// and setData returns false.
// Views hear what changed: rows inserted and removed, a row's values, a new order (the
// persistent indexes move with their rows); the model is reset only when the store opens,
// closes or reads its rows again, when its fields change, and after displays were held while
// rows changed. CurrentRowChanged follows the store's current row (see TStoreSelectionSync).
#include "GridColumn.h"

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
    // The grid's columns in their order; an empty set shows every visible field. A name the
    // store does not know raises EDatabaseError (while the store has fields).
    void SetColumns(const QVector<TGridColumn> &columns);
    // The column as shown: title and alignment filled in from the field where left empty.
    TGridColumn Column(int column) const;
    // Rows are being inserted, removed, reordered or reset: views' indexes are in motion.
    bool Changing() const { return m_changing; }
    TStoreField *FieldOfColumn(int column) const;
    int ColumnOfField(const QString &fieldName) const;
    // The key field ID of a row (invalid outside the rows), and the row of a key (-1).
    QVariant IdOfRow(int row) const;
    int RowOfId(const QVariant &id) const;
    // A lookup column's choices: the result texts of its lookup store, in that store's order.
    QStringList LookupChoices(int column) const;

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
    bool Writable(int column) const;
    void Rebuild();
    void StartReset();
    void FinishReset();
    void FieldsChanged();
    void StartLayout();
    void FinishLayout(const QList<qsizetype> &order);

    TRecordStore *m_store;
    QVector<TGridColumn> m_columnSet;
    QVector<TStoreField *> m_columns; // field of each column; nullptr while the store lacks it
    bool m_resetting = false;
    bool m_changing = false;
    QModelIndexList m_layoutIndexes; // persistent indexes while the rows are reordered
};
