// The campaigns the player may choose by name (File › Campaign, --campaign):
// Quagmore (the game's own twelve levels), Bonus (the pack in the data
// directory's bonus/), and every pack directory in the user's data directory,
// $XDG_DATA_HOME/quagmore/packs/NAME/. The choice made in the menu is kept
// in the settings file and played again at the next start.
#pragma once

#include "app/campaign.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

enum AppCampaignSource : uint8_t {
    CAMPAIGN_SOURCE_MAIN,    // the game's own levels
    CAMPAIGN_SOURCE_BONUS,   // <data directory>/bonus/
    CAMPAIGN_SOURCE_USER,    // <user data directory>/packs/NAME/
};

struct AppCampaignEntry {
    AppCampaignSource source = CAMPAIGN_SOURCE_MAIN;
    std::string name;        // as listed and as the status line shows it
    std::string directory;   // BONUS, USER: the pack's directory
};

// File › Campaign holds at most this many (menu commands IDM_CAMPAIGN_FIRST on).
enum { APP_CAMPAIGNS_MAX = 64 };

// Quagmore, Bonus, then the user's packs in the order of their names. A pack
// named like one before it (in any case), one whose name can't be kept in the
// settings, and those past APP_CAMPAIGNS_MAX are left out with a line on stderr.
std::vector<AppCampaignEntry> AppCampaignList();
// The index of the campaign of that name, the same name first, else in any
// case; -1 when there is none.
int AppCampaignFind(const std::vector<AppCampaignEntry>& list, const std::string& name);
// "Quagmore, Bonus, mine": the names, for a message.
std::string AppCampaignNames(const std::vector<AppCampaignEntry>& list);
// Reads the campaign's levels. False with *why in words for the player.
bool AppCampaignLoad(const AppCampaignEntry& entry, AppCampaign* campaign, std::string* why);

// File › Campaign: the list, each campaign's command from IDM_CAMPAIGN_FIRST.
PlatformMenuItem AppCampaignMenu();
// Marks the campaign being played in File › Campaign.
void AppCampaignMarkMenu();
// Plays the campaign of a File › Campaign command and keeps the choice in
// the settings. False for a command that is none of these.
bool AppCampaignCommand(uint32_t command);

// The campaign named in the settings; empty when none is.
std::string AppCampaignRemembered();
// Keeps the name in the settings, for the next start.
void AppCampaignRemember(const std::string& name);
