#include "ReportDataConnection.h"

#include "RecordStore.h"

bool TReportDataConnection::Readable() const
{
    return DataSet && DataSet->Active();
}

bool TReportDataConnection::First()
{
    if (!Readable())
        return false;
    DataSet->First();
    return !DataSet->Eof();
}

bool TReportDataConnection::Next()
{
    if (!Readable() || DataSet->Eof())
        return false;
    DataSet->Next();
    return !DataSet->Eof();
}

TStoreField *TReportDataConnection::Field(const QString &name) const
{
    if (m_fieldsOf != DataSet) {
        m_fields.clear();
        m_fieldsOf = DataSet;
    }
    const auto known = m_fields.constFind(name);
    if (known != m_fields.constEnd())
        return known.value();
    TStoreField *field = DataSet->FindField(name);
    m_fields.insert(name, field);
    return field;
}

bool TReportDataConnection::HasField(const QString &name) const
{
    return !Readable() || Field(name) != nullptr;
}

QVariant TReportDataConnection::Value(const QString &name) const
{
    if (!Readable() || DataSet->Eof())
        return {};
    const TStoreField *field = Field(name);
    return field ? field->Value() : QVariant();
}
