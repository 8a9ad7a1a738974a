#pragma once
// Reads big-endian values from a byte range; every read is checked against the end, and a
// read past it throws the snapshot's "damaged" error.
#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

class TSnapshotReadCursor
{
public:
    TSnapshotReadCursor(const char *begin, const char *end) : m_pos(begin), m_end(end) {}

    qsizetype Remaining() const { return m_end - m_pos; }
    bool AtEnd() const { return m_pos == m_end; }
    const char *Position() const { return m_pos; }
    void Skip(qsizetype bytes)
    {
        Need(bytes);
        m_pos += bytes;
    }

    quint8 U8()
    {
        Need(1);
        return quint8(*m_pos++);
    }
    quint16 U16() { return Read<quint16>(); }
    quint32 U32() { return Read<quint32>(); }
    qint32 I32() { return Read<qint32>(); }
    double Double()
    {
        const quint64 bits = Read<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QString Text()
    {
        const quint32 length = U32();
        Need(length);
        const QString text = QString::fromUtf8(m_pos, qsizetype(length));
        m_pos += length;
        return text;
    }

    [[noreturn]] static void Damaged();

private:
    void Need(qsizetype bytes) const
    {
        if (bytes < 0 || bytes > Remaining())
            Damaged();
    }
    template <typename T> T Read()
    {
        Need(sizeof(T));
        const T value = qFromBigEndian<T>(m_pos);
        m_pos += sizeof(T);
        return value;
    }

    const char *m_pos;
    const char *m_end;
};
