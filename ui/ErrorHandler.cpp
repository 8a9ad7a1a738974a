#include "ErrorHandler.h"

#include "AppError.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMutex>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <cstdio>

namespace
{

void AppendToLog(const QString &operation, const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    text.replace(u'\n', QStringLiteral(" / "));
    const QString line =
        QStringLiteral("%1 | %2 | %3\n")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")),
                 operation, text);
    const QString path = TErrorHandler::LogPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile log(path);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(line.toUtf8());
}

// Messages waiting for their box; one box at a time, so errors raised while a box is open
// (a timer, a repaint) follow once it is closed instead of piling up.
QMutex pendingLock;
QStringList pending;
bool showing = false;

QString NextMessage()
{
    const QMutexLocker lock(&pendingLock);
    return pending.isEmpty() ? QString() : pending.takeFirst();
}

void ShowMessages()
{
    if (showing)
        return;
    showing = true;
    for (QString message = NextMessage(); !message.isEmpty(); message = NextMessage()) {
        QWidget *parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                        QMessageBox::Ok, parent);
        box.exec();
    }
    showing = false;
}

void Show(const QString &message)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return;
    }
    {
        const QMutexLocker lock(&pendingLock);
        if (!pending.contains(message))
            pending.append(message);
    }
    if (QThread::currentThread() == app->thread())
        ShowMessages();
    else
        QMetaObject::invokeMethod(app, &ShowMessages, Qt::QueuedConnection);
}

} // namespace

void TErrorHandler::Report(const QString &operation, std::exception_ptr error) noexcept
{
    try {
        const QString message = ErrorMessageOf(error);
        AppendToLog(operation, message);
        Show(message);
    } catch (...) {
    }
}

QString TErrorHandler::LogPath()
{
    // the folder an installed program keeps its database in
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/norbekAfa/fehler.log");
}
