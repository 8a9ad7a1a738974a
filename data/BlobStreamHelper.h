#pragma once
// Moves a blob between a store's field or parameter and bytes, through one work stream
// (an in-memory buffer owned by the helper; its content is that of the last operation).
// Text is carried as UTF-8 bytes, so every QString comes back unchanged; the byte
// operations keep any byte sequence as it is.
#include <QBuffer>
#include <QString>

class TRecordStore;

class TBlobStreamHelper
{
public:
    TBlobStreamHelper();

    QBuffer *WorkStream() { return &m_work; }

    // Copies the named field's blob of the current row into stream (the work stream when
    // null), emptied first and left at its start. Errors (no such field) are swallowed.
    void BlobToStream(const TRecordStore *query, const QString &fieldName,
                      QBuffer *stream = nullptr);
    QString BlobToString(const TRecordStore *query, const QString &fieldName);
    QByteArray BlobToBytes(const TRecordStore *query, const QString &fieldName);

    // Loads the parameter with text's bytes (no terminator, no length prefix).
    void StringToBlobParam(TRecordStore *query, const QString &paramName, const QString &text);
    void BytesToBlobParam(TRecordStore *query, const QString &paramName, const QByteArray &bytes);
    // Loads the parameter with the whole content of stream (the work stream when null).
    void StreamToBlobParam(TRecordStore *query, const QString &paramName,
                           QBuffer *stream = nullptr);

private:
    QBuffer m_work;
};
