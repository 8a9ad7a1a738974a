#pragma once
// TFieldBinder: ties properties of controls to fields of one store, without knowing any
// widget class (it works through Qt properties and signals).
//   Bind(control, "text", "BEZEICHNUNG")                    edit: edit text <-> SetText
//   Bind(control, "text", "KOSTEN", TBindKind::Text, "editingFinished()")  write on commit
//   Bind(control, "checkState", "AKTIV", TBindKind::Check)  0/1/2 (or bool): "Ja" checked,
//                                                           other unchecked, null undecided;
//                                                           a click stores "Ja" or "Nein"
//   Bind(control, "dateTime", "DATUM", TBindKind::Date)     QDateTime or QDate property
//   Bind(control, "currentIndex", "Lu_Afa_Konten_Bezeichnung", TBindKind::Lookup)
//                                                           index into LookupItems(); a choice
//                                                           stores that row's key
// Controls are filled whenever the store moves, re-reads or a value changes. A control's
// change (its property's notify signal, or the commit signal when given) starts editing
// and writes the field (bind formatted texts with a commit signal such as editingFinished(),
// so that a half-typed amount or date is not read at every keystroke: the first change
// starts editing, the text is written at the commit); pending texts are also written when
// the store posts and dropped when it cancels.
// A refused entry is reported through ErrorRaised and the control shows the stored value.
//
// The same in QDataWidgetMapper's terms: addMapping(control, fieldName[, property]) binds the
// control's user property (a lookup field: its lookupIndex, else currentIndex), of the kind its
// type says (bool or checkState: Check, QDate/QDateTime: Date, int on a lookup field: Lookup, else
// Text), written when the control's editing is finished (editingFinished() where it has
// one), at once otherwise. currentIndex/setCurrentIndex and toFirst.. are the store's
// current row; revert() shows the fields again and drops typed changes not yet written
// (an edit that typing started and nothing was written to is cancelled);
// submit() writes them (false when one was refused). Posting stays the store's.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <functional>

class TRecordStore;

enum class TBindKind { Text, Check, Date, Lookup };

class TFieldBinder : public QObject
{
    Q_OBJECT
public:
    explicit TFieldBinder(TRecordStore *store, QObject *parent = nullptr);

    void Bind(QObject *control, const char *property, const QString &fieldName,
              TBindKind kind = TBindKind::Text, const char *commitSignal = nullptr);
    TRecordStore *Store() const { return m_store; }
    // Texts of a lookup field's choices, in the lookup store's order.
    QStringList LookupItems(const QString &fieldName) const;
    void Refresh();      // fills every control from its field
    void UpdateRecord(); // writes controls with pending changes

    void addMapping(QObject *widget, const QString &fieldName);
    void addMapping(QObject *widget, const QString &fieldName, const QByteArray &propertyName);
    void removeMapping(QObject *widget);
    void clearMapping();
    QObject *mappedWidgetAt(const QString &fieldName) const;
    QString mappedFieldName(QObject *widget) const;
    QByteArray mappedPropertyName(QObject *widget) const;
    int currentIndex() const;

public slots:
    void setCurrentIndex(int row); // a refused move is reported through ErrorRaised
    void toFirst();
    void toLast();
    void toNext();
    void toPrevious();
    void revert();
    bool submit();

signals:
    void ErrorRaised(const QString &message);
    void currentIndexChanged(int row);

private slots:
    void ControlChanged();
    void ControlCommitted();
    void StateChanged();

private:
    struct TBinding {
        QPointer<QObject> Control;
        QByteArray Property;
        QString FieldName;
        TBindKind Kind;
        bool Immediate;
        bool Pending = false;
    };
    void Fill(TBinding &binding);
    void Write(TBinding &binding);
    bool WriteOrReport(TBinding &binding);
    void Move(const std::function<void()> &move);
    TBinding *BindingOf(QObject *control);

    TRecordStore *m_store;
    QVector<TBinding> m_bindings;
    bool m_filling = false;
    QObject *m_writing = nullptr; // control being written: not refilled meanwhile
};
