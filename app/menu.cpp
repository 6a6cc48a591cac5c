// The menu bar and its commands.
#include "app/app.h"

#include "game/watch.h"

#include <algorithm>
#include <string>

namespace {

PlatformMenuItem LevelItem(int32_t level)
{
    return {"Level " + std::to_string(level), AppLevelCommand(level), false, {}};
}

// Up to a dozen levels in a list; a longer campaign's in lists of a dozen,
// "Levels 1-12", "Levels 13-24" and so on, so that every menu fits the window.
PlatformMenuItem LevelsMenu()
{
    PlatformMenuItem levels{"Levels", 0, true, {}};
    const int32_t count = AppCampaignLevelCount();
    if (count <= LEVEL_COUNT) {
        for (int32_t level = 1; level <= count; ++level)
            levels.items.push_back(LevelItem(level));
        return levels;
    }
    for (int32_t first = 1; first <= count; first += LEVEL_COUNT) {
        const int32_t last = std::min(count, first + LEVEL_COUNT - 1);
        PlatformMenuItem group{"Levels " + std::to_string(first) + "-" + std::to_string(last), 0, true, {}};
        for (int32_t level = first; level <= last; ++level)
            group.items.push_back(LevelItem(level));
        levels.items.push_back(group);
    }
    return levels;
}

} // namespace

std::vector<PlatformMenuItem> AppMenu()
{
    PlatformMenuItem levels = LevelsMenu();

    PlatformMenuItem file{"&File", 0, true, {}};
    file.items.push_back({"Reset", IDM_RESET, true, {}});
    file.items.push_back(levels);
    file.items.push_back(AppCampaignMenu());
    file.items.push_back({"Level of the day", IDM_DAILY, true, {}});
    file.items.push_back({"Watch solution", IDM_WATCH, true, {}});
    file.items.push_back({"Share level", IDM_SHARE_LEVEL, false, {}});
    file.items.push_back({"Exit", IDM_EXIT, true, {}});

    PlatformMenuItem view{"&View", 0, true, {}};
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom)
        view.items.push_back({"Zoom &" + std::to_string(zoom) + "\u00d7", static_cast<uint32_t>(IDM_ZOOM_1 + zoom - 1),
                              zoom == 1, {}, PLATFORM_CHECK_ZOOM, zoom});
    view.items.push_back({"Zoom to fi&t", IDM_ZOOM_FIT, false, {}, PLATFORM_CHECK_FIT, 0});
    view.items.push_back({"&Fullscreen (F11)", IDM_FULLSCREEN, true, {}, PLATFORM_CHECK_FULLSCREEN, 0});

    PlatformMenuItem help{"&Help", 0, true, {}};
    help.items.push_back({"&About Quagmore", IDM_ABOUT, true, {}});
    return {file, view, help};
}

void HandleMenuCommand(uint32_t id)
{
    GameEffects effects;
    if (AppCommandLevel(id) > 0) {
        GameChooseLevel(Game, AppCommandLevel(id), AppLevelStore(), effects);
        AppApplyEffects(effects);
        AppUpdateStatus();
        return;
    }
    if (AppCampaignCommand(id))
        return;
    if (id >= IDM_ZOOM_1 && id <= IDM_ZOOM_LAST) {
        PlatformViewSetZoom(static_cast<int>(id - IDM_ZOOM_1) + 1);
        EnableViewMenu();
        return;
    }
    switch (id) {
    case IDM_ZOOM_FIT:
        PlatformViewSetFit();
        break;
    case IDM_FULLSCREEN:
        PlatformViewToggleFullscreen();
        break;
    case IDM_EXIT:
        PlatformDestroyWindow();
        break;
    case IDM_DAILY:
        AppDailyAsk(AppDailyToday());
        break;
    case IDM_ABOUT:
        ShowAboutBox();
        break;
    case IDM_WATCH:
        WatchToggle(Game);
        AppUpdateStatus();
        break;
    case IDM_SHARE_LEVEL:
        AppShareLevel();
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
    if (level < 1 || level > AppCampaignLevelCount())
        return;
    for (int32_t reached = 1; reached <= level; ++reached)
        PlatformMenuEnable(AppLevelCommand(reached), 1);
}

void EnableViewMenu()
{
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom)
        PlatformMenuEnable(static_cast<uint32_t>(IDM_ZOOM_1 + zoom - 1), PlatformViewZoomFits(zoom));
    PlatformMenuEnable(IDM_ZOOM_FIT, PlatformViewFitAvailable());
}
