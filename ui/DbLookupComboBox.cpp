#include "DbLookupComboBox.h"

#include "FieldBinder.h"
#include "RecordStore.h"

#include <QSignalBlocker>

TDbLookupComboBox::TDbLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setFrame(false);
    setEditable(false);
    connect(this, &QComboBox::activated, this, &TDbLookupComboBox::LookupIndexChosen);
}

void TDbLookupComboBox::Bind(TFieldBinder *binder, const QString &lookupField)
{
    if (m_lookup)
        disconnect(m_lookup, nullptr, this, nullptr);
    m_binder = binder;
    m_field = lookupField;
    const TStoreField *field = binder->Store()->FieldByName(lookupField);
    m_lookup = field->LookupDataSet;
    if (m_lookup) {
        const auto reload = [this] { ReloadItems(); };
        connect(m_lookup, &TRecordStore::DataSetChanged, this, reload);
        connect(m_lookup, &TRecordStore::RowsInserted, this, reload);
        connect(m_lookup, &TRecordStore::RowsRemoved, this, reload);
        connect(m_lookup, &TRecordStore::RowChanged, this, reload);
        connect(m_lookup, &TRecordStore::LayoutChanged, this, reload);
    }
    {
        const QSignalBlocker quiet(this);
        clear();
        addItems(binder->LookupItems(lookupField));
    }
    binder->Bind(this, "lookupIndex", lookupField, TBindKind::Lookup);
}

void TDbLookupComboBox::SetLookupIndex(int index)
{
    setCurrentIndex(index < count() ? index : -1);
}

void TDbLookupComboBox::ReloadItems()
{
    if (!m_binder)
        return;
    const QStringList items = m_binder->LookupItems(m_field);
    {
        const QSignalBlocker quiet(this);
        const int shown = currentIndex();
        bool same = items.size() == count();
        for (int i = 0; same && i < count(); ++i)
            same = itemText(i) == items[i];
        if (!same) {
            clear();
            addItems(items);
            setCurrentIndex(shown < count() ? shown : -1);
        }
    }
    // Rows before the shown one may have come or gone: the binder shows the key's row.
    m_binder->Refresh();
}
