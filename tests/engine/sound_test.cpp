// The sound table and its WAV reader, played through the headless platform,
// which records every sound started and stopped.
#include "engine/sound.h"
#include "engine/wav.h"
#include "platform/headless/headless.h"
#include "support/temp_dir.h"
#include "support/wav.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TempDir Scratch("quag-sound-test");

std::string Write(const std::string& name, const Bytes& bytes)
{
    EXPECT_TRUE(WriteFileBytes(Scratch.File(name), bytes));
    return Scratch.File(name);
}

std::string Plain(const std::string& name)
{
    return Write(name, WavPlain(Bytes(100, 0x80)));
}

const Bytes FORMAT = WavChunk("fmt ", WavFormatBody(1, 1, 11025, 8));

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessReset();
        ASSERT_EQ(SoundSystemStart(), 1);
    }
    void TearDown() override { SoundSystemStop(); }
};

std::vector<std::string> Events()
{
    std::vector<std::string> lines;
    for (const HeadlessSoundEvent& event : HeadlessSoundEvents())
        lines.push_back((event.action == HEADLESS_SOUND_PLAY ? "play " : "stop ") + event.name + " " +
                        std::to_string(event.channel));
    return lines;
}

} // namespace

TEST_F(SoundTest, SlotsAreTakenInOrderAndDeletedOnesNeverAgain)
{
    const std::string path = Plain("start.wav");
    for (int32_t id = 0; id < SOUND_MAX; ++id)
        ASSERT_EQ(SoundLoadWave(path.c_str()), id);
    EXPECT_EQ(SoundLoadWave(path.c_str()), SOUND_NONE);
    EXPECT_EQ(SoundDelete(10), 1);
    EXPECT_EQ(SoundDelete(63), 1);
    EXPECT_EQ(SoundTable[10].buffer, 0);
    EXPECT_EQ(HeadlessLiveSounds(), SOUND_MAX - 2);
    EXPECT_EQ(SoundLoadWave(path.c_str()), SOUND_NONE);

    // A deleted sound plays, stops and is deleted as no sound.
    EXPECT_EQ(SoundPlay(10), 1);
    EXPECT_EQ(SoundStop(10), 1);
    EXPECT_EQ(SoundDelete(10), 1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"stop start.wav 10", "stop start.wav 63"}));

    // Only a new start frees the table.
    EXPECT_EQ(SoundSystemStart(), 1);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(SoundLoadWave(path.c_str()), 0);
}

TEST_F(SoundTest, PlayRestartsAndStopRewindsOnTheSoundsOwnChannel)
{
    const int32_t splash = SoundLoadWave(Plain("splash.wav").c_str());
    const int32_t applause = SoundLoadWave(Write("bifald.wav", WavPlain(Bytes(5, 1))).c_str());
    ASSERT_EQ(applause, 1);
    for (int32_t id : {int32_t(SOUND_NONE), int32_t(SOUND_MAX), -7, 2, 63}) {
        EXPECT_EQ(SoundPlay(id), 1) << id;
        EXPECT_EQ(SoundStop(id), 1) << id;
        EXPECT_EQ(SoundDelete(id), 1) << id;
    }
    EXPECT_EQ(SoundPlay(splash), 1);
    EXPECT_EQ(SoundPlay(splash), 1);
    EXPECT_EQ(SoundPlay(applause), 1);
    EXPECT_EQ(SoundStop(splash), 1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"play splash.wav 0", "play splash.wav 0", "play bifald.wav 1",
                                                  "stop splash.wav 0"}));
    EXPECT_EQ(HeadlessLiveSounds(), 2);
}

