// The About box.
#include "app/app.h"

#include "quagmore_version.h"

#include <string>

PlatformAboutText AboutText()
{
    PlatformAboutText about;
    about.title = "Quagmore";
    about.credit = "Quagmore by the Quagmore team";
    about.version = std::string("Version ") + QUAGMORE_VERSION_SHORT;
    about.lines = {
        " The object of this puzzle game is simple:",
        " Make it to the exit.",
        "",
        " Use the arrowkeys to move.",
        " Push the piles of dirt into the water",
        " to create more land.",
        "",
        " Press R to reset a level or",
        " choose File/Reset.",
        "",
        " When you solve a level the next level",
        " is enabled ( in File/Levels ).",
    };
    return about;
}

void ShowAboutBox()
{
    PlatformAboutBox(AboutText());
}
