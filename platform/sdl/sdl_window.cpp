// The game window and its event loop: SDL events become the game's events.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/common.h"
#include "platform/common/settings.h"

#include "format/bitmap.h"

#include "imgui.h"
#include "imgui_impl_sdl.h"
#include "imgui_impl_sdlrenderer.h"

#include <cstdio>

SdlPlatform Sdl;

namespace {

// While the window is inactive the loop sleeps in SDL_WaitEventTimeout. It
// redraws after every event, and at least this often: an open menu often, so
// it settles after the mouse stops, a window without the focus seldom.
const int MENU_REDRAW_MS = 100;
const int INACTIVE_REDRAW_MS = 500;
// After an event the window is presented for a few frames, so the menu bar
// shows what the event changed once ImGui has settled on it.
const int EVENT_REDRAW_FRAMES = 3;
const int ALL_OF_THE_AREA = 100;
const char* const SETTING_ZOOM = "zoom";
const char* const SETTING_ZOOM_FIT = "fit";
const char* const SETTING_FULLSCREEN = "fullscreen";
// Frames after a request for fullscreen before the window is checked to
// cover the screen, time for a window manager to grant it.
const int FULLSCREEN_CHECK_FRAMES = 30;
const int32_t ICON_MAX_SIDE = 256;

bool IsPictureButton(uint8_t button)
{
    return button == SDL_BUTTON_LEFT || button == SDL_BUTTON_RIGHT;
}

// A press on the picture area becomes a press in picture pixels. Every press
// counts: an even click count marks the second press of a double click.
void HandleMousePress(const SDL_MouseButtonEvent& press)
{
    if (Sdl.window == nullptr || press.windowID != SDL_GetWindowID(Sdl.window))
        return;
    // The menu, an open popup or a modal box takes the press.
    if (Sdl.popupOpen || Sdl.dialog.kind != SdlDialog::None || !IsPictureButton(press.button))
        return;
    int x = 0;
    int y = 0;
    SDL_Point drawable = SdlViewDrawableFromWindow(Sdl.geometry, press.x, press.y);
    if (!SdlPictureFromWindow(Sdl.pictureRect, Sdl.pictureSourceWidth, Sdl.pictureSourceHeight, drawable.x,
                              drawable.y, &x, &y))
        return;
    PlatformEvent event;
    event.kind = PLATFORM_EVENT_MOUSE_PRESS;
    event.button = press.button == SDL_BUTTON_LEFT ? PLATFORM_BUTTON_LEFT : PLATFORM_BUTTON_RIGHT;
    event.x = x;
    event.y = y;
    event.doubleClick = press.clicks >= 2 && press.clicks % 2 == 0;
    PlatformPostEvent(event);
}

bool IsMnemonicKey(SDL_Keycode sym)
{
    return (sym >= SDLK_a && sym <= SDLK_z) || (sym >= SDLK_0 && sym <= SDLK_9);
}

// Enter and Escape close a box, F1 the help panel too; Escape closes the open menus. The key then
// reads as up until it is released.
void HandleKeyPress(const SDL_KeyboardEvent& key)
{
    if (key.repeat != 0)
        return;
    SDL_Scancode code = key.keysym.scancode;
    bool escape = code == SDL_SCANCODE_ESCAPE;
    bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
    bool help = code == SDL_SCANCODE_F1 && Sdl.dialog.kind == SdlDialog::Help;
    bool alt = (key.keysym.mod & KMOD_ALT) != 0;
    if (Sdl.dialog.kind != SdlDialog::None) {
        if (escape || enter || help) {
            Sdl.dialog.closeRequested = true;
            SdlSwallowKey(code);
        }
    } else if (code == SDL_SCANCODE_F11 || (enter && alt)) {
        // The Enter of Alt+Enter does not also reach the game.
        PlatformViewToggleFullscreen();
        SdlSwallowKey(code);
    } else if (Sdl.popupOpen && escape) {
        Sdl.closeMenus = true;
        SdlSwallowKey(code);
    } else if (IsMnemonicKey(key.keysym.sym) && (Sdl.popupOpen || (key.keysym.mod & KMOD_ALT) != 0) &&
               SdlMenuTakesKey(static_cast<char>(key.keysym.sym), Sdl.popupOpen)) {
        // Alt with a menu's letter opens that menu; a letter in an open menu
        // picks its item. The letter then reads as up until it is released.
        // Any other letter reaches the game.
        Sdl.menuKey = static_cast<char>(key.keysym.sym);
        SdlSwallowKey(code);
    }
}

void HandleWindowEvent(const SDL_WindowEvent& event)
{
    if (Sdl.window == nullptr || event.windowID != SDL_GetWindowID(Sdl.window))
        return;
    if (event.event == SDL_WINDOWEVENT_FOCUS_GAINED)
        Sdl.focused = true;
    else if (event.event == SDL_WINDOWEVENT_FOCUS_LOST)
        Sdl.focused = false;
    else if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED)
        SdlViewUpdate();
}

