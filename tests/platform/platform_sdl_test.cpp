// The SDL platform's parts that need no display: the key map, the picture's
// place in the window and the mapping of presses back to it, the changed
// rectangles of a frame, menu labels, the 60 Hz schedule, the
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
    // A few of the table's keys: both Enters, one not a game key (the rest of
    // the table is read through the bindings below).
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_RETURN, PLATFORM_KEY_ENTER}, {SDL_SCANCODE_KP_ENTER, PLATFORM_KEY_ENTER},
        {SDL_SCANCODE_BACKSPACE, PLATFORM_KEY_BACKSPACE}, {SDL_SCANCODE_F1, PLATFORM_KEY_F1},
        {SDL_SCANCODE_A, PLATFORM_KEYS},
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

// The picture's place: the largest whole-number zoom that fits the area
// under the menu bar, centred; shrunk keeping its shape when even 1x does
// not fit; nothing in an empty area. Fitted, as large as the area allows,
// with the whole-number step it is drawn sharp at first.
TEST(SdlView, LayoutAtWholeZoomsCentredShrunkOrFitted)
{
    const SdlScaling whole = SdlScaling::Whole;
    const SdlScaling fitted = SdlScaling::Fit;
    const struct {
        SDL_Rect area;
        SdlScaling scaling;
        int zoom;
        SDL_Rect picture;
    } cases[] = {
        {{0, 19, 600, 600}, whole, 1, {0, 19, 600, 600}},
        {{0, 19, 1500, 1381}, whole, 2, {150, 109, 1200, 1200}},
        {{0, 19, 1199, 1300}, whole, 1, {299, 369, 600, 600}},
        {{0, 19, 2560, 1421}, whole, 2, {680, 129, 1200, 1200}},
        {{0, 19, 400, 481}, whole, 0, {0, 59, 400, 400}},
        {{0, 19, 900, 100}, whole, 0, {400, 19, 100, 100}},
        {{0, 19, 600, 0}, whole, 0, {0, 0, 0, 0}},
        {{0, 19, 1920, 1061}, fitted, 1, {429, 19, 1061, 1061}},
        {{0, 19, 2560, 1421}, fitted, 2, {569, 19, 1421, 1421}},
        {{0, 19, 1500, 1381}, fitted, 2, {59, 19, 1381, 1381}},
        {{0, 19, 1200, 1300}, fitted, 2, {0, 69, 1200, 1200}},
        {{0, 19, 400, 481}, fitted, 0, {0, 59, 400, 400}},
    };
    for (const auto& c : cases) {
        SdlViewFit fit = SdlViewLayout(c.area, 600, 600, c.scaling);
        EXPECT_EQ(fit.zoom, c.zoom) << c.area.w << "x" << c.area.h;
        EXPECT_TRUE(SDL_RectEquals(&fit.picture, &c.picture))
            << c.area.w << "x" << c.area.h << " -> " << fit.picture.x << "," << fit.picture.y << " "
            << fit.picture.w << "x" << fit.picture.h;
    }
}

// The bars around the picture are no press; every window pixel of the
// picture maps to the picture pixel drawn there.
TEST(SdlView, PressesThroughTheZoom)
{
    const SDL_Rect picture = SdlViewLayout(SDL_Rect{0, 19, 1500, 1381}, 600, 600).picture;
    int x = -1, y = -1;
    const SDL_Point bars[] = {{picture.x - 1, 500}, {picture.x + picture.w, 500}, {400, picture.y - 1},
                              {400, picture.y + picture.h}};
    for (const SDL_Point& bar : bars)
        EXPECT_FALSE(SdlPictureFromWindow(picture, 600, 600, bar.x, bar.y, &x, &y)) << bar.x << "," << bar.y;
    // Shrunk, the picture's corners are still its corners.
    const SDL_Rect small = SdlViewLayout(SDL_Rect{0, 19, 400, 481}, 600, 600).picture;
    ASSERT_TRUE(SdlPictureFromWindow(small, 600, 600, small.x + small.w - 1, small.y + small.h - 1, &x, &y));
    EXPECT_EQ(x, 598);
    EXPECT_EQ(y, 598);
    // Fitted to a 1920 x 1080 screen, every window pixel of the picture lands
    // in the picture's column it shows, in order, from 0 to 599.
    const SDL_Rect fitted = SdlViewLayout(SDL_Rect{0, 19, 1920, 1061}, 600, 600, SdlScaling::Fit).picture;
    int last = -1;
    for (int windowX = fitted.x; windowX < fitted.x + fitted.w; ++windowX) {
        ASSERT_TRUE(SdlPictureFromWindow(fitted, 600, 600, windowX, fitted.y, &x, &y));
        ASSERT_TRUE(x == last || x == last + 1) << windowX;
        last = x;
    }
    EXPECT_EQ(last, 599);
}

