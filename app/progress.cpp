// Saved progress: the highest level reached, one byte kept between runs.
#include "app/app.h"

namespace {

const uint8_t FIRST_RUN_LEVEL = 1;

} // namespace

uint8_t ReadSavedLevel()
{
    uint8_t level = 0;
    if (!PlatformProgressRead(&level))
        return FIRST_RUN_LEVEL;
    return level;
}

void WriteSavedLevel(uint8_t level)
{
    if (level > LEVEL_COUNT)
        return;
    if (PlatformProgressWrite(level))
        PlatformTrace("saved", level);
}
