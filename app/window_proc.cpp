// The events of the game window, and the message box every part uses.
#include "app/app.h"

void AppHandleEvent(const PlatformEvent& event)
{
    switch (event.kind) {
    case PLATFORM_EVENT_CLOSE:
        PlatformDestroyWindow();
        break;
    case PLATFORM_EVENT_COMMAND:
        HandleMenuCommand(event.command);
        break;
    case PLATFORM_EVENT_MOUSE_PRESS:
        GamePressRecord(Game, event.button == PLATFORM_BUTTON_LEFT ? BUTTON_LEFT : BUTTON_RIGHT, event.x, event.y);
        break;
    case PLATFORM_EVENT_DROP:
        AppPlayDroppedFile(event.path);
        break;
    case PLATFORM_EVENT_QUIT:
        break;
    }
}

void ShowMessage(const char* text)
{
    PlatformMessageBox(text);
}
