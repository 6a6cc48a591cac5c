#include "support/wav.h"

namespace {
const uint16_t WAVE_FORMAT_PCM = 1;
const uint32_t PLAIN_RATE = 11025;
const uint16_t PLAIN_BITS = 8;
} // namespace

Bytes WavChunk(const char* id, const Bytes& body)
{
    Bytes bytes;
    PutId(bytes, id);
    PutLe32(bytes, static_cast<uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        bytes.push_back(0);
    return bytes;
}

Bytes WavFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    Bytes body;
    PutLe16(body, tag);
    PutLe16(body, channels);
    PutLe32(body, rate);
    PutLe32(body, rate * align);
    PutLe16(body, align);
    PutLe16(body, bits);
    return body;
}

Bytes WavForm(const std::vector<Bytes>& chunks)
{
    Bytes inner;
    PutId(inner, "WAVE");
    for (const Bytes& chunk : chunks)
        inner.insert(inner.end(), chunk.begin(), chunk.end());
    Bytes bytes;
    PutId(bytes, "RIFF");
    PutLe32(bytes, static_cast<uint32_t>(inner.size()));
    bytes.insert(bytes.end(), inner.begin(), inner.end());
    return bytes;
}

Bytes WavPlain(const Bytes& samples)
{
    return WavForm({WavChunk("fmt ", WavFormatBody(WAVE_FORMAT_PCM, 1, PLAIN_RATE, PLAIN_BITS)),
                    WavChunk("data", samples)});
}
