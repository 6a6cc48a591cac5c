// The main loop's frame callback, the clock and the picture on the canvas.
//
// The browser calls the callback before each repaint; it runs the main
// loop's passes while frames of 1/60 s are due, so the game steps in the same
// fixed frames as on the desktop whatever the display's rate. What changed of
// the picture since the last frame is put on the canvas, compared in the
// same blocks as the desktop compares before it uploads.
#include "platform/web/web_platform.h"
#include "platform/common/changed_rects.h"

#include "engine/picture.h"

#include <emscripten.h>

#include <algorithm>
#include <vector>

namespace {

const double FRAME_MS = 1000.0 / 60.0;
// A frame runs when the callback comes this much before its time: the
// browser's repaints jitter around the display's rate.
const double FRAME_EARLY_MS = FRAME_MS / 4;
// Falling further behind than this (a slow machine, a box that was open)
// starts the schedule again from now instead of running frames back to back.
const int MAX_FRAMES_BEHIND = 3;
// Passes one callback may run: the frames due, and events while the game stands still.
const int MAX_PASSES_PER_CALLBACK = 8;
// The frame times kept for the median.
const size_t FRAME_TIMES_KEPT = 600;
// The compared blocks: one board cell of the game's 600 x 600 picture.
const int PRESENT_BLOCK = 50;

struct WebLoop {
    bool (*pass)() = nullptr;
    void (*finish)() = nullptr;
    double nextFrameAt = 0;
    std::vector<double> frameMs;        // a ring of the last FRAME_TIMES_KEPT
    size_t frameNext = 0;
};

struct WebCanvas {
    std::vector<uint32_t> shown;        // the picture on the canvas, row after row
    bool shownValid = false;
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;          // a rectangle as the canvas takes it
};

WebLoop Loop;
WebCanvas Canvas;

// clang-format off
EM_JS(void, WebJsPutRect, (const uint8_t* rgba, int x, int y, int w, int h), {
    QuagmorePage.putRect(HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h);
});
EM_JS(void, WebJsCanvasSize, (int w, int h), { QuagmorePage.canvasSize(w, h); });
// clang-format on

void RecordFrameMs(double ms)
{
    if (Loop.frameMs.size() < FRAME_TIMES_KEPT)
        Loop.frameMs.push_back(ms);
    else
        Loop.frameMs[Loop.frameNext] = ms;
    Loop.frameNext = (Loop.frameNext + 1) % FRAME_TIMES_KEPT;
}

// One callback: the passes of the frames due; while the game stands still
// (a box or a menu open), the events waiting.
void Callback()
{
    const double now = emscripten_get_now();
    for (int pass = 0; pass < MAX_PASSES_PER_CALLBACK; ++pass) {
        const bool active = PlatformWindowActive() != 0;
        if (active && now < Loop.nextFrameAt - FRAME_EARLY_MS)
            break;
        if (!active && Web.queue.empty())
            break;
        const uint64_t framesBefore = Web.framesBegun;
        const double start = emscripten_get_now();
        if (!Loop.pass()) {
            emscripten_cancel_main_loop();
            Loop.finish();
            return;
        }
        if (Web.framesBegun == framesBefore)
            continue;
        RecordFrameMs(emscripten_get_now() - start);
        Loop.nextFrameAt += FRAME_MS;
        if (now - Loop.nextFrameAt > MAX_FRAMES_BEHIND * FRAME_MS)
            Loop.nextFrameAt = now + FRAME_MS;
    }
    WebStatusRefresh();
}

void PutRect(const uint32_t* pixels, int pitch, const PlatformRect& rect)
{
    Canvas.rgba.resize(static_cast<size_t>(rect.w) * rect.h * 4);
    uint8_t* out = Canvas.rgba.data();
    for (int row = rect.y; row < rect.y + rect.h; ++row) {
        const uint32_t* in = pixels + static_cast<size_t>(row) * pitch + rect.x;
        uint32_t* keep = Canvas.shown.data() + static_cast<size_t>(row) * Canvas.width + rect.x;
        for (int x = 0; x < rect.w; ++x) {
            const uint32_t pixel = in[x];
            keep[x] = pixel;
            *out++ = static_cast<uint8_t>(pixel >> 16);
            *out++ = static_cast<uint8_t>(pixel >> 8);
            *out++ = static_cast<uint8_t>(pixel);
            *out++ = 0xff;
        }
    }
    WebJsPutRect(Canvas.rgba.data(), rect.x, rect.y, rect.w, rect.h);
}

} // namespace

void WebLoopStart(bool (*pass)(), void (*finish)())
{
    Loop.pass = pass;
    Loop.finish = finish;
    Loop.nextFrameAt = emscripten_get_now();
    // 0: at the browser's repaints; 1: main never returns, the page goes on.
    emscripten_set_main_loop(Callback, 0, 1);
}

double WebFrameMsMedian()
{
    if (Loop.frameMs.empty())
        return 0;
    std::vector<double> sorted = Loop.frameMs;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2), sorted.end());
    return sorted[sorted.size() / 2];
}

// ---------------------------------------------------------------------------
// Display

// The frame callback paces the frames.
void PlatformWaitVBlank()
{
}

void PlatformPresent(const Picture& back)
{
    if (!Web.windowExists || back.width <= 0 || back.height <= 0)
        return;
    const uint32_t* pixels = back.pixels.data();
    if (!Canvas.shownValid || Canvas.width != back.width || Canvas.height != back.height) {
        Canvas.width = back.width;
        Canvas.height = back.height;
        Canvas.shown.assign(static_cast<size_t>(back.width) * back.height, 0);
        WebJsCanvasSize(back.width, back.height);
        PutRect(pixels, back.pitch, PlatformRect{0, 0, back.width, back.height});
        Canvas.shownValid = true;
        return;
    }
    for (const PlatformRect& rect : PlatformChangedRects(Canvas.shown.data(), Canvas.width, pixels, back.pitch,
                                                         back.width, back.height, PRESENT_BLOCK))
        PutRect(pixels, back.pitch, rect);
}

void PlatformFrameBegin()
{
    ++Web.framesBegun;
}

// ---------------------------------------------------------------------------
// Clock

uint32_t PlatformTicks()
{
    return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

// The browser has no sleep: the wait (the editor's pause after a press) holds
// the page as it holds the window on the desktop.
void PlatformSleep(uint32_t ms)
{
    const double until = emscripten_get_now() + ms;
    while (emscripten_get_now() < until) {
    }
}
