#pragma once
// A CUPS scheduler of the tests' own: configuration, spool and logs in a temporary folder,
// reached through a Unix socket there, with one queue "norbek" (location "Testraum") whose
// device is a file. A system scheduler is left alone.
#include <QProcess>
#include <QString>

class ScratchCups
{
public:
    // Points CUPS_SERVER at the scratch socket unless "-class" names another test class.
    static void PrepareEnvironment(int argc, char **argv);
    static QString Folder();

    ~ScratchCups();
    // Starts the scheduler; false with Why() set when it cannot start.
    bool Start();
    QString Why() const { return m_why; }
    QString OutputFile() const;
    // Waits until the queue holds no job; false on timeout.
    bool WaitIdle(int milliseconds);
    // Runs a CUPS command-line tool against the scratch scheduler.
    bool Run(const QString &program, const QStringList &arguments, QString *output = nullptr);
    void Stop();

private:
    QProcess m_cupsd;
    QString m_why;
};
