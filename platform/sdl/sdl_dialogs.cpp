// The modal boxes: the message box, the About box and the help panel, drawn with Dear ImGui
// over the last picture. Each runs a nested loop until it is closed, so the
// main loop (and with it the game) stands still meanwhile.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/common.h"

#include "imgui.h"

#include <algorithm>
#include <cstdio>

namespace {

const int DIALOG_REDRAW_MS = 250;   // at least; every event redraws too
const float OK_BUTTON_WIDTH = 64.0f;
const float MESSAGE_MIN_WIDTH = 160.0f;
const float ABOUT_ICON_SIZE = 32.0f;
const float ABOUT_TEXT_INDENT = ABOUT_ICON_SIZE + 12.0f;
const float ABOUT_VERSION_GAP = 24.0f;   // between the credit and the version
const float HELP_COLUMN_GAP = 24.0f;     // between the keys and what they do

// A button at the right edge of the box; true when pressed.
bool OkButton()
{
    float right = ImGui::GetWindowContentRegionMax().x;
    ImGui::SetCursorPosX(std::max(ImGui::GetCursorPosX(), right - OK_BUTTON_WIDTH));
    return ImGui::Button("OK", ImVec2(OK_BUTTON_WIDTH, 0.0f));
}

void DrawMessage()
{
    ImGui::Dummy(ImVec2(MESSAGE_MIN_WIDTH, 0.0f));
    ImGui::TextUnformatted(Sdl.dialog.text.c_str());
    ImGui::Spacing();
    if (OkButton())
        Sdl.dialog.done = true;
}

void DrawAbout()
{
    const PlatformAboutText& about = Sdl.dialog.about;
    // The lines decide the width; the version stands at the top right.
    float width = ImGui::CalcTextSize(about.credit.c_str()).x + ABOUT_VERSION_GAP +
                  ImGui::CalcTextSize(about.version.c_str()).x;
    for (const std::string& line : about.lines)
        width = std::max(width, ImGui::CalcTextSize(line.c_str()).x);

    float top = ImGui::GetCursorPosY();
    if (Sdl.icon != nullptr)
        ImGui::Image(static_cast<ImTextureID>(Sdl.icon), ImVec2(ABOUT_ICON_SIZE, ABOUT_ICON_SIZE));
    ImGui::SetCursorPos(ImVec2(ImGui::GetStyle().WindowPadding.x + ABOUT_TEXT_INDENT, top));
    ImGui::TextUnformatted(about.credit.c_str());
    ImGui::SameLine(ImGui::GetStyle().WindowPadding.x + ABOUT_TEXT_INDENT + width -
                    ImGui::CalcTextSize(about.version.c_str()).x);
    ImGui::TextUnformatted(about.version.c_str());
    ImGui::SetCursorPosY(std::max(ImGui::GetCursorPosY(), top + ABOUT_ICON_SIZE));

    ImGui::Spacing();
    for (const std::string& line : about.lines) {
        ImGui::SetCursorPosX(ImGui::GetStyle().WindowPadding.x + ABOUT_TEXT_INDENT);
        ImGui::TextUnformatted(line.empty() ? " " : line.c_str());
    }
    ImGui::Spacing();
    if (OkButton())
        Sdl.dialog.done = true;
}

// Two columns: the keys, and what they do; a row without a key is a heading.
void DrawHelp()
{
    const PlatformHelpText& help = Sdl.dialog.help;
    float keyWidth = 0.0f;
    for (const PlatformHelpRow& row : help.rows)
        keyWidth = std::max(keyWidth, ImGui::CalcTextSize(row.key.c_str()).x);
    float actionX = ImGui::GetStyle().WindowPadding.x + keyWidth + HELP_COLUMN_GAP;
    bool first = true;
    for (const PlatformHelpRow& row : help.rows) {
        if (row.key.empty()) {
            if (!first)
                ImGui::Spacing();
            ImGui::TextUnformatted(row.action.c_str());
            ImGui::Separator();
        } else {
            ImGui::TextUnformatted(row.key.c_str());
            ImGui::SameLine(actionX);
            ImGui::TextUnformatted(row.action.c_str());
        }
        first = false;
    }
    // Any click closes the panel, as F1 and Escape do.
    if (ImGui::IsMouseClicked(ImGuiMouseButton_Left) || ImGui::IsMouseClicked(ImGuiMouseButton_Right))
        Sdl.dialog.done = true;
}

// Runs the box until it is closed. Events keep flowing: a close of the window
// is queued for the main loop, presses on the picture are dropped.
void RunDialog()
{
    while (!Sdl.dialog.done && Sdl.window != nullptr) {
        SdlRedraw();
        if (Sdl.dialog.done)
            break;
        SdlWaitEvents(DIALOG_REDRAW_MS);
    }
    Sdl.dialog = SdlDialogState();
    SdlRedraw();   // one frame without the box, over the picture it covered
}

bool BeginDialog(SdlDialog kind, const std::string& popupId)
{
    if (Sdl.window == nullptr || Sdl.dialog.kind != SdlDialog::None)
        return false;
    Sdl.dialog = SdlDialogState();
    Sdl.dialog.kind = kind;
    Sdl.dialog.popupId = popupId;
    return true;
}

} // namespace

