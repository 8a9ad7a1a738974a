#include "DbEdit.h"

#include "FieldBinder.h"
#include "RecordStore.h"

TDbEdit::TDbEdit(QWidget *parent) : QLineEdit(parent)
{
    setFixedSize(225, 19);
    setFrame(false);
}

void TDbEdit::Bind(TFieldBinder *binder, const QString &fieldName)
{
    const TStoreField *field = binder->Store()->FieldByName(fieldName);
    if (field->DataType == TFieldType::String && field->Size > 0)
        setMaxLength(field->Size);
    if (accessibleName().isEmpty())
        setAccessibleName(field->Label());
    binder->Bind(this, "text", fieldName, TBindKind::Text, "editingFinished()");
}
