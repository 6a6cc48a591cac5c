// The script: one command a line, '#' starts a comment, words separated by
// blanks, command and key names in any case.
#include "sim/sim.h"

#include "platform/platform.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace {

struct SimKeyName {
    const char* name;
    PlatformKey key;
};

const SimKeyName SIM_KEYS[] = {
    {"left", PLATFORM_KEY_LEFT},   {"right", PLATFORM_KEY_RIGHT}, {"up", PLATFORM_KEY_UP},
    {"down", PLATFORM_KEY_DOWN},   {"r", PLATFORM_KEY_R},         {"d", PLATFORM_KEY_D},
    {"s", PLATFORM_KEY_S},         {"l", PLATFORM_KEY_L},         {"escape", PLATFORM_KEY_ESCAPE},
    {"enter", PLATFORM_KEY_ENTER}, {"z", PLATFORM_KEY_Z},         {"backspace", PLATFORM_KEY_BACKSPACE},
    {"u", PLATFORM_KEY_U},         {"space", PLATFORM_KEY_SPACE}, {"f1", PLATFORM_KEY_F1},
    {"p", PLATFORM_KEY_P},         {"g", PLATFORM_KEY_G},         {"h", PLATFORM_KEY_H},
    {"w", PLATFORM_KEY_W},
};

const int64_t SIM_MOUSE_MIN = -32768;    // picture coordinates of 16 bits, signed
const int64_t SIM_MOUSE_MAX = 32767;
const int64_t SIM_COMMAND_MAX = 65535;   // command ids are 16-bit

std::string Lower(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == '#')
            break;
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// A whole decimal number within [low, high].
bool ParseNumber(const std::string& word, int64_t low, int64_t high, int64_t* value)
{
    const char* end = word.data() + word.size();
    auto result = std::from_chars(word.data(), end, *value);
    return result.ec == std::errc() && result.ptr == end && *value >= low && *value <= high;
}

bool WantArguments(const std::vector<std::string>& words, size_t count, const char* form, std::string* error)
{
    if (words.size() == count + 1)
        return true;
    *error = std::string("expected \"") + form + "\"";
    return false;
}

// The one argument of "run N", "menu ID" or "clock MS": a number within [0, high].
bool ParseOneNumber(const std::vector<std::string>& words, int64_t high, const char* expected, int64_t* value,
                    std::string* error)
{
    if (words.size() == 2 && ParseNumber(words[1], 0, high, value))
        return true;
    *error = expected;
    return false;
}

bool ParseHold(const std::vector<std::string>& words, SimCommand* command, std::string* error)
{
    for (size_t at = 1; at < words.size(); ++at) {
        const std::string name = Lower(words[at]);
        bool found = false;
        for (const SimKeyName& key : SIM_KEYS) {
            if (name == key.name) {
                command->keys.push_back(key.key);
                found = true;
            }
        }
        if (!found) {
            *error = "unknown key \"" + words[at] + "\" (keys: LEFT RIGHT UP DOWN R D S L ESCAPE ENTER Z BACKSPACE U SPACE F1 P G H W)";
            return false;
        }
    }
    return true;
}

// click [double] left|right X Y: "double" makes it the second press of a
// double click.
bool ParseClick(std::vector<std::string> words, SimCommand* command, std::string* error)
{
    const char* form = "click [double] left|right X Y";
    if (words.size() > 1 && Lower(words[1]) == "double") {
        command->doubleClick = true;
        words.erase(words.begin() + 1);
    }
    if (!WantArguments(words, 3, form, error))
        return false;
    const std::string button = Lower(words[1]);
    int64_t x = 0, y = 0;
    if ((button != "left" && button != "right") || !ParseNumber(words[2], SIM_MOUSE_MIN, SIM_MOUSE_MAX, &x) ||
        !ParseNumber(words[3], SIM_MOUSE_MIN, SIM_MOUSE_MAX, &y)) {
        *error = std::string("expected \"") + form + "\" with X and Y from -32768 to 32767";
        return false;
    }
    command->button = button == "left" ? PLATFORM_BUTTON_LEFT : PLATFORM_BUTTON_RIGHT;
    command->x = static_cast<int>(x);
    command->y = static_cast<int>(y);
    return true;
}

