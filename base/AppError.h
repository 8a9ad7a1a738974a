#pragma once
// EAppError: the root of every error the program raises. Message() is the complete German
// text for the user; what() gives the same text as UTF-8.
#include <QByteArray>
#include <QString>
#include <exception>

class EAppError : public std::exception
{
public:
    explicit EAppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }

    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The text to show for a caught error: the program's own message, a standard error's what()
// (read as UTF-8), or a general German text for anything else. Call it inside a catch block
// or hand it the error.
inline QString ErrorMessageOf(std::exception_ptr error = std::current_exception())
{
    const QString unexpected = QStringLiteral("Ein unerwarteter Fehler ist aufgetreten.");
    if (!error)
        return unexpected;
    try {
        std::rethrow_exception(error);
    } catch (const EAppError &e) {
        return e.Message().isEmpty() ? unexpected : e.Message();
    } catch (const std::exception &e) {
        const QString text = QString::fromUtf8(e.what());
        return text.isEmpty() ? unexpected : text;
    } catch (...) {
        return unexpected;
    }
}
