// The back picture every frame is composed on, and its presentation.
#include "engine/display.h"

#include "platform/platform.h"

Display MainDisplay;

int DisplayStart()
{
    if (PictureEmpty(MainDisplay.back))
        MainDisplay.back = PictureMake(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);
    return PictureEmpty(MainDisplay.back) ? 0 : 1;
}

int DisplayShutdown()
{
    MainDisplay.back = Picture();
    return 1;
}

int DisplayWaitVBlank()
{
    PlatformWaitVBlank();
    return 1;
}

void DisplayPresent()
{
    DisplayWaitVBlank();
    if (!PictureEmpty(MainDisplay.back))
        PlatformPresent(MainDisplay.back);
}
