// SIGINT, SIGTERM and SIGHUP end the game the way its close box does, so
// shutdown runs and nothing saved is cut short. The handler only notes the
// signal; the event loop, which looks at least every half second, turns it
// into the close. A signal the game was started with ignored (as a shell's
// background job ignores SIGINT) stays ignored.
#include "platform/sdl/sdl_platform.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t StopRequested = 0;

void NoteStop(int)
{
    StopRequested = 1;
}

} // namespace

void SdlCatchStopSignals()
{
    // SDL would turn SIGINT and SIGTERM into a quit itself, but not SIGHUP.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old = {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action = {};
        action.sa_handler = NoteStop;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }
}

bool SdlTakeStopSignal()
{
    if (StopRequested == 0)
        return false;
    StopRequested = 0;
    return true;
}
