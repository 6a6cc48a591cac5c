// Reading of RIFF WAVE files: the PCM format and the sample bytes.
#pragma once

#include <cstdint>
#include <vector>

enum { WAV_FORMAT_PCM = 1 };
// The game's sounds are seconds of 8-bit 11025 Hz; 4 MiB is six minutes. A
// longer file is refused (its samples grow fourfold and more once mixed).
constexpr uint64_t WAV_MAX_FILE_BYTES = 4 * 1024 * 1024;

struct WavSound {
    uint16_t formatTag;
    uint32_t sampleRate;
    std::vector<uint8_t> samples;  // the data chunk, cut to what the file holds
};

// Reads a RIFF WAVE file whose "fmt " chunk is PCM and which has a "data"
// chunk; the chunks may come in any order among others. 1 on success, 0
// otherwise (sound then holds nothing of use). Only a regular file of at most
// WAV_MAX_FILE_BYTES is read; other refusals are said on stderr.
int WavLoad(const char* fileName, WavSound* sound);
