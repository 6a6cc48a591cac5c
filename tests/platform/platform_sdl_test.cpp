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

// ---------------------------------------------------------------------------
// Keyboard

TEST(SdlKeyboard, EachGameKeySetsOnlyItsDikCode)
{
    const struct {
        SDL_Scancode scancode;
        uint8_t dik;
    } gameKeys[] = {
        {SDL_SCANCODE_R, PLATFORM_DIK_R},         {SDL_SCANCODE_D, PLATFORM_DIK_D},
        {SDL_SCANCODE_S, PLATFORM_DIK_S},         {SDL_SCANCODE_L, PLATFORM_DIK_L},
        {SDL_SCANCODE_LEFT, PLATFORM_DIK_LEFT},   {SDL_SCANCODE_RIGHT, PLATFORM_DIK_RIGHT},
        {SDL_SCANCODE_UP, PLATFORM_DIK_UP},       {SDL_SCANCODE_DOWN, PLATFORM_DIK_DOWN},
        {SDL_SCANCODE_ESCAPE, PLATFORM_DIK_ESCAPE}, {SDL_SCANCODE_RETURN, PLATFORM_DIK_RETURN},
        {SDL_SCANCODE_KP_ENTER, PLATFORM_DIK_NUMPADENTER},
    };
    for (const auto& key : gameKeys) {
        uint8_t sdlState[SDL_NUM_SCANCODES] = {};
        sdlState[key.scancode] = 1;
        uint8_t state[PLATFORM_KEY_COUNT];
        SdlKeyboardMap(sdlState, SDL_NUM_SCANCODES, state);
        for (int code = 0; code < PLATFORM_KEY_COUNT; ++code)
            EXPECT_EQ(state[code], code == key.dik ? PLATFORM_KEY_DOWN : 0)
                << SDL_GetScancodeName(key.scancode) << " at DIK " << code;
    }
}

TEST(SdlKeyboard, WholeKeyboardMapsToDistinctCodes)
{
    std::set<uint8_t> used;
    int mapped = 0;
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        uint8_t dik = SdlDikFromScancode(static_cast<SDL_Scancode>(code));
        if (dik == 0)
            continue;
        ++mapped;
        EXPECT_TRUE(used.insert(dik).second) << "DIK " << int(dik) << " used twice";
    }
    for (int code = SDL_SCANCODE_A; code <= SDL_SCANCODE_0; ++code)   // letters and digits
        EXPECT_NE(SdlDikFromScancode(static_cast<SDL_Scancode>(code)), 0) << SDL_GetScancodeName(SDL_Scancode(code));
    for (int code = SDL_SCANCODE_F1; code <= SDL_SCANCODE_F12; ++code)
        EXPECT_NE(SdlDikFromScancode(static_cast<SDL_Scancode>(code)), 0) << SDL_GetScancodeName(SDL_Scancode(code));
    EXPECT_GE(mapped, 100);
    // A short state array (an old SDL) is read no further than it reaches.
    uint8_t shortState[SDL_SCANCODE_A + 1] = {};
    shortState[SDL_SCANCODE_A] = 1;
    uint8_t state[PLATFORM_KEY_COUNT];
    SdlKeyboardMap(shortState, SDL_SCANCODE_A + 1, state);
    EXPECT_EQ(state[0x1E], PLATFORM_KEY_DOWN);
}

// ---------------------------------------------------------------------------
// Picture area

const SDL_Rect PICTURE = {0, 19, 592, 554};

