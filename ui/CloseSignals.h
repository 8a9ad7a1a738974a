#pragma once
// TCloseSignals: SIGTERM and SIGHUP (a logout, a service stop) reach the event loop as a call
// of OnClose, so that the program closes the way the user closes it.
#include <QObject>
#include <functional>

class QSocketNotifier;

class TCloseSignals : public QObject
{
    Q_OBJECT
public:
    explicit TCloseSignals(std::function<void()> onClose, QObject *parent = nullptr);
    ~TCloseSignals() override;

private:
    void Arrived();

    std::function<void()> m_onClose;
    QSocketNotifier *m_notifier = nullptr;
};