// On a display of two drawable pixels per window coordinate the picture is
// placed in drawable pixels below the bar's rows, at twice the zoom, and a
// press at a window position lands on the picture pixel drawn under it.
TEST(SdlView, HighDpiPlacesAndMapsInDrawablePixels)
{
    SdlViewGeometry geometry;
    geometry.window = {600, 619};
    geometry.drawable = {1200, 1238};
    geometry.menuBarHeight = 19;
    const SDL_Rect area = SdlViewArea(geometry);
    const SDL_Rect expectedArea{0, 38, 1200, 1200};
    EXPECT_TRUE(SDL_RectEquals(&area, &expectedArea)) << area.y << " " << area.w << "x" << area.h;
    SdlViewFit fit = SdlViewLayout(area, 600, 600);
    EXPECT_EQ(fit.zoom, 2);
    int x = -1, y = -1;
    for (SDL_Point press : {SDL_Point{0, 19}, SDL_Point{300, 169}, SDL_Point{599, 618}}) {
        SDL_Point drawable = SdlViewDrawableFromWindow(geometry, press.x, press.y);
        ASSERT_TRUE(SdlPictureFromWindow(fit.picture, 600, 600, drawable.x, drawable.y, &x, &y)) << press.x;
        EXPECT_EQ(x, press.x);
        EXPECT_EQ(y, press.y - 19);
    }
    SDL_Point onBar = SdlViewDrawableFromWindow(geometry, 300, 18);
    EXPECT_FALSE(SdlPictureFromWindow(fit.picture, 600, 600, onBar.x, onBar.y, &x, &y));

    // Widened by 200 coordinates: 400 drawable pixels of bars, 200 each side,
    // and the press 100 coordinates in is on the bar, 101 on the picture.
    geometry.window.x = 800;
    geometry.drawable.x = 1600;
    fit = SdlViewLayout(SdlViewArea(geometry), 600, 600);
    EXPECT_EQ(fit.picture.x, 200);
    SDL_Point left = SdlViewDrawableFromWindow(geometry, 99, 300);
    EXPECT_FALSE(SdlPictureFromWindow(fit.picture, 600, 600, left.x, left.y, &x, &y));
    SDL_Point inside = SdlViewDrawableFromWindow(geometry, 101, 300);
    ASSERT_TRUE(SdlPictureFromWindow(fit.picture, 600, 600, inside.x, inside.y, &x, &y));
    EXPECT_EQ(x, 1);
}

// The first window: the largest zoom within 90% of the usable area, at the
// preferred place when it fits there, else centred.
TEST(SdlView, FirstSizeAndPlace)
{
    const int menu = 19;
    const struct {
        SDL_Rect usable;
        int zoom;
    } screens[] = {{{0, 0, 1280, 1024}, 1}, {{0, 0, 1920, 1080}, 1}, {{0, 0, 2560, 1440}, 2},
                   {{0, 0, 3840, 2160}, 3}, {{0, 0, 7680, 4320}, PLATFORM_ZOOM_MAX}, {{0, 0, 640, 480}, 1}};
    for (const auto& screen : screens)
        EXPECT_EQ(SdlViewFirstZoom(screen.usable, [](int) { return 19; }, 600, 600), screen.zoom) << screen.usable.w;
    // A bar that grows with the zoom can keep a zoom from fitting.
    EXPECT_EQ(SdlViewFirstZoom(SDL_Rect{0, 0, 1920, 1380}, [](int zoom) { return zoom * 50; }, 600, 600), 1);

    SDL_Point size = SdlViewWindowSize(2, menu, 600, 600);
    EXPECT_EQ(size.x, 1200);
    EXPECT_EQ(size.y, 1219);
    const SDL_Point preferred{100, 10};
    SDL_Point place = SdlViewFirstPosition(SDL_Rect{0, 0, 2560, 1440}, size, preferred);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 10);
    // A panel at the top: the window goes below it, centred.
    place = SdlViewFirstPosition(SDL_Rect{0, 32, 2560, 1408}, size, preferred);
    EXPECT_EQ(place.x, 680);
    EXPECT_EQ(place.y, 32 + (1408 - 1219) / 2);
    // Too tall for (100, 10): centred.
    place = SdlViewFirstPosition(SDL_Rect{0, 0, 1400, 1220}, size, preferred);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 0);
}