TEST(SdlPicture, CornersAndMiddle)
{
    int x = -1;
    int y = -1;
    ASSERT_TRUE(SdlPictureFromWindow(PICTURE, 600, 600, 0, 19, &x, &y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(SdlPictureFromWindow(PICTURE, 600, 600, 591, 572, &x, &y));
    EXPECT_EQ(x, 598);
    EXPECT_EQ(y, 598);
    ASSERT_TRUE(SdlPictureFromWindow(PICTURE, 600, 600, 296, 19 + 277, &x, &y));
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 300);
}

TEST(SdlPicture, OutsideThePictureIsNoPress)
{
    int x = -1;
    int y = -1;
    EXPECT_FALSE(SdlPictureFromWindow(PICTURE, 600, 600, 10, 18, &x, &y));    // menu bar
    EXPECT_FALSE(SdlPictureFromWindow(PICTURE, 600, 600, 592, 100, &x, &y));
    EXPECT_FALSE(SdlPictureFromWindow(PICTURE, 600, 600, 10, 573, &x, &y));
    EXPECT_FALSE(SdlPictureFromWindow(PICTURE, 600, 600, -1, 100, &x, &y));
    EXPECT_FALSE(SdlPictureFromWindow(SDL_Rect{0, 0, 0, 0}, 600, 600, 0, 0, &x, &y));
    EXPECT_EQ(x, -1);
}

// Every window column maps to the picture column the stretch drew there: the
// mapping climbs without gaps wider than the squeeze and stays inside 0..599.
TEST(SdlPicture, InverseOfTheStretch)
{
    int lastX = -1;
    for (int windowX = 0; windowX < PICTURE.w; ++windowX) {
        int x = -1;
        int y = -1;
        ASSERT_TRUE(SdlPictureFromWindow(PICTURE, 600, 600, windowX, PICTURE.y, &x, &y));
        EXPECT_GE(x, lastX + 1);
        EXPECT_LE(x, lastX + 2);
        EXPECT_LT(x, 600);
        // The stretch draws picture x at window x * 592 / 600.
        EXPECT_NEAR(x * double(PICTURE.w) / 600.0, windowX, 1.0);
        lastX = x;
    }
    EXPECT_EQ(lastX, 598);
}

// ---------------------------------------------------------------------------
// Menu

TEST(SdlMenu, LabelsDropMnemonicMarks)
{
    EXPECT_EQ(SdlMenuLabel("&File"), "File");
    EXPECT_EQ(SdlMenuLabel("&About Quagmore"), "About Quagmore");
    EXPECT_EQ(SdlMenuLabel("Level 12"), "Level 12");
    EXPECT_EQ(SdlMenuLabel("Salt && &Pepper"), "Salt & Pepper");
    EXPECT_EQ(SdlMenuLabel("Trailing&"), "Trailing");
    EXPECT_EQ(SdlMenuLabel(""), "");
    EXPECT_EQ(SdlMenuMnemonic("&File"), 'f');
    EXPECT_EQ(SdlMenuMnemonic("&About Quagmore"), 'a');
    EXPECT_EQ(SdlMenuMnemonic("Level 12"), 0);
    EXPECT_EQ(SdlMenuMnemonic("Salt && &Pepper"), 'p');
    EXPECT_EQ(SdlMenuMnemonic("Trailing&"), 0);
}

TEST(SdlMenu, EnableFindsItemsInSubmenus)
{
    PlatformMenuItem levels{"Levels", 0, true, {{"Level 1", 21, false, {}}, {"Level 2", 22, false, {}}}};
    Sdl.menu = {{"&File", 0, true, {{"Reset", 5, true, {}}, levels}}, {"&Help", 0, true, {{"&About", 4, true, {}}}}};
    EXPECT_EQ(PlatformMenuIsEnabled(22), 0);
    PlatformMenuEnable(22, 1);
    EXPECT_EQ(PlatformMenuIsEnabled(22), 1);
    EXPECT_EQ(PlatformMenuIsEnabled(21), 0);
    PlatformMenuEnable(4, 0);
    EXPECT_EQ(PlatformMenuIsEnabled(4), 0);
    EXPECT_EQ(PlatformMenuIsEnabled(99), 0);
    PlatformMenuEnable(0, 0);   // 0 names no command, not the first popup
    EXPECT_TRUE(Sdl.menu[0].enabled);
    Sdl.menu.clear();
}

// ---------------------------------------------------------------------------
// Frame schedule

// A counter frequency that 60 does not divide, to show the slots never drift.
const uint64_t ODD_FREQUENCY = 10000007;

TEST(SdlSchedule, SixtySlotsEverySecondExactly)
{
    SdlFrameSchedule schedule;
    schedule.frequency = ODD_FREQUENCY;
    const uint64_t start = 123456789;
    EXPECT_EQ(SdlFrameScheduleNext(&schedule, start), start);
    uint64_t last = start;
    for (uint64_t frame = 1; frame <= 600; ++frame) {
        // Each frame asks a little after its slot began, as a real one does.
        uint64_t next = SdlFrameScheduleNext(&schedule, last + 1000);
        EXPECT_GE(next - last, ODD_FREQUENCY / 60);
        EXPECT_LE(next - last, ODD_FREQUENCY / 60 + 1);
        if (frame % 60 == 0) {
            EXPECT_EQ(next, start + frame / 60 * ODD_FREQUENCY);
        }
        last = next;
    }
}

TEST(SdlSchedule, CatchesUpASmallDelayAndRestartsAfterALongOne)
{
    SdlFrameSchedule schedule;
    schedule.frequency = ODD_FREQUENCY;
    const uint64_t period = ODD_FREQUENCY / 60;
    SdlFrameScheduleNext(&schedule, 0);
    // Two frames late: the slots stay where they were, so the next ones come
    // at once until the schedule is met again.
    uint64_t late = 3 * period;
    EXPECT_LE(SdlFrameScheduleNext(&schedule, late), period + 1);
    EXPECT_LE(SdlFrameScheduleNext(&schedule, late), 2 * period + 1);
    // A long stall (a box was open): the schedule starts again from now.
    uint64_t stalled = 10 * ODD_FREQUENCY;
    EXPECT_EQ(SdlFrameScheduleNext(&schedule, stalled), stalled);
    uint64_t next = SdlFrameScheduleNext(&schedule, stalled + 10);
    EXPECT_GE(next, stalled + period);
    EXPECT_LE(next, stalled + period + 1);
}

// ---------------------------------------------------------------------------
// Message queue without a window

int32_t IgnoreMessages(uint32_t, uint32_t, int32_t)
{
    return 0;
}

TEST(SdlMessages, QueueGivesOneMessageAPassInOrder)
{
    PlatformPostMessage(PLATFORM_WM_COMMAND, 5, 0);
    PlatformPostMessage(PLATFORM_WM_LBUTTONDOWN, 0, PlatformMakeMouseParam(12, 34));
    PlatformPostQuitMessage(7);
    PlatformMessage msg;
    ASSERT_EQ(PlatformPeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, uint32_t{PLATFORM_WM_COMMAND});
    EXPECT_EQ(msg.wParam, 5u);
    ASSERT_EQ(PlatformPeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, uint32_t{PLATFORM_WM_LBUTTONDOWN});
    EXPECT_EQ(msg.lParam, PlatformMakeMouseParam(12, 34));
    ASSERT_EQ(PlatformPeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, uint32_t{PLATFORM_WM_QUIT});
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(PlatformPeekMessage(&msg), 0);
}

TEST(SdlMessages, NoWindowNeverBlocksNorActivates)
{
    EXPECT_EQ(PlatformWindowActive(), 0);
    PlatformWaitMessage();                         // returns: nothing could arrive
    PlatformDefWindowProc(PLATFORM_WM_CLOSE, 0, 0);  // nothing to destroy
    PlatformPresent(nullptr);
    PlatformMessageBox("shown on stderr without a window");
    PlatformWindowDesc desc;
    EXPECT_EQ(PlatformCreateWindow(desc), 0);      // no window procedure
    desc.proc = IgnoreMessages;
    EXPECT_EQ(PlatformDispatchMessage(PlatformMessage{}), 0);
}

// ---------------------------------------------------------------------------
// Sound on SDL's dummy audio driver, which plays in real time into nothing.

const int SAMPLE_RATE = 11025;

class SdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (PlatformSoundOpen() == 0)
            GTEST_SKIP() << "SDL's dummy audio driver is missing";
    }
    void TearDown() override { PlatformSoundClose(); }

    // One second of a ramp, long enough to be still playing when checked.
    static std::vector<uint8_t> Samples(size_t count = SAMPLE_RATE)
    {
        std::vector<uint8_t> samples(count);
        for (size_t at = 0; at < count; ++at)
            samples[at] = static_cast<uint8_t>(at);
        return samples;
    }
};

