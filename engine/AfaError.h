#pragma once
// An error with a German message for the user; the application's handler shows What().
#include <QString>
#include <exception>

class EAfaError : public std::exception
{
public:
    explicit EAfaError(QString message) : Message(std::move(message)), Utf8(Message.toUtf8()) {}
    const char *what() const noexcept override { return Utf8.constData(); }
    const QString &What() const { return Message; }

private:
    QString Message;
    QByteArray Utf8;
};

// A text that does not read as the number asked for.
class EConvertError : public EAfaError
{
public:
    using EAfaError::EAfaError;
};