// The whole display the window is on.
SDL_Rect DisplayBounds()
{
    int display = SDL_GetWindowDisplayIndex(Sdl.window);
    SDL_Rect bounds{0, 0, 0, 0};
    if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0)
        SDL_GetDisplayBounds(0, &bounds);
    return bounds;
}

// Where no window manager makes the window fullscreen, it is placed over
// the screen here, so that it shows what SDL lays out for the screen.
void PlaceOverScreen()
{
    SdlX11Place(Sdl.window, DisplayBounds());
    Sdl.fullscreenPlaced = true;
}

void EnterFullscreen()
{
    SDL_GetWindowPosition(Sdl.window, &Sdl.windowed.x, &Sdl.windowed.y);
    SDL_GetWindowSize(Sdl.window, &Sdl.windowed.w, &Sdl.windowed.h);
    SDL_SetWindowFullscreen(Sdl.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    Sdl.fullscreenPlaced = false;
    if (SdlX11WithoutWindowManager(Sdl.window))
        PlaceOverScreen();
    Sdl.fullscreenCheckFrames = FULLSCREEN_CHECK_FRAMES;
}

// The window manager gives the window its earlier place and size back;
// setting the size as well keeps SDL's idea of it true when the window never
// really left it, and a window placed over the screen here is placed back.
void LeaveFullscreen()
{
    SDL_SetWindowFullscreen(Sdl.window, 0);
    SDL_SetWindowSize(Sdl.window, Sdl.windowed.w, Sdl.windowed.h);
    if (Sdl.fullscreenPlaced || SdlX11WithoutWindowManager(Sdl.window))
        SdlX11Place(Sdl.window, Sdl.windowed);
    Sdl.fullscreenPlaced = false;
    Sdl.fullscreenCheckFrames = 0;
}

// The usable area of the display the window is on (or will be on).
SDL_Rect UsableArea()
{
    int display = Sdl.window != nullptr ? SDL_GetWindowDisplayIndex(Sdl.window) : 0;
    SDL_Rect usable{0, 0, 0, 0};
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0)
        SDL_GetDisplayBounds(0, &usable);
    return usable;
}

// Remembers the zoom and fullscreen in the settings, keeping the other keys.
void SaveView()
{
    Settings settings = SettingsRead();
    SettingsSet(settings, SETTING_ZOOM, Sdl.scaling == SdlScaling::Fit ? SETTING_ZOOM_FIT : std::to_string(Sdl.zoom));
    SettingsSet(settings, SETTING_FULLSCREEN, Sdl.fullscreen ? "1" : "0");
    if (!SettingsWrite(settings))
        std::fprintf(stderr, "Quagmore: the settings could not be written to %s\n", PlatformUserConfigDir().c_str());
}

void PostClose()
{
    PlatformEvent close;
    close.kind = PLATFORM_EVENT_CLOSE;
    PlatformPostEvent(close);
}

void PostDrop(const char* path)
{
    PlatformEvent drop;
    drop.kind = PLATFORM_EVENT_DROP;
    drop.path = path;
    PlatformPostEvent(drop);
}

// The icon is optional: a missing or unreadable file leaves the default one.
// It goes through the game's checked BMP loader, at most 256 x 256 pixels.
void LoadIcon(const std::string& iconFile)
{
    if (iconFile.empty())
        return;
    std::string path = PlatformFindDataFile(iconFile);
    BitmapFile bitmap = {};
    if (!BitmapLoadLimited(&bitmap, path.c_str(), ICON_MAX_SIDE, ICON_MAX_SIDE))
        return;
    const int width = bitmap.infoHeader.width;
    const int height = BitmapRows(&bitmap);
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(bitmap.pixels, width, height, 24,
                                                           static_cast<int>(BITMAP_BYTES_PER_PIXEL) * width,
                                                           SDL_PIXELFORMAT_BGR24);
    if (icon != nullptr) {
        SDL_SetWindowIcon(Sdl.window, icon);
        Sdl.icon = SDL_CreateTextureFromSurface(Sdl.renderer, icon);
        SDL_FreeSurface(icon);
    }
    BitmapUnload(&bitmap);
}

