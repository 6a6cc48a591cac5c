// The generator's run: places climbed into levels, proven, measured and kept
// when no level of the run is the same board turned or mirrored; and the
// options of the level of a day.
#include "solver/generator.h"
#include "solver/generator_climb.h"

#include <set>

namespace {

// Places tried per level asked for before the run gives up on the rest.
constexpr int PLACES_PER_LEVEL = 200;
// Yards are tried as drawn, without a climb, and few of them serve.
constexpr int YARDS_PER_LEVEL = 2000;
// Mixed into the day's number, so that the days' seeds are no seeds a player would pick.
constexpr uint64_t DAILY_SEED_SALT = 0x51756167'6D6F7265ull;   // "Quagmore"
// The days' levels are held to the game's hint budget of positions.
constexpr long DAILY_MAX_STATES = 2'000'000;
constexpr int DAILY_MIN_PILES = 1, DAILY_MAX_PILES = 6;
// A day's climb ends after its changes have searched this many positions, so
// that the level is made within about a second on the game's worker.
constexpr long DAILY_CLIMB_POSITIONS = 120'000;
constexpr int DATE_LENGTH = 10;

bool Cancelled(const std::atomic<bool>* cancel)
{
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// Days from 1970-01-01 to a date of the Gregorian calendar (Hinnant's days_from_civil).
long DaysFromCivil(long year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

bool LeapYear(long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(long year, unsigned month)
{
    static const unsigned DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : DAYS[month - 1];
}

} // namespace

std::vector<GeneratedLevel> GeneratorRun(const GeneratorOptions& options, const std::atomic<bool>* cancel)
{
    std::vector<GeneratedLevel> levels;
    if (options.count <= 0 || options.minPushes > options.maxPushes || options.minPiles > options.maxPiles ||
        options.maxPushes < 1 || options.maxPiles < 1)
        return levels;
    GeneratorRandom random = GeneratorRandomSeeded(options.seed);
    std::set<std::string> boards;
    const bool yard = options.shape == GENERATOR_SHAPE_YARD;
    const long places = static_cast<long>(options.count) * (yard ? YARDS_PER_LEVEL : PLACES_PER_LEVEL);
    for (long place = 0; place < places && static_cast<int>(levels.size()) < options.count; ++place) {
        if (Cancelled(cancel))
            break;
        const LevelFile start = yard ? GeneratorRandomYard(random, options) : GeneratorRandomPlace(random, options);
        const std::optional<LevelFile> climbed =
            yard ? GeneratorSettle(start, options, cancel) : GeneratorClimb(start, random, options, cancel);
        if (!climbed || Cancelled(cancel))
            continue;
        const std::string board = GeneratorCanonicalBoard(*climbed);
        if (boards.count(board) != 0)
            continue;
        GeneratedLevel level;
        if (!GeneratorMeasure(*climbed, options, &level, nullptr))
            continue;
        boards.insert(board);
        levels.push_back(std::move(level));
    }
    return levels;
}

bool GeneratorDailyOptions(const std::string& date, GeneratorOptions* options, std::string* why)
{
    auto fail = [&](const std::string& text) {
        if (why != nullptr)
            *why = "'" + date + "' is " + text;
        return false;
    };
    if (date.size() != DATE_LENGTH || date[4] != '-' || date[7] != '-')
        return fail("no date of the form YYYY-MM-DD");
    for (size_t i = 0; i < date.size(); ++i)
        if (i != 4 && i != 7 && (date[i] < '0' || date[i] > '9'))
            return fail("no date of the form YYYY-MM-DD");
    const long year = std::stol(date.substr(0, 4));
    const unsigned month = static_cast<unsigned>(std::stoul(date.substr(5, 2)));
    const unsigned day = static_cast<unsigned>(std::stoul(date.substr(8, 2)));
    if (year < 1 || month < 1 || month > 12)
        return fail("no date: no such month");
    if (day < 1 || day > DaysInMonth(year, month))
        return fail("no date: no such day in that month");

    GeneratorOptions daily;
    daily.seed = GeneratorRandomMix(DAILY_SEED_SALT ^ static_cast<uint64_t>(DaysFromCivil(year, month, day)));
    daily.count = 1;
    daily.minPushes = GENERATOR_DAILY_MIN_PUSHES;
    daily.maxPushes = GENERATOR_DAILY_MAX_PUSHES;
    daily.minPiles = DAILY_MIN_PILES;
    daily.maxPiles = DAILY_MAX_PILES;
    daily.maxStates = DAILY_MAX_STATES;
    daily.pace = GENERATOR_PACE_QUICK;
    daily.climbPositions = DAILY_CLIMB_POSITIONS;
    *options = daily;
    return true;
}
