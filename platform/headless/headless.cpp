// The headless platform: no window system, no display and no sound device.
// Everything the game asks of them is simulated and recorded.
#include "platform/headless/headless.h"
#include "platform/common/common.h"
#include "platform/common/key_actions.h"

#include <deque>
#include <map>

namespace {

// The clock counts thirds of a millisecond so that a 60 Hz frame is exact.
const uint64_t CLOCK_UNITS_PER_MS = 3;
const uint64_t CLOCK_UNITS_PER_FRAME = 50;   // 1000 / 60 ms

struct HeadlessSound {
    std::string name;
    int channel;
};

struct HeadlessPlatform {
    HeadlessHooks hooks;
    bool windowExists = false;
    bool focused = true;
    bool keyboardPresent = true;
    bool soundDevicePresent = true;
    bool soundOpen = false;
    std::deque<PlatformEvent> queue;
    PlatformKeys keys;
    // Keys that closed the help panel read as up until they are released.
    PlatformKeys swallowed;
    std::string status;
    uint64_t clockUnits = 0;
    uint64_t framesGranted = 0;
    uint64_t framesBegun = 0;
    uint64_t presents = 0;
    const Picture* lastPresented = nullptr;
    std::map<uint32_t, bool> menu;
    std::map<uint32_t, std::string> marks;
    std::map<int, HeadlessSound> sounds;
    int nextSoundHandle = 1;
    std::vector<HeadlessSoundEvent> soundEvents;
    std::vector<std::string> messageBoxes;
    int aboutBoxes = 0;
    int beeps = 0;
};

HeadlessPlatform Headless;

void RecordMenu(const std::vector<PlatformMenuItem>& items)
{
    for (const PlatformMenuItem& item : items) {
        if (item.command != 0)
            Headless.menu[item.command] = item.enabled;
        RecordMenu(item.items);
    }
}

void AskDriver()
{
    if (Headless.hooks.idle != nullptr)
        Headless.hooks.idle();
}

} // namespace

// ---------------------------------------------------------------------------
// Control

void HeadlessReset()
{
    Headless = HeadlessPlatform();
}

void HeadlessSetHooks(const HeadlessHooks& hooks)
{
    Headless.hooks = hooks;
}

void HeadlessGrantFrames(uint64_t frames)
{
    Headless.framesGranted = frames;
}

uint64_t HeadlessFramesGranted()
{
    return Headless.framesGranted;
}

uint64_t HeadlessFramesBegun()
{
    return Headless.framesBegun;
}

void HeadlessQueueEvent(const PlatformEvent& event)
{
    Headless.queue.push_back(event);
}

size_t HeadlessQueuedEvents()
{
    return Headless.queue.size();
}

void HeadlessSetKey(PlatformKey key, bool down)
{
    Headless.keys.down[key] = down;
    if (!down)
        Headless.swallowed.down[key] = false;
}

void HeadlessSetKeys(const PlatformKeys& keys)
{
    for (int key = 0; key < PLATFORM_KEYS; ++key)
        HeadlessSetKey(static_cast<PlatformKey>(key), keys.down[key]);
}

void HeadlessReleaseAllKeys()
{
    HeadlessSetKeys(PlatformKeys());
}

void HeadlessSetFocus(bool focused)
{
    Headless.focused = focused;
}

void HeadlessSetKeyboardPresent(bool present)
{
    Headless.keyboardPresent = present;
}

void HeadlessSetSoundDevicePresent(bool present)
{
    Headless.soundDevicePresent = present;
}

void HeadlessSetClock(uint32_t ms)
{
    Headless.clockUnits = static_cast<uint64_t>(ms) * CLOCK_UNITS_PER_MS;
}

bool HeadlessWindowExists()
{
    return Headless.windowExists;
}

const Picture* HeadlessLastPresented()
{
    return Headless.lastPresented;
}

uint64_t HeadlessPresentCount()
{
    return Headless.presents;
}

const std::vector<HeadlessSoundEvent>& HeadlessSoundEvents()
{
    return Headless.soundEvents;
}

const std::vector<std::string>& HeadlessMessageBoxes()
{
    return Headless.messageBoxes;
}

int HeadlessAboutBoxes()
{
    return Headless.aboutBoxes;
}

int HeadlessBeeps()
{
    return Headless.beeps;
}

