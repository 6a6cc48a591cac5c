// The level of the day in the shell: the request, the generator beside the
// game, and the campaign of one level it becomes.
#include "app/daily.h"
#include "app/app.h"

#include "solver/generator_worker.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

const char* const DAILY_PROGRESS = "daily";
const char* const MAKING_TEXT = "Making the level of the day...";
const char* const DAILY_WORD = "Daily ";
const char* const STATUS_GAP = "   ";
const size_t DATE_BYTES = sizeof "YYYY-MM-DD";

struct DailyShell {
    SolverWorkerKind kind = SOLVER_WORKER_THREAD;
    std::unique_ptr<GeneratorWorker> worker;   // made at the first request
    std::string requested;                     // from the command line, until the game starts
    std::string date;                          // of the level being made
    uint64_t askedId = 0;                      // 0 when none is being made
};

DailyShell Shell;

// Starts the making; false with *why for a bad date.
bool Ask(const std::string& date, std::string* why)
{
    GeneratorOptions options;
    if (!GeneratorDailyOptions(date, &options, why))
        return false;
    if (Shell.worker == nullptr)
        Shell.worker = std::make_unique<GeneratorWorker>(Shell.kind);
    Shell.date = date;
    Shell.askedId = Shell.worker->Ask(options);
    return true;
}

// Plays the level once made. True when the making has ended, played or not.
bool TakeLevel()
{
    if (Shell.worker == nullptr || Shell.askedId == 0)
        return false;
    std::optional<GeneratorAnswer> answer = Shell.worker->Take();
    if (!answer || answer->id != Shell.askedId)
        return false;
    Shell.askedId = 0;
    if (answer->result.empty()) {
        const std::string text = "No level of the day could be made for " + Shell.date;
        std::fprintf(stderr, "Quagmore: %s\n", text.c_str());
        ShowMessage(text.c_str());
        AppUpdateStatus();
        return true;
    }
    AppCampaign campaign;
    campaign.kind = CAMPAIGN_DAILY;
    campaign.name = Shell.date;
    campaign.progressSubdir = DAILY_PROGRESS;
    campaign.levels.push_back(answer->result.front().file);
    AppCampaignPlay(std::move(campaign));
    return true;
}

} // namespace

std::string AppDailyTitle(const std::string& date)
{
    return DAILY_WORD + date;
}

std::string AppDailyToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char date[DATE_BYTES] = {};
    if (gmtime_r(&now, &utc) == nullptr || std::strftime(date, sizeof date, "%Y-%m-%d", &utc) == 0)
        return "";
    return date;
}

void AppDailySetup(SolverWorkerKind kind)
{
    Shell.worker.reset();
    Shell.kind = kind;
    Shell.askedId = 0;
}

bool AppDailyRequest(const std::string& date, std::string* why)
{
    GeneratorOptions options;
    if (!GeneratorDailyOptions(date, &options, why))
        return false;
    Shell.requested = date;
    return true;
}

bool AppDailyBegin()
{
    if (Shell.requested.empty())
        return false;
    std::string why;
    const bool asked = Ask(Shell.requested, &why);
    Shell.requested.clear();
    return asked && TakeLevel();
}

void AppDailyAsk(const std::string& date)
{
    std::string why;
    if (!Ask(date, &why)) {
        std::fprintf(stderr, "Quagmore: no level of the day for %s: %s\n", date.c_str(), why.c_str());
        ShowMessage(("No level of the day for " + date + ": " + why).c_str());
    }
    AppUpdateStatus();
}

void AppDailyFrame()
{
    TakeLevel();
}

void AppDailyCancel()
{
    if (Shell.worker != nullptr && Shell.askedId != 0)
        Shell.worker->Cancel();
    Shell.askedId = 0;
}

void AppDailyStop()
{
    Shell.worker.reset();
    Shell.askedId = 0;
}

std::string AppDailyStatus()
{
    if (Shell.askedId == 0)
        return "";
    return AppDailyTitle(Shell.date) + STATUS_GAP + MAKING_TEXT;
}
