// The menu bar and its commands.
#include "app/app.h"

#include "game/board.h"
#include "game/game_state.h"

#include <string>

std::vector<PlatformMenuItem> AppMenu()
{
    PlatformMenuItem levels{"Levels", 0, true, {}};
    for (int level = 1; level <= LAST_LEVEL; ++level)
        levels.items.push_back({"Level " + std::to_string(level), static_cast<uint32_t>(IDM_LEVEL_1 + level - 1), false, {}});

    PlatformMenuItem file{"&File", 0, true, {}};
    file.items.push_back({"Reset", IDM_RESET, true, {}});
    file.items.push_back(levels);
    file.items.push_back({"Exit", IDM_EXIT, true, {}});

    PlatformMenuItem help{"&Help", 0, true, {}};
    help.items.push_back({"&About Quagmore", IDM_ABOUT, true, {}});
    return {file, help};
}

void HandleMenuCommand(uint16_t id, int32_t lParam, uint16_t notifyCode)
{
    if (id >= IDM_LEVEL_1 && id <= IDM_LEVEL_12) {
        GameState.currentLevel = static_cast<uint8_t>(id - (IDM_LEVEL_1 - 1));
        StartLevel();
        return;
    }
    switch (id) {
    case IDM_EXIT:
        PlatformDestroyWindow();
        break;
    case IDM_ABOUT:
        ShowAboutBox();
        break;
    case IDM_RESET:
        ResetLevel();
        break;
    default:
        PlatformDefWindowProc(PLATFORM_WM_COMMAND, static_cast<uint32_t>(notifyCode) << 16 | id, lParam);
        break;
    }
}

void EnableLevelMenu(int32_t level)
{
    if (level < 1 || level > LAST_LEVEL)
        return;
    for (int32_t reached = 1; reached <= level; ++reached)
        PlatformMenuEnable(static_cast<uint32_t>(IDM_LEVEL_1 + reached - 1), 1);
}