SDL_Renderer* CreateRenderer(SDL_Window* window)
{
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr)
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return renderer;
}

void StartImGui()
{
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;   // nothing to remember between runs
    io.LogFilename = nullptr;
    ImGui::StyleColorsLight();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.PopupRounding = 0.0f;
    style.FrameRounding = 0.0f;
}

// Drawable pixels per window coordinate: 1, or more on a high-DPI display.
float DisplayScale()
{
    int windowWidth = 0;
    int windowHeight = 0;
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GetWindowSize(Sdl.window, &windowWidth, &windowHeight);
    if (windowWidth <= 0 || SDL_GetRendererOutputSize(Sdl.renderer, &drawableWidth, &drawableHeight) != 0 ||
        drawableWidth <= 0)
        return 1.0f;
    return static_cast<float>(drawableWidth) / static_cast<float>(windowWidth);
}

void ReleaseWindow()
{
    if (Sdl.imguiReady) {
        ImGui_ImplSDLRenderer_Shutdown();
        ImGui_ImplSDL2_Shutdown();
        Sdl.imguiReady = false;
    }
    if (ImGui::GetCurrentContext() != nullptr)
        ImGui::DestroyContext();
    SdlGamepadStop();
    SdlDisplayRelease();
    if (Sdl.icon != nullptr)
        SDL_DestroyTexture(Sdl.icon);
    Sdl.icon = nullptr;
    if (Sdl.renderer != nullptr)
        SDL_DestroyRenderer(Sdl.renderer);
    Sdl.renderer = nullptr;
    if (Sdl.window != nullptr)
        SDL_DestroyWindow(Sdl.window);
    Sdl.window = nullptr;
    Sdl.popupOpen = false;
    Sdl.dialog = SdlDialogState();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace

// ---------------------------------------------------------------------------
// Helpers for the other SDL platform files

bool SdlPictureFromWindow(const SDL_Rect& picture, int sourceWidth, int sourceHeight,
                          int x, int y, int* pictureX, int* pictureY)
{
    if (picture.w <= 0 || picture.h <= 0)
        return false;
    int insideX = x - picture.x;
    int insideY = y - picture.y;
    if (insideX < 0 || insideY < 0 || insideX >= picture.w || insideY >= picture.h)
        return false;
    *pictureX = static_cast<int>(static_cast<int64_t>(insideX) * sourceWidth / picture.w);
    *pictureY = static_cast<int>(static_cast<int64_t>(insideY) * sourceHeight / picture.h);
    return true;
}

void SdlViewUpdate()
{
    Sdl.redrawFrames = EVENT_REDRAW_FRAMES;
    if (Sdl.window == nullptr)
        return;
    SdlViewGeometry geometry;
    SDL_GetWindowSize(Sdl.window, &geometry.window.x, &geometry.window.y);
    if (Sdl.renderer == nullptr || SDL_GetRendererOutputSize(Sdl.renderer, &geometry.drawable.x, &geometry.drawable.y) != 0)
        geometry.drawable = geometry.window;
    geometry.menuBarHeight = Sdl.menuBarHeight;
    Sdl.geometry = geometry;
    SdlViewFit fit = SdlViewLayout(SdlViewArea(geometry), Sdl.pictureSourceWidth, Sdl.pictureSourceHeight, Sdl.scaling);
    Sdl.pictureRect = fit.picture;
    Sdl.pictureZoom = fit.zoom;
}

void SdlHandleEvent(const SDL_Event& event)
{
    if (Sdl.imguiReady)
        ImGui_ImplSDL2_ProcessEvent(&event);
    // The picture is presented only when it changes; what an event changes
    // in the menu bar, a box or the window is presented over the next frames.
    bool keyRepeat = (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && event.key.repeat != 0;
    // A pad's stick sends a stream of small moves; the frames read the pads.
    bool fromPad = event.type >= SDL_JOYAXISMOTION && event.type < SDL_FINGERDOWN;
    if (!keyRepeat && !fromPad)
        Sdl.redrawFrames = EVENT_REDRAW_FRAMES;
    switch (event.type) {
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        Sdl.fitStepValid = false;
        break;
    case SDL_QUIT:
        // The close box (or a request to end) also ends an open box, so the
        // main loop gets to the close.
        if (Sdl.dialog.kind != SdlDialog::None)
            Sdl.dialog.closeRequested = true;
        PostClose();
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        break;
    case SDL_MOUSEBUTTONDOWN:
        HandleMousePress(event.button);
        break;
    case SDL_KEYDOWN:
        HandleKeyPress(event.key);
        break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
        SdlGamepadHandleEvent(event);
        break;
    case SDL_KEYUP:
        if (event.key.keysym.scancode < SDL_NUM_SCANCODES)
            Sdl.swallowedKeys[event.key.keysym.scancode] = false;
        break;
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
        // SDL hands over the text of either; only a file is the game's.
        if (event.drop.file != nullptr) {
            if (event.type == SDL_DROPFILE)
                PostDrop(event.drop.file);
            SDL_free(event.drop.file);
        }
        break;
    default:
        break;
    }
}

void SdlPumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        SdlHandleEvent(event);
    if (SdlTakeStopSignal()) {
        SDL_Event quit = {};
        quit.type = SDL_QUIT;
        SdlHandleEvent(quit);
    }
}

void SdlWaitEvents(int timeoutMs)
{
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, timeoutMs) != 0)
        SdlHandleEvent(event);
    SdlPumpEvents();
}

