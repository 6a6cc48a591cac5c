// A run that is interrupted, or whose output is closed, still removes its
// temporary home. Signals only note themselves; at the next point where the
// game asks for work or begins a frame the window's close box is pressed, and
// once the game has ended through it the process dies of the signal. A game
// stuck inside a frame never gets there, so an alarm ends the process a
// moment later anyway (leaving the home behind, but never refusing to stop).
#include "sim/sim.h"

#include <csignal>
#include <unistd.h>

namespace {

const unsigned STOP_GRACE_SECONDS = 1;

volatile std::sig_atomic_t StopSignal = 0;

void NoteStopSignal(int signal)
{
    StopSignal = signal;
    alarm(STOP_GRACE_SECONDS);
}

// Cleans up, then dies of the signal as the process would have without us.
[[noreturn]] void DieOf(int signal)
{
    SimRemoveTemporaryHome();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

} // namespace

void SimCatchSignals()
{
    struct sigaction action = {};
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;   // no restart: a blocked read of the script returns
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    // A closed output shows as a failed write, handled by SimOutput.
    std::signal(SIGPIPE, SIG_IGN);
}

bool SimStopSignalled()
{
    return StopSignal != 0;
}

void SimExitForSignal()
{
    if (StopSignal != 0)
        DieOf(StopSignal);
}

void SimOutputClosed()
{
    DieOf(SIGPIPE);
}
