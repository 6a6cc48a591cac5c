// The WAV reader on any bytes, and the sound table's loading, which converts
// what it reads to the game's sample format.
#include "engine/sound.h"
#include "engine/wav.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzDirectory() + "/input.wav";
    static const bool soundStarted = SoundSystemStart() == 1;
    if (!FuzzWriteFile(path, data, size))
        return 0;
    WavSound sound;
    WavLoad(path.c_str(), &sound);
    if (soundStarted) {
        const int id = SoundLoadWave(path.c_str());
        if (id >= 0)
            SoundDelete(id);
    }
    return 0;
}
