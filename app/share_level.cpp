// File › Share level: the board drawn in the editor as a level link
// ("#level=" and the board's bytes), which the game's web page, the desktop
// game and the simulator all play. Only a board that can be played is shared.
#include "app/app.h"

#include "format/level_link.h"

#include <string>
#include <vector>

namespace {

bool ShareLevelAllowed()
{
    return Game.editor != 0;
}

// The item's state as last set, so the menu is touched only on a change.
int ShownEnabled = -1;

} // namespace

void AppShareLevel()
{
    if (!ShareLevelAllowed())
        return;
    LevelFile file = LevelFileBlank();
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            file.bytes[LevelByteIndex(column, row)] = static_cast<uint8_t>(Game.board[column][row]);
    const std::vector<LevelProblem> problems = LevelCheck(file);
    if (!problems.empty()) {
        ShowMessage(("This board can't be shared until it can be played: " + problems.front().text).c_str());
        return;
    }
    PlatformShareLink(LevelLinkMake(file));
}

void AppShareLevelMenuUpdate()
{
    const int enabled = ShareLevelAllowed() ? 1 : 0;
    if (enabled == ShownEnabled && PlatformMenuIsEnabled(IDM_SHARE_LEVEL) == enabled)
        return;
    ShownEnabled = enabled;
    PlatformMenuEnable(IDM_SHARE_LEVEL, enabled);
}