int HeadlessLiveSounds()
{
    return static_cast<int>(Headless.sounds.size());
}

// ---------------------------------------------------------------------------
// Window and message loop

int PlatformCreateWindow(const PlatformWindowDesc& desc)
{
    if (Headless.windowExists)
        return 0;
    Headless.windowExists = true;
    Headless.menu.clear();
    RecordMenu(desc.menu);
    return 1;
}

void PlatformDestroyWindow()
{
    if (!Headless.windowExists)
        return;
    Headless.windowExists = false;
    PlatformPostQuitEvent();
}

int PlatformThreadsAllowed()
{
    return 1;
}

void PlatformRunMainLoop(bool (*pass)(), void (*finish)())
{
    while (pass()) {
    }
    finish();
}

int PlatformPollEvent(PlatformEvent* event)
{
    if (Headless.framesGranted == 0 && Headless.windowExists)
        AskDriver();
    return PlatformTakeEvent(Headless.queue, event);
}

void PlatformWaitEvent()
{
    if (!Headless.queue.empty())
        return;
    // An inactive window runs no frames: whatever was granted is used up.
    Headless.framesGranted = 0;
    AskDriver();
}

void PlatformPostEvent(const PlatformEvent& event)
{
    Headless.queue.push_back(event);
}

int PlatformWindowActive()
{
    return Headless.windowExists && Headless.focused;
}

void PlatformMenuReplace(const std::vector<PlatformMenuItem>& menu)
{
    Headless.menu.clear();
    RecordMenu(menu);
}

void PlatformMenuEnable(uint32_t command, int enabled)
{
    auto item = Headless.menu.find(command);
    if (item != Headless.menu.end())
        item->second = enabled != 0;
}

int PlatformMenuIsEnabled(uint32_t command)
{
    auto item = Headless.menu.find(command);
    return item != Headless.menu.end() && item->second;
}

void PlatformMenuSetMark(uint32_t command, const std::string& mark)
{
    if (Headless.menu.count(command) != 0)
        Headless.marks[command] = mark;
}

std::string PlatformMenuMark(uint32_t command)
{
    auto mark = Headless.marks.find(command);
    return mark != Headless.marks.end() ? mark->second : std::string();
}

// The simulator has no screen: its picture is always shown one to one.
int PlatformViewZoomFits(int zoom)
{
    return zoom == 1 ? 1 : 0;
}

void PlatformViewSetZoom(int)
{
}

void PlatformViewToggleFullscreen()
{
}

int PlatformViewFitAvailable()
{
    return 0;
}

void PlatformViewSetFit()
{
}

void PlatformMessageBox(const char* text)
{
    Headless.messageBoxes.push_back(text);
    if (Headless.hooks.messageBox != nullptr)
        Headless.hooks.messageBox(text);
}

void PlatformAboutBox(const PlatformAboutText&)
{
    ++Headless.aboutBoxes;
    if (Headless.hooks.aboutBox != nullptr)
        Headless.hooks.aboutBox();
}

namespace {

// A key that closes the help panel: down, and not the one that opened it.
bool TakeClosingKey(PlatformKey key)
{
    if (!Headless.keys.down[key] || Headless.swallowed.down[key])
        return false;
    Headless.swallowed.down[key] = true;
    return true;
}

// A queued press on the picture closes the panel and is used up by it.
bool TakeClosingPress()
{
    if (Headless.queue.empty() || Headless.queue.front().kind != PLATFORM_EVENT_MOUSE_PRESS)
        return false;
    Headless.queue.pop_front();
    return true;
}

bool CloseQueued()
{
    for (const PlatformEvent& event : Headless.queue)
        if (event.kind == PLATFORM_EVENT_CLOSE || event.kind == PLATFORM_EVENT_QUIT)
            return true;
    return false;
}

} // namespace

// The panel stays open, and no frame runs, until the driver holds F1 or
// Escape, queues a press on the picture, or closes the window.
void PlatformHelpBox(const PlatformHelpText&)
{
    if (Headless.hooks.helpBox != nullptr)
        Headless.hooks.helpBox(true);
    if (Headless.keys.down[PLATFORM_KEY_F1])
        Headless.swallowed.down[PLATFORM_KEY_F1] = true;
    while (Headless.windowExists && !CloseQueued() && !TakeClosingKey(PLATFORM_KEY_F1) &&
           !TakeClosingKey(PLATFORM_KEY_ESCAPE) && !TakeClosingPress()) {
        Headless.framesGranted = 0;
        AskDriver();
    }
    if (Headless.hooks.helpBox != nullptr)
        Headless.hooks.helpBox(false);
}

