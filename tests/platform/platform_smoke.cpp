// A small program over the SDL platform: the game's window and menu, a
// coloured 600 x 600 picture presented each frame, and a main loop like the
// game's. It reports the events it takes on stdout, one line each, for the
// window smoke test.
//
//   platform_smoke [--frames N] [--about] [--message TEXT] [--home DIR] [--drop FILE] [--status TEXT]
//
// --drop hands SDL a text dropped on the window and then FILE dropped on it
// after the first frame, as the window system does for a drag and drop; only
// the file comes out as the platform's event. --status sets the status line.
// Once a second it reports the window presents and picture uploads of that
// second; R repaints a quarter of the picture. It ends on Escape, the close box or File > Exit, or by itself after N frames
// (exit code 2 then, so a test that expected a close notices).
#include "engine/picture.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

const int PICTURE_SIZE = 600;
const int ICON_SIZE = 32;
const uint32_t COMMAND_EXIT = 2;
const uint32_t COMMAND_ABOUT = 4;
const uint32_t COMMAND_RESET = 5;
const uint32_t COMMAND_LEVEL_1 = 21;
const int LEVEL_COUNT = 12;
const uint32_t COMMAND_ZOOM_1 = 41;
const uint32_t COMMAND_FULLSCREEN = 45;
const uint32_t COMMAND_ZOOM_FIT = 46;
const long FRAMES_PER_REPORT = 60;
const int EXIT_TIMED_OUT = 2;

void Report(const char* format, long a = 0, long b = 0)
{
    std::printf(format, a, b);
    std::printf("\n");
    std::fflush(stdout);
}

std::vector<PlatformMenuItem> MakeMenu()
{
    PlatformMenuItem levels{"Levels", 0, true, {}};
    for (int level = 1; level <= LEVEL_COUNT; ++level)
        levels.items.push_back({"Level " + std::to_string(level), COMMAND_LEVEL_1 + level - 1, level <= 2, {}});
    PlatformMenuItem file{"&File", 0, true, {{"Reset", COMMAND_RESET, true, {}}, levels, {"Exit", COMMAND_EXIT, true, {}}}};
    PlatformMenuItem view{"&View", 0, true, {}};
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom)
        view.items.push_back({"Zoom &" + std::to_string(zoom) + "x", COMMAND_ZOOM_1 + zoom - 1, true, {}});
    view.items.push_back({"Zoom to fi&t", COMMAND_ZOOM_FIT, true, {}});
    view.items.push_back({"&Fullscreen", COMMAND_FULLSCREEN, true, {}});
    return {file, view, {"&Help", 0, true, {{"&About Quagmore", COMMAND_ABOUT, true, {}}}}};
}

void ShowAbout()
{
    PlatformAboutBox({"Quagmore", "Quagmore by the smoke test", "Version 1.0",
                      {" The object of this puzzle game is simple:", " Make it to the exit.", "",
                       " Use the arrowkeys to move."}});
}

// A drop of text or of a file, as SDL makes one: the event owns a copy of the text.
void PushDrop(uint32_t type, const char* text)
{
    SDL_Event drop = {};
    drop.type = type;
    drop.drop.file = SDL_strdup(text);
    drop.drop.windowID = SDL_GetWindowID(Sdl.window);
    if (SDL_PushEvent(&drop) != 1)
        SDL_free(drop.drop.file);
}

void PostClose()
{
    PlatformEvent close;
    close.kind = PLATFORM_EVENT_CLOSE;
    PlatformPostEvent(close);
}

void HandleEvent(const PlatformEvent& event)
{
    switch (event.kind) {
    case PLATFORM_EVENT_CLOSE:
        // The one way out: the window goes, and the quit event follows.
        Report("destroy");
        PlatformDestroyWindow();
        break;
    case PLATFORM_EVENT_COMMAND:
        Report("command %ld", event.command);
        if (event.command == COMMAND_EXIT)
            PostClose();
        else if (event.command == COMMAND_ABOUT)
            ShowAbout();
        else if (event.command == COMMAND_FULLSCREEN)
            PlatformViewToggleFullscreen();
        else if (event.command == COMMAND_ZOOM_FIT)
            PlatformViewSetFit();
        else if (event.command >= COMMAND_ZOOM_1 && event.command < COMMAND_ZOOM_1 + PLATFORM_ZOOM_MAX)
            PlatformViewSetZoom(static_cast<int>(event.command - COMMAND_ZOOM_1) + 1);
        break;
    case PLATFORM_EVENT_MOUSE_PRESS:
        if (event.doubleClick)
            Report(event.button == PLATFORM_BUTTON_LEFT ? "left %ld %ld double" : "right %ld %ld double", event.x, event.y);
        else
            Report(event.button == PLATFORM_BUTTON_LEFT ? "left %ld %ld" : "right %ld %ld", event.x, event.y);
        break;
    case PLATFORM_EVENT_DROP:
        std::printf("drop %s\n", event.path.c_str());
        std::fflush(stdout);
        break;
    case PLATFORM_EVENT_QUIT:
        break;
    }
}

void FillRect(Picture& picture, int left, int top, int width, int height, uint32_t rgb)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            picture.Row(y)[x] = rgb;
}

// Four coloured quarters inside a white frame, so a screenshot shows the whole
// picture arrived the right way round.
void DrawPicture(Picture& picture, bool repainted)
{
    const int border = 4, inner = PICTURE_SIZE / 2 - border;
    uint32_t colours[4] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020};
    if (repainted)
        colours[3] = 0x802080;
    FillRect(picture, 0, 0, PICTURE_SIZE, PICTURE_SIZE, 0xFFFFFF);
    for (int quarter = 0; quarter < 4; ++quarter)
        FillRect(picture, border + (quarter % 2) * inner, border + (quarter / 2) * inner, inner, inner, colours[quarter]);
}

