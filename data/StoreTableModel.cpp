#include "StoreTableModel.h"

#include "AppError.h"
#include "RecordStore.h"
#include "StoreValues.h"

namespace
{

Qt::Alignment WithVCenter(Qt::Alignment alignment)
{
    return alignment & Qt::AlignVertical_Mask ? alignment : alignment | Qt::AlignVCenter;
}

// Numbers right, everything else left, unless the field says otherwise.
Qt::Alignment FieldAlignment(const TStoreField *field)
{
    const bool right =
        field &&
        (field->Alignment == TFieldAlign::Right ||
         (field->Alignment == TFieldAlign::Default &&
          (field->DataType == TFieldType::Integer || field->DataType == TFieldType::Float)));
    return right ? Qt::AlignRight : Qt::AlignLeft;
}

} // namespace

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

void TStoreTableModel::SetColumns(const QVector<TGridColumn> &columns)
{
    if (m_store->FieldCount() > 0)
        for (const TGridColumn &column : columns)
            m_store->FieldByName(column.FieldName); // raises for an unknown name
    m_changing = true;
    beginResetModel();
    m_columnSet = columns;
    Rebuild();
    endResetModel();
    m_changing = false;
}

TGridColumn TStoreTableModel::Column(int column) const
{
    TGridColumn c;
    if (column < 0 || column >= m_columns.size())
        return c;
    const TStoreField *field = m_columns[column];
    if (!m_columnSet.isEmpty())
        c = m_columnSet[column];
    else
        c.FieldName = field->FieldName;
    if (c.Title.isEmpty() && field)
        c.Title = field->Label();
    if (!(c.Alignment & Qt::AlignHorizontal_Mask))
        c.Alignment |= FieldAlignment(field);
    c.Alignment = WithVCenter(c.Alignment);
    c.TitleAlignment = WithVCenter(c.TitleAlignment);
    return c;
}

void TStoreTableModel::Rebuild()
{
    m_columns.clear();
    if (!m_columnSet.isEmpty()) {
        for (const TGridColumn &column : std::as_const(m_columnSet))
            m_columns << m_store->FindField(column.FieldName);
        return;
    }
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
        Qt::Alignment alignment =
            m_columnSet.isEmpty() ? Qt::Alignment() : m_columnSet[index.column()].Alignment;
        if (!(alignment & Qt::AlignHorizontal_Mask))
            alignment |= FieldAlignment(field);
        return int(WithVCenter(alignment));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)
        return {};
    try {
        TRecordStore::TRowScope scope(m_store, index.row());
        return role == Qt::EditRole ? field->EditText() : field->DisplayText();
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
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return Column(section).Title;
    case Qt::TextAlignmentRole:
        return int(Column(section).TitleAlignment);
    default:
        return {};
    }
}

QVariant TStoreTableModel::IdOfRow(int row) const
{
    const TStoreField *id = m_store->FindField(QStringLiteral("ID"));
    if (!id || row < 0 || row >= rowCount())
        return {};
    TRecordStore::TRowScope scope(m_store, row);
    return id->Value();
}

int TStoreTableModel::RowOfId(const QVariant &id) const
{
    if (id.isNull() || !m_store->FindField(QStringLiteral("ID")))
        return -1;
    for (int row = 0; row < rowCount(); ++row)
        if (SameValue(IdOfRow(row), id))
            return row;
    return -1;
}

QStringList TStoreTableModel::LookupChoices(int column) const
{
    const TStoreField *field = FieldOfColumn(column);
    if (!field || field->FieldKind != TFieldKind::Lookup || !field->LookupDataSet ||
        !field->LookupDataSet->Active())
        return {};
    const TRecordStore *lookup = field->LookupDataSet;
    const TStoreField *result = lookup->FieldByName(field->LookupResultField);
    QStringList choices;
    for (int row = 0; row < lookup->RecordCount(); ++row) {
        TRecordStore::TRowScope scope(lookup, row);
        choices << result->DisplayText();
    }
    return choices;
}

bool TStoreTableModel::Writable(int column) const
{
    const TStoreField *field = FieldOfColumn(column);
    return field && !field->ReadOnly && !IsKeyField(field) &&
           (m_columnSet.isEmpty() || !m_columnSet[column].ReadOnly);
}

Qt::ItemFlags TStoreTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && Writable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TStoreTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    TStoreField *field = FieldOfColumn(index.column());
    if (role != Qt::EditRole || !index.isValid() || !Writable(index.column()))
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