// The simulator has no clipboard: the link is told in the message alone.
void PlatformShareLink(const std::string& fragment)
{
    PlatformMessageBox(PlatformShareText(fragment, "there is no clipboard").c_str());
}

void PlatformSetStatus(const std::string& text)
{
    Headless.status = text;
}

std::string PlatformStatusShown()
{
    return PlatformStatusFor(Headless.status, PlatformWindowActive() != 0);
}

void PlatformBeep()
{
    ++Headless.beeps;
    if (Headless.hooks.beep != nullptr)
        Headless.hooks.beep();
}

// ---------------------------------------------------------------------------
// Display

void PlatformWaitVBlank()
{
    Headless.clockUnits += CLOCK_UNITS_PER_FRAME;
}

void PlatformPresent(const Picture& back)
{
    Headless.lastPresented = &back;
    ++Headless.presents;
}

void PlatformFrameBegin()
{
    ++Headless.framesBegun;
    if (Headless.framesGranted > 0)
        --Headless.framesGranted;
    if (Headless.hooks.frameBegin != nullptr)
        Headless.hooks.frameBegin();
}

// ---------------------------------------------------------------------------
// Keyboard

int PlatformKeyboardRead(PlatformKeys* keys)
{
    *keys = Headless.keys;
    for (int key = 0; key < PLATFORM_KEYS; ++key)
        keys->down[key] = keys->down[key] && !Headless.swallowed.down[key];
    return Headless.keyboardPresent ? 1 : 0;
}

// Scripted keys are the game's keys themselves: every action keeps its defaults.
std::vector<std::string> PlatformActionKeyNames(PlatformAction action)
{
    return KeyActionDefaultNames(action);
}

std::vector<PlatformHelpRow> PlatformGamepadHelp()
{
    return {};
}

// ---------------------------------------------------------------------------
// Clock

uint32_t PlatformTicks()
{
    return static_cast<uint32_t>(Headless.clockUnits / CLOCK_UNITS_PER_MS);
}

void PlatformSleep(uint32_t ms)
{
    Headless.clockUnits += static_cast<uint64_t>(ms) * CLOCK_UNITS_PER_MS;
}

// ---------------------------------------------------------------------------
// Sound

int PlatformSoundOpen()
{
    Headless.soundOpen = Headless.soundDevicePresent;
    return Headless.soundOpen ? 1 : 0;
}

int PlatformSoundCreate(int channel, const uint8_t*, uint32_t, const char* name)
{
    if (!Headless.soundOpen)
        return 0;
    int handle = Headless.nextSoundHandle++;
    Headless.sounds[handle] = HeadlessSound{name != nullptr ? name : "", channel};
    return handle;
}

int PlatformSoundPlay(int handle)
{
    auto sound = Headless.sounds.find(handle);
    if (sound == Headless.sounds.end())
        return 0;
    Headless.soundEvents.push_back({HEADLESS_SOUND_PLAY, sound->second.name, sound->second.channel});
    if (Headless.hooks.soundStarted != nullptr)
        Headless.hooks.soundStarted(sound->second.name.c_str());
    return 1;
}

void PlatformSoundStop(int handle)
{
    auto sound = Headless.sounds.find(handle);
    if (sound != Headless.sounds.end())
        Headless.soundEvents.push_back({HEADLESS_SOUND_STOP, sound->second.name, sound->second.channel});
}

void PlatformSoundRelease(int handle)
{
    Headless.sounds.erase(handle);
}

void PlatformSoundClose()
{
    Headless.sounds.clear();
    Headless.soundOpen = false;
}

// ---------------------------------------------------------------------------
// Trace

void PlatformTrace(const char* event, long value)
{
    if (Headless.hooks.trace != nullptr)
        Headless.hooks.trace(event, std::to_string(value).c_str());
}

void PlatformTraceText(const char* event, const std::string& text)
{
    if (Headless.hooks.trace != nullptr)
        Headless.hooks.trace(event, text.c_str());
}
