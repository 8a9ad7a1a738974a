#pragma once
// TDbEdit: the flat 225 x 19 edit of the entry pages, bound to one field. The text goes
// through the field's text form and is written when editing is finished (Return, leaving
// the field, a navigator command, the store's post); a text field takes at most its size
// in characters. Binding:
//   edit->Bind(&binder, "BEZEICHNUNG");
// which is binder.Bind(edit, "text", field, TBindKind::Text, "editingFinished()") plus the
// length limit.
#include <QLineEdit>

class TFieldBinder;

class TDbEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDbEdit(QWidget *parent = nullptr);

    void Bind(TFieldBinder *binder, const QString &fieldName);
};
