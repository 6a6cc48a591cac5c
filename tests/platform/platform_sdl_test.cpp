// The SDL platform's parts that need no display: the key map, the mapping of
// window positions to picture pixels, menu labels, the 60 Hz schedule, the
// message queue without a window, and sound on SDL's dummy audio driver.
#include "platform/sdl/sdl_platform.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

// Each game key sets only its own DIK code; the whole keyboard maps to
// distinct codes; a short state array (an old SDL) is read no further than it reaches.
TEST(SdlKeyboard, KeysMapToTheirOwnDikCodes)
{
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_R, PLATFORM_DIK_R},         {SDL_SCANCODE_D, PLATFORM_DIK_D},
        {SDL_SCANCODE_S, PLATFORM_DIK_S},         {SDL_SCANCODE_L, PLATFORM_DIK_L},
        {SDL_SCANCODE_LEFT, PLATFORM_DIK_LEFT},   {SDL_SCANCODE_RIGHT, PLATFORM_DIK_RIGHT},
        {SDL_SCANCODE_UP, PLATFORM_DIK_UP},       {SDL_SCANCODE_DOWN, PLATFORM_DIK_DOWN},
        {SDL_SCANCODE_ESCAPE, PLATFORM_DIK_ESCAPE}, {SDL_SCANCODE_RETURN, PLATFORM_DIK_RETURN},
        {SDL_SCANCODE_KP_ENTER, PLATFORM_DIK_NUMPADENTER}, {SDL_SCANCODE_A, 0x1E},
    };
    for (auto [scancode, dik] : keys) {
        uint8_t sdlState[SDL_NUM_SCANCODES] = {}, state[PLATFORM_KEY_COUNT];
        sdlState[scancode] = 1;
        // A cuts the array just after itself.
        SdlKeyboardMap(sdlState, scancode == SDL_SCANCODE_A ? SDL_SCANCODE_A + 1 : SDL_NUM_SCANCODES, state);
        for (int code = 0; code < PLATFORM_KEY_COUNT; ++code)
            EXPECT_EQ(state[code], code == dik ? PLATFORM_KEY_DOWN : 0) << SDL_GetScancodeName(scancode) << " at " << code;
    }
    std::set<uint8_t> used;
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        uint8_t dik = SdlDikFromScancode(static_cast<SDL_Scancode>(code));
        EXPECT_TRUE(dik == 0 || used.insert(dik).second) << "DIK " << int(dik) << " used twice";
        const bool needed = (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_0) || (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12);
        EXPECT_TRUE(dik != 0 || !needed) << SDL_GetScancodeName(SDL_Scancode(code));
    }
    EXPECT_GE(used.size(), 100u);
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

// Posted messages come back one a pass, in order; with no window nothing
// blocks or activates, and a window needs a procedure.
TEST(SdlMessages, QueueInOrderAndNoWindow)
{
    const PlatformMessage posted[] = {{PLATFORM_WM_COMMAND, 5, 0},
                                      {PLATFORM_WM_LBUTTONDOWN, 0, PlatformMakeMouseParam(12, 34)}};
    for (const PlatformMessage& m : posted)
        PlatformPostMessage(m.message, m.wParam, m.lParam);
    PlatformPostQuitMessage(7);
    PlatformMessage msg;
    for (const PlatformMessage& want : {posted[0], posted[1], PlatformMessage{PLATFORM_WM_QUIT, 7, 0}}) {
        ASSERT_EQ(PlatformPeekMessage(&msg), 1);
        EXPECT_EQ(msg.message, want.message);
        EXPECT_EQ(msg.wParam, want.wParam);
        EXPECT_EQ(msg.lParam, want.lParam);
    }
    EXPECT_EQ(PlatformPeekMessage(&msg), 0);
    EXPECT_EQ(PlatformWindowActive(), 0);
    PlatformWaitMessage();   // returns: nothing could arrive
    EXPECT_EQ(PlatformCreateWindow(PlatformWindowDesc{}), 0);
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
