// The menu bar and its commands.
#include "app/app.h"

#include <string>

std::vector<PlatformMenuItem> AppMenu()
{
    PlatformMenuItem levels{"Levels", 0, true, {}};
    for (int level = 1; level <= LEVEL_COUNT; ++level)
        levels.items.push_back({"Level " + std::to_string(level), static_cast<uint32_t>(IDM_LEVEL_1 + level - 1), false, {}});

    PlatformMenuItem file{"&File", 0, true, {}};
    file.items.push_back({"Reset", IDM_RESET, true, {}});
    file.items.push_back(levels);
    file.items.push_back({"Exit", IDM_EXIT, true, {}});

    PlatformMenuItem view{"&View", 0, true, {}};
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom)
        view.items.push_back({"Zoom &" + std::to_string(zoom) + "\u00d7", static_cast<uint32_t>(IDM_ZOOM_1 + zoom - 1),
                              zoom == 1, {}, PLATFORM_CHECK_ZOOM, zoom});
    view.items.push_back({"&Fullscreen (F11)", IDM_FULLSCREEN, true, {}, PLATFORM_CHECK_FULLSCREEN, 0});

    PlatformMenuItem help{"&Help", 0, true, {}};
    help.items.push_back({"&About Quagmore", IDM_ABOUT, true, {}});
    return {file, view, help};
}

void HandleMenuCommand(uint32_t id)
{
    GameEffects effects;
    if (id >= IDM_LEVEL_1 && id <= IDM_LEVEL_LAST) {
        GameChooseLevel(Game, static_cast<int32_t>(id - (IDM_LEVEL_1 - 1)), AppLevelStore(), effects);
        AppApplyEffects(effects);
        AppUpdateStatus();
        return;
    }
    if (id >= IDM_ZOOM_1 && id <= IDM_ZOOM_LAST) {
        PlatformViewSetZoom(static_cast<int>(id - IDM_ZOOM_1) + 1);
        EnableViewMenu();
        return;
    }
    switch (id) {
    case IDM_FULLSCREEN:
        PlatformViewToggleFullscreen();
        break;
    case IDM_EXIT:
        PlatformDestroyWindow();
        break;
    case IDM_ABOUT:
        ShowAboutBox();
        break;
    case IDM_RESET:
        GameRestartLevel(Game, AppLevelStore(), effects);
        AppApplyEffects(effects);
        AppUpdateStatus();
        break;
    default:
        break;
    }
}

void EnableLevelMenu(int32_t level)
{
    if (level < 1 || level > LEVEL_COUNT)
        return;
    for (int32_t reached = 1; reached <= level; ++reached)
        PlatformMenuEnable(static_cast<uint32_t>(IDM_LEVEL_1 + reached - 1), 1);
}

void EnableViewMenu()
{
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom)
        PlatformMenuEnable(static_cast<uint32_t>(IDM_ZOOM_1 + zoom - 1), PlatformViewZoomFits(zoom));
}
