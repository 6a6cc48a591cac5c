// The sound table: 64 slots, each holding one platform sound on a channel of
// its own, so playing a sound again restarts it while different sounds mix.
#include "engine/sound.h"

#include "engine/wav.h"
#include "platform/platform.h"

#include <cstring>

SoundSlot SoundTable[SOUND_MAX];

static bool SoundDeviceOpen = false;

static SoundSlot* SoundWithBuffer(int32_t id)
{
    if (id < 0 || id >= SOUND_MAX || SoundTable[id].buffer == 0)
        return nullptr;
    return &SoundTable[id];
}

// Stops and releases the slot's sound, if it holds one.
static void SoundReleaseBuffer(SoundSlot& slot)
{
    if (slot.buffer == 0)
        return;
    PlatformSoundStop(slot.buffer);
    PlatformSoundRelease(slot.buffer);
    slot.buffer = 0;
}

// The part of a path after its last separator.
static const char* SoundName(const char* fileName)
{
    const char* slash = std::strrchr(fileName, '/');
    return slash != nullptr ? slash + 1 : fileName;
}

int SoundSystemStart()
{
    if (!SoundDeviceOpen) {
        if (!PlatformSoundOpen())
            return 0;
        SoundDeviceOpen = true;
    }
    for (int32_t id = 0; id < SOUND_MAX; ++id) {
        SoundReleaseBuffer(SoundTable[id]);
        SoundTable[id] = SoundSlot{0, SOUND_FREE};
    }
    return 1;
}

int SoundLoadWave(const char* fileName)
{
    if (!SoundDeviceOpen || fileName == nullptr)
        return SOUND_NONE;
    int32_t id = 0;
    while (id < SOUND_MAX && SoundTable[id].slotState != SOUND_FREE)
        ++id;
    if (id == SOUND_MAX)
        return SOUND_NONE;

    // The samples are handed over as they are: every sound plays as 8-bit
    // mono at 11025 Hz, whatever its format chunk says.
    WavSound wav;
    if (!WavLoad(fileName, &wav) || wav.samples.empty())
        return SOUND_NONE;
    const uint32_t size = static_cast<uint32_t>(wav.samples.size());
    int handle = PlatformSoundCreate(id, wav.samples.data(), size, SoundName(fileName));
    if (handle == 0)
        return SOUND_NONE;

    SoundSlot& slot = SoundTable[id];
    slot.buffer = handle;
    slot.slotState = SOUND_LOADED;
    return id;
}

int SoundPlay(int32_t id)
{
    SoundSlot* slot = SoundWithBuffer(id);
    if (slot == nullptr)
        return 1;
    return PlatformSoundPlay(slot->buffer) ? 1 : 0;
}

int SoundStop(int32_t id)
{
    SoundSlot* slot = SoundWithBuffer(id);
    if (slot != nullptr)
        PlatformSoundStop(slot->buffer);
    return 1;
}

int SoundDelete(int32_t id)
{
    // The slot stays taken: later loads do not reuse it.
    SoundSlot* slot = SoundWithBuffer(id);
    if (slot != nullptr)
        SoundReleaseBuffer(*slot);
    return 1;
}

int SoundSystemStop()
{
    for (SoundSlot& slot : SoundTable)
        SoundReleaseBuffer(slot);
    if (SoundDeviceOpen) {
        PlatformSoundClose();
        SoundDeviceOpen = false;
    }
    return 1;
}
