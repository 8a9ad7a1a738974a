#pragma once
// TDbCheckBox: check box of a yes/no field. Checked for "Ja", unchecked for "Nein", greyed
// (partially checked) for an empty field; a click only ever checks or unchecks, so the user
// cannot make it greyed. checkState (USER property, Qt::CheckState as int, notify
// CheckStateChanged) is what TBindKind::Check reads and writes; a click stores "Ja" or
// "Nein" through the field's text form. Binding:
//   box->Bind(&binder, "AKTIV");
// or binder.Bind(box, "checkState", "AKTIV", TBindKind::Check), or addMapping(box, "AKTIV").
#include <QCheckBox>

class TFieldBinder;

class TDbCheckBox : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(int checkState READ CheckStateValue WRITE SetCheckStateValue NOTIFY CheckStateChanged
                   USER true)
public:
    explicit TDbCheckBox(QWidget *parent = nullptr);
    explicit TDbCheckBox(const QString &text, QWidget *parent = nullptr);

    void Bind(TFieldBinder *binder, const QString &fieldName);

    int CheckStateValue() const { return int(checkState()); }
    void SetCheckStateValue(int state);

signals:
    void CheckStateChanged(int state);

protected:
    void nextCheckState() override;
};
