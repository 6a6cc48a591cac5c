// A run that is interrupted, or whose output is closed, still removes its
// temporary home. Signals only note themselves; at the next point where the
// game asks for work or begins a frame the window's close box is pressed, and
// once the game has ended through it the process dies of the signal.
//
// A signal that comes just before the script is read leaves that read waiting
// for a line that may never come, and a game stuck inside a frame never gets
// to the close box. So a stop signal also starts a tick each second: each
// tick interrupts a waiting read (the script then ends, and the close box is
// pressed), and after STOP_GRACE_TICKS of them the process dies of the signal
// anyway (leaving the home behind, but never refusing to stop).
#include "sim/sim.h"

#include <csignal>
#include <unistd.h>

namespace {

const int STOP_GRACE_TICKS = 5;
const unsigned STOP_TICK_SECONDS = 1;

volatile std::sig_atomic_t StopSignal = 0;
volatile std::sig_atomic_t TicksLeft = 0;

void NoteStopSignal(int signal)
{
    if (StopSignal != 0)
        return;
    StopSignal = signal;
    TicksLeft = STOP_GRACE_TICKS;
    alarm(STOP_TICK_SECONDS);
}

void StopTick(int)
{
    TicksLeft = TicksLeft - 1;
    if (TicksLeft > 0) {
        alarm(STOP_TICK_SECONDS);
        return;
    }
    std::signal(StopSignal, SIG_DFL);
    std::raise(StopSignal);
    _exit(128 + StopSignal);
}

// Cleans up, then dies of the signal as the process would have without us.
[[noreturn]] void DieOf(int signal)
{
    alarm(0);
    SimRemoveTemporaryHome();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

// No restart: a read of the script waiting when the handler runs returns.
void CatchWithoutRestart(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(signal, &action, nullptr);
}

} // namespace

void SimCatchSignals()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        CatchWithoutRestart(signal, NoteStopSignal);
    CatchWithoutRestart(SIGALRM, StopTick);
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
