// Entry of the real game: the data directory beside the executable and the
// user's own directories.
#include "app/app.h"

int main()
{
    PlatformSetDirectories("", "");
    return AppMain();
}