// A private data directory holding a 32 x 32 icon, found like the game's.
std::string MakeDataDir()
{
    char pattern[] = "/tmp/quagmore-smoke-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return "";
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, ICON_SIZE, ICON_SIZE, 24, SDL_PIXELFORMAT_BGR24);
    if (icon != nullptr) {
        SDL_FillRect(icon, nullptr, SDL_MapRGB(icon->format, 40, 90, 200));
        SDL_SaveBMP(icon, (std::string(pattern) + "/smoke-icon.bmp").c_str());
        SDL_FreeSurface(icon);
    }
    return pattern;
}

} // namespace

int main(int argc, char** argv)
{
    long frameLimit = 0;   // 0: none
    bool about = false;
    const char* message = nullptr;
    const char* dropped = nullptr;
    const char* status = nullptr;
    std::string home;
    for (int at = 1; at < argc; ++at) {
        if (std::strcmp(argv[at], "--frames") == 0 && at + 1 < argc)
            frameLimit = std::strtol(argv[++at], nullptr, 10);
        else if (std::strcmp(argv[at], "--message") == 0 && at + 1 < argc)
            message = argv[++at];
        else if (std::strcmp(argv[at], "--home") == 0 && at + 1 < argc)
            home = argv[++at];
        else if (std::strcmp(argv[at], "--drop") == 0 && at + 1 < argc)
            dropped = argv[++at];
        else if (std::strcmp(argv[at], "--status") == 0 && at + 1 < argc)
            status = argv[++at];
        else
            about = about || std::strcmp(argv[at], "--about") == 0;
    }
    const std::string dataDir = MakeDataDir();
    PlatformSetDirectories(dataDir, home.empty() ? dataDir + "/home" : home);

    Picture back;
    back.width = back.height = back.pitch = PICTURE_SIZE;
    back.pixels.assign(static_cast<size_t>(PICTURE_SIZE) * PICTURE_SIZE, 0);
    PlatformWindowDesc desc;
    desc.title = "Quagmore";
    desc.x = 100;
    desc.y = 10;
    desc.width = desc.height = PICTURE_SIZE;
    desc.menu = MakeMenu();
    desc.iconFile = "smoke-icon.bmp";
    int exitCode = 1;
    if (PlatformCreateWindow(desc) == 0) {
        Report("no window");
    } else {
        if (status != nullptr)
            PlatformSetStatus(status);
        Report(PlatformSoundOpen() != 0 ? "sound on" : "sound off");
        PlatformBeep();
        bool repainted = false;
        DrawPicture(back, repainted);
        uint64_t presentsBefore = 0;
        uint64_t uploadsBefore = 0;
        long frames = 0;
        uint32_t firstFrameTicks = 0;
        PlatformEvent event;
        bool rDown = false;
        Report("create");
        for (;;) {
            if (PlatformPollEvent(&event) != 0) {
                if (event.kind == PLATFORM_EVENT_QUIT)
                    break;
                HandleEvent(event);
            }
            if (!PlatformWindowActive()) {
                PlatformWaitEvent();
                continue;
            }
            PlatformFrameBegin();
            PlatformKeys keys;
            PlatformKeyboardRead(&keys);
            if (keys.down[PLATFORM_KEY_R] && !rDown) {
                Report("r");
                repainted = !repainted;
                DrawPicture(back, repainted);
            }
            rDown = keys.down[PLATFORM_KEY_R];
            if (keys.down[PLATFORM_KEY_ESCAPE]) {
                Report("escape");
                PostClose();
            }
            PlatformWaitVBlank();
            PlatformPresent(back);
            if (++frames == 1) {
                firstFrameTicks = PlatformTicks();
                Report("presented");
                if (about)
                    ShowAbout();
                if (message != nullptr) {
                    PlatformMessageBox(message);
                    Report("message closed");
                }
                if (dropped != nullptr) {
                    PushDrop(SDL_DROPTEXT, "dropped text");
                    PushDrop(SDL_DROPFILE, dropped);
                }
            }
            if (frames % FRAMES_PER_REPORT == 0) {
                std::printf("second: presents %ld uploads %ld\n", long(Sdl.presentCount - presentsBefore),
                            long(Sdl.uploadCount - uploadsBefore));
                int width = 0, height = 0;
                SDL_GetWindowSize(Sdl.window, &width, &height);
                SDL_Rect usable{0, 0, 0, 0};
                SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(Sdl.window), &usable);
                std::printf("view: window %dx%d picture %d,%d %dx%d display %dx%d\n", width, height,
                            Sdl.pictureRect.x, Sdl.pictureRect.y, Sdl.pictureRect.w, Sdl.pictureRect.h, usable.w,
                            usable.h);
                std::fflush(stdout);
                presentsBefore = Sdl.presentCount;
                uploadsBefore = Sdl.uploadCount;
            }
            if (frames == frameLimit) {
                Report("frame limit: %ld frames in %ld ms", frames - 1, long(PlatformTicks() - firstFrameTicks));
                PlatformDestroyWindow();
            }
        }
        exitCode = frameLimit > 0 && frames >= frameLimit ? EXIT_TIMED_OUT : 0;
        PlatformSoundClose();
    }
    if (!dataDir.empty())
        std::filesystem::remove_all(dataDir);
    Report("exit %ld", exitCode);
    return exitCode;
}
