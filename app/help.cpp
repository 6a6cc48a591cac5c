// The help panel: every key of play, the editor and the view.
#include "app/app.h"

PlatformHelpText HelpText()
{
    PlatformHelpText help;
    help.title = "Quagmore keys";
    help.rows = {
        {"", "Play"},
        {"Arrow keys", "Walk one cell; walk into a pile to push it"},
        {"Z, Backspace, U", "Take back the last step (hold to go on)"},
        {"R", "Restart the level (Z takes the restart back)"},
        {"H", "Show the next push toward the exit"},
        {"Space", "Once WELL DONE! shows: the next level at once"},
        {"D", "Open the level editor"},
        {"Esc", "Quit"},
        {"", "Editor"},
        {"Left click", "Water to land, land to water"},
        {"Right click", "Land, pile, exit, start, land again"},
        {"S", "Save the board to level.dat"},
        {"L", "Load level.dat"},
        {"Enter", "Back to the level you were playing"},
        {"", "View"},
        {"F1", "Show or close this help"},
        {"F11, Alt+Enter", "Switch between the window and fullscreen"},
        {"View > Zoom", "Draw the picture 1, 2, 3 or 4 times as large"},
        {"Alt+F, Alt+V, Alt+H", "Open the File, the View or the Help menu"},
    };
    return help;
}

void ShowHelpBox()
{
    PlatformHelpBox(HelpText());
}
