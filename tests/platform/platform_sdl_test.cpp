// The SDL platform's parts that need no display: the key map, the mapping of
// window positions to picture pixels, menu labels, the 60 Hz schedule, the
// event queue without a window, and sound on SDL's dummy audio driver.
#include "platform/sdl/sdl_platform.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// Each game key sets only its own key, both Enter keys set Enter, other keys
// none; a short state array (an old SDL) is read no further than it reaches.
TEST(SdlKeyboard, EachKeyOnlyItsOwn)
{
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_R, PLATFORM_KEY_R},         {SDL_SCANCODE_D, PLATFORM_KEY_D},
        {SDL_SCANCODE_S, PLATFORM_KEY_S},         {SDL_SCANCODE_L, PLATFORM_KEY_L},
        {SDL_SCANCODE_LEFT, PLATFORM_KEY_LEFT},   {SDL_SCANCODE_RIGHT, PLATFORM_KEY_RIGHT},
        {SDL_SCANCODE_UP, PLATFORM_KEY_UP},       {SDL_SCANCODE_DOWN, PLATFORM_KEY_DOWN},
        {SDL_SCANCODE_ESCAPE, PLATFORM_KEY_ESCAPE}, {SDL_SCANCODE_RETURN, PLATFORM_KEY_ENTER},
        {SDL_SCANCODE_KP_ENTER, PLATFORM_KEY_ENTER}, {SDL_SCANCODE_A, PLATFORM_KEYS},
    };
    for (auto [scancode, key] : keys) {
        uint8_t sdlState[SDL_NUM_SCANCODES] = {};
        sdlState[scancode] = 1;
        PlatformKeys state;
        SdlKeyboardMap(sdlState, SDL_NUM_SCANCODES, &state);
        for (int code = 0; code < PLATFORM_KEYS; ++code)
            EXPECT_EQ(state.down[code], code == key) << SDL_GetScancodeName(scancode) << " at " << code;
        // An array that ends before the key holds it up.
        SdlKeyboardMap(sdlState, scancode, &state);
        for (int code = 0; code < PLATFORM_KEYS; ++code)
            EXPECT_FALSE(state.down[code]);
    }
}

// The 600 x 600 picture stretched to 592 x 554 below a 19-row menu bar: each
// window column maps back to the picture column drawn there, climbing without
// gaps wider than the squeeze; outside the picture is no press.
TEST(SdlPicture, InverseOfTheStretch)
{
    const SDL_Rect picture = {0, 19, 592, 554};
    const struct {
        int wx, wy, x, y;   // -1: outside the picture, no press, nothing written
    } points[] = {{0, 19, 0, 0},      {591, 572, 598, 598}, {296, 19 + 277, 300, 300}, {10, 18, -1, -1},
                  {592, 100, -1, -1}, {10, 573, -1, -1},    {-1, 100, -1, -1}};
    int x = -1, y = -1;
    for (const auto& p : points) {
        x = y = -1;
        EXPECT_EQ(SdlPictureFromWindow(picture, 600, 600, p.wx, p.wy, &x, &y), p.x >= 0) << p.wx << "," << p.wy;
        EXPECT_EQ(x, p.x);
        EXPECT_EQ(y, p.y);
    }
    int lastX = -1;
    for (int windowX = 0; windowX < picture.w; ++windowX) {
        ASSERT_TRUE(SdlPictureFromWindow(picture, 600, 600, windowX, picture.y, &x, &y));
        EXPECT_TRUE(x >= lastX + 1 && x <= lastX + 2 && x < 600) << windowX << " -> " << x;
        EXPECT_NEAR(x * double(picture.w) / 600.0, windowX, 1.0);
        lastX = x;
    }
}

TEST(SdlMenu, LabelsMnemonicsAndEnabling)
{
    const struct {
        const char *text, *label;
        char mnemonic;
    } items[] = {{"&File", "File", 'f'}, {"&About Quagmore", "About Quagmore", 'a'}, {"Level 12", "Level 12", 0},
                 {"Salt && &Pepper", "Salt & Pepper", 'p'}, {"Trailing&", "Trailing", 0}, {"", "", 0}};
    for (const auto& item : items) {
        EXPECT_EQ(SdlMenuLabel(item.text), item.label);
        EXPECT_EQ(SdlMenuMnemonic(item.text), item.mnemonic) << item.text;
    }
    PlatformMenuItem levels{"Levels", 0, true, {{"Level 1", 21, false, {}}, {"Level 2", 22, false, {}}}};
    Sdl.menu = {{"&File", 0, true, {{"Reset", 5, true, {}}, levels}}, {"&Help", 0, true, {{"&About", 4, true, {}}}}};
    PlatformMenuEnable(22, 1);   // found in a submenu
    EXPECT_EQ(PlatformMenuIsEnabled(22), 1);
    EXPECT_EQ(PlatformMenuIsEnabled(21), 0);
    PlatformMenuEnable(4, 0);
    EXPECT_EQ(PlatformMenuIsEnabled(4), 0);
    EXPECT_EQ(PlatformMenuIsEnabled(99), 0);
    PlatformMenuEnable(0, 0);   // 0 names no command, not the first popup
    EXPECT_TRUE(Sdl.menu[0].enabled);
    Sdl.menu.clear();
}

