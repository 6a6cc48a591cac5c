// The campaigns chosen by name. Bonus and the user's packs keep their
// progress and records below the config directory in a place named for the
// campaign alone, "campaigns/bonus" and "campaigns/packs/NAME", so that a
// campaign whose levels are updated keeps the player's progress (a saved
// level past its end starts its last, and records key on the board).
#include "app/campaign_list.h"

#include "platform/common/common.h"
#include "platform/common/settings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <set>
#include <sys/stat.h>

namespace {

const char* const BONUS_NAME = "Bonus";
const char* const BONUS_SUBDIR = "/bonus";
const char* const USER_PACKS_SUBDIR = "/packs";
const char* const BONUS_PROGRESS = "campaigns/bonus";
const char* const USER_PROGRESS_PREFIX = "campaigns/packs/";
const char* const CAMPAIGN_SETTING = "campaign";
const uint64_t NAME_HASH_OFFSET = 14695981039346656037ull;
const uint64_t NAME_HASH_PRIME = 1099511628211ull;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A name the settings file can hold and the menu can show.
bool KeepableName(const std::string& name)
{
    for (char c : name)
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            return false;
    return true;
}

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The names of the directories in directory, in order, but for hidden ones;
// none when it is missing or not the user's own.
std::vector<std::string> SubdirectoryNames(const std::string& directory)
{
    std::vector<std::string> names;
    if (directory.empty() || !PlatformUserDirTrusted(directory))
        return names;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr)
        return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name[0] != '.' && IsDirectory(directory + "/" + name))
            names.push_back(name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

// The pack's name as a directory name of letters, digits, '.', '-' and '_';
// a name that had to change gets a hash of itself, so two never share one.
std::string ProgressNameOf(const std::string& name)
{
    std::string safe;
    for (char c : name)
        safe += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_' ? c : '_';
    if (safe == name)
        return safe;
    uint64_t hash = NAME_HASH_OFFSET;
    for (char c : name)
        hash = (hash ^ static_cast<uint8_t>(c)) * NAME_HASH_PRIME;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08llx", static_cast<unsigned long long>(hash & 0xffffffffull));
    return safe + "-" + hex;
}

} // namespace

std::vector<AppCampaignEntry> AppCampaignList()
{
    std::vector<AppCampaignEntry> list;
    list.push_back({CAMPAIGN_SOURCE_MAIN, APP_MAIN_CAMPAIGN_NAME, ""});
    list.push_back({CAMPAIGN_SOURCE_BONUS, BONUS_NAME, PlatformGameDataDir() + BONUS_SUBDIR});
    const std::string userData = PlatformUserDataDir();
    const std::string packs = userData.empty() ? "" : userData + USER_PACKS_SUBDIR;
    for (const std::string& name : SubdirectoryNames(packs)) {
        std::string left;
        const int same = AppCampaignFind(list, name);
        if (!KeepableName(name))
            left = "its name can't be kept in the settings";
        else if (same >= 0)
            left = "another campaign is called " + list[static_cast<size_t>(same)].name;
        else if (list.size() >= APP_CAMPAIGNS_MAX)
            left = "the menu holds " + std::to_string(APP_CAMPAIGNS_MAX) + " campaigns at most";
        if (!left.empty()) {
            // The list is made for every menu; each pack is told of once.
            static std::set<std::string> told;
            if (told.insert(name).second)
                std::fprintf(stderr, "Quagmore: the pack %s/%s is left out: %s\n", packs.c_str(), name.c_str(), left.c_str());
            continue;
        }
        list.push_back({CAMPAIGN_SOURCE_USER, name, packs + "/" + name});
    }
    return list;
}

int AppCampaignFind(const std::vector<AppCampaignEntry>& list, const std::string& name)
{
    for (size_t at = 0; at < list.size(); ++at)
        if (list[at].name == name)
            return static_cast<int>(at);
    for (size_t at = 0; at < list.size(); ++at)
        if (Lower(list[at].name) == Lower(name))
            return static_cast<int>(at);
    return -1;
}

std::string AppCampaignNames(const std::vector<AppCampaignEntry>& list)
{
    std::string names;
    for (const AppCampaignEntry& entry : list)
        names += (names.empty() ? "" : ", ") + entry.name;
    return names;
}

bool AppCampaignLoad(const AppCampaignEntry& entry, AppCampaign* campaign, std::string* why)
{
    if (entry.source == CAMPAIGN_SOURCE_MAIN) {
        *campaign = AppCampaign();
        campaign->name = entry.name;
        return true;
    }
    if (!AppCampaignFromPack(entry.directory, campaign, why))
        return false;
    campaign->name = entry.name;
    campaign->progressSubdir = entry.source == CAMPAIGN_SOURCE_BONUS
                                   ? std::string(BONUS_PROGRESS)
                                   : USER_PROGRESS_PREFIX + ProgressNameOf(entry.name);
    return true;
}

std::string AppCampaignRemembered()
{
    const Settings settings = SettingsRead();   // held while the found name is read
    const std::string* name = SettingsFind(settings, CAMPAIGN_SETTING);
    return name == nullptr ? "" : *name;
}

void AppCampaignRemember(const std::string& name)
{
    Settings settings = SettingsRead();
    const std::string* kept = SettingsFind(settings, CAMPAIGN_SETTING);
    if (kept != nullptr && *kept == name)
        return;
    SettingsSet(settings, CAMPAIGN_SETTING, name);
    SettingsWrite(settings);
}