TEST_F(SdlSoundTest, ConvertedOnceToTheMixerFormat)
{
    std::vector<uint8_t> samples = Samples();
    int handle = PlatformSoundCreate(3, samples.data(), static_cast<uint32_t>(samples.size()), "splash.wav");
    ASSERT_GT(handle, 0);
    ASSERT_EQ(PlatformSoundPlay(handle), 1);
    Mix_Chunk* chunk = Mix_GetChunk(3);
    ASSERT_NE(chunk, nullptr);
    int frequency = 0;
    uint16_t format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    // One second at 11025 Hz is one second at the mixer's rate.
    uint32_t frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * static_cast<uint32_t>(channels);
    EXPECT_NEAR(double(chunk->alen) / frameBytes, frequency, frequency / 100.0);
    PlatformSoundRelease(handle);
}

TEST_F(SdlSoundTest, PlayRestartsOnItsOwnChannelAndStopHalts)
{
    std::vector<uint8_t> samples = Samples();
    int splash = PlatformSoundCreate(0, samples.data(), static_cast<uint32_t>(samples.size()), "splash.wav");
    int applause = PlatformSoundCreate(1, samples.data(), static_cast<uint32_t>(samples.size()), "bifald.wav");
    ASSERT_GT(splash, 0);
    ASSERT_GT(applause, 0);
    EXPECT_NE(splash, applause);
    EXPECT_EQ(PlatformSoundPlay(splash), 1);
    EXPECT_EQ(PlatformSoundPlay(splash), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);   // restarted, not doubled
    EXPECT_EQ(PlatformSoundPlay(applause), 1);
    EXPECT_EQ(Mix_Playing(-1), 2);   // different sounds mix
    PlatformSoundStop(splash);
    EXPECT_EQ(Mix_Playing(0), 0);
    EXPECT_EQ(Mix_Playing(1), 1);
    PlatformSoundRelease(applause);
    EXPECT_EQ(Mix_Playing(1), 0);
    EXPECT_EQ(PlatformSoundPlay(applause), 0);   // released
    PlatformSoundStop(applause);                 // harmless
    PlatformSoundRelease(applause);
    EXPECT_EQ(PlatformSoundPlay(splash), 1);     // the other one lives on
}

TEST_F(SdlSoundTest, BadArgumentsAndClosedMixerAreHarmless)
{
    std::vector<uint8_t> samples = Samples(100);
    EXPECT_EQ(PlatformSoundCreate(-1, samples.data(), 100, "x"), 0);
    EXPECT_EQ(PlatformSoundCreate(64, samples.data(), 100, "x"), 0);
    int empty = PlatformSoundCreate(5, nullptr, 0, "empty.wav");
    EXPECT_GT(empty, 0);
    EXPECT_EQ(PlatformSoundPlay(empty), 1);
    EXPECT_EQ(PlatformSoundPlay(0), 0);
    EXPECT_EQ(PlatformSoundPlay(-1), 0);
    EXPECT_EQ(PlatformSoundPlay(1000), 0);
    PlatformBeep();
    EXPECT_EQ(Mix_Playing(64), 1);   // the bell's own channel

    PlatformSoundClose();
    EXPECT_EQ(PlatformSoundPlay(empty), 0);
    EXPECT_EQ(PlatformSoundCreate(5, samples.data(), 100, "x"), 0);
    PlatformSoundStop(empty);
    PlatformSoundRelease(empty);
}

} // namespace
