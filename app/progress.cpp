// Saved progress: the highest level reached, one byte kept between runs.
//
// A save is tried once per solved level: the level-complete sequence asks in
// every frame while the level is higher than the saved one, and a failed save
// is not tried again until the next solve. The player is told once per failed
// save why it failed, and plays on.
#include "app/app.h"

#include <cstdio>
#include <string>

namespace {

const uint8_t FIRST_RUN_LEVEL = 1;
const char* const SAVE_FAILED_TEXT = "Progress could not be saved: ";

// The solve whose save failed: its level and completion time.
struct FailedSave {
    bool failed = false;
    uint8_t level = 0;
    uint32_t completionTime = 0;
};

FailedSave LastFailure;

bool AlreadyFailed(uint8_t level)
{
    return LastFailure.failed && LastFailure.level == level && LastFailure.completionTime == Game.completionTime;
}

} // namespace

uint8_t ReadSavedLevel()
{
    uint8_t level = 0;
    if (!PlatformProgressRead(&level))
        return FIRST_RUN_LEVEL;
    return level;
}

void ShowProgressNotice()
{
    std::string notice = PlatformProgressTakeNotice();
    if (!notice.empty())
        ShowMessage(notice.c_str());
}

void WriteSavedLevel(uint8_t level)
{
    if (level > LEVEL_COUNT || AlreadyFailed(level))
        return;
    std::string why;
    if (PlatformProgressWrite(level, &why)) {
        LastFailure.failed = false;
        PlatformTrace("saved", level);
        return;
    }
    LastFailure = FailedSave{true, level, Game.completionTime};
    std::string text = SAVE_FAILED_TEXT + why;
    std::fprintf(stderr, "Quagmore: %s\n", text.c_str());
    ShowProgressNotice();
    ShowMessage(text.c_str());
}
