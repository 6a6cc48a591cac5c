// The browser page as the game's window: the HTML menu bar, the status line,
// the boxes (message, About, help, a shared link) as HTML dialogs, the view's
// zoom and fullscreen, and the queue of the page's events. The boxes do not
// block: the game's frames stand still while one is open, as on the desktop.
#include "platform/web/web_platform.h"
#include "platform/common/common.h"
#include "platform/common/settings.h"

#include <emscripten.h>

#include <cstdio>

WebPlatform Web;

namespace {

// The zoom chosen from the View menu, kept in the settings as the desktop
// keeps its own; without one the page shows the largest zoom that fits.
const char* const SETTING_ZOOM = "zoom";
const int ZOOM_LARGEST_THAT_FITS = 0;

// clang-format off
EM_JS(void, WebJsMenuBuild, (const char* json), { QuagmorePage.menuBuild(JSON.parse(UTF8ToString(json))); });
EM_JS(void, WebJsMenuEnable, (uint32_t command, int enabled), { QuagmorePage.menuEnable(command, enabled != 0); });
EM_JS(void, WebJsMenuMark, (uint32_t command, const char* mark), { QuagmorePage.menuMark(command, UTF8ToString(mark)); });
EM_JS(void, WebJsStatus, (const char* text), { QuagmorePage.status(UTF8ToString(text)); });
EM_JS(void, WebJsDialog, (const char* json), { QuagmorePage.dialog(JSON.parse(UTF8ToString(json))); });
EM_JS(void, WebJsBeep, (), { QuagmorePage.beep(); });
EM_JS(int, WebJsZoomFits, (int zoom), { return QuagmorePage.zoomFits(zoom) ? 1 : 0; });
EM_JS(void, WebJsSetZoom, (int zoom), { QuagmorePage.setZoom(zoom); });
EM_JS(void, WebJsToggleFullscreen, (), { QuagmorePage.toggleFullscreen(); });
EM_JS(void, WebJsEnded, (), { QuagmorePage.ended(); });
// clang-format on

std::string MenuItemJson(const PlatformMenuItem& item)
{
    std::string json = "{\"text\":" + WebJsonString(item.text) + ",\"command\":" + std::to_string(item.command) +
                       ",\"enabled\":" + (item.enabled ? "true" : "false") +
                       ",\"check\":" + std::to_string(static_cast<int>(item.check)) +
                       ",\"checkValue\":" + std::to_string(item.checkValue) + ",\"items\":" + WebMenuJson(item.items) +
                       "}";
    return json;
}

void RecordMenu(const std::vector<PlatformMenuItem>& items)
{
    for (const PlatformMenuItem& item : items) {
        if (item.command != 0)
            Web.menuEnabled[item.command] = item.enabled;
        RecordMenu(item.items);
    }
}

void OpenDialog(WebDialog kind, const std::string& json)
{
    Web.dialog = kind;
    // The key that opened the box does not reach the game when it closes.
    WebKeyboardSwallowHeld();
    WebJsDialog(json.c_str());
    WebStatusRefresh();
}

std::string LinesJson(const std::vector<std::string>& lines)
{
    std::string json = "[";
    for (size_t i = 0; i < lines.size(); ++i)
        json += (i == 0 ? "" : ",") + WebJsonString(lines[i]);
    return json + "]";
}

} // namespace

