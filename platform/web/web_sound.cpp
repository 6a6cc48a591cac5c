// Sound through WebAudio: the game's own samples (8-bit unsigned mono at
// 11025 Hz, from its WAV files) become audio buffers, each played on its
// channel as the desktop's mixer plays it. Browsers hold sound back until the
// player has pressed a key or clicked: the page starts the sound then.
#include "platform/platform.h"

#include <emscripten.h>

// clang-format off
EM_JS(int, WebJsSoundOpen, (), { return QuagmorePage.soundOpen() ? 1 : 0; });
EM_JS(int, WebJsSoundCreate, (int channel, const uint8_t* samples, uint32_t size), {
    return QuagmorePage.soundCreate(channel, HEAPU8.subarray(samples, samples + size));
});
EM_JS(int, WebJsSoundPlay, (int handle), { return QuagmorePage.soundPlay(handle) ? 1 : 0; });
EM_JS(void, WebJsSoundStop, (int handle), { QuagmorePage.soundStop(handle); });
EM_JS(void, WebJsSoundRelease, (int handle), { QuagmorePage.soundRelease(handle); });
EM_JS(void, WebJsSoundClose, (), { QuagmorePage.soundClose(); });
// clang-format on

int PlatformSoundOpen()
{
    return WebJsSoundOpen();
}

int PlatformSoundCreate(int channel, const uint8_t* samples, uint32_t size, const char*)
{
    if (samples == nullptr || size == 0)
        return 0;
    return WebJsSoundCreate(channel, samples, size);
}

int PlatformSoundPlay(int handle)
{
    return WebJsSoundPlay(handle);
}

void PlatformSoundStop(int handle)
{
    WebJsSoundStop(handle);
}

void PlatformSoundRelease(int handle)
{
    WebJsSoundRelease(handle);
}

void PlatformSoundClose()
{
    WebJsSoundClose();
}
