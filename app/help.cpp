// The help panel: every key of play, the editor and the view, as the player
// has bound them, and the gamepad's buttons when there can be one.
#include "app/app.h"

#include <string>

namespace {

// Key names as the panel shows them: SDL's, with Escape short.
std::string ShownName(const std::string& name)
{
    return name == "Escape" ? "Esc" : name;
}

std::string KeysOf(PlatformAction action)
{
    std::string text;
    for (const std::string& name : PlatformActionKeyNames(action))
        text += (text.empty() ? "" : ", ") + ShownName(name);
    return text.empty() ? "No key" : text;
}

// One row for the arrow keys while they alone walk, else a row a direction.
void AddWalkRows(std::vector<PlatformHelpRow>& rows)
{
    const struct {
        PlatformAction action;
        const char* arrow;
        const char* what;
    } walks[] = {{PLATFORM_ACTION_LEFT, "Left", "Walk left"},
                 {PLATFORM_ACTION_UP, "Up", "Walk up"},
                 {PLATFORM_ACTION_RIGHT, "Right", "Walk right"},
                 {PLATFORM_ACTION_DOWN, "Down", "Walk down"}};
    bool arrowsOnly = true;
    for (const auto& walk : walks)
        arrowsOnly = arrowsOnly && KeysOf(walk.action) == walk.arrow;
    if (arrowsOnly) {
        rows.push_back({"Arrow keys", "Walk one cell; walk into a pile to push it"});
        return;
    }
    for (const auto& walk : walks)
        rows.push_back({KeysOf(walk.action), walk.what});
}

} // namespace

PlatformHelpText HelpText()
{
    PlatformHelpText help;
    help.title = "Quagmore keys";
    help.rows = {{"", "Play"}};
    AddWalkRows(help.rows);
    help.rows.insert(help.rows.end(), {
        {KeysOf(PLATFORM_ACTION_UNDO), "Take back the last step (hold to go on)"},
        {KeysOf(PLATFORM_ACTION_RESTART), "Restart the level (undo takes the restart back)"},
        {KeysOf(PLATFORM_ACTION_HINT), "Show the next push toward the exit"},
        {KeysOf(PLATFORM_ACTION_WATCH), "Watch the level solved (your best once recorded); any key stops"},
        {"Space", "Once WELL DONE! shows: the next level at once"},
        {KeysOf(PLATFORM_ACTION_EDITOR), "Open the level editor"},
        {KeysOf(PLATFORM_ACTION_QUIT), "Quit"},
        {"Drop a level file", "Drop it on the window to play it at once"},
    });
    std::vector<PlatformHelpRow> pad = PlatformGamepadHelp();
    if (!pad.empty()) {
        help.rows.push_back({"", "Gamepad"});
        help.rows.insert(help.rows.end(), pad.begin(), pad.end());
    }
    help.rows.insert(help.rows.end(), {
        {"", "Editor"},
        {"Left click", "Water to land, land to water"},
        {"Right click", "Land, pile, exit, start, land again"},
        {"S", "Save the board to level.dat"},
        {"L", "Load level.dat"},
        {"Z, Backspace, U", "Take back the last change (hold to go on)"},
        {"G", "Show or hide the grid"},
        {"P", "Play the board as drawn; D or Esc comes back"},
        {"Enter", "Back to the level you were playing"},
        {"", "View"},
        {"F1", "Show or close this help"},
        {"F11, Alt+Enter", "Switch between the window and fullscreen"},
        {"View > Zoom", "Draw the picture 1, 2, 3 or 4 times as large"},
        {"View > Zoom to fit", "Draw it as large as the window or the screen allows"},
        {"Alt+F, Alt+V, Alt+H", "Open the File, the View or the Help menu"},
    });
    return help;
}

void ShowHelpBox()
{
    PlatformHelpBox(HelpText());
}
