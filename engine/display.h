// The display: the 600 x 600 back picture every frame is composed on, and its
// presentation in the game window.
#pragma once

#include "engine/picture.h"

enum { BACK_SURFACE_SIZE = 600 };

struct Display {
    Picture back;  // 600 x 600 once started; empty before and after
};

extern Display MainDisplay;

// Makes the back picture. 1 on success, 0 on failure.
int DisplayStart();
// Releases the back picture. Returns 1.
int DisplayShutdown();
// Waits for the next frame slot. Returns 1.
int DisplayWaitVBlank();
// Waits for the vertical blank, then shows the back picture in the window.
void DisplayPresent();
