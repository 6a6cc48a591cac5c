// quagmore-level generate [OPTIONS] DIR, and generate --daily DATE DIR: the
// generator's levels as level1.txt ... levelK.txt and their solutions.txt,
// each file written whole or not at all.
#include "level_generate.h"

#include "platform/common/safe_file.h"
#include "solver/generator.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

enum { EXIT_OK = 0, EXIT_PROBLEM = 1 };

// Bounds of the options: a run is a pack (at most 99 levels), and more than
// these pushes or piles no board of 144 cells is made to hold.
constexpr long COUNT_MAX = 99;
constexpr long PUSHES_MAX = 500;
constexpr long PILES_MAX = 60;
constexpr unsigned FILE_MODE = 0644;
constexpr unsigned DIRECTORY_MODE = 0755;

const char* const PROGRAM = "quagmore-level";

bool ParseNumber(const std::string& text, long low, long high, long& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= low && value <= high;
}

bool ParseSeed(const std::string& text, uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// "A-B" with low <= A <= B <= high.
bool ParseRange(const std::string& text, long low, long high, int& first, int& last)
{
    const size_t dash = text.find('-');
    long a = 0, b = 0;
    if (dash == std::string::npos || !ParseNumber(text.substr(0, dash), low, high, a) ||
        !ParseNumber(text.substr(dash + 1), low, high, b) || a > b)
        return false;
    first = static_cast<int>(a);
    last = static_cast<int>(b);
    return true;
}

// "rooms" or "yard".
bool ParseShape(const std::string& text, GeneratorShape& shape)
{
    if (text != "rooms" && text != "yard")
        return false;
    shape = text == "yard" ? GENERATOR_SHAPE_YARD : GENERATOR_SHAPE_ROOMS;
    return true;
}

// The directory, made when missing (its parent must be there).
bool MakeDirectory(const std::string& path, std::string& why)
{
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return true;
        why = path + " is not a directory";
        return false;
    }
    if (mkdir(path.c_str(), DIRECTORY_MODE) != 0) {
        why = "can't make the directory " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

int Write(const std::string& directory, const std::vector<GeneratedLevel>& levels)
{
    std::string why;
    if (!MakeDirectory(directory, why)) {
        std::fprintf(stderr, "%s: %s\n", PROGRAM, why.c_str());
        return EXIT_PROBLEM;
    }
    std::string solutions;
    for (size_t i = 0; i < levels.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string path = directory + "/level" + std::to_string(number) + ".txt";
        if (!SafeFileWrite(path, LevelTextFormat(levels[i].file), FILE_MODE, &why)) {
            std::fprintf(stderr, "%s: can't write %s: %s\n", PROGRAM, path.c_str(), why.c_str());
            return EXIT_PROBLEM;
        }
        const std::string line = GeneratorSolutionLine(number, levels[i]);
        std::printf("%s\n", line.c_str());
        solutions += line + "\n";
    }
    const std::string path = directory + "/solutions.txt";
    if (!SafeFileWrite(path, solutions, FILE_MODE, &why)) {
        std::fprintf(stderr, "%s: can't write %s: %s\n", PROGRAM, path.c_str(), why.c_str());
        return EXIT_PROBLEM;
    }
    return EXIT_OK;
}

} // namespace

int LevelGenerateCommand(const std::vector<std::string>& args, int (*usage)(const std::string& complaint))
{
    GeneratorOptions options;
    std::string daily;
    bool other = false;   // an option --daily can't go with
    std::vector<std::string> directories;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            directories.push_back(arg);
            continue;
        }
        if (arg != "--seed" && arg != "--count" && arg != "--pushes" && arg != "--piles" && arg != "--max-states" &&
            arg != "--min-states" && arg != "--max-proof" && arg != "--shape" && arg != "--daily")
            return usage("unknown option '" + arg + "' for generate");
        if (i + 1 == args.size())
            return usage(arg + " takes a value");
        const std::string& value = args[++i];
        long number = 0;
        bool good = true;
        if (arg == "--daily") {
            daily = value;
            continue;
        }
        other = true;
        if (arg == "--seed") {
            good = ParseSeed(value, options.seed);
        } else if (arg == "--count") {
            good = ParseNumber(value, 1, COUNT_MAX, number);
            options.count = static_cast<int>(number);
        } else if (arg == "--pushes") {
            good = ParseRange(value, 1, PUSHES_MAX, options.minPushes, options.maxPushes);
        } else if (arg == "--piles") {
            good = ParseRange(value, 1, PILES_MAX, options.minPiles, options.maxPiles);
        } else if (arg == "--max-states") {
            good = ParseNumber(value, 1, LONG_MAX, options.maxStates);
        } else if (arg == "--max-proof") {
            good = ParseNumber(value, 1, LONG_MAX, options.maxProof);
        } else if (arg == "--shape") {
            good = ParseShape(value, options.shape);
        } else {
            good = ParseNumber(value, 0, LONG_MAX, options.minStates);
        }
        if (!good)
            return usage("bad value '" + value + "' for " + arg);
    }
    if (directories.size() != 1)
        return usage("generate takes one DIR");
    if (!daily.empty()) {
        std::string why;
        if (other)
            return usage("--daily takes no other option");
        if (!GeneratorDailyOptions(daily, &options, &why))
            return usage(why);
    }
    const std::vector<GeneratedLevel> levels = GeneratorRun(options);
    const int status = Write(directories[0], levels);
    if (status == EXIT_OK && static_cast<int>(levels.size()) < options.count) {
        std::fprintf(stderr, "%s: only %zu of %d levels found within the options\n", PROGRAM, levels.size(),
                     options.count);
        return EXIT_PROBLEM;
    }
    return status;
}
