// Entry of the real game: the command line first, then the data directory
// beside the executable and the user's own directories.
#include "app/app.h"
#include "app/command_line.h"

int main(int argc, char** argv)
{
    const AppCommandLine commandLine = AppParseCommandLine(argc, argv);
    if (commandLine.action != APP_COMMAND_LINE_PLAY)
        return AppCommandLineReply(commandLine);
    PlatformSetDirectories("", "");
    return AppMain();
}
