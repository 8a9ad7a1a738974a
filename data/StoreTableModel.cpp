#include "StoreTableModel.h"

#include "AppError.h"
#include "RecordStore.h"

TStoreTableModel::TStoreTableModel(TRecordStore *store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{
    Rebuild();
    connect(store, &TRecordStore::DataSetAboutToChange, this, &TStoreTableModel::StartReset);
    connect(store, &TRecordStore::DataSetChanged, this, &TStoreTableModel::FinishReset);
    connect(store, &TRecordStore::FieldsChanged, this, &TStoreTableModel::FieldsChanged);
    connect(store, &TRecordStore::RowsAboutToBeInserted, this, [this](int first, int last) {
        m_changing = true;
        beginInsertRows({}, first, last);
    });
    connect(store, &TRecordStore::RowsInserted, this, [this] {
        endInsertRows();
        m_changing = false;
    });
    connect(store, &TRecordStore::RowsAboutToBeRemoved, this, [this](int first, int last) {
        m_changing = true;
        beginRemoveRows({}, first, last);
    });
    connect(store, &TRecordStore::RowsRemoved, this, [this] {
        endRemoveRows();
        m_changing = false;
    });
    connect(store, &TRecordStore::LayoutAboutToBeChanged, this, &TStoreTableModel::StartLayout);
    connect(store, &TRecordStore::LayoutChanged, this, &TStoreTableModel::FinishLayout);
    connect(store, &TRecordStore::RowChanged, this, [this](int row, int) {
        if (row >= 0 && row < rowCount() && !m_columns.isEmpty())
            emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
    });
    connect(store, &TRecordStore::CurrentChanged, this, &TStoreTableModel::CurrentRowChanged);
}

void TStoreTableModel::Rebuild()
{
    m_columns.clear();
    for (int i = 0; i < m_store->FieldCount(); ++i)
        if (m_store->Fields(i)->Visible)
            m_columns << m_store->Fields(i);
}

void TStoreTableModel::StartReset()
{
    if (m_resetting)
        return;
    m_resetting = m_changing = true;
    beginResetModel();
}

void TStoreTableModel::FinishReset()
{
    StartReset(); // a reset the store did not announce
    Rebuild();
    endResetModel();
    m_resetting = m_changing = false;
}

void TStoreTableModel::FieldsChanged()
{
    if (m_resetting) {
        Rebuild(); // the reset under way shows the new columns
        return;
    }
    m_changing = true;
    beginResetModel();
    Rebuild();
    endResetModel();
    m_changing = false;
}

void TStoreTableModel::StartLayout()
{
    m_changing = true;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_layoutIndexes = persistentIndexList();
}

void TStoreTableModel::FinishLayout(const QList<qsizetype> &order)
{
    QVector<int> newRowOf(order.size());
    for (qsizetype row = 0; row < order.size(); ++row)
        newRowOf[order[row]] = int(row);
    QModelIndexList moved;
    moved.reserve(m_layoutIndexes.size());
    for (const QModelIndex &old : std::as_const(m_layoutIndexes))
        moved << (old.row() < newRowOf.size() ? index(newRowOf[old.row()], old.column())
                                              : QModelIndex());
    changePersistentIndexList(m_layoutIndexes, moved);
    m_layoutIndexes.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    m_changing = false;
}

TStoreField *TStoreTableModel::FieldOfColumn(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns[column] : nullptr;
}

int TStoreTableModel::ColumnOfField(const QString &fieldName) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c]->FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int TStoreTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_store->Active())
        return 0;
    return m_store->RecordCount();
}

int TStoreTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TStoreTableModel::data(const QModelIndex &index, int role) const
{
    TStoreField *field = FieldOfColumn(index.column());
    if (!field || index.row() < 0 || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool right =
            field->Alignment == TFieldAlign::Right ||
            (field->Alignment == TFieldAlign::Default &&
             (field->DataType == TFieldType::Integer || field->DataType == TFieldType::Float));
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    try {
        TRecordStore::TRowScope scope(m_store, index.row());
        return role == Qt::DisplayRole ? field->DisplayText() : field->EditText();
    } catch (const EAppError &) {
        return {};
    }
}

bool TStoreTableModel::IsKeyField(const TStoreField *field)
{
    return field->FieldName.compare(QStringLiteral("ID"), Qt::CaseInsensitive) == 0;
}

QVariant TStoreTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    TStoreField *field = FieldOfColumn(section);
    return field ? QVariant(field->Label()) : QVariant();
}

Qt::ItemFlags TStoreTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (TStoreField *field = FieldOfColumn(index.column());
        field && !field->ReadOnly && !IsKeyField(field))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TStoreTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    TStoreField *field = FieldOfColumn(index.column());
    if (role != Qt::EditRole || !field || field->ReadOnly || IsKeyField(field))
        return false;
    // An editor closed without a change hands back the edit text; writing that back would
    // round amounts to their text form, empty a 0 amount and drop a date's time of day.
    const QVariant current = data(index, Qt::EditRole);
    if (current.isValid() && value.toString() == current.toString())
        return true;
    try {
        if (m_store->RecNo() != index.row())
            m_store->MoveTo(index.row());
        m_store->Edit();
        field->SetText(value.toString());
    } catch (const EAppError &error) {
        emit ErrorRaised(error.Message());
        return false;
    }
    return true;
}
