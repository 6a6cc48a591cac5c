// Presentation and frame pacing: what changed of the back picture is uploaded
// to a texture drawn in the picture area under the menu bar, and the window
// presented when anything in it changed; frames run 60 a second either way.
#include "platform/sdl/sdl_platform.h"

#include "engine/picture.h"

#include "imgui.h"
#include "imgui_impl_sdl.h"
#include "imgui_impl_sdlrenderer.h"

#include <algorithm>
#include <cfloat>

namespace {

const uint64_t FRAMES_PER_SECOND = 60;
// Falling further behind than this (a stall, a box that was open) starts the
// schedule again from now instead of running frames back to back to catch up.
const uint64_t MAX_FRAMES_BEHIND = 3;
const uint64_t MS_PER_SECOND = 1000;
const int REDRAW_AFTER_POPUP_FRAMES = 3;
// The picture's pixels, 0x00RRGGBB, as the texture takes them.
const uint32_t PICTURE_PIXEL_FORMAT = SDL_PIXELFORMAT_RGB888;

SdlFrameSchedule Schedule;

// Makes the picture texture match the picture's size.
bool PrepareTexture(int width, int height)
{
    if (Sdl.picture != nullptr && Sdl.pictureSourceWidth == width && Sdl.pictureSourceHeight == height)
        return true;
    SdlDisplayRelease();
    Sdl.picture = SDL_CreateTexture(Sdl.renderer, PICTURE_PIXEL_FORMAT, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (Sdl.picture == nullptr)
        return false;
    Sdl.shownValid = false;
    Sdl.fitStepValid = false;
    if (Sdl.pictureSourceWidth != width || Sdl.pictureSourceHeight != height) {
        Sdl.pictureSourceWidth = width;
        Sdl.pictureSourceHeight = height;
        SdlViewUpdate();
    }
    return true;
}

// Returns the rectangles uploaded: 0 when the picture did not change.
int UploadPicture(const Picture& back)
{
    if (back.pixels.empty() || !PrepareTexture(back.width, back.height))
        return 0;
    return SdlPresentUpload(back.pixels.data(), back.pitch, back.width, back.height);
}

// The fitted picture's whole-number step: the picture drawn sharp at it into
// a texture of its own, and then only the parts that changed. Null when the
// renderer draws into no texture.
SDL_Texture* FitStep(int step)
{
    int width = Sdl.pictureSourceWidth * step;
    int height = Sdl.pictureSourceHeight * step;
    int shownWidth = 0;
    int shownHeight = 0;
    if (Sdl.fitStep != nullptr &&
        (SDL_QueryTexture(Sdl.fitStep, nullptr, nullptr, &shownWidth, &shownHeight) != 0 || shownWidth != width ||
         shownHeight != height)) {
        SDL_DestroyTexture(Sdl.fitStep);
        Sdl.fitStep = nullptr;
    }
    if (Sdl.fitStep == nullptr) {
        if (SDL_RenderTargetSupported(Sdl.renderer) != SDL_TRUE)
            return nullptr;
        Sdl.fitStep = SDL_CreateTexture(Sdl.renderer, PICTURE_PIXEL_FORMAT, SDL_TEXTUREACCESS_TARGET, width, height);
        if (Sdl.fitStep == nullptr)
            return nullptr;
        SDL_SetTextureScaleMode(Sdl.fitStep, SDL_ScaleModeLinear);
        Sdl.fitStepValid = false;
    }
    if (!Sdl.fitStepValid || !Sdl.fitStepChanged.empty()) {
        if (SDL_SetRenderTarget(Sdl.renderer, Sdl.fitStep) != 0)
            return nullptr;
        SDL_SetTextureScaleMode(Sdl.picture, SDL_ScaleModeNearest);
        if (!Sdl.fitStepValid)
            SDL_RenderCopy(Sdl.renderer, Sdl.picture, nullptr, nullptr);
        else
            for (const SDL_Rect& changed : Sdl.fitStepChanged) {
                const SDL_Rect stepped{changed.x * step, changed.y * step, changed.w * step, changed.h * step};
                SDL_RenderCopy(Sdl.renderer, Sdl.picture, &changed, &stepped);
            }
        SDL_SetRenderTarget(Sdl.renderer, nullptr);
        Sdl.fitStepValid = true;
        Sdl.fitStepChanged.clear();
    }
    return Sdl.fitStep;
}

// Whole-number zooms keep the picture's pixels square and sharp; a window
// too small for it shrinks it smoothly. A fitted picture is drawn sharp at
// its whole-number step, and that scaled smoothly by what remains, so cells
// keep hard edges and even sizes.
void DrawPicture()
{
    const SDL_Rect& rect = Sdl.pictureRect;
    int step = Sdl.pictureZoom;
    if (rect.w == Sdl.pictureSourceWidth * step && rect.h == Sdl.pictureSourceHeight * step) {
        Sdl.fitStepValid = false;
        Sdl.fitStepChanged.clear();
        SDL_SetTextureScaleMode(Sdl.picture, SDL_ScaleModeNearest);
        SDL_RenderCopy(Sdl.renderer, Sdl.picture, nullptr, &rect);
        return;
    }
    SDL_Texture* stepped = step >= 2 ? FitStep(step) : nullptr;
    if (stepped != nullptr) {
        SDL_RenderCopy(Sdl.renderer, stepped, nullptr, &rect);
        return;
    }
    // The step is drawn afresh when it is needed again.
    Sdl.fitStepValid = false;
    Sdl.fitStepChanged.clear();
    SDL_SetTextureScaleMode(Sdl.picture, SDL_ScaleModeLinear);
    SDL_RenderCopy(Sdl.renderer, Sdl.picture, nullptr, &rect);
}

// The ImGui back end reads SDL's global mouse position, which on X11 can stay
// stale while no frame runs; the window's own position follows every motion.
void UseWindowMousePosition()
{
    ImGuiIO& io = ImGui::GetIO();
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    if (SDL_GetMouseFocus() == Sdl.window)
        io.MousePos = ImVec2(static_cast<float>(x), static_cast<float>(y));
    else if (!ImGui::IsAnyMouseDown())
        io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
}

void SleepUntil(uint64_t deadline, uint64_t frequency)
{
    for (;;) {
        uint64_t now = SDL_GetPerformanceCounter();
        if (now >= deadline)
            return;
        // Rounded up: one sleep normally covers the whole wait.
        uint64_t ms = ((deadline - now) * MS_PER_SECOND + frequency - 1) / frequency;
        SDL_Delay(static_cast<uint32_t>(ms));
    }
}

} // namespace

uint64_t SdlFrameScheduleNext(SdlFrameSchedule* schedule, uint64_t now)
{
    if (!schedule->started) {
        schedule->started = true;
        schedule->origin = now;
        schedule->slot = 0;
        return now;
    }
    // Slot n of a second lies at origin + n * frequency / 60, so the schedule
    // keeps exactly 60 slots a second whatever the counter's frequency.
    uint64_t next = schedule->origin + (schedule->slot + 1) * schedule->frequency / FRAMES_PER_SECOND;
    uint64_t tolerance = MAX_FRAMES_BEHIND * schedule->frequency / FRAMES_PER_SECOND;
    if (now > next && now - next > tolerance) {
        schedule->origin = now;
        schedule->slot = 0;
        return now;
    }
    if (++schedule->slot == FRAMES_PER_SECOND) {
        schedule->origin += schedule->frequency;
        schedule->slot = 0;
    }
    return next;
}

void SdlDisplayRelease()
{
    if (Sdl.picture != nullptr)
        SDL_DestroyTexture(Sdl.picture);
    Sdl.picture = nullptr;
    Sdl.shownValid = false;
    if (Sdl.fitStep != nullptr)
        SDL_DestroyTexture(Sdl.fitStep);
    Sdl.fitStep = nullptr;
    Sdl.fitStepValid = false;
    Sdl.fitStepChanged.clear();
}

void SdlRedraw()
{
    if (Sdl.window == nullptr || !Sdl.imguiReady)
        return;
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    UseWindowMousePosition();
    ImGui::NewFrame();
    SdlDrawMenuBar();
    SdlDrawDialog();
    Sdl.popupOpen = ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopup);
    ImGui::Render();
    // An open menu or box is drawn every time; once it closes, the frames
    // after it still are, to take it off the window.
    if (Sdl.popupOpen || Sdl.dialog.kind != SdlDialog::None)
        Sdl.redrawFrames = std::max(Sdl.redrawFrames, REDRAW_AFTER_POPUP_FRAMES);
    else if (Sdl.redrawFrames > 0)
        --Sdl.redrawFrames;

    // Black bars around the picture.
    SDL_SetRenderDrawColor(Sdl.renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(Sdl.renderer);
    if (Sdl.picture != nullptr)
        DrawPicture();
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(Sdl.renderer);
    ++Sdl.presentCount;
}

// ---------------------------------------------------------------------------

void PlatformWaitVBlank()
{
    if (Schedule.frequency == 0)
        Schedule.frequency = SDL_GetPerformanceFrequency();
    SleepUntil(SdlFrameScheduleNext(&Schedule, SDL_GetPerformanceCounter()), Schedule.frequency);
}

void PlatformPresent(const Picture& back)
{
    if (Sdl.window == nullptr)
        return;
    SdlViewFullscreenFrame();
    // A frame that changed nothing in the window presents nothing.
    if (UploadPicture(back) > 0 || Sdl.redrawFrames > 0)
        SdlRedraw();
}

void PlatformFrameBegin()
{
}
