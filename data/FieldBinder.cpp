#include "FieldBinder.h"

#include "AppError.h"
#include "FieldText.h"
#include "RecordStore.h"

#include <QDateTime>
#include <QMetaProperty>

TFieldBinder::TFieldBinder(TRecordStore *store, QObject *parent) : QObject(parent), m_store(store)
{
    connect(store, &TRecordStore::DataSetChanged, this, &TFieldBinder::Refresh);
    connect(store, &TRecordStore::CurrentChanged, this, &TFieldBinder::Refresh);
    connect(store, &TRecordStore::RowChanged, this, &TFieldBinder::Refresh);
    connect(store, &TRecordStore::UpdateRecordRequested, this, &TFieldBinder::UpdateRecord);
    connect(store, &TRecordStore::CurrentChanged, this, &TFieldBinder::currentIndexChanged);
    connect(store, &TRecordStore::StateChanged, this, &TFieldBinder::StateChanged);
}

void TFieldBinder::Bind(QObject *control, const char *property, const QString &fieldName,
                        TBindKind kind, const char *commitSignal)
{
    TBinding binding{control, QByteArray(property), fieldName, kind, commitSignal == nullptr};
    const QMetaObject *meta = control->metaObject();
    const QMetaProperty prop = meta->property(meta->indexOfProperty(property));
    const QMetaMethod changed = metaObject()->method(metaObject()->indexOfSlot("ControlChanged()"));
    if (prop.hasNotifySignal())
        connect(control, prop.notifySignal(), this, changed);
    if (commitSignal) {
        const int index =
            meta->indexOfSignal(QMetaObject::normalizedSignature(commitSignal).constData());
        if (index >= 0)
            connect(control, meta->method(index), this,
                    metaObject()->method(metaObject()->indexOfSlot("ControlCommitted()")));
    }
    m_bindings.push_back(binding);
    Fill(m_bindings.back());
}

QStringList TFieldBinder::LookupItems(const QString &fieldName) const
{
    QStringList items;
    const TStoreField *field = m_store->FindField(fieldName);
    if (!field || !field->LookupDataSet || !field->LookupDataSet->Active())
        return items;
    TRecordStore *lookup = field->LookupDataSet;
    const TStoreField *result = lookup->FieldByName(field->LookupResultField);
    for (int r = 0; r < lookup->RecordCount(); ++r) {
        TRecordStore::TRowScope scope(lookup, r);
        items << result->AsString();
    }
    return items;
}

TFieldBinder::TBinding *TFieldBinder::BindingOf(QObject *control)
{
    for (TBinding &b : m_bindings)
        if (b.Control == control)
            return &b;
    return nullptr;
}

void TFieldBinder::Refresh()
{
    for (TBinding &b : m_bindings)
        if (!b.Pending && b.Control != m_writing)
            Fill(b);
}

void TFieldBinder::Fill(TBinding &b)
{
    if (!b.Control)
        return;
    const TStoreField *field = m_store->FindField(b.FieldName);
    const bool hasRow = field && m_store->Active() && m_store->RecNo() >= 0;
    QVariant value;
    switch (b.Kind) {
    case TBindKind::Text:
        value = hasRow ? field->EditText() : QString();
        break;
    case TBindKind::Check: {
        const bool isBool = b.Control->property(b.Property).metaType().id() == QMetaType::Bool;
        if (!hasRow || field->IsNull())
            value = isBool ? QVariant(false) : QVariant(int(Qt::PartiallyChecked));
        else {
            const bool checked = field->DisplayText() == YesText;
            value =
                isBool ? QVariant(checked) : QVariant(int(checked ? Qt::Checked : Qt::Unchecked));
        }
        break;
    }
    case TBindKind::Date: {
        const bool isDate = b.Control->property(b.Property).metaType().id() == QMetaType::QDate;
        if (hasRow && !field->IsNull()) {
            const QDateTime dt = DateSerial::ToQDateTime(field->AsDateTime());
            value = isDate ? QVariant(dt.date()) : QVariant(dt);
        } else {
            value = isDate ? QVariant(QDate()) : QVariant(QDateTime());
        }
        break;
    }
    case TBindKind::Lookup: {
        int index = -1;
        if (hasRow && field->LookupDataSet && field->LookupDataSet->Active()) {
            const QVariant key = m_store->FieldByName(field->KeyFields)->Value();
            const TStoreField *lookupKey =
                field->LookupDataSet->FieldByName(field->LookupKeyFields);
            for (int r = 0; !key.isNull() && r < field->LookupDataSet->RecordCount(); ++r) {
                TRecordStore::TRowScope scope(field->LookupDataSet, r);
                if (lookupKey->Value() == key) {
                    index = r;
                    break;
                }
            }
        }
        value = index;
        break;
    }
    }
    m_filling = true;
    b.Control->setProperty(b.Property, value);
    m_filling = false;
    b.Pending = false;
}

