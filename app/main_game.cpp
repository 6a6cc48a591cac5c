// Entry of the real game: the command line first, then the data directory
// beside the executable and the user's own directories.
#include "app/app.h"
#include "app/command_line.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const AppCommandLine commandLine = AppParseCommandLine(argc, argv);
    if (commandLine.action != APP_COMMAND_LINE_PLAY)
        return AppCommandLineReply(commandLine);
    PlatformSetDirectories("", "");
    // A level file, pack, campaign or date that can't be played is refused
    // before the game takes its lock or opens a window.
    std::string why;
    if (!AppCampaignChoose({commandLine.levelFile, commandLine.packDir, commandLine.campaignName}, &why)) {
        std::fprintf(stderr, "quagmore: %s\n", why.c_str());
        return APP_EXIT_USAGE;
    }
    const std::string date = commandLine.dailyDate.empty() ? AppDailyToday() : commandLine.dailyDate;
    if (commandLine.daily && !AppDailyRequest(date, &why)) {
        std::fprintf(stderr, "quagmore: --daily %s: %s\n", date.c_str(), why.c_str());
        return APP_EXIT_USAGE;
    }
    return AppMain();
}
