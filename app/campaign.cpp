// The campaign: the game's own levels, a level file, or a pack.
//
// A level file is played as a campaign of one level: solving it ends as the
// last level of any campaign does (the banner stays, R plays it again), and
// nothing is saved for it. A pack's progress is kept in a directory of its
// own below the config directory, named for the pack's directory and its
// levels' contents, so a changed pack starts afresh and never mixes with
// the game's progress.
#include "app/app.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

AppCampaign Campaign;

namespace {

const char* const PACKS_SUBDIR = "packs/";
const int32_t FIRST_LEVEL = 1;

} // namespace

int32_t AppCampaignLevelCount()
{
    if (Campaign.kind == CAMPAIGN_SHIPPED)
        return LEVEL_COUNT;
    return static_cast<int32_t>(Campaign.levels.size());
}

bool AppCampaignKeepsProgress()
{
    return Campaign.kind != CAMPAIGN_FILE;
}

bool AppCampaignFromFile(const std::string& path, AppCampaign* campaign, std::string* why)
{
    LevelFile level;
    if (!LevelReadPlayable(path, level, *why))
        return false;
    *campaign = AppCampaign();
    campaign->kind = CAMPAIGN_FILE;
    campaign->source = path;
    campaign->levels.push_back(level);
    return true;
}

bool AppCampaignFromPack(const std::string& directory, AppCampaign* campaign, std::string* why)
{
    LevelPack pack;
    if (!LevelPackLoad(directory, pack, *why))
        return false;
    *campaign = AppCampaign();
    campaign->kind = CAMPAIGN_PACK;
    campaign->source = directory;
    campaign->levels = pack.levels;
    campaign->progressSubdir = PACKS_SUBDIR + pack.key;
    return true;
}

bool AppCampaignChoose(const std::string& levelFile, const std::string& packDir, std::string* why)
{
    AppCampaign campaign;
    std::string problem;
    if (!levelFile.empty() && !AppCampaignFromFile(levelFile, &campaign, &problem)) {
        *why = levelFile + ": " + problem;
        return false;
    }
    if (!packDir.empty() && !AppCampaignFromPack(packDir, &campaign, &problem)) {
        *why = "pack " + packDir + ": " + problem;
        return false;
    }
    AppCampaignUse(campaign);
    return true;
}

void AppCampaignUse(AppCampaign campaign)
{
    Campaign = std::move(campaign);
    PlatformSetProgressSubdir(Campaign.progressSubdir);
    Game.lastLevel = static_cast<uint8_t>(AppCampaignLevelCount());
}

bool AppCampaignLevelRead(int32_t level, int8_t* bytes, size_t size)
{
    if (level < FIRST_LEVEL || level > AppCampaignLevelCount())
        return false;
    const std::vector<uint8_t>& stored = Campaign.levels[static_cast<size_t>(level - FIRST_LEVEL)].bytes;
    std::memcpy(bytes, stored.data(), std::min(size, stored.size()));
    return true;
}

void AppPlayDroppedFile(const std::string& path)
{
    AppCampaign campaign;
    std::string why;
    if (!AppCampaignFromFile(path, &campaign, &why)) {
        std::fprintf(stderr, "Quagmore: %s: %s\n", path.c_str(), why.c_str());
        ShowMessage(("Can't play " + path + ": " + why).c_str());
        return;
    }
    AppCampaignUse(campaign);
    PlatformMenuReplace(AppMenu());
    EnableViewMenu();
    GameEffects effects;
    GameChooseLevel(Game, FIRST_LEVEL, AppLevelStore(), effects);
    AppApplyEffects(effects);
    AppUpdateStatus();
}

uint32_t AppLevelCommand(int32_t level)
{
    if (level <= LEVEL_COUNT)
        return static_cast<uint32_t>(IDM_LEVEL_1 + level - 1);
    return static_cast<uint32_t>(IDM_PACK_LEVEL_13 + level - (LEVEL_COUNT + 1));
}

int32_t AppCommandLevel(uint32_t command)
{
    int32_t level = 0;
    if (command >= IDM_LEVEL_1 && command <= IDM_LEVEL_LAST)
        level = static_cast<int32_t>(command - IDM_LEVEL_1) + 1;
    else if (command >= IDM_PACK_LEVEL_13 && command <= IDM_PACK_LEVEL_LAST)
        level = static_cast<int32_t>(command - IDM_PACK_LEVEL_13) + LEVEL_COUNT + 1;
    return level <= AppCampaignLevelCount() ? level : 0;
}
