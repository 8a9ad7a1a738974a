#pragma once
// TErrorHandler: the application's handler for unhandled errors. Report() shows the error's
// German message in a critical message box titled with the application's name, appends it
// with date, time and the failed operation to the error log in the user's data folder, and
// returns; the caller goes back to the event loop. It never throws.
// Log lines read "dd.MM.yyyy hh:mm:ss | operation | message" (UTF-8, line breaks of the
// message as " / ").
#include <QString>
#include <exception>

class TErrorHandler
{
public:
    // Inside a catch block the caught error is taken.
    static void Report(const QString &operation,
                       std::exception_ptr error = std::current_exception()) noexcept;
    // <user's data folder>/fehler.log
    static QString LogPath();
};
