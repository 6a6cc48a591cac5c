// The campaign: the game's own levels, a level file, or a pack.
//
// A level file is played as a campaign of one level: solving it ends as the
// last level of any campaign does (the banner stays, R plays it again), and
// nothing is saved for it. A pack's progress is kept in a directory of its
// own below the config directory, named for the pack's directory and its
// levels' contents, so a changed pack starts afresh and never mixes with
// the game's progress.
#include "app/app.h"
#include "app/campaign_list.h"
#include "app/daily.h"

#include "format/level_link.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <cstring>

AppCampaign Campaign;

namespace {

const char* const PACKS_SUBDIR = "packs/";
const int32_t FIRST_LEVEL = 1;
// What the status line calls a level played from a link, which has no name.
const char* const SHARED_LEVEL_NAME = "Shared level";

// The campaign of that name. False with *why naming it and what is wrong.
bool FromName(const std::string& name, AppCampaign* campaign, std::string* why)
{
    const std::vector<AppCampaignEntry> list = AppCampaignList();
    const int found = AppCampaignFind(list, name);
    if (found < 0) {
        *why = "there is no campaign called '" + name + "'; the campaigns are: " + AppCampaignNames(list);
        return false;
    }
    const AppCampaignEntry& entry = list[static_cast<size_t>(found)];
    std::string problem;
    if (!AppCampaignLoad(entry, campaign, &problem)) {
        *why = "campaign " + entry.name + " (" + entry.directory + "): " + problem;
        return false;
    }
    return true;
}

} // namespace

int32_t AppCampaignLevelCount()
{
    if (Campaign.kind == CAMPAIGN_SHIPPED)
        return LEVEL_COUNT;
    return static_cast<int32_t>(Campaign.levels.size());
}

bool AppCampaignKeepsProgress()
{
    return Campaign.kind != CAMPAIGN_FILE && Campaign.kind != CAMPAIGN_DAILY;
}

bool AppCampaignKeepsRecords()
{
    return Campaign.kind != CAMPAIGN_FILE;
}

GameStatusName AppCampaignStatusName()
{
    if (Campaign.kind == CAMPAIGN_DAILY)
        return GameStatusName{AppDailyTitle(Campaign.name), false};
    if (Campaign.kind == CAMPAIGN_PACK && !Campaign.name.empty())
        return GameStatusName{Campaign.name, true};
    if (Campaign.kind == CAMPAIGN_FILE)
        return GameStatusName{LevelLinkIs(Campaign.source) ? SHARED_LEVEL_NAME
                                                           : std::filesystem::path(Campaign.source).filename().string(),
                              false};
    return GameStatusName();
}

std::string AppCampaignTitle()
{
    switch (Campaign.kind) {
    case CAMPAIGN_SHIPPED: return APP_MAIN_CAMPAIGN_NAME;
    case CAMPAIGN_DAILY: return AppDailyTitle(Campaign.name);
    case CAMPAIGN_FILE: return Campaign.source;
    case CAMPAIGN_PACK: break;
    }
    return Campaign.name.empty() ? Campaign.source : Campaign.name;
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

bool AppCampaignChoose(const AppCampaignRequest& request, std::string* why)
{
    AppCampaign campaign;
    std::string problem;
    if (!request.levelFile.empty() && !AppCampaignFromFile(request.levelFile, &campaign, &problem)) {
        *why = request.levelFile + ": " + problem;
        return false;
    }
    if (!request.packDir.empty() && !AppCampaignFromPack(request.packDir, &campaign, &problem)) {
        *why = "pack " + request.packDir + ": " + problem;
        return false;
    }
    if (!request.campaignName.empty() && !FromName(request.campaignName, &campaign, why))
        return false;
    const bool asked = !request.levelFile.empty() || !request.packDir.empty() || !request.campaignName.empty();
    const std::string remembered = asked ? "" : AppCampaignRemembered();
    if (!remembered.empty() && !FromName(remembered, &campaign, &problem)) {
        std::fprintf(stderr, "Quagmore: the settings name a campaign that can't be played: %s; playing the game's "
                     "own levels\n", problem.c_str());
        campaign = AppCampaign();
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