// A counter frequency that 60 does not divide: sixty slots a second exactly,
// never drifting; a small delay is caught up, a long stall restarts from now.
TEST(SdlSchedule, SixtySlotsASecondWithoutDrift)
{
    const uint64_t frequency = 10000007, period = frequency / 60, start = 123456789;
    SdlFrameSchedule schedule;
    schedule.frequency = frequency;
    EXPECT_EQ(SdlFrameScheduleNext(&schedule, start), start);
    uint64_t last = start;
    for (uint64_t frame = 1; frame <= 600; ++frame) {
        uint64_t next = SdlFrameScheduleNext(&schedule, last + 1000);   // asked a little after its slot
        EXPECT_TRUE(next - last == period || next - last == period + 1) << frame;
        if (frame % 60 == 0) {
            EXPECT_EQ(next, start + frame / 60 * frequency);
        }
        last = next;
    }
    uint64_t late = last + 3 * period;   // two frames late: the next slots come at once
    EXPECT_LE(SdlFrameScheduleNext(&schedule, late), last + period + 1);
    EXPECT_LE(SdlFrameScheduleNext(&schedule, late), last + 2 * period + 1);
    uint64_t stalled = last + 10 * frequency;
    EXPECT_EQ(SdlFrameScheduleNext(&schedule, stalled), stalled);
    uint64_t next = SdlFrameScheduleNext(&schedule, stalled + 10);
    EXPECT_TRUE(next == stalled + period || next == stalled + period + 1);
}

// Posted events come back one a pass, in order; with no window nothing
// blocks or activates.
TEST(SdlEvents, QueueInOrderAndNoWindow)
{
    PlatformEvent command;
    command.kind = PLATFORM_EVENT_COMMAND;
    command.command = 5;
    PlatformEvent press;
    press.kind = PLATFORM_EVENT_MOUSE_PRESS;
    press.button = PLATFORM_BUTTON_RIGHT;
    press.x = 12;
    press.y = 34;
    PlatformPostEvent(command);
    PlatformPostEvent(press);
    PlatformEvent event;
    ASSERT_EQ(PlatformPollEvent(&event), 1);
    EXPECT_EQ(event.kind, PLATFORM_EVENT_COMMAND);
    EXPECT_EQ(event.command, 5u);
    ASSERT_EQ(PlatformPollEvent(&event), 1);
    EXPECT_EQ(event.kind, PLATFORM_EVENT_MOUSE_PRESS);
    EXPECT_EQ(event.button, PLATFORM_BUTTON_RIGHT);
    EXPECT_EQ(event.x, 12);
    EXPECT_EQ(event.y, 34);
    EXPECT_EQ(PlatformPollEvent(&event), 0);
    EXPECT_EQ(PlatformWindowActive(), 0);
    PlatformWaitEvent();   // returns: nothing could arrive
    PlatformDestroyWindow();   // no window: nothing to destroy, no quit queued
    EXPECT_EQ(PlatformPollEvent(&event), 0);
}

// Sound on SDL's dummy audio driver, which plays in real time into nothing.
class SdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (PlatformSoundOpen() == 0)
            GTEST_SKIP() << "SDL's dummy audio driver is missing";
        for (size_t at = 0; at < samples.size(); ++at)
            samples[at] = static_cast<uint8_t>(at);
    }
    void TearDown() override { PlatformSoundClose(); }
    int Create(int id) { return PlatformSoundCreate(id, samples.data(), static_cast<uint32_t>(samples.size()), "s.wav"); }

    std::vector<uint8_t> samples = std::vector<uint8_t>(11025);   // one second: still playing when checked
};

// Converted once to the mixer's format; a sound restarts on its own channel,
// different sounds mix, stop and release halt only their own; bad channels and
// handles are refused; the bell has its own channel; closed, nothing plays.
TEST_F(SdlSoundTest, ConvertedPlayedOnItsOwnChannelStoppedAndReleased)
{
    int splash = Create(0), applause = Create(1);
    ASSERT_GT(splash, 0);
    ASSERT_GT(applause, 0);
    EXPECT_NE(splash, applause);
    EXPECT_EQ(PlatformSoundPlay(splash), 1);
    int frequency = 0, channels = 0;
    uint16_t format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    ASSERT_NE(Mix_GetChunk(0), nullptr);
    uint32_t frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * static_cast<uint32_t>(channels);
    EXPECT_NEAR(double(Mix_GetChunk(0)->alen) / frameBytes, frequency, frequency / 100.0);   // one second

    EXPECT_EQ(PlatformSoundPlay(splash), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);   // restarted, not doubled
    EXPECT_EQ(PlatformSoundPlay(applause), 1);
    EXPECT_EQ(Mix_Playing(-1), 2);
    PlatformSoundStop(splash);
    EXPECT_EQ(Mix_Playing(0), 0);
    EXPECT_EQ(Mix_Playing(1), 1);
    PlatformSoundRelease(applause);
    EXPECT_EQ(Mix_Playing(1), 0);
    EXPECT_EQ(PlatformSoundPlay(applause), 0);   // released
    EXPECT_EQ(PlatformSoundPlay(splash), 1);     // the other one lives on

    EXPECT_EQ(Create(-1), 0);
    EXPECT_EQ(Create(64), 0);
    for (int bad : {0, -1, 1000})
        EXPECT_EQ(PlatformSoundPlay(bad), 0);
    PlatformBeep();
    EXPECT_EQ(Mix_Playing(64), 1);
    PlatformSoundClose();
    EXPECT_EQ(PlatformSoundPlay(splash), 0);
    EXPECT_EQ(Create(5), 0);
}

} // namespace
