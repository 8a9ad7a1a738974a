#include "StopSignals.h"

#include <csignal>

namespace
{

volatile std::sig_atomic_t received = 0;

void SetAction(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Reads and writes of the database go on undisturbed until the next check.
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

// Only async-signal-safe calls here.
void OnStopSignal(int signal)
{
    if (received == 0) {
        received = signal;
        return;
    }
    // Asked again while stopping: the default action ends the process once this returns.
    SetAction(signal, SIG_DFL);
    raise(signal);
}

} // namespace

namespace StopSignals
{

void Install()
{
    SetAction(SIGTERM, OnStopSignal);
    SetAction(SIGINT, OnStopSignal);
}

void Restore()
{
    SetAction(SIGTERM, SIG_DFL);
    SetAction(SIGINT, SIG_DFL);
}

int Received()
{
    return received;
}

} // namespace StopSignals
