// A gamepad walks the player: SDL's virtual joystick, plugged in while the
// window is open, read through the game's own input path (the SDL platform's
// keys and the shell's frame input) into the model's step. SDL's dummy video
// driver stands in for a display.
#include "../game/game_fixture.h"

#include "app/app.h"
#include "platform/sdl/sdl_platform.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const Lines LEVEL = {"~~~~~", "~.@..", "~~~~~"};

class GamepadWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The dummy driver's window never has the focus; the pad is read anyway.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        PlatformSetDirectories(temp.path, temp.File("home"));
        PlatformWindowDesc desc;
        desc.title = "Quagmore";
        desc.width = desc.height = 600;
        if (PlatformCreateWindow(desc) == 0)
            GTEST_SKIP() << "no window on SDL's dummy video driver";
        SDL_VirtualJoystickDesc pad = {};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad.name = "Quagmore test pad";
        padIndex = SDL_JoystickAttachVirtualEx(&pad);
        ASSERT_GE(padIndex, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(padIndex);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
        store.levels[1] = LevelFromText(LEVEL);
        model = ModelOnLevel(store, 1);
    }
    void TearDown() override
    {
        if (joystick != nullptr)
            SDL_JoystickClose(joystick);
        PlatformDestroyWindow();
        PlatformEvent event;
        while (PlatformPollEvent(&event) != 0) {
        }
    }
    // Frames as the main loop runs them: the window's events, then a step
    // on the keys of the frame.
    void Frames(int count)
    {
        for (int frame = 0; frame < count; ++frame) {
            PlatformEvent event;
            while (PlatformPollEvent(&event) != 0) {
            }
            GameEffects effects;
            GameStep(model, AppReadInput(), now, store, effects);
            now += 17;
        }
    }

    TempDir temp{"quagmore-gamepad-test"};
    int padIndex = -1;
    SDL_Joystick* joystick = nullptr;
    MemoryLevelStore store;
    GameModel model;
    uint32_t now = 1000;
};

// The d-pad walks one cell right and the stick one cell back; a stick inside
// its dead zone walks nowhere; pulled out, the pad is closed.
TEST_F(GamepadWalkTest, DpadAndStickWalkOneCell)
{
    Frames(1);
    ASSERT_EQ(Sdl.gamepads.size(), 1u) << "the plugged-in pad was not opened";
    const int32_t startX = model.playerX;
    const int32_t startY = model.playerY;

    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    Frames(1);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0);
    Frames(20);
    EXPECT_EQ(model.playerX, startX + CELL_SIZE);
    EXPECT_EQ(model.playerY, startY);

    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -6000);
    Frames(20);
    EXPECT_EQ(model.playerX, startX + CELL_SIZE);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    Frames(1);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    Frames(20);
    EXPECT_EQ(model.playerX, startX);

    SDL_JoystickClose(joystick);
    joystick = nullptr;
    ASSERT_EQ(SDL_JoystickDetachVirtual(padIndex), 0) << SDL_GetError();
    Frames(1);
    EXPECT_TRUE(Sdl.gamepads.empty());
}

} // namespace
