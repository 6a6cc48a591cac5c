// The window procedure and the message box every part uses.
#include "app/app.h"

#include "game/editor.h"
#include "game/game_state.h"

namespace {

// Painting and keys need nothing here: frames draw the picture and the game
// reads the keyboard itself.
enum : uint32_t { WM_PAINT = 0x000F, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101 };

// Mouse messages carry x in the low and y in the high 16 bits, each signed.
int32_t MouseX(int32_t lParam)
{
    return static_cast<int16_t>(static_cast<uint32_t>(lParam) & 0xFFFF);
}

int32_t MouseY(int32_t lParam)
{
    return static_cast<int16_t>(static_cast<uint32_t>(lParam) >> 16);
}

} // namespace

int32_t MainWndProc(uint32_t message, uint32_t wParam, int32_t lParam)
{
    switch (message) {
    case PLATFORM_WM_CREATE:
        GameState.currentLevel = ReadSavedLevel();
        EnableLevelMenu(GameState.currentLevel);
        return 0;
    case PLATFORM_WM_DESTROY:
        PlatformPostQuitMessage(0);
        return 0;
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_KEYUP:
        return 0;
    case PLATFORM_WM_COMMAND:
        HandleMenuCommand(static_cast<uint16_t>(wParam & 0xFFFF), lParam, static_cast<uint16_t>(wParam >> 16));
        return 0;
    case PLATFORM_WM_LBUTTONDOWN:
        RecordLeftClick(MouseX(lParam), MouseY(lParam));
        return 0;
    case PLATFORM_WM_RBUTTONDOWN:
        RecordRightClick(MouseX(lParam), MouseY(lParam));
        return 0;
    default:
        // Closing, double clicks and the rest take the default way.
        return PlatformDefWindowProc(message, wParam, lParam);
    }
}

void ShowMessage(const char* text)
{
    PlatformMessageBox(text);
}
