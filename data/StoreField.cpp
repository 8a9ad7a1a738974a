#include "StoreField.h"

#include "DatabaseError.h"
#include "FieldText.h"
#include "GermanFormat.h"
#include "RecordStore.h"

namespace
{

QMetaType MetaTypeOf(TFieldType type)
{
    switch (type) {
    case TFieldType::Integer:
        return QMetaType(QMetaType::Int);
    case TFieldType::Float:
        return QMetaType(QMetaType::Double);
    case TFieldType::DateTime:
        return QMetaType(QMetaType::QDateTime);
    case TFieldType::Blob:
        return QMetaType(QMetaType::QByteArray);
    case TFieldType::String:
        break;
    }
    return QMetaType(QMetaType::QString);
}

} // namespace

TStoreField::TStoreField(TRecordStore *dataSet, const QString &name, TFieldType type, int size)
    : FieldName(name), DataType(type), Size(size), m_dataSet(dataSet)
{
}

QVariant TStoreField::Value() const
{
    return m_dataSet->ReadValue(this);
}

bool TStoreField::IsNull() const
{
    return Value().isNull();
}

QString TStoreField::AsString() const
{
    const QVariant v = Value();
    if (v.isNull())
        return {};
    if (DataType == TFieldType::String)
        return v.toString();
    if (DataType == TFieldType::Blob)
        return QString::fromUtf8(v.toByteArray());
    return StandardText();
}

double TStoreField::AsFloat() const
{
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (DataType == TFieldType::DateTime)
        return DateSerial::FromVariant(v);
    return v.toDouble();
}

int TStoreField::AsInteger() const
{
    const QVariant v = Value();
    return v.isNull() ? 0 : v.toInt();
}

TDateTime TStoreField::AsDateTime() const
{
    return DateSerial::FromVariant(Value());
}

QByteArray TStoreField::AsBytes() const
{
    const QVariant v = Value();
    return v.isNull() ? QByteArray() : v.toByteArray();
}

void TStoreField::SetValue(const QVariant &value)
{
    m_dataSet->WriteValue(this, value);
}

void TStoreField::SetAsDateTime(TDateTime value)
{
    SetValue(DateSerial::ToQDateTime(value));
}

QVariant TStoreField::Coerce(const QVariant &value) const
{
    const QMetaType meta = MetaTypeOf(DataType);
    if (!value.isValid() || value.isNull())
        return QVariant(meta);
    switch (DataType) {
    case TFieldType::Integer:
        return QVariant(value.toInt());
    case TFieldType::Float:
        return QVariant(value.toDouble());
    case TFieldType::DateTime:
        switch (value.metaType().id()) {
        case QMetaType::QDateTime:
            return value;
        case QMetaType::QDate:
            return QVariant(value.toDate().startOfDay());
        case QMetaType::QString:
            return QVariant(DateSerial::ToQDateTime(ParseDateText(value.toString())));
        default:
            return QVariant(DateSerial::ToQDateTime(value.toDouble()));
        }
    case TFieldType::String:
        return QVariant(value.toString());
    case TFieldType::Blob:
        return QVariant(value.toByteArray());
    }
    return value;
}

QString TStoreField::StandardText() const
{
    const QVariant v = Value();
    if (v.isNull())
        return {};
    switch (DataType) {
    case TFieldType::Integer:
        return QString::number(v.toInt());
    case TFieldType::Float:
        return GermanFormat::FloatText(v.toDouble());
    case TFieldType::DateTime: {
        const TDateTime t = DateSerial::FromVariant(v);
        int h, n, s, ms;
        DateSerial::DecodeTime(t, h, n, s, ms);
        return GermanFormat::FormatDateTime(
            h || n || s ? QStringLiteral("dd.mm.yyyy hh:nn:ss") : QStringLiteral("dd.mm.yyyy"), t);
    }
    case TFieldType::String:
        return v.toString();
    case TFieldType::Blob:
        return QStringLiteral("(BLOB)");
    }
    return {};
}

void TStoreField::SetStandardText(const QString &text)
{
    const QString trimmed = text.trimmed();
    switch (DataType) {
    case TFieldType::String:
        SetValue(text.isEmpty() ? QVariant() : QVariant(text));
        return;
    case TFieldType::Blob:
        SetValue(text.isEmpty() ? QVariant() : QVariant(text.toUtf8()));
        return;
    default:
        break;
    }
    if (trimmed.isEmpty()) {
        SetValue(QVariant());
        return;
    }
    if (DataType == TFieldType::Integer) {
        bool ok = false;
        const int value = trimmed.toInt(&ok);
        if (!ok)
            throw EDatabaseError(
                QStringLiteral("„%1“ ist keine gültige ganze Zahl für das Feld „%2“.")
                    .arg(text, Label()));
        SetValue(value);
    } else if (DataType == TFieldType::Float) {
        const double value = TextToAmountDef(trimmed, qQNaN());
        if (qIsNaN(value))
            throw EDatabaseError(QStringLiteral("„%1“ ist keine gültige Zahl für das Feld „%2“.")
                                     .arg(text, Label()));
        SetValue(value);
    } else if (DataType == TFieldType::DateTime) {
        TDateTime value = 0;
        if (!TryReadDateTime(trimmed, value))
            throw EDatabaseError(
                QStringLiteral("„%1“ ist kein gültiges Datum für das Feld „%2“ "
                               "(erwartet: TT.MM.JJJJ, auf Wunsch mit Uhrzeit hh:mm).")
                    .arg(text, Label()));
        SetAsDateTime(value);
    }
}

QString TStoreField::DisplayText() const
{
    if (OnGetText) {
        QString text;
        OnGetText(const_cast<TStoreField *>(this), text, true);
        return text;
    }
    return StandardText();
}

QString TStoreField::EditText() const
{
    if (OnGetText) {
        QString text;
        OnGetText(const_cast<TStoreField *>(this), text, false);
        return text;
    }
    return StandardText();
}

void TStoreField::SetText(const QString &text)
{
    if (OnSetText)
        OnSetText(this, text);
    else
        SetStandardText(text);
}