// ---------------------------------------------------------------------------
// Window and message loop

int PlatformCreateWindow(const PlatformWindowDesc& desc)
{
    if (Sdl.window != nullptr)
        return 0;
    SdlCatchStopSignals();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Quagmore: no video: %s\n", SDL_GetError());
        return 0;
    }
    std::string why;
    if (!SdlVideoDriverShows(&why)) {
        std::fprintf(stderr, "Quagmore: no window: %s\n", why.c_str());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return 0;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    StartImGui();
    Sdl.pictureSourceWidth = desc.width;
    Sdl.pictureSourceHeight = desc.height;

    // The remembered zoom when it still fits the display, else the largest
    // that fits comfortably.
    SDL_Rect usable = UsableArea();
    Settings settings = SettingsRead();
    int firstZoom = SdlViewFirstZoom(usable, SdlMenuBarHeight, desc.width, desc.height);
    Sdl.zoom = SettingsInt(settings, SETTING_ZOOM, 1, PLATFORM_ZOOM_MAX, firstZoom);
    const std::string* zoomSetting = SettingsFind(settings, SETTING_ZOOM);
    Sdl.scaling = zoomSetting != nullptr && *zoomSetting == SETTING_ZOOM_FIT ? SdlScaling::Fit : SdlScaling::Whole;
    if (zoomSetting != nullptr && Sdl.scaling == SdlScaling::Whole &&
        SettingsInt(settings, SETTING_ZOOM, 1, PLATFORM_ZOOM_MAX, 0) == 0)
        std::fprintf(stderr, "Quagmore: the settings' zoom=%s is no zoom (1 to %d, or fit); using %d\n",
                     zoomSetting->c_str(), static_cast<int>(PLATFORM_ZOOM_MAX), firstZoom);
    if (!SdlViewZoomFits(Sdl.zoom, usable, SdlMenuBarHeight(Sdl.zoom), desc.width, desc.height, ALL_OF_THE_AREA))
        Sdl.zoom = firstZoom;
    Sdl.menuBarHeight = SdlMenuBarHeight(Sdl.zoom);
    Sdl.fullscreen = SettingsInt(settings, SETTING_FULLSCREEN, 0, 1, 0) == 1;
    // Key names are read on the keyboard layout, known once video is up.
    SdlBindingsLoad(settings);
    SDL_Point size = SdlViewWindowSize(Sdl.zoom, Sdl.menuBarHeight, desc.width, desc.height);
    SDL_Point place = SdlViewFirstPosition(usable, size, SDL_Point{desc.x, desc.y});
    uint32_t flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                     (Sdl.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);

    Sdl.windowed = SDL_Rect{place.x, place.y, size.x, size.y};
    Sdl.fullscreenPlaced = false;
    Sdl.fullscreenCheckFrames = Sdl.fullscreen ? FULLSCREEN_CHECK_FRAMES : 0;
    Sdl.window = SDL_CreateWindow(desc.title.c_str(), place.x, place.y, size.x, size.y, flags);
    if (Sdl.window != nullptr)
        Sdl.renderer = CreateRenderer(Sdl.window);
    if (Sdl.renderer == nullptr) {
        std::fprintf(stderr, "Quagmore: no window: %s\n", SDL_GetError());
        ReleaseWindow();
        return 0;
    }
    Sdl.displayScale = DisplayScale();
    SdlMenuLoadFonts();
    ImGui_ImplSDL2_InitForSDLRenderer(Sdl.window);
    ImGui_ImplSDLRenderer_Init(Sdl.renderer);
    Sdl.imguiReady = true;
    LoadIcon(desc.iconFile);
    SdlGamepadStart();

    Sdl.menu = desc.menu;
    Sdl.destroying = false;
    SdlViewUpdate();
    // A new window is the one the user works in, as on other desktops.
    Sdl.focused = true;
    SDL_RaiseWindow(Sdl.window);
    SDL_SetWindowInputFocus(Sdl.window);
    SdlRedraw();
    return 1;
}

