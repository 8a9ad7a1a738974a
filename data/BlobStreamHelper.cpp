#include "BlobStreamHelper.h"

#include "RecordStore.h"

TBlobStreamHelper::TBlobStreamHelper()
{
    m_work.open(QIODevice::ReadWrite);
}

void TBlobStreamHelper::BlobToStream(const TRecordStore *query, const QString &fieldName,
                                     QBuffer *stream)
{
    QBuffer *target = stream ? stream : &m_work;
    if (target->isOpen())
        target->close();
    target->setData(QByteArray());
    target->open(QIODevice::ReadWrite);
    try {
        if (const TStoreField *field = query ? query->FindField(fieldName) : nullptr)
            target->write(field->AsBytes());
    } catch (...) {
        // A damaged blob reads as empty.
    }
    target->seek(0);
}

QByteArray TBlobStreamHelper::BlobToBytes(const TRecordStore *query, const QString &fieldName)
{
    BlobToStream(query, fieldName);
    return m_work.data();
}

QString TBlobStreamHelper::BlobToString(const TRecordStore *query, const QString &fieldName)
{
    return QString::fromUtf8(BlobToBytes(query, fieldName));
}

void TBlobStreamHelper::BytesToBlobParam(TRecordStore *query, const QString &paramName,
                                         const QByteArray &bytes)
{
    m_work.close();
    m_work.setData(bytes);
    m_work.open(QIODevice::ReadWrite);
    StreamToBlobParam(query, paramName);
}

void TBlobStreamHelper::StringToBlobParam(TRecordStore *query, const QString &paramName,
                                          const QString &text)
{
    BytesToBlobParam(query, paramName, text.toUtf8());
}

void TBlobStreamHelper::StreamToBlobParam(TRecordStore *query, const QString &paramName,
                                          QBuffer *stream)
{
    QBuffer *source = stream ? stream : &m_work;
    // Typed as bytes, so the driver writes a blob.
    query->SetParam(paramName, QVariant(source->data()));
}
