// File › Campaign: the campaigns by name, the one being played marked, and
// the change to another while the game runs.
#include "app/app.h"
#include "app/campaign_list.h"

#include <cstdio>

namespace {

const char* const CAMPAIGN_MENU_TEXT = "Campaign";
const char* const PLAYING_MARK = "playing";

// The campaigns as the menu lists them, so a command names the one shown.
std::vector<AppCampaignEntry> Listed;

// A name as a menu item shows it: '&' would mark a mnemonic, "&&" is one '&'.
std::string MenuText(const std::string& name)
{
    std::string text;
    for (char c : name)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

uint32_t CommandOf(size_t index)
{
    return static_cast<uint32_t>(IDM_CAMPAIGN_FIRST + index);
}

// The index in the list of the campaign being played; -1 for a level file,
// a pack given by its path, or the level of the day.
int PlayingIndex()
{
    if (Campaign.kind == CAMPAIGN_SHIPPED)
        return 0;
    if (Campaign.kind != CAMPAIGN_PACK || Campaign.name.empty())
        return -1;
    return AppCampaignFind(Listed, Campaign.name);
}

} // namespace

PlatformMenuItem AppCampaignMenu()
{
    Listed = AppCampaignList();
    PlatformMenuItem menu{CAMPAIGN_MENU_TEXT, 0, true, {}};
    for (size_t at = 0; at < Listed.size(); ++at)
        menu.items.push_back({MenuText(Listed[at].name), CommandOf(at), true, {}});
    return menu;
}

void AppCampaignMarkMenu()
{
    const int playing = PlayingIndex();
    for (size_t at = 0; at < Listed.size(); ++at)
        PlatformMenuSetMark(CommandOf(at), static_cast<int>(at) == playing ? PLAYING_MARK : "");
}

bool AppCampaignCommand(uint32_t command)
{
    if (command < IDM_CAMPAIGN_FIRST || command > IDM_CAMPAIGN_LAST)
        return false;
    const size_t index = command - IDM_CAMPAIGN_FIRST;
    if (index >= Listed.size())
        return true;
    const AppCampaignEntry entry = Listed[index];
    AppCampaign campaign;
    std::string why;
    if (!AppCampaignLoad(entry, &campaign, &why)) {
        std::fprintf(stderr, "Quagmore: campaign %s (%s): %s\n", entry.name.c_str(), entry.directory.c_str(),
                     why.c_str());
        ShowMessage(("Can't play " + entry.name + ": " + why).c_str());
        return true;
    }
    AppCampaignRemember(entry.name);
    AppCampaignPlay(std::move(campaign));
    return true;
}

void AppCampaignPlay(AppCampaign campaign)
{
    // The marks of the levels left behind go with them.
    for (int32_t level = 1; level <= AppCampaignLevelCount(); ++level)
        PlatformMenuSetMark(AppLevelCommand(level), "");
    AppDailyCancel();
    AppCampaignUse(std::move(campaign));
    PlatformMenuReplace(AppMenu());
    EnableViewMenu();
    AppCampaignMarkMenu();
    const uint8_t level = ReadSavedLevel();
    EnableLevelMenu(level);
    ShowProgressNotice();
    RecordsCampaignChanged();
    GameEffects effects;
    GameChooseLevel(Game, level, AppLevelStore(), effects);
    AppApplyEffects(effects);
    AppUpdateStatus();
}
