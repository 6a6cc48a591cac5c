// Drives the game: the headless platform asks for work whenever the main loop
// has no frames left to run (or waits while the window is inactive); the
// script is then read up to the next command that lets the loop go on.
#include "sim/sim.h"

#include "platform/headless/headless.h"

#include <cstdlib>
#include <cstring>

namespace {

// Executes one command. Returns true when the main loop should go on
// (frames granted or events to take), false to read the next command.
bool Execute(const SimCommand& command)
{
    PlatformEvent event;
    std::string error;
    switch (command.kind) {
    case SIM_HOLD: {
        // A key held before and after stays down, so it is no new press.
        PlatformKeys keys;
        for (PlatformKey key : command.keys)
            keys.down[key] = true;
        HeadlessSetKeys(keys);
        // Asking for a hint is using the solver: its events are printed from now on.
        if (keys.down[PLATFORM_KEY_H])
            Sim.watchSolver = true;
        return false;
    }
    case SIM_RUN:
        if (command.frames == 0)
            return false;
        if (PlatformWindowActive()) {
            HeadlessGrantFrames(command.frames);
            return true;
        }
        // No frame runs while the window is inactive: only take what is queued.
        Sim.draining = HeadlessQueuedEvents() > 0;
        return Sim.draining;
    case SIM_CLICK:
        event.kind = PLATFORM_EVENT_MOUSE_PRESS;
        event.button = command.button;
        event.x = command.x;
        event.y = command.y;
        event.doubleClick = command.doubleClick;
        HeadlessQueueEvent(event);
        return false;
    case SIM_MENU:
        event.kind = PLATFORM_EVENT_COMMAND;
        event.command = command.value;
        HeadlessQueueEvent(event);
        return false;
    case SIM_DROP:
        event.kind = PLATFORM_EVENT_DROP;
        event.path = command.file;
        HeadlessQueueEvent(event);
        return false;
    case SIM_CLOSE:
        event.kind = PLATFORM_EVENT_CLOSE;
        HeadlessQueueEvent(event);
        return false;
    case SIM_FOCUS:
        HeadlessSetFocus(command.on);
        return false;
    case SIM_CLOCK:
        HeadlessSetClock(command.value);
        return false;
    case SIM_PRINT:
        switch (command.what) {
        case SIM_PRINT_BOARD: SimPrintBoard(); break;
        case SIM_PRINT_STATE: SimPrintState(); break;
        case SIM_PRINT_MENU: SimPrintMenu(); break;
        case SIM_PRINT_SAVED: SimPrintSaved(); break;
        case SIM_PRINT_STATUS: SimPrintStatus(); break;
        case SIM_PRINT_RECORDS: SimPrintRecords(); break;
        case SIM_PRINT_MARKS: SimPrintMarks(); break;
        case SIM_PRINT_CAMPAIGN: SimPrintCampaign(); break;
        }
        return false;
    case SIM_WATCH:
        if (command.file == "verdict")
            Sim.watchVerdict = true;
        else
            Sim.watchSolver = true;
        return false;
    case SIM_SHOT:
        if (!SimWriteShot(command.file, &error))
            SimFail(error);
        return false;
    }
    return false;
}

// The end of the script presses the window's close box, behind whatever is
// still queued. Asked again before the program has ended, it presses it
// again only when nothing is queued, so the loop always has something to take.
void CloseAtEnd()
{
    if (Sim.closePressed && HeadlessQueuedEvents() > 0)
        return;
    PlatformEvent close;
    close.kind = PLATFORM_EVENT_CLOSE;
    HeadlessQueueEvent(close);
    Sim.closePressed = true;
}

// A stop signal presses the close box; the script is read no further.
bool StopSignalled()
{
    if (!SimStopSignalled())
        return false;
    CloseAtEnd();
    return true;
}

void SimIdle()
{
    if (StopSignalled())
        return;
    if (Sim.draining) {
        if (HeadlessQueuedEvents() > 0 && !PlatformWindowActive())
            return;
        Sim.draining = false;
    }
    SimCommand command;
    std::string error;
    for (;;) {
        int next = SimScriptNext(&Sim.script, &command, &error);
        if (StopSignalled())
            return;
        if (next < 0)
            SimFail(error);
        if (next == 0) {
            CloseAtEnd();
            return;
        }
        if (Execute(command))
            return;
    }
}

void OnFrameBegin()
{
    StopSignalled();
}

void OnSound(const char* name)
{
    SimEvent(std::string("sound ") + name);
}

void OnMessageBox(const char* text)
{
    SimEvent(std::string("message ") + text);
}

void OnAboutBox()
{
    SimEvent("about");
}

void OnHelpBox(bool open)
{
    SimEvent(open ? "help" : "help closed");
}

void OnBeep()
{
    SimEvent("beep");
}

// The verdict is printed only once a script asks for it with "watch verdict".
void OnTrace(const char* event, const char* values)
{
    if (std::strcmp(event, "verdict") == 0 && !Sim.watchVerdict)
        return;
    SimEvent(std::string(event) + " " + values);
}

} // namespace

void SimInstallHooks()
{
    HeadlessHooks hooks;
    hooks.idle = SimIdle;
    hooks.frameBegin = OnFrameBegin;
    hooks.soundStarted = OnSound;
    hooks.messageBox = OnMessageBox;
    hooks.aboutBox = OnAboutBox;
    hooks.helpBox = OnHelpBox;
    hooks.beep = OnBeep;
    hooks.trace = OnTrace;
    HeadlessSetHooks(hooks);
}

void SimSolverEvent(const std::string& event)
{
    if (Sim.watchSolver)
        SimEvent(event);
}

void SimFail(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "quagmore-sim: %s, line %d: %s\n", Sim.script.name.c_str(), Sim.script.lineNumber,
                 message.c_str());
    SimScriptClose(&Sim.script);
    SimRemoveTemporaryHome();
    std::exit(SIM_EXIT_ERROR);
}
