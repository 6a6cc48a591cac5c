// The animations of the model's pictures: the player's four walks and the
// sparkle's glint, as lists of frames of their sheet rows.
#pragma once

#include "game/model.h"

enum { WALK_LIST_LENGTH = 2, WALK_LISTS = 4, SPARKLE_LIST_LENGTH = 9 };
// Walking: list 0 left, 1 right, 2 up, 3 down.
inline constexpr int32_t WALK_LISTS_FRAMES[WALK_LISTS][WALK_LIST_LENGTH] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
inline constexpr int32_t WALK_DELAY = 1;
// The glint: frame 8 of its row is never shown.
inline constexpr int32_t SPARKLE_LIST_FRAMES[SPARKLE_LIST_LENGTH] = {0, 1, 2, 3, 4, 5, 6, 7, 0};
inline constexpr int32_t SPARKLE_DELAY = 4;

// Chooses a list; its entry 1 shows at the next advance, entry 0 after the wrap.
inline void AnimSelect(GameAnim& anim, int32_t slot)
{
    anim.slot = slot;
    anim.step = 0;
}

// Counts one frame; every delay frames the next entry of the list shows.
inline void AnimAdvance(GameAnim& anim, const int32_t* list, int32_t length, int32_t delay)
{
    if (++anim.ticks < delay)
        return;
    anim.ticks = 0;
    ++anim.step;
    if (anim.step < 0 || anim.step >= length)
        anim.step = 0;
    anim.frame = list[anim.step];
}
