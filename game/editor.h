// The level editor: mouse presses paint the board, S and L save and load
// "level.dat", Enter goes back to play.
#pragma once

#include <cstdint>

// The pending mouse press; both buttons share the position of the latest press.
struct MouseClickRecord {
    uint8_t leftPending = 0;
    uint8_t rightPending = 0;
    int32_t x = 0;
    int32_t y = 0;
};

extern MouseClickRecord MouseClick;

enum { EDITOR_CLICK_PAUSE_MS = 150 };

void RecordLeftClick(int32_t x, int32_t y);
void RecordRightClick(int32_t x, int32_t y);
// One frame of the editor, presentation included.
void EditorFrame();