void TFieldBinder::Write(TBinding &b)
{
    if (!b.Control)
        return;
    b.Pending = false;
    struct TWriting {
        QObject *&slot;
        ~TWriting() { slot = nullptr; }
    } writing{m_writing};
    m_writing = b.Control;
    TStoreField *field = m_store->FieldByName(b.FieldName);
    const QVariant value = b.Control->property(b.Property);
    if (m_store->State() == TStoreState::Browse)
        m_store->Edit();
    switch (b.Kind) {
    case TBindKind::Text:
        field->SetText(value.toString());
        break;
    case TBindKind::Check: {
        const bool checked = value.metaType().id() == QMetaType::Bool
                                 ? value.toBool()
                                 : value.toInt() == int(Qt::Checked);
        if (value.metaType().id() != QMetaType::Bool && value.toInt() == int(Qt::PartiallyChecked))
            return;
        field->SetText(checked ? YesText : NoText);
        break;
    }
    case TBindKind::Date: {
        const QDateTime dt = value.metaType().id() == QMetaType::QDate ? value.toDate().startOfDay()
                                                                       : value.toDateTime();
        if (dt.isValid())
            field->SetAsDateTime(DateSerial::FromQDateTime(dt));
        else
            field->Clear();
        break;
    }
    case TBindKind::Lookup: {
        const int index = value.toInt();
        TRecordStore *lookup = field->LookupDataSet;
        QVariant key;
        if (lookup && index >= 0 && index < lookup->RecordCount()) {
            TRecordStore::TRowScope scope(lookup, index);
            key = lookup->FieldByName(field->LookupKeyFields)->Value();
        }
        m_store->FieldByName(field->KeyFields)->SetValue(key);
        break;
    }
    }
}

// A refused entry shows the stored value again and reports the message.
bool TFieldBinder::WriteOrReport(TBinding &binding)
{
    try {
        Write(binding);
        return true;
    } catch (const EAppError &error) {
        Fill(binding);
        emit ErrorRaised(error.Message());
        return false;
    }
}

void TFieldBinder::ControlChanged()
{
    if (m_filling)
        return;
    TBinding *b = BindingOf(sender());
    if (!b)
        return;
    if (!b->Immediate) {
        b->Pending = true;
        // Typing starts editing, as the post and cancel commands then apply; the text
        // itself waits for the commit.
        if (m_store->State() == TStoreState::Browse && m_store->RecNo() >= 0) {
            try {
                m_store->Edit();
            } catch (const EAppError &error) {
                emit ErrorRaised(error.Message());
            }
        }
        return;
    }
    WriteOrReport(*b);
}

void TFieldBinder::ControlCommitted()
{
    TBinding *b = BindingOf(sender());
    if (!b || !b->Pending)
        return;
    // Written: the control shows the field's text form ("1234,5" becomes "1.234,5").
    if (WriteOrReport(*b))
        Fill(*b);
}

// Back in browse state without a post (cancelled, closed): what was typed is dropped.
void TFieldBinder::StateChanged()
{
    if (m_store->State() != TStoreState::Browse && m_store->State() != TStoreState::Closed)
        return;
    for (TBinding &b : m_bindings)
        if (b.Pending)
            Fill(b);
}

