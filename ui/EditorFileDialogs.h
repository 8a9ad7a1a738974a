#pragma once
// The editor frame's file and printer dialogs; tests answer through the hooks instead of a
// user.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

class TEditorFileDialogs
{
public:
    // The filters of the open and save dialogs.
    static QStringList Filters();

    // Empty when cancelled.
    static QString OpenFileName(QWidget *parent, const QString &current);
    static QString SaveFileName(QWidget *parent, const QString &current);
    // Page set-up, then printer choice; false when either was cancelled.
    static bool SetUpPrinter(QWidget *parent, QPrinter &printer);

    // Set: asked instead of the dialogs.
    static std::function<QString(const QString &current)> AskOpen;
    static std::function<QString(const QString &current)> AskSave;
    static std::function<bool(QPrinter &printer)> AskPrinter;
};