void SdlDrawDialog()
{
    SdlDialogState& dialog = Sdl.dialog;
    if (dialog.kind == SdlDialog::None || dialog.done)
        return;
    if (!dialog.opened) {
        ImGui::OpenPopup(dialog.popupId.c_str());
        dialog.opened = true;
    }
    const ImGuiViewport* viewport = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(viewport->GetCenter(), ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    ImGuiWindowFlags flags = ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings;

    bool open = true;
    // The About box has a close box; the message box only its OK button; the
    // help panel closes on any click.
    bool* closeBox = dialog.kind == SdlDialog::About ? &open : nullptr;
    if (ImGui::BeginPopupModal(dialog.popupId.c_str(), closeBox, flags)) {
        if (dialog.kind == SdlDialog::About)
            DrawAbout();
        else if (dialog.kind == SdlDialog::Help)
            DrawHelp();
        else
            DrawMessage();
        if (dialog.closeRequested)
            dialog.done = true;
        if (dialog.done)
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    } else {
        dialog.done = true;   // closed by its close box
    }
    if (!open)
        dialog.done = true;
}

void PlatformMessageBox(const char* text)
{
    const char* shown = text != nullptr ? text : "";
    if (!BeginDialog(SdlDialog::Message, "##message")) {
        std::fprintf(stderr, "Quagmore: %s\n", shown);
        return;
    }
    Sdl.dialog.text = shown;
    RunDialog();
}

void PlatformAboutBox(const PlatformAboutText& about)
{
    if (!BeginDialog(SdlDialog::About, about.title + "##about"))
        return;
    Sdl.dialog.about = about;
    RunDialog();
}

void PlatformHelpBox(const PlatformHelpText& help)
{
    if (!BeginDialog(SdlDialog::Help, help.title + "##help"))
        return;
    // The F1 that opened the panel must not open it again once it closes.
    SdlSwallowKey(SDL_SCANCODE_F1);
    Sdl.dialog.help = help;
    RunDialog();
}

namespace {

// A level link is one long word: the box shows it in lines of this many characters.
const size_t SHARE_LINE_CHARS = 64;

} // namespace

void PlatformShareLink(const std::string& fragment)
{
    std::string why;
    if (SDL_SetClipboardText(fragment.c_str()) != 0)
        why = SDL_GetError();
    const std::string text = PlatformShareText(fragment, why);
    std::string shown;
    for (size_t at = 0; at < text.size(); at += SHARE_LINE_CHARS)
        shown += (at == 0 ? "" : "\n") + text.substr(at, SHARE_LINE_CHARS);
    PlatformMessageBox(shown.c_str());
}