std::string WebJsonString(const std::string& text)
{
    std::string json = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string WebMenuJson(const std::vector<PlatformMenuItem>& menu)
{
    std::string json = "[";
    for (size_t i = 0; i < menu.size(); ++i)
        json += (i == 0 ? "" : ",") + MenuItemJson(menu[i]);
    return json + "]";
}

void WebStatusRefresh()
{
    const std::string shown = PlatformStatusShown();
    if (shown == Web.statusShown)
        return;
    Web.statusShown = shown;
    WebJsStatus(shown.c_str());
}

// ---------------------------------------------------------------------------
// Called by the page

void WebMenuCommand(uint32_t command)
{
    PlatformEvent event;
    event.kind = PLATFORM_EVENT_COMMAND;
    event.command = command;
    PlatformPostEvent(event);
}

void WebMenuOpen(int open)
{
    Web.menuOpen = open != 0;
    if (Web.menuOpen)
        WebKeyboardSwallowHeld();
    WebStatusRefresh();
}

void WebDialogClosed()
{
    Web.dialog = WebDialog::None;
    WebKeyboardSwallowHeld();
    WebStatusRefresh();
}

void WebPageHidden(int hidden)
{
    Web.hidden = hidden != 0;
    WebStatusRefresh();
}

void WebDropFile(const char* path)
{
    PlatformEvent event;
    event.kind = PLATFORM_EVENT_DROP;
    event.path = path;
    PlatformPostEvent(event);
}

// ---------------------------------------------------------------------------
// Window and message loop

int PlatformCreateWindow(const PlatformWindowDesc& desc)
{
    if (Web.windowExists)
        return 0;
    Web.windowExists = true;
    WebKeyboardStart();
    WebMouseStart();
    WebFilesStart();
    const int zoom = SettingsInt(SettingsRead(), SETTING_ZOOM, 1, PLATFORM_ZOOM_MAX, ZOOM_LARGEST_THAT_FITS);
    if (zoom != ZOOM_LARGEST_THAT_FITS)
        WebJsSetZoom(zoom);
    PlatformMenuReplace(desc.menu);
    WebStatusRefresh();
    return 1;
}

void PlatformDestroyWindow()
{
    if (!Web.windowExists)
        return;
    Web.windowExists = false;
    WebJsEnded();
    PlatformPostQuitEvent();
}

void PlatformRunMainLoop(bool (*pass)(), void (*finish)())
{
    WebLoopStart(pass, finish);
}

int PlatformPollEvent(PlatformEvent* event)
{
    return PlatformTakeEvent(Web.queue, event);
}

// The browser cannot wait: the frame callback comes again with the next frame.
void PlatformWaitEvent()
{
}

void PlatformPostEvent(const PlatformEvent& event)
{
    Web.queue.push_back(event);
}

int PlatformWindowActive()
{
    return Web.windowExists && !Web.menuOpen && !Web.hidden && Web.dialog == WebDialog::None;
}

void PlatformMenuReplace(const std::vector<PlatformMenuItem>& menu)
{
    Web.menuEnabled.clear();
    Web.menuMarks.clear();
    RecordMenu(menu);
    WebJsMenuBuild(WebMenuJson(menu).c_str());
}

void PlatformMenuEnable(uint32_t command, int enabled)
{
    auto item = Web.menuEnabled.find(command);
    if (item == Web.menuEnabled.end())
        return;
    item->second = enabled != 0;
    WebJsMenuEnable(command, enabled);
}

int PlatformMenuIsEnabled(uint32_t command)
{
    auto item = Web.menuEnabled.find(command);
    return item != Web.menuEnabled.end() && item->second;
}

void PlatformMenuSetMark(uint32_t command, const std::string& mark)
{
    if (Web.menuEnabled.count(command) == 0)
        return;
    Web.menuMarks[command] = mark;
    WebJsMenuMark(command, mark.c_str());
}

std::string PlatformMenuMark(uint32_t command)
{
    auto mark = Web.menuMarks.find(command);
    return mark != Web.menuMarks.end() ? mark->second : std::string();
}

void PlatformMessageBox(const char* text)
{
    const std::string shown = text != nullptr ? text : "";
    std::fprintf(stderr, "Quagmore: %s\n", shown.c_str());
    OpenDialog(WebDialog::Message, "{\"kind\":\"message\",\"text\":" + WebJsonString(shown) + "}");
}

void PlatformAboutBox(const PlatformAboutText& about)
{
    OpenDialog(WebDialog::About, "{\"kind\":\"about\",\"title\":" + WebJsonString(about.title) +
                                     ",\"credit\":" + WebJsonString(about.credit) +
                                     ",\"version\":" + WebJsonString(about.version) +
                                     ",\"lines\":" + LinesJson(about.lines) + "}");
}

void PlatformHelpBox(const PlatformHelpText& help)
{
    std::string rows = "[";
    for (size_t i = 0; i < help.rows.size(); ++i)
        rows += (i == 0 ? "[" : ",[") + WebJsonString(help.rows[i].key) + "," + WebJsonString(help.rows[i].action) +
                "]";
    OpenDialog(WebDialog::Help, "{\"kind\":\"help\",\"title\":" + WebJsonString(help.title) + ",\"rows\":" + rows + "]}");
}

// The link becomes the page's address, and a box shows it with a button that copies it.
void PlatformShareLink(const std::string& fragment)
{
    OpenDialog(WebDialog::Share, "{\"kind\":\"share\",\"fragment\":" + WebJsonString(fragment) + "}");
}

void PlatformSetStatus(const std::string& text)
{
    Web.status = text;
    WebStatusRefresh();
}

std::string PlatformStatusShown()
{
    return PlatformStatusFor(Web.status, PlatformWindowActive() != 0);
}

void PlatformBeep()
{
    WebJsBeep();
}

// Without SharedArrayBuffer, which a plain web server does not allow, the
// page has no threads.
int PlatformThreadsAllowed()
{
    return 0;
}

// ---------------------------------------------------------------------------
// View: the page shows the picture at the largest whole zoom that fits, or at
// the zoom chosen from the View menu.

int PlatformViewZoomFits(int zoom)
{
    return WebJsZoomFits(zoom);
}

void PlatformViewSetZoom(int zoom)
{
    WebJsSetZoom(zoom);
    Settings settings = SettingsRead();
    SettingsSet(settings, SETTING_ZOOM, std::to_string(zoom));
    if (!SettingsWrite(settings))
        std::fprintf(stderr, "Quagmore: the settings could not be written to %s\n", PlatformUserConfigDir().c_str());
}

void PlatformViewToggleFullscreen()
{
    WebJsToggleFullscreen();
}

// The page scales its canvas by whole numbers only.
int PlatformViewFitAvailable()
{
    return 0;
}

void PlatformViewSetFit()
{
}

// ---------------------------------------------------------------------------
// Trace points are the simulator's.

void PlatformTrace(const char*, long)
{
}

void PlatformTraceText(const char*, const std::string&)
{
}
