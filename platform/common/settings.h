// The player's settings: a small text file of "key=value" lines in the
// config directory. Keys the game does not know are kept as they are, so a
// newer or older copy of the game loses nothing of the other's. A damaged
// file reads as the lines that can be made out; a bad value reads as its
// default.
#pragma once

#include <string>
#include <vector>

struct Setting {
    std::string key;
    std::string value;
};
using Settings = std::vector<Setting>;

// The settings of a file's text: its "key=value" lines in order, a later line
// replacing an earlier one of the same key. Lines that are not "key=value"
// with a key of letters, digits, '_', '-' or '.' are dropped.
Settings SettingsParse(const std::string& text);
// The text of a settings file: one "key=value" line each.
std::string SettingsFormat(const Settings& settings);
// The value of a key, or nullptr.
const std::string* SettingsFind(const Settings& settings, const std::string& key);
// Sets a key, in its place when present, else at the end.
void SettingsSet(Settings& settings, const std::string& key, const std::string& value);
// A whole-number value from low to high, or fallback when missing or bad.
int SettingsInt(const Settings& settings, const std::string& key, int low, int high, int fallback);

// $XDG_CONFIG_HOME/quagmore/settings; empty when missing or unreadable.
Settings SettingsRead();
// Writes the file atomically. False (and the old file kept) on failure.
bool SettingsWrite(const Settings& settings);