void TFieldBinder::UpdateRecord()
{
    submit();
}

void TFieldBinder::addMapping(QObject *widget, const QString &fieldName)
{
    const TStoreField *field = m_store->FindField(fieldName);
    const QMetaObject *meta = widget->metaObject();
    QByteArray property = meta->userProperty().name();
    if (field && field->FieldKind == TFieldKind::Lookup) {
        if (meta->indexOfProperty("lookupIndex") >= 0)
            property = "lookupIndex";
        else if (meta->indexOfProperty("currentIndex") >= 0)
            property = "currentIndex";
    }
    if (property.isEmpty())
        property = "text";
    addMapping(widget, fieldName, property);
}

void TFieldBinder::addMapping(QObject *widget, const QString &fieldName,
                              const QByteArray &propertyName)
{
    removeMapping(widget);
    const TStoreField *field = m_store->FindField(fieldName);
    const QMetaObject *meta = widget->metaObject();
    const QMetaType type = meta->property(meta->indexOfProperty(propertyName)).metaType();
    TBindKind kind = TBindKind::Text;
    if (type.id() == QMetaType::Bool || propertyName == "checkState")
        kind = TBindKind::Check;
    else if (type.id() == QMetaType::QDate || type.id() == QMetaType::QDateTime)
        kind = TBindKind::Date;
    else if (type.id() == QMetaType::Int && field && field->FieldKind == TFieldKind::Lookup)
        kind = TBindKind::Lookup;
    const bool finishes = meta->indexOfSignal("editingFinished()") >= 0;
    Bind(widget, propertyName.constData(), fieldName, kind,
         finishes ? "editingFinished()" : nullptr);
}

void TFieldBinder::removeMapping(QObject *widget)
{
    for (qsizetype i = m_bindings.size() - 1; i >= 0; --i)
        if (m_bindings[i].Control == widget) {
            if (widget)
                disconnect(widget, nullptr, this, nullptr);
            m_bindings.removeAt(i);
        }
}

void TFieldBinder::clearMapping()
{
    while (!m_bindings.isEmpty())
        removeMapping(m_bindings.last().Control);
}

QObject *TFieldBinder::mappedWidgetAt(const QString &fieldName) const
{
    for (const TBinding &b : m_bindings)
        if (b.FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return b.Control;
    return nullptr;
}

QString TFieldBinder::mappedFieldName(QObject *widget) const
{
    for (const TBinding &b : m_bindings)
        if (b.Control == widget)
            return b.FieldName;
    return {};
}

QByteArray TFieldBinder::mappedPropertyName(QObject *widget) const
{
    for (const TBinding &b : m_bindings)
        if (b.Control == widget)
            return b.Property;
    return {};
}

int TFieldBinder::currentIndex() const
{
    return m_store->Active() ? m_store->RecNo() : -1;
}

void TFieldBinder::Move(const std::function<void()> &move)
{
    try {
        move();
    } catch (const EAppError &error) {
        emit ErrorRaised(error.Message());
    }
}

void TFieldBinder::setCurrentIndex(int row)
{
    if (row >= 0 && row < m_store->RecordCount() && row != currentIndex())
        Move([this, row] { m_store->MoveTo(row); });
}

void TFieldBinder::toFirst()
{
    Move([this] { m_store->First(); });
}

void TFieldBinder::toLast()
{
    Move([this] { m_store->Last(); });
}

void TFieldBinder::toNext()
{
    Move([this] { m_store->Next(); });
}

void TFieldBinder::toPrevious()
{
    Move([this] { m_store->Prior(); });
}

void TFieldBinder::revert()
{
    for (TBinding &b : m_bindings) {
        b.Pending = false;
        Fill(b);
    }
    if (m_store->State() == TStoreState::Edit && !m_store->Modified())
        m_store->Cancel();
}

bool TFieldBinder::submit()
{
    bool written = true;
    for (TBinding &b : m_bindings)
        if (b.Pending)
            written = WriteOrReport(b) && written;
    return written;
}