// The player's keys: WASD walks, and D no longer opens the editor; the arrows
// still walk; F5 restarts; names are read whatever their case; a name of no
// key and a key given to two actions are each told once and ignored.
TEST(SdlBindings, BoundKeysLeaveTheirOwnActions)
{
    const Settings settings = SettingsParse("zoom=2\nleft=A\nup=w\nright=D\ndown=S\nrestart=F5\n"
                                            "quit=Nonsense\nundo=a\neditor=\n");
    std::vector<std::string> problems;
    const SdlKeyBindings bindings = SdlBindingsFromSettings(settings, &problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("quit=Nonsense"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("undo=a"), std::string::npos) << problems[1];
    EXPECT_NE(problems[1].find("left"), std::string::npos) << problems[1];

    auto keysFor = [&](SDL_Scancode pressedKey) {
        uint8_t pressed[SDL_NUM_SCANCODES] = {};
        uint8_t acting[SDL_NUM_SCANCODES] = {};
        pressed[pressedKey] = 1;
        SdlKeyboardBind(bindings, pressed, SDL_NUM_SCANCODES, acting);
        PlatformKeys keys;
        SdlKeyboardMap(acting, SDL_NUM_SCANCODES, &keys);
        int down = -1;
        for (int key = 0; key < PLATFORM_KEYS; ++key)
            if (keys.down[key])
                down = down == -1 ? key : -2;   // -2: more than one
        return down;
    };
    EXPECT_EQ(keysFor(SDL_SCANCODE_A), PLATFORM_KEY_LEFT);
    EXPECT_EQ(keysFor(SDL_SCANCODE_D), PLATFORM_KEY_RIGHT);
    EXPECT_EQ(keysFor(SDL_SCANCODE_F5), PLATFORM_KEY_R);
    EXPECT_EQ(keysFor(SDL_SCANCODE_LEFT), PLATFORM_KEY_LEFT);
    EXPECT_EQ(keysFor(SDL_SCANCODE_R), PLATFORM_KEY_R);
    EXPECT_EQ(keysFor(SDL_SCANCODE_ESCAPE), PLATFORM_KEY_ESCAPE);
    EXPECT_EQ(keysFor(SDL_SCANCODE_Q), -1);

    // The keys in force, defaults first, for the help panel.
    auto names = [&](PlatformAction action) {
        std::string text;
        for (SDL_Scancode key : SdlBindingsKeysOf(bindings, action))
            text += std::string(SDL_GetScancodeName(key)) + ";";
        return text;
    };
    EXPECT_EQ(names(PLATFORM_ACTION_RIGHT), "Right;D;");
    EXPECT_EQ(names(PLATFORM_ACTION_EDITOR), "");
    EXPECT_EQ(names(PLATFORM_ACTION_RESTART), "R;F5;");
}

// The stick takes a direction past half way and keeps it down to a quarter;
// the two axes are read apart, so diagonals hold two directions.
TEST(SdlGamepad, StickDeadZoneWithHysteresis)
{
    const struct {
        int x, y;
        const char* held;   // L, U, R, D
    } moves[] = {{8000, 0, "----"},  {16000, 0, "----"}, {20000, 0, "--R-"}, {9000, 0, "--R-"},
                 {8000, 0, "----"},  {-32768, 0, "L---"}, {-9000, -30000, "LU--"}, {0, 32767, "---D"},
                 {0, 8193, "---D"}, {0, -8193, "----"}};
    SdlStickHeld held{};
    for (const auto& move : moves) {
        held = SdlGamepadStick(held, move.x, move.y);
        std::string shown;
        for (int direction = 0; direction < SDL_STICK_DIRECTIONS; ++direction)
            shown += held[direction] ? "LURD"[direction] : '-';
        EXPECT_EQ(shown, move.held) << move.x << "," << move.y;
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
    PlatformEvent command, press;
    command.kind = PLATFORM_EVENT_COMMAND;
    press.kind = PLATFORM_EVENT_MOUSE_PRESS;
    press.x = 12;
    PlatformPostEvent(command);
    PlatformPostEvent(press);
    PlatformEvent event;
    ASSERT_EQ(PlatformPollEvent(&event), 1);
    EXPECT_EQ(event.kind, PLATFORM_EVENT_COMMAND);
    ASSERT_EQ(PlatformPollEvent(&event), 1);
    EXPECT_EQ(event.kind, PLATFORM_EVENT_MOUSE_PRESS);
    EXPECT_EQ(event.x, 12);
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
