#pragma once
// One field of a record store: a column of the select, or a lookup field computed from
// another store. Values are read from the store's current row (or the row a display
// scope puts in front, see TRecordStore::TRowScope).
//   Value()/IsNull()/AsString()/AsFloat()/AsInteger()/AsDateTime()  read
//   SetValue()/SetAsFloat()/...  write (store must be inserting or editing)
//   DisplayText()/EditText()     text through OnGetText, else the standard form
//   SetText()                    entry through OnSetText, else the standard reading
#include "DateSerial.h"

#include <QString>
#include <QVariant>
#include <functional>

class TRecordStore;

enum class TFieldType { Integer, Float, DateTime, String, Blob };
enum class TFieldKind { Data, Lookup };
enum class TFieldAlign { Default, Left, Right };

class TStoreField
{
public:
    using TGetTextEvent = std::function<void(TStoreField *Sender, QString &Text, bool DisplayText)>;
    using TSetTextEvent = std::function<void(TStoreField *Sender, const QString &Text)>;

    TStoreField(TRecordStore *dataSet, const QString &name, TFieldType type, int size = 0);

    QString FieldName;
    TFieldType DataType;
    TFieldKind FieldKind = TFieldKind::Data;
    int Size = 0; // characters of a text field
    QString DisplayLabel;
    TFieldAlign Alignment = TFieldAlign::Default;
    bool Required = false;
    bool ReadOnly = false; // read from a join: never written back
    bool Visible = true;
    // Lookup: Value = LookupDataSet row with LookupKeyFields == this store's KeyFields,
    // its LookupResultField.
    TRecordStore *LookupDataSet = nullptr;
    QString KeyFields, LookupKeyFields, LookupResultField;

    TGetTextEvent OnGetText;
    TSetTextEvent OnSetText;

    TRecordStore *DataSet() const { return m_dataSet; }
    int Index() const { return m_index; }
    QString Label() const { return DisplayLabel.isEmpty() ? FieldName : DisplayLabel; }

    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const;
    double AsFloat() const;       // null reads 0
    int AsInteger() const;        // null reads 0
    TDateTime AsDateTime() const; // null reads 0
    QByteArray AsBytes() const;

    void SetValue(const QVariant &value);
    void Clear() { SetValue(QVariant()); }
    void SetAsFloat(double value) { SetValue(value); }
    void SetAsInteger(int value) { SetValue(value); }
    void SetAsString(const QString &value) { SetValue(value); }
    void SetAsDateTime(TDateTime value);

    QString DisplayText() const;
    QString EditText() const;
    void SetText(const QString &text);

    // The standard text form of the field's type (used when no OnGetText is set).
    QString StandardText() const;
    void SetStandardText(const QString &text);

    // Value brought to the field's type (int, double, QDateTime, QString, QByteArray).
    QVariant Coerce(const QVariant &value) const;

private:
    friend class TRecordStore;
    TRecordStore *m_dataSet;
    int m_index = -1; // position among the store's fields
    int m_slot = -1;  // place in the row buffer; -1 for lookup fields
};