TEST_F(SoundTest, ChunksAreFoundInAnyOrderAndOverlongSizesAreCut)
{
    const Bytes data = WavChunk("data", Bytes(9, 0x80));
    const Bytes list = WavChunk("LIST", Bytes(7, 'x'));   // odd size: its pad byte must be skipped
    Bytes longFormat = WavFormatBody(1, 2, 44100, 16);    // 18 bytes, another PCM format
    longFormat.insert(longFormat.end(), {0, 0});
    Bytes overlong = WavPlain(Bytes(40, 0x80));
    overlong[overlong.size() - 40 - 4] = 0xE8;            // data claims 1000 bytes; 40 are there
    overlong[overlong.size() - 40 - 3] = 0x03;
    Bytes riffOverlong = overlong;
    riffOverlong[7] = 0x7F;                               // RIFF claims more than the file holds
    const struct {
        Bytes file;
        int32_t size, rate;
    } cases[] = {
        {WavForm({list, FORMAT, data}), 9, 11025},
        {WavForm({data, list, FORMAT}), 9, 11025},
        {WavForm({WavChunk("fmt ", longFormat), data}), 9, 44100},
        {overlong, 40, 11025},
        {riffOverlong, 40, 11025},
    };
    int32_t id = 0;
    for (const auto& c : cases) {
        const std::string path = Write("good.wav", c.file);
        EXPECT_EQ(SoundLoadWave(path.c_str()), id);
        WavSound wav;
        ASSERT_EQ(WavLoad(path.c_str(), &wav), 1) << id;
        EXPECT_EQ(static_cast<int32_t>(wav.samples.size()), c.size) << id;
        EXPECT_EQ(static_cast<int32_t>(wav.sampleRate), c.rate) << id;
        ++id;
    }
}

TEST_F(SoundTest, MalformedFilesLoadNothing)
{
    const Bytes data = WavChunk("data", Bytes(16, 0x80));
    Bytes notRiff = WavPlain(Bytes(16, 0x80));
    notRiff[3] = 'X';
    Bytes notWave = WavPlain(Bytes(16, 0x80));
    notWave[8] = 'A';
    Bytes cutFormat = WavForm({FORMAT});
    cutFormat.resize(cutFormat.size() - 4);
    Bytes shortBody = WavFormatBody(1, 1, 11025, 8);
    shortBody.resize(14);

    const std::pair<const char*, Bytes> files[] = {
        {"empty file", Bytes()},
        {"not RIFF", notRiff},
        {"not WAVE", notWave},
        {"format tag 3", WavForm({WavChunk("fmt ", WavFormatBody(3, 1, 11025, 32)), data})},
        {"format of 14 bytes", WavForm({WavChunk("fmt ", shortBody), data})},
        {"no format", WavForm({data})},
        {"no data", WavForm({FORMAT})},
        {"empty data", WavForm({FORMAT, WavChunk("data", Bytes())})},
        {"cut in the format", cutFormat},
    };
    for (const auto& [what, bytes] : files)
        EXPECT_EQ(SoundLoadWave(Write("bad.wav", bytes).c_str()), SOUND_NONE) << what;
    EXPECT_EQ(SoundLoadWave(Scratch.File("missing.wav").c_str()), SOUND_NONE);
    EXPECT_EQ(SoundLoadWave(nullptr), SOUND_NONE);
    // Nothing was taken by the failures.
    EXPECT_EQ(SoundTable[0].slotState, SOUND_FREE);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(SoundLoadWave(Plain("good.wav").c_str()), 0);
}

// Stopped, every sound is released: none plays or is released twice, and
// nothing loads; a system started without a device loads nothing either,
// until a device appears and it is started again.
TEST_F(SoundTest, StopReleasesEverySoundAndNoDeviceLoadsNothing)
{
    const std::string path = Plain("splash.wav");
    SoundLoadWave(path.c_str());
    SoundLoadWave(path.c_str());
    SoundPlay(1);
    EXPECT_EQ(SoundSystemStop(), 1);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(SoundPlay(0), 1);
    EXPECT_EQ(SoundDelete(0), 1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"play splash.wav 1", "stop splash.wav 0", "stop splash.wav 1"}));
    EXPECT_EQ(SoundLoadWave(path.c_str()), SOUND_NONE);

    HeadlessSetSoundDevicePresent(false);
    EXPECT_EQ(SoundSystemStart(), 0);
    EXPECT_EQ(SoundLoadWave(path.c_str()), SOUND_NONE);
    HeadlessSetSoundDevicePresent(true);
    EXPECT_EQ(SoundSystemStart(), 1);
    EXPECT_EQ(SoundLoadWave(path.c_str()), 0);
}
