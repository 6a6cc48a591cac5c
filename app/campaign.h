// The campaign: the levels played one after another, how many there are,
// and where the progress through them is kept. It is the game's own levels
// from the data directories, one level file the player brings (on the
// command line or dropped on the window), a pack of levels in a directory
// (given by its path, or chosen by name: see app/campaign_list.h), or the
// level of the day.
#pragma once

#include "format/level_pack.h"
#include "game/step.h"

#include <cstdint>
#include <string>
#include <vector>

enum AppCampaignKind : uint8_t {
    CAMPAIGN_SHIPPED,   // level1.dat ... level12.dat; progress in the config directory
    CAMPAIGN_FILE,      // one level; no progress is kept
    CAMPAIGN_PACK,      // level1 ... levelN of a directory; progress of its own
    CAMPAIGN_DAILY,     // the level of the day; its records, but no progress
};

struct AppCampaign {
    AppCampaignKind kind = CAMPAIGN_SHIPPED;
    std::string source;              // FILE, PACK: the path the player gave
    std::vector<LevelFile> levels;   // FILE, PACK: the levels, read once before play
    std::string progressSubdir;      // PACK: "packs/NAME-HASH" below the config directory; DAILY: "daily"
    std::string name;                // chosen by name: "Quagmore", "Bonus", a pack's; DAILY: the date
};

// What the command line asks to play; all empty for the campaign the
// settings name, else the game's own levels.
struct AppCampaignRequest {
    std::string levelFile;
    std::string packDir;
    std::string campaignName;
};

// Level n of a pack past the shipped count is chosen by command
// IDM_PACK_LEVEL_13 + n - 13; levels 1 to 12 keep their shipped commands.
enum : uint32_t { IDM_PACK_LEVEL_13 = 113, IDM_PACK_LEVEL_LAST = IDM_PACK_LEVEL_13 + LEVEL_PACK_MAX - 13 };

// The name of the game's own levels as a campaign.
inline constexpr const char* APP_MAIN_CAMPAIGN_NAME = "Quagmore";

// The campaign being played.
extern AppCampaign Campaign;

// LEVEL_COUNT for the game's own levels, else the number read.
int32_t AppCampaignLevelCount();
// False for a single level file and the level of the day: solving it saves
// no progress.
bool AppCampaignKeepsProgress();
// False for a single level file: solving it keeps no record.
bool AppCampaignKeepsRecords();
// What the status line calls the level: "Level" for the game's own levels and
// a pack given by its path, the campaign's name for one chosen by name,
// "Daily DATE" for the level of the day, a level file's name without its
// directory ("mine.txt"), "Shared level" for a level link.
GameStatusName AppCampaignStatusName();
// Reads a level file, or a pack, as a campaign. False with *why saying what
// is wrong, in words for the player (the path is the caller's to add).
bool AppCampaignFromFile(const std::string& path, AppCampaign* campaign, std::string* why);
bool AppCampaignFromPack(const std::string& directory, AppCampaign* campaign, std::string* why);
// Reads what the command line asks for (a level file, a pack, a campaign by
// name, or none: the one the settings name) and makes it the campaign, before
// the window opens. False with *why naming the file, directory or name and
// what is wrong. A name in the settings that can't be played is said on
// stderr, and the game's own levels are played.
bool AppCampaignChoose(const AppCampaignRequest& request, std::string* why);
// Makes the campaign the one played: its count and its progress directory.
void AppCampaignUse(AppCampaign campaign);
// The bytes of one of the campaign's levels, as a level file's read gives
// them. False for a level the campaign does not have.
bool AppCampaignLevelRead(int32_t level, int8_t* bytes, size_t size);
// Plays the campaign now, from the level its progress has reached: its menu,
// its records and its level (File › Campaign, the level of the day).
void AppCampaignPlay(AppCampaign campaign);
// What the simulator calls the campaign: "Quagmore", a name chosen, a pack's
// or a level file's path, "Daily DATE".
std::string AppCampaignTitle();
// A file dropped on the window: played at once as a campaign of one level.
// One that is no level is named in a message, and play goes on as it was.
void AppPlayDroppedFile(const std::string& path);

// The menu command of a level, and the level of a command (0 when the
// command chooses none of the campaign's levels).
uint32_t AppLevelCommand(int32_t level);
int32_t AppCommandLevel(uint32_t command);
