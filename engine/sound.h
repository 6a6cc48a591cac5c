// The sound table: up to 64 effects loaded from WAV files, each played from
// its start on a channel of its own.
#pragma once

#include <cstdint>

enum { SOUND_MAX = 64, SOUND_FREE = 0, SOUND_LOADED = 1, SOUND_NONE = -1 };

struct SoundSlot {
    int32_t buffer;     // platform sound handle, 0 when the slot holds none
    int32_t slotState;  // SOUND_FREE or SOUND_LOADED
    int32_t rate;       // sample rate named in the file (recorded only)
    int32_t size;       // bytes of sample data
    int32_t id;         // the slot's own index
};

extern SoundSlot SoundTable[SOUND_MAX];

int SoundSystemStart();
// Returns the sound id (0 to 63), or -1. fileName is a path; its last part names the sound.
int SoundLoadWave(const char* fileName, int32_t controlFlags);
int SoundPlay(int32_t id, int32_t playFlags);
int SoundStop(int32_t id);
int SoundDelete(int32_t id);
int SoundStopAll();
int SoundSystemStop();
