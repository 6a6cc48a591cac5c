// The menu bar, drawn with Dear ImGui from the items the game hands over.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/common.h"

#include "imgui.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

const char MNEMONIC_MARK = '&';

PlatformMenuItem* FindItem(std::vector<PlatformMenuItem>& items, uint32_t command)
{
    for (PlatformMenuItem& item : items) {
        if (item.command == command && command != 0)
            return &item;
        PlatformMenuItem* found = FindItem(item.items, command);
        if (found != nullptr)
            return found;
    }
    return nullptr;
}

void PostCommand(uint32_t command)
{
    PlatformEvent event;
    event.kind = PLATFORM_EVENT_COMMAND;
    event.command = command;
    PlatformPostEvent(event);
}

// True when an item of the menus, down to the given depth, has the mnemonic.
bool HasMnemonic(const std::vector<PlatformMenuItem>& items, char key, int depth)
{
    for (const PlatformMenuItem& item : items) {
        if (SdlMenuMnemonic(item.text) == key)
            return true;
        if (depth > 1 && HasMnemonic(item.items, key, depth - 1))
            return true;
    }
    return false;
}

bool IsChecked(const PlatformMenuItem& item)
{
    switch (item.check) {
    case PLATFORM_CHECK_ZOOM:
        // The zoom the picture shows at, in window coordinates.
        return Sdl.scaling == SdlScaling::Whole && Sdl.pictureZoom > 0 &&
               Sdl.pictureZoom == static_cast<int>(static_cast<float>(item.checkValue) * Sdl.displayScale + 0.5f);
    case PLATFORM_CHECK_FULLSCREEN:
        return Sdl.fullscreen;
    case PLATFORM_CHECK_FIT:
        return Sdl.scaling == SdlScaling::Fit;
    case PLATFORM_CHECK_NONE:
        break;
    }
    return false;
}

// Draws a menu's items. key is a mnemonic pressed while this menu is open: the
// enabled item it marks is chosen, or its submenu opened.
void DrawItems(const std::vector<PlatformMenuItem>& items, char key)
{
    for (const PlatformMenuItem& item : items) {
        std::string label = SdlMenuLabel(item.text);
        bool chosen = key != 0 && item.enabled && SdlMenuMnemonic(item.text) == key;
        if (item.command == 0) {
            if (chosen)
                ImGui::OpenPopup(label.c_str());
            if (ImGui::BeginMenu(label.c_str(), item.enabled)) {
                DrawItems(item.items, chosen ? 0 : key);
                ImGui::EndMenu();
            }
            continue;
        }
        // The command keeps items of the same text apart.
        label += "##" + std::to_string(item.command);
        // A mark stands where a shortcut would, beside ImGui's drawn check mark.
        auto marked = Sdl.menuMarks.find(item.command);
        const char* mark = marked != Sdl.menuMarks.end() && !marked->second.empty() ? marked->second.c_str() : nullptr;
        if (ImGui::MenuItem(label.c_str(), mark, mark != nullptr || IsChecked(item), item.enabled) || chosen) {
            PostCommand(item.command);
            if (chosen)
                Sdl.closeMenus = true;
        }
    }
}

// The status line, right-aligned in the bar when there is room beside the
// menus. A line too long for the bar loses its first parts (they are
// separated by three blanks) until it fits: the end, where the editor's
// verdict stands, stays.
void DrawStatus()
{
    const char* const PART_GAP = "   ";
    std::string shown = PlatformStatusShown();
    float x = 0;
    for (;;) {
        float width = ImGui::CalcTextSize(shown.c_str()).x;
        x = ImGui::GetWindowContentRegionMax().x - width - ImGui::GetStyle().ItemSpacing.x;
        size_t gap = shown.find(PART_GAP);
        if (x > ImGui::GetCursorPosX() || gap == std::string::npos)
            break;
        shown.erase(0, gap + std::strlen(PART_GAP));
    }
    if (shown.empty() || x <= ImGui::GetCursorPosX())
        return;
    ImGui::SameLine(x);
    ImGui::TextUnformatted(shown.c_str());
}

} // namespace

std::string SdlMenuLabel(const std::string& text)
{
    std::string label;
    for (size_t at = 0; at < text.size(); ++at) {
        // A mark is dropped and the character after it kept, so "&&" shows one '&'.
        if (text[at] == MNEMONIC_MARK && ++at == text.size())
            break;
        label += text[at];
    }
    return label;
}

char SdlMenuMnemonic(const std::string& text)
{
    for (size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != MNEMONIC_MARK)
            continue;
        if (text[at + 1] != MNEMONIC_MARK)
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])));
        ++at;  // "&&" is a plain '&'
    }
    return 0;
}

