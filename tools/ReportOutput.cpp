#include "ReportOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{

QString SystemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EDQUOT:
        return QStringLiteral("Das Speicherkontingent ist erschöpft.");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner fehlt.");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner.");
    case EROFS:
        return QStringLiteral("Das Dateisystem ist schreibgeschützt.");
    case EPIPE:
        return QStringLiteral("Der Empfänger liest nicht mehr.");
    case EIO:
        return QStringLiteral("Ein- oder Ausgabefehler.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Writes all of data and closes the stream; errno tells what failed.
bool WriteAndClose(std::FILE *stream, const QByteArray &data)
{
    errno = 0;
    bool ok = std::fwrite(data.constData(), 1, size_t(data.size()), stream) == size_t(data.size());
    ok = std::fflush(stream) == 0 && ok;
    int error = errno;
    if (std::fclose(stream) != 0 && ok) {
        ok = false;
        error = errno;
    }
    errno = error != 0 ? error : EIO;
    return ok;
}

QString FileMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Die Ausgabedatei '%1' kann nicht geschrieben werden: %2")
        .arg(fileName, reason);
}

} // namespace

namespace ReportOutput
{

bool ToStandardOutput(const QByteArray &data, QString &error)
{
    if (WriteAndClose(stdout, data))
        return true;
    error = QStringLiteral("Die Standardausgabe kann nicht geschrieben werden: %1")
                .arg(SystemErrorText(errno));
    return false;
}

bool ToFile(const QByteArray &data, const QString &fileName, QString &error)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        // A pipe or a device stays what it is: written to, not replaced by a file.
        std::FILE *stream = std::fopen(QFile::encodeName(fileName).constData(), "wb");
        if (stream && WriteAndClose(stream, data))
            return true;
        error = FileMessage(fileName, SystemErrorText(errno));
        return false;
    }
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    error = FileMessage(fileName, file.errorString());
    return false;
}

} // namespace ReportOutput
