// RIFF WAVE files built chunk by chunk, so that any part can be spoiled.
#pragma once

#include "support/bytes.h"

// A chunk: id, size, body and a pad byte when the body's size is odd.
Bytes WavChunk(const char* id, const Bytes& body);
// The body of a "fmt " chunk.
Bytes WavFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// "RIFF", size, "WAVE" and the chunks.
Bytes WavForm(const std::vector<Bytes>& chunks);
// A PCM 8-bit mono 11025 Hz wave of the samples.
Bytes WavPlain(const Bytes& samples);
