// The sound table: up to 64 effects loaded from WAV files, each played from
// its start on a channel of its own.
#pragma once

#include <cstdint>

enum { SOUND_MAX = 64, SOUND_FREE = 0, SOUND_LOADED = 1, SOUND_NONE = -1 };

struct SoundSlot {
    int32_t buffer;     // platform sound handle, 0 when the slot holds none
    int32_t slotState;  // SOUND_FREE or SOUND_LOADED
};

extern SoundSlot SoundTable[SOUND_MAX];

// Opens the sound device if it is not open, then empties the table (every
// slot free). 0 when there is no device: loads then fail.
int SoundSystemStart();
// Loads a PCM WAV file into the lowest free slot; its samples play as they are,
// as 8-bit mono at 11025 Hz. Returns the sound id (0 to 63), or -1.
// fileName is a path; its last part names the sound.
int SoundLoadWave(const char* fileName);
// Plays the sound from its start, restarting it if it plays. 1, also for an id
// without a sound; 0 when the platform cannot play it.
int SoundPlay(int32_t id);
// Stops the sound and rewinds it. Returns 1.
int SoundStop(int32_t id);
// Stops and releases the sound; its slot stays taken. Returns 1.
int SoundDelete(int32_t id);
// Stops and releases every sound and closes the device. Returns 1.
int SoundSystemStop();
