// RIFF WAVE reading. Chunks are found by their ids; every size read from the
// file is checked against the file's real length before it is used.
#include "engine/wav.h"

#include "format/file_bytes.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

const size_t WAV_ID_SIZE = 4;
const size_t WAV_CHUNK_HEADER_SIZE = 8;      // id, then the size of the data
const size_t WAV_RIFF_HEADER_SIZE = 12;      // "RIFF", size, "WAVE"
const size_t WAV_PCM_FORMAT_SIZE = 16;       // tag, channels, rate, byte rate, alignment, bits
const uint64_t WAV_RIFF_SIZE_BASE = 8;       // the RIFF size counts from after its own field
const uint64_t WAV_MAX_DATA = 0x7FFFFFFF;

bool IdIs(const uint8_t* bytes, const char* id)
{
    return std::memcmp(bytes, id, WAV_ID_SIZE) == 0;
}

int WavRead(std::FILE* file, WavSound* sound)
{
    const int64_t length = FileLength(file);
    if (length < 0)
        return 0;
    const uint64_t fileLength = static_cast<uint64_t>(length);

    uint8_t riff[WAV_RIFF_HEADER_SIZE];
    if (!FileReadAt(file, 0, riff, sizeof riff) || !IdIs(riff, "RIFF") || !IdIs(riff + 8, "WAVE"))
        return 0;
    uint64_t formEnd = WAV_RIFF_SIZE_BASE + FileU32(riff + 4);
    if (formEnd > fileLength)
        formEnd = fileLength;

    bool haveFormat = false;
    bool haveData = false;
    uint64_t dataOffset = 0;
    uint64_t dataSize = 0;
    uint64_t chunk = WAV_RIFF_HEADER_SIZE;
    while (chunk + WAV_CHUNK_HEADER_SIZE <= formEnd && !(haveFormat && haveData)) {
        uint8_t header[WAV_CHUNK_HEADER_SIZE];
        if (!FileReadAt(file, chunk, header, sizeof header))
            return 0;
        const uint64_t body = chunk + WAV_CHUNK_HEADER_SIZE;
        const uint64_t size = FileU32(header + 4);
        if (IdIs(header, "fmt ") && !haveFormat) {
            // Only the bytes the chunk holds are read.
            uint8_t format[WAV_PCM_FORMAT_SIZE];
            if (size < WAV_PCM_FORMAT_SIZE || body + WAV_PCM_FORMAT_SIZE > formEnd ||
                !FileReadAt(file, body, format, sizeof format))
                return 0;
            sound->formatTag = FileU16(format + 0);
            sound->sampleRate = FileU32(format + 4);
            haveFormat = true;
        } else if (IdIs(header, "data") && !haveData) {
            dataOffset = body;
            dataSize = size < formEnd - body ? size : formEnd - body;
            haveData = true;
        }
        // Chunks are padded to an even size.
        chunk = body + size + (size & 1);
    }
    if (!haveFormat || !haveData || sound->formatTag != WAV_FORMAT_PCM || dataSize > WAV_MAX_DATA)
        return 0;

    try {
        sound->samples.resize(static_cast<size_t>(dataSize));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return FileReadAt(file, dataOffset, sound->samples.data(), sound->samples.size()) ? 1 : 0;
}

} // namespace

int WavLoad(const char* fileName, WavSound* sound)
{
    if (fileName == nullptr || sound == nullptr)
        return 0;
    std::string why;
    std::FILE* file = PlatformOpenRegularFile(fileName, WAV_MAX_FILE_BYTES, &why);
    if (file == nullptr) {
        if (errno != ENOENT)
            std::fprintf(stderr, "Quagmore: %s: %s; not loaded\n", fileName, why.c_str());
        return 0;
    }
    *sound = WavSound();
    int loaded = WavRead(file, sound);
    std::fclose(file);
    return loaded;
}
