#include "CloseSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace
{
sigset_t CloseSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}
} // namespace

void TCloseSignals::BlockInAllThreads()
{
    const sigset_t set = CloseSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TCloseSignals::TCloseSignals(std::function<void()> onClose, QObject *parent)
    : QObject(parent), m_onClose(std::move(onClose))
{
    BlockInAllThreads();
    const sigset_t set = CloseSet();
    m_fd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TCloseSignals::Arrived);
}

TCloseSignals::~TCloseSignals()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void TCloseSignals::Arrived()
{
    signalfd_siginfo info{};
    while (::read(m_fd, &info, sizeof info) == ssize_t(sizeof info)) {
    }
    if (m_onClose)
        m_onClose();
}
