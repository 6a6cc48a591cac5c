// Sound through SDL2_mixer. Each sound is converted once from 8-bit unsigned
// mono 11025 Hz to the mixer's format and plays on a channel of its own, so
// playing it again restarts it and different sounds mix.
#include "platform/sdl/sdl_platform.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const int MIXER_FREQUENCY = 44100;
const int MIXER_CHANNELS_OUT = 2;
const int MIXER_CHUNK_BYTES = 1024;
const int SOUND_CHANNELS = 64;                 // one per sound id
const int BEEP_CHANNEL = SOUND_CHANNELS;       // a spare channel for the bell
const int SAMPLE_RATE = 11025;
const uint8_t SAMPLE_SILENCE = 0x80;
const int BEEP_HZ = 880;
const int BEEP_MS = 120;
const int BEEP_AMPLITUDE = 40;
const int BEEP_FADE_SAMPLES = 64;

struct SdlSound {
    Mix_Chunk* chunk;
    int channel;
};

struct SdlMixer {
    bool open = false;
    bool openFailed = false;        // the device could not be opened: the bell stays silent
    std::vector<SdlSound> sounds;   // handle = index + 1; released ones hold no chunk
    Mix_Chunk* beep = nullptr;
};

SdlMixer Mixer;

bool OpenMixer()
{
    if (Mixer.open)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Mixer.openFailed = true;
        return false;
    }
    if (Mix_OpenAudioDevice(MIXER_FREQUENCY, MIX_DEFAULT_FORMAT, MIXER_CHANNELS_OUT, MIXER_CHUNK_BYTES, nullptr,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        Mixer.openFailed = true;
        return false;
    }
    Mix_AllocateChannels(SOUND_CHANNELS + 1);
    Mixer.open = true;
    Mixer.openFailed = false;
    return true;
}

// A chunk in the mixer's format made from 8-bit unsigned mono 11025 Hz
// samples. An empty sound becomes one sample of silence.
Mix_Chunk* ConvertSamples(const uint8_t* samples, uint32_t size)
{
    int frequency = 0;
    uint16_t format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0)
        return nullptr;
    const uint8_t silence = SAMPLE_SILENCE;
    if (size == 0 || samples == nullptr) {
        samples = &silence;
        size = 1;
    }
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, AUDIO_U8, 1, SAMPLE_RATE, format, static_cast<uint8_t>(channels), frequency) < 0)
        return nullptr;
    // The converter works in place in a buffer len_mult times the input.
    if (static_cast<uint64_t>(size) * static_cast<uint64_t>(convert.len_mult) > static_cast<uint64_t>(INT32_MAX))
        return nullptr;
    convert.len = static_cast<int>(size);
    convert.buf = static_cast<uint8_t*>(SDL_malloc(static_cast<size_t>(size) * static_cast<size_t>(convert.len_mult)));
    if (convert.buf == nullptr)
        return nullptr;
    SDL_memcpy(convert.buf, samples, size);
    if (convert.needed != 0 && SDL_ConvertAudio(&convert) != 0) {
        SDL_free(convert.buf);
        return nullptr;
    }
    int length = convert.needed != 0 ? convert.len_cvt : convert.len;
    // The converter needed room for its steps; the sound keeps only its bytes.
    if (length > 0 && static_cast<uint64_t>(length) < static_cast<uint64_t>(size) * convert.len_mult) {
        uint8_t* fitted = static_cast<uint8_t*>(SDL_realloc(convert.buf, static_cast<size_t>(length)));
        if (fitted != nullptr)
            convert.buf = fitted;
    }
    Mix_Chunk* chunk = static_cast<Mix_Chunk*>(SDL_malloc(sizeof(Mix_Chunk)));
    if (chunk == nullptr) {
        SDL_free(convert.buf);
        return nullptr;
    }
    chunk->allocated = 1;   // Mix_FreeChunk frees the samples with the chunk
    chunk->abuf = convert.buf;
    chunk->alen = static_cast<uint32_t>(length);
    chunk->volume = MIX_MAX_VOLUME;
    return chunk;
}

// A short tone with soft ends, so it does not click.
Mix_Chunk* MakeBeep()
{
    const int count = SAMPLE_RATE * BEEP_MS / 1000;
    std::vector<uint8_t> samples(static_cast<size_t>(count));
    const double twoPi = 6.283185307179586;
    for (int at = 0; at < count; ++at) {
        int edge = std::min(at, count - 1 - at);
        double fade = edge < BEEP_FADE_SAMPLES ? static_cast<double>(edge) / BEEP_FADE_SAMPLES : 1.0;
        double wave = std::sin(twoPi * BEEP_HZ * at / SAMPLE_RATE);
        samples[static_cast<size_t>(at)] = static_cast<uint8_t>(SAMPLE_SILENCE + std::lround(BEEP_AMPLITUDE * fade * wave));
    }
    return ConvertSamples(samples.data(), static_cast<uint32_t>(count));
}

SdlSound* FindSound(int handle)
{
    if (handle <= 0 || static_cast<size_t>(handle) > Mixer.sounds.size())
        return nullptr;
    SdlSound* sound = &Mixer.sounds[static_cast<size_t>(handle - 1)];
    return sound->chunk != nullptr ? sound : nullptr;
}

void StopSound(const SdlSound& sound)
{
    if (Mix_Playing(sound.channel) != 0 && Mix_GetChunk(sound.channel) == sound.chunk)
        Mix_HaltChannel(sound.channel);
}

} // namespace

int PlatformSoundOpen()
{
    return OpenMixer() ? 1 : 0;
}

int PlatformSoundCreate(int channel, const uint8_t* samples, uint32_t size, const char*)
{
    if (!Mixer.open || channel < 0 || channel >= SOUND_CHANNELS)
        return 0;
    Mix_Chunk* chunk = ConvertSamples(samples, size);
    if (chunk == nullptr)
        return 0;
    Mixer.sounds.push_back(SdlSound{chunk, channel});
    return static_cast<int>(Mixer.sounds.size());
}

int PlatformSoundPlay(int handle)
{
    SdlSound* sound = FindSound(handle);
    if (sound == nullptr)
        return 0;
    // Playing on the sound's own channel cuts off what that channel plays.
    return Mix_PlayChannel(sound->channel, sound->chunk, 0) >= 0 ? 1 : 0;
}

void PlatformSoundStop(int handle)
{
    SdlSound* sound = FindSound(handle);
    if (sound != nullptr)
        StopSound(*sound);
}

void PlatformSoundRelease(int handle)
{
    SdlSound* sound = FindSound(handle);
    if (sound == nullptr)
        return;
    StopSound(*sound);
    Mix_FreeChunk(sound->chunk);
    sound->chunk = nullptr;
}

void PlatformSoundClose()
{
    if (!Mixer.open)
        return;
    Mix_HaltChannel(-1);
    for (SdlSound& sound : Mixer.sounds) {
        if (sound.chunk != nullptr)
            Mix_FreeChunk(sound.chunk);
    }
    if (Mixer.beep != nullptr)
        Mix_FreeChunk(Mixer.beep);
    Mixer.sounds.clear();
    Mixer.beep = nullptr;
    Mixer.open = false;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void PlatformBeep()
{
    // The bell may ring before the game opens its sound: it opens the mixer
    // then, and is silent where there is no audio device.
    if (!Mixer.open && (Mixer.openFailed || !OpenMixer()))
        return;
    if (Mixer.beep == nullptr)
        Mixer.beep = MakeBeep();
    if (Mixer.beep != nullptr)
        Mix_PlayChannel(BEEP_CHANNEL, Mixer.beep, 0);
}
