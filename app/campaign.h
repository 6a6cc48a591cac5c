// The campaign: the levels played one after another, how many there are,
// and where the progress through them is kept. It is the game's own levels
// from the data directories, one level file the player brings (on the
// command line or dropped on the window), or a pack of levels in a directory.
#pragma once

#include "format/level_pack.h"

#include <cstdint>
#include <string>
#include <vector>

enum AppCampaignKind : uint8_t {
    CAMPAIGN_SHIPPED,   // level1.dat ... level12.dat; progress in the config directory
    CAMPAIGN_FILE,      // one level; no progress is kept
    CAMPAIGN_PACK,      // level1 ... levelN of a directory; progress of its own
};

struct AppCampaign {
    AppCampaignKind kind = CAMPAIGN_SHIPPED;
    std::string source;              // FILE, PACK: the path the player gave
    std::vector<LevelFile> levels;   // FILE, PACK: the levels, read once before play
    std::string progressSubdir;      // PACK: "packs/NAME-HASH" below the config directory
};

// Level n of a pack past the shipped count is chosen by command
// IDM_PACK_LEVEL_13 + n - 13; levels 1 to 12 keep their shipped commands.
enum : uint32_t { IDM_PACK_LEVEL_13 = 113, IDM_PACK_LEVEL_LAST = IDM_PACK_LEVEL_13 + LEVEL_PACK_MAX - 13 };

// The campaign being played.
extern AppCampaign Campaign;

// LEVEL_COUNT for the game's own levels, else the number read.
int32_t AppCampaignLevelCount();
// False for a single level file: solving it saves nothing.
bool AppCampaignKeepsProgress();
// Reads a level file, or a pack, as a campaign. False with *why saying what
// is wrong, in words for the player (the path is the caller's to add).
bool AppCampaignFromFile(const std::string& path, AppCampaign* campaign, std::string* why);
bool AppCampaignFromPack(const std::string& directory, AppCampaign* campaign, std::string* why);
// Reads what the command line asks for (a level file, a pack, or neither for
// the game's own levels) and makes it the campaign, before the window opens.
// False with *why naming the file or directory and what is wrong.
bool AppCampaignChoose(const std::string& levelFile, const std::string& packDir, std::string* why);
// Makes the campaign the one played: its count and its progress directory.
void AppCampaignUse(AppCampaign campaign);
// The bytes of one of the campaign's levels, as a level file's read gives
// them. False for a level the campaign does not have.
bool AppCampaignLevelRead(int32_t level, int8_t* bytes, size_t size);
// A file dropped on the window: played at once as a campaign of one level.
// One that is no level is named in a message, and play goes on as it was.
void AppPlayDroppedFile(const std::string& path);

// The menu command of a level, and the level of a command (0 when the
// command chooses none of the campaign's levels).
uint32_t AppLevelCommand(int32_t level);
int32_t AppCommandLevel(uint32_t command);
