// Control of the headless platform, for tests and the simulator: scripted
// keys, events and focus, a virtual clock that a presented frame advances by
// 1/60 s, and a record of the sounds, message boxes and beeps.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

struct HeadlessHooks {
    // The main loop wants work: no frames are left to run, or it waits for an
    // event while the window is inactive. The driver may queue events,
    // change keys or the focus, and grant frames with HeadlessGrantFrames.
    void (*idle)() = nullptr;
    void (*frameBegin)() = nullptr;                      // a play or editor frame begins
    void (*soundStarted)(const char* name) = nullptr;
    void (*messageBox)(const char* text) = nullptr;
    void (*aboutBox)() = nullptr;
    void (*helpBox)(bool open) = nullptr;               // the help panel opens, or closes
    void (*beep)() = nullptr;
    void (*trace)(const char* event, const char* values) = nullptr;
};

enum HeadlessSoundAction { HEADLESS_SOUND_PLAY, HEADLESS_SOUND_STOP };

struct HeadlessSoundEvent {
    HeadlessSoundAction action;
    std::string name;
    int channel;
};

// Back to the state of a fresh process: no window, empty queue, no keys down,
// focus on, clock 0, keyboard and sound device present, empty records, no hooks.
void HeadlessReset();
void HeadlessSetHooks(const HeadlessHooks& hooks);

// Frames the main loop may still run before it asks the idle hook again.
void HeadlessGrantFrames(uint64_t frames);
uint64_t HeadlessFramesGranted();
// Frames begun since the reset.
uint64_t HeadlessFramesBegun();

void HeadlessQueueEvent(const PlatformEvent& event);
size_t HeadlessQueuedEvents();
void HeadlessSetKey(PlatformKey key, bool down);
// Exactly these keys down from now on.
void HeadlessSetKeys(const PlatformKeys& keys);
void HeadlessReleaseAllKeys();
void HeadlessSetFocus(bool focused);
void HeadlessSetKeyboardPresent(bool present);
void HeadlessSetSoundDevicePresent(bool present);

// The virtual clock, in milliseconds.
void HeadlessSetClock(uint32_t ms);

bool HeadlessWindowExists();
// The last picture handed to PlatformPresent, or nullptr.
const Picture* HeadlessLastPresented();
uint64_t HeadlessPresentCount();

const std::vector<HeadlessSoundEvent>& HeadlessSoundEvents();
const std::vector<std::string>& HeadlessMessageBoxes();
int HeadlessAboutBoxes();
int HeadlessBeeps();
// Sounds created and not yet released.
int HeadlessLiveSounds();
