#pragma once
// TDbLookupComboBox: flat drop-down list of a lookup field (the account's or the kind's
// name on the assets page). The list holds the lookup store's result texts in that store's
// order and follows the store at once: a posted, renamed or deleted entry shows in the list
// as soon as the store has it. Only a choice of the user (activated) writes the field; the
// list being filled or reloaded writes nothing.
//
// lookupIndex (USER property, notify LookupIndexChosen) is the row of the lookup store
// shown, -1 for none. Binding (fills the list, binds lookupIndex as TBindKind::Lookup and
// follows the lookup store):
//   combo->Bind(&binder, "Lu_Afa_Konten_Bezeichnung");
// binder.addMapping(combo, field) also picks lookupIndex, but leaves the list unfilled.
#include <QComboBox>
#include <QPointer>

class TFieldBinder;
class TRecordStore;

class TDbLookupComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(
        int lookupIndex READ LookupIndex WRITE SetLookupIndex NOTIFY LookupIndexChosen USER true)
public:
    explicit TDbLookupComboBox(QWidget *parent = nullptr);

    // Binds the list to the lookup field of the binder's store and follows its lookup store.
    void Bind(TFieldBinder *binder, const QString &lookupField);

    int LookupIndex() const { return currentIndex(); }
    void SetLookupIndex(int index);
    // Fills the list from the lookup store again and shows the current row's entry.
    void ReloadItems();

signals:
    void LookupIndexChosen(int index);

private:
    QPointer<TFieldBinder> m_binder;
    QPointer<TRecordStore> m_lookup;
    QString m_field;
};