void PlatformDestroyWindow()
{
    if (Sdl.window == nullptr || Sdl.destroying)
        return;
    Sdl.destroying = true;
    ReleaseWindow();
    Sdl.destroying = false;
    PlatformPostQuitEvent();
}

int PlatformThreadsAllowed()
{
    return 1;
}

void PlatformRunMainLoop(bool (*pass)(), void (*finish)())
{
    while (pass()) {
    }
    finish();
}

int PlatformPollEvent(PlatformEvent* event)
{
    if (Sdl.window != nullptr)
        SdlPumpEvents();
    return PlatformTakeEvent(Sdl.queue, event);
}

void PlatformWaitEvent()
{
    // Without a window nothing but posted messages can ever arrive.
    while (Sdl.queue.empty() && Sdl.window != nullptr) {
        SdlRedraw();
        if (!Sdl.queue.empty() || PlatformWindowActive())
            return;
        SdlWaitEvents(Sdl.popupOpen ? MENU_REDRAW_MS : INACTIVE_REDRAW_MS);
    }
}

void PlatformPostEvent(const PlatformEvent& event)
{
    Sdl.queue.push_back(event);
}

int PlatformWindowActive()
{
    return Sdl.window != nullptr && Sdl.focused && !Sdl.popupOpen && Sdl.dialog.kind == SdlDialog::None;
}

// ---------------------------------------------------------------------------
// View

int PlatformViewZoomFits(int zoom)
{
    if (Sdl.window == nullptr || zoom < 1 || zoom > PLATFORM_ZOOM_MAX)
        return 0;
    return SdlViewZoomFits(zoom, UsableArea(), SdlMenuBarHeight(zoom), Sdl.pictureSourceWidth,
                           Sdl.pictureSourceHeight, ALL_OF_THE_AREA)
               ? 1
               : 0;
}

void PlatformViewSetZoom(int zoom)
{
    if (PlatformViewZoomFits(zoom) == 0)
        return;
    if (Sdl.fullscreen)
        LeaveFullscreen();
    Sdl.fullscreen = false;
    Sdl.scaling = SdlScaling::Whole;
    Sdl.zoom = zoom;
    Sdl.menuBarHeight = SdlMenuBarHeight(zoom);
    SdlMenuUseZoomFont();
    SDL_Point size = SdlViewWindowSize(zoom, Sdl.menuBarHeight, Sdl.pictureSourceWidth, Sdl.pictureSourceHeight);
    SDL_SetWindowSize(Sdl.window, size.x, size.y);
    SaveView();
    SdlViewUpdate();
}

void PlatformViewToggleFullscreen()
{
    if (Sdl.window == nullptr)
        return;
    Sdl.fullscreen = !Sdl.fullscreen;
    if (Sdl.fullscreen)
        EnterFullscreen();
    else
        LeaveFullscreen();
    SaveView();
    SdlViewUpdate();
}

void SdlViewFullscreenFrame()
{
    if (Sdl.window == nullptr || !Sdl.fullscreen || Sdl.fullscreenCheckFrames == 0 || --Sdl.fullscreenCheckFrames > 0)
        return;
    SDL_Point shown{0, 0};
    SDL_Point laidOut{0, 0};
    SDL_GetWindowSize(Sdl.window, &laidOut.x, &laidOut.y);
    if (!SdlX11WindowSize(Sdl.window, &shown) || (shown.x == laidOut.x && shown.y == laidOut.y))
        return;
    if (!Sdl.fullscreenPlaced) {
        // A window manager that ignored the request.
        PlaceOverScreen();
        Sdl.fullscreenCheckFrames = FULLSCREEN_CHECK_FRAMES;
        return;
    }
    // Not even placed there: the window stays a window, and says so.
    Sdl.fullscreen = false;
    LeaveFullscreen();
    SaveView();
    SdlViewUpdate();
}

int PlatformViewFitAvailable()
{
    return Sdl.window != nullptr ? 1 : 0;
}

void PlatformViewSetFit()
{
    if (Sdl.window == nullptr)
        return;
    Sdl.scaling = SdlScaling::Fit;
    SaveView();
    SdlViewUpdate();
}
