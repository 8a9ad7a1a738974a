#pragma once
// Passes a PDF through to its file and, once it is complete, appends an update of the
// document information (title, creator, producer) as an incremental update, which every
// PDF reader takes over the original. QPdfWriter names itself as the producer otherwise.
#include <QByteArray>
#include <QIODevice>
#include <QString>

class TPdfInfoUpdate : public QIODevice
{
public:
    explicit TPdfInfoUpdate(QIODevice *file);

    // Appends the update to the file; false when the PDF written does not end as expected.
    bool Append(const QString &title, const QString &creator, const QString &producer);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    QIODevice *m_file;
    qint64 m_written = 0;
    QByteArray m_tail; // the last bytes written, holding the trailer
};
