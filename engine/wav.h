// Reading of RIFF WAVE files: the PCM format and the sample bytes.
#pragma once

#include <cstdint>
#include <vector>

enum { WAV_FORMAT_PCM = 1 };

struct WavSound {
    uint16_t formatTag;
    uint32_t sampleRate;
    std::vector<uint8_t> samples;  // the data chunk, cut to what the file holds
};

// Reads a RIFF WAVE file whose "fmt " chunk is PCM and which has a "data"
// chunk; the chunks may come in any order among others. 1 on success, 0
// otherwise (sound then holds nothing of use).
int WavLoad(const char* fileName, WavSound* sound);
