// Saved progress: the highest level reached, one byte kept between runs.
//
// A save is tried once per solved level: the level-complete sequence asks in
// every frame while the level is higher than the saved one, and a failed save
// is not tried again until the next solve. The player is told once per failed
// save why it failed, and plays on.
#include "app/app.h"

#include <algorithm>
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
    if (!AppCampaignKeepsProgress() || !PlatformProgressRead(&level))
        return FIRST_RUN_LEVEL;
    // A pack goes on from one of its own levels, whatever its file says.
    if (Campaign.kind == CAMPAIGN_PACK)
        return static_cast<uint8_t>(std::clamp<int32_t>(level, FIRST_RUN_LEVEL, AppCampaignLevelCount()));
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
    if (!AppCampaignKeepsProgress() || level > AppCampaignLevelCount() || AlreadyFailed(level))
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
