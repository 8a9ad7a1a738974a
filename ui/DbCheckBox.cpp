#include "DbCheckBox.h"

#include "FieldBinder.h"

TDbCheckBox::TDbCheckBox(QWidget *parent) : TDbCheckBox(QString(), parent) {}

TDbCheckBox::TDbCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    setTristate(true);
    setAccessibleName(text);
    connect(this, &QCheckBox::stateChanged, this, &TDbCheckBox::CheckStateChanged);
}

void TDbCheckBox::Bind(TFieldBinder *binder, const QString &fieldName)
{
    binder->Bind(this, "checkState", fieldName, TBindKind::Check);
}

void TDbCheckBox::SetCheckStateValue(int state)
{
    setCheckState(state == int(Qt::Checked)     ? Qt::Checked
                  : state == int(Qt::Unchecked) ? Qt::Unchecked
                                                : Qt::PartiallyChecked);
}

void TDbCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