bool ParsePrint(const std::vector<std::string>& words, SimCommand* command, std::string* error)
{
    const char* form = "print board|state|menu|saved|status|records|marks|campaign";
    if (!WantArguments(words, 1, form, error))
        return false;
    const std::string what = Lower(words[1]);
    if (what == "board")
        command->what = SIM_PRINT_BOARD;
    else if (what == "state")
        command->what = SIM_PRINT_STATE;
    else if (what == "menu")
        command->what = SIM_PRINT_MENU;
    else if (what == "saved")
        command->what = SIM_PRINT_SAVED;
    else if (what == "status")
        command->what = SIM_PRINT_STATUS;
    else if (what == "records")
        command->what = SIM_PRINT_RECORDS;
    else if (what == "marks")
        command->what = SIM_PRINT_MARKS;
    else if (what == "campaign")
        command->what = SIM_PRINT_CAMPAIGN;
    else {
        *error = std::string("expected \"") + form + "\"";
        return false;
    }
    return true;
}

bool ParseCommand(const std::vector<std::string>& words, SimCommand* command, std::string* error)
{
    const std::string name = Lower(words[0]);
    int64_t number = 0;
    if (name == "hold") {
        command->kind = SIM_HOLD;
        return ParseHold(words, command, error);
    }
    if (name == "run") {
        command->kind = SIM_RUN;
        if (!ParseOneNumber(words, std::numeric_limits<int64_t>::max(),
                            "expected \"run N\" with N a whole number of frames", &number, error))
            return false;
        command->frames = static_cast<uint64_t>(number);
        return true;
    }
    if (name == "click") {
        command->kind = SIM_CLICK;
        return ParseClick(words, command, error);
    }
    if (name == "menu") {
        command->kind = SIM_MENU;
        if (!ParseOneNumber(words, SIM_COMMAND_MAX,
                            "expected \"menu ID\" with ID a command number (2 Exit, 4 About, 5 Reset, 21 to 32 levels, 60 Level of the day, "
                            "61 Watch solution, 62 Share level, 113 to 199 levels 13 to 99 of a pack, 300 on the campaigns)",
                            &number, error))
            return false;
        command->value = static_cast<uint32_t>(number);
        return true;
    }
    if (name == "close") {
        command->kind = SIM_CLOSE;
        return WantArguments(words, 0, "close", error);
    }
    if (name == "focus") {
        command->kind = SIM_FOCUS;
        const std::string state = words.size() == 2 ? Lower(words[1]) : "";
        if (state != "on" && state != "off") {
            *error = "expected \"focus on\" or \"focus off\"";
            return false;
        }
        command->on = state == "on";
        return true;
    }
    if (name == "clock") {
        command->kind = SIM_CLOCK;
        if (!ParseOneNumber(words, std::numeric_limits<uint32_t>::max(),
                            "expected \"clock MS\" with MS from 0 to 4294967295", &number, error))
            return false;
        command->value = static_cast<uint32_t>(number);
        return true;
    }
    if (name == "print") {
        command->kind = SIM_PRINT;
        return ParsePrint(words, command, error);
    }
    if (name == "watch") {
        command->kind = SIM_WATCH;
        const std::string what = words.size() == 2 ? Lower(words[1]) : "";
        if (what != "verdict" && what != "solver") {
            *error = "expected \"watch verdict\" or \"watch solver\"";
            return false;
        }
        command->file = what;
        return true;
    }
    if (name == "shot" || name == "drop") {
        command->kind = name == "shot" ? SIM_SHOT : SIM_DROP;
        if (!WantArguments(words, 1, name == "shot" ? "shot FILE" : "drop FILE", error))
            return false;
        command->file = words[1];
        return true;
    }
    *error = "unknown command \"" + words[0] + "\"";
    return false;
}

} // namespace

int SimParseLine(const std::string& line, SimCommand* command, std::string* error)
{
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty())
        return 0;
    *command = SimCommand();
    return ParseCommand(words, command, error) ? 1 : -1;
}

bool SimScriptOpen(SimScript* script, const std::string& path, std::string* error)
{
    if (path.empty() || path == "-") {
        script->file = stdin;
        script->name = "standard input";
        return true;
    }
    script->file = std::fopen(path.c_str(), "r");
    script->name = path;
    if (script->file == nullptr) {
        *error = "can't open the script " + path;
        return false;
    }
    return true;
}

void SimScriptClose(SimScript* script)
{
    if (script->file != nullptr && script->file != stdin)
        std::fclose(script->file);
    script->file = nullptr;
}

int SimScriptNext(SimScript* script, SimCommand* command, std::string* error)
{
    while (!script->ended) {
        std::string line;
        int c = 0;
        while ((c = std::fgetc(script->file)) != EOF && c != '\n')
            line += static_cast<char>(c);
        if (c == EOF && line.empty()) {
            script->ended = true;
            break;
        }
        ++script->lineNumber;
        int parsed = SimParseLine(line, command, error);
        if (parsed != 0)
            return parsed;
    }
    return 0;
}
