#pragma once
// TCloseSignals: SIGTERM and SIGHUP (a logout, a service stop) reach the event loop as a call
// of OnClose, so that the program closes the way the user closes it.
// The signals are blocked in every thread and read from a signal descriptor: a handler run on
// one of the embedded database engine's threads left the engine spinning at detach. Call
// BlockInAllThreads() first thing in main(), before any thread exists.
#include <QObject>
#include <functional>

class QSocketNotifier;

class TCloseSignals : public QObject
{
    Q_OBJECT
public:
    explicit TCloseSignals(std::function<void()> onClose, QObject *parent = nullptr);
    ~TCloseSignals() override;

    // Blocks SIGTERM and SIGHUP in this thread and the threads it starts later.
    static void BlockInAllThreads();

private:
    void Arrived();

    std::function<void()> m_onClose;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