bool SdlMenuTakesKey(char key, bool menuOpen)
{
    // The bar's own letters with none open; any menu's letters in an open one.
    const int BAR_ONLY = 1;
    const int ALL_LEVELS = 1 << 30;
    return key != 0 && HasMnemonic(Sdl.menu, key, menuOpen ? ALL_LEVELS : BAR_ONLY);
}

float SdlMenuFontPixels(int zoom)
{
    const float GROWTH_PER_ZOOM = 0.5f;
    int steps = std::clamp(zoom, 1, static_cast<int>(PLATFORM_ZOOM_MAX)) - 1;
    return static_cast<float>(MENU_FONT_PIXELS) * (1.0f + GROWTH_PER_ZOOM * static_cast<float>(steps));
}

int SdlMenuBarHeight(int zoom)
{
    // The height BeginMainMenuBar gives its bar: one line of the font with
    // frame padding, moved down by what the safe area asks beyond it.
    const ImGuiStyle& style = ImGui::GetStyle();
    float offset = std::max(style.DisplaySafeAreaPadding.y - style.FramePadding.y, 0.0f);
    return static_cast<int>(SdlMenuFontPixels(zoom) + style.FramePadding.y * 2.0f + offset + 0.5f);
}

void SdlMenuLoadFonts()
{
    // The glyphs are drawn at the display's scale and shown at 1/scale, so a
    // high-DPI display gets sharp text of the same size on the desktop.
    ImGuiIO& io = ImGui::GetIO();
    float scale = std::max(Sdl.displayScale, 1.0f);
    io.Fonts->Clear();
    for (int zoom = 1; zoom <= PLATFORM_ZOOM_MAX; ++zoom) {
        ImFontConfig font;
        font.SizePixels = SdlMenuFontPixels(zoom) * scale;
        io.Fonts->AddFontDefault(&font);
    }
    io.FontGlobalScale = 1.0f / scale;
    SdlMenuUseZoomFont();
}

void SdlMenuUseZoomFont()
{
    ImGuiIO& io = ImGui::GetIO();
    int at = std::clamp(Sdl.zoom, 1, static_cast<int>(PLATFORM_ZOOM_MAX)) - 1;
    if (at < io.Fonts->Fonts.Size)
        io.FontDefault = io.Fonts->Fonts[at];
}

void SdlDrawMenuBar()
{
    // A mnemonic reaches the open menu, or with none open the bar itself.
    char key = Sdl.menuKey;
    Sdl.menuKey = 0;
    bool closing = Sdl.closeMenus;
    Sdl.closeMenus = false;
    bool anyOpen = ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId);
    if (ImGui::BeginMainMenuBar()) {
        for (const PlatformMenuItem& top : Sdl.menu) {
            std::string label = SdlMenuLabel(top.text);
            bool chosen = key != 0 && top.enabled && SdlMenuMnemonic(top.text) == key && !anyOpen;
            if (top.command != 0) {
                label += "##" + std::to_string(top.command);
                if (ImGui::MenuItem(label.c_str(), nullptr, false, top.enabled) || chosen)
                    PostCommand(top.command);
                continue;
            }
            if (chosen)
                ImGui::OpenPopup(label.c_str());
            if (ImGui::BeginMenu(label.c_str(), top.enabled)) {
                if (closing)
                    ImGui::CloseCurrentPopup();   // closes the submenus too
                DrawItems(top.items, anyOpen ? key : 0);
                ImGui::EndMenu();
            }
        }
        DrawStatus();
        ImGui::EndMainMenuBar();
    }
}

// ---------------------------------------------------------------------------

void PlatformMenuReplace(const std::vector<PlatformMenuItem>& menu)
{
    Sdl.menu = menu;
}

void PlatformMenuEnable(uint32_t command, int enabled)
{
    PlatformMenuItem* item = FindItem(Sdl.menu, command);
    if (item != nullptr)
        item->enabled = enabled != 0;
}

int PlatformMenuIsEnabled(uint32_t command)
{
    PlatformMenuItem* item = FindItem(Sdl.menu, command);
    return item != nullptr && item->enabled;
}

void PlatformMenuSetMark(uint32_t command, const std::string& mark)
{
    if (FindItem(Sdl.menu, command) != nullptr)
        Sdl.menuMarks[command] = mark;
}

std::string PlatformMenuMark(uint32_t command)
{
    auto mark = Sdl.menuMarks.find(command);
    return mark != Sdl.menuMarks.end() ? mark->second : std::string();
}

void PlatformSetStatus(const std::string& text)
{
    Sdl.status = text;
}

std::string PlatformStatusShown()
{
    return PlatformStatusFor(Sdl.status, PlatformWindowActive() != 0);
}
