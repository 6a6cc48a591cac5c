// The settings file: parsed and formatted here, read whole, and written as a
// new file renamed over the old.
#include "platform/common/settings.h"
#include "platform/common/common.h"
#include "platform/common/safe_file.h"

#include <cerrno>
#include <cstdio>

namespace {

const char* const SETTINGS_FILE = "settings";
// A settings file is a few lines; anything past this is not one.
const size_t SETTINGS_MAX_BYTES = 64 * 1024;
const unsigned SETTINGS_MODE = 0644;
const char SETTINGS_SEPARATOR = '=';

bool IsKeyCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
}

bool IsValueCharacter(char c)
{
    return c >= ' ' && c != '\x7f';
}

// One line without its newline; false when it is no "key=value".
bool ParseLine(std::string line, Setting* setting)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    size_t separator = line.find(SETTINGS_SEPARATOR);
    if (separator == 0 || separator == std::string::npos)
        return false;
    for (size_t at = 0; at < separator; ++at)
        if (!IsKeyCharacter(line[at]))
            return false;
    for (size_t at = separator + 1; at < line.size(); ++at)
        if (!IsValueCharacter(line[at]))
            return false;
    setting->key = line.substr(0, separator);
    setting->value = line.substr(separator + 1);
    return true;
}

std::string SettingsPath()
{
    return PlatformUserConfigDir() + "/" + SETTINGS_FILE;
}

} // namespace

Settings SettingsParse(const std::string& text)
{
    Settings settings;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Setting setting;
        if (ParseLine(text.substr(start, end - start), &setting))
            SettingsSet(settings, setting.key, setting.value);
        start = end + 1;
    }
    return settings;
}

std::string SettingsFormat(const Settings& settings)
{
    std::string text;
    for (const Setting& setting : settings)
        text += setting.key + SETTINGS_SEPARATOR + setting.value + "\n";
    return text;
}

const std::string* SettingsFind(const Settings& settings, const std::string& key)
{
    for (const Setting& setting : settings)
        if (setting.key == key)
            return &setting.value;
    return nullptr;
}

void SettingsSet(Settings& settings, const std::string& key, const std::string& value)
{
    for (Setting& setting : settings) {
        if (setting.key == key) {
            setting.value = value;
            return;
        }
    }
    settings.push_back({key, value});
}

int SettingsInt(const Settings& settings, const std::string& key, int low, int high, int fallback)
{
    const std::string* value = SettingsFind(settings, key);
    if (value == nullptr || value->empty() || value->size() > 9)
        return fallback;
    int number = 0;
    for (char c : *value) {
        if (c < '0' || c > '9')
            return fallback;
        number = number * 10 + (c - '0');
    }
    return number >= low && number <= high ? number : fallback;
}

Settings SettingsRead()
{
    if (!PlatformUserDirTrusted(PlatformUserConfigDir()))
        return {};
    std::string text;
    std::string why;
    if (!SafeFileRead(SettingsPath(), SETTINGS_MAX_BYTES, &text, &why)) {
        // A missing file is the usual first start; anything else is said.
        if (errno != ENOENT)
            std::fprintf(stderr, "Quagmore: %s: %s; using the default view and keys\n", SettingsPath().c_str(), why.c_str());
        return {};
    }
    return SettingsParse(text);
}

bool SettingsWrite(const Settings& settings)
{
    std::string why;
    if (!PlatformUserDirUsable(PlatformUserConfigDir(), &why))
        return false;
    if (!SafeFileWrite(SettingsPath(), SettingsFormat(settings), SETTINGS_MODE, &why)) {
        std::fprintf(stderr, "Quagmore: the settings could not be saved to %s: %s\n", SettingsPath().c_str(), why.c_str());
        return false;
    }
    return true;
}
