// The sound table and its WAV reader, played through the headless platform,
// which records every sound started and stopped.
#include "engine/sound.h"
#include "platform/headless/headless.h"
#include "tests/engine/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessReset();
        ASSERT_EQ(SoundSystemStart(), 1);
    }
    void TearDown() override { SoundSystemStop(); }

    static std::string Write(const std::string& name, const Bytes& bytes) { return TestWriteFile(name, bytes); }
    static std::string Plain(const std::string& name) { return Write(name, TestWavPlain(Bytes(100, 0x80))); }
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

TEST_F(SoundTest, LoadsTakeTheLowestFreeSlotsInOrder)
{
    const std::string path = Plain("splash.wav");
    for (int32_t id = 0; id < 4; ++id)
        EXPECT_EQ(SoundLoadWave(path.c_str(), 0), id);
    EXPECT_EQ(SoundTable[2].slotState, SOUND_LOADED);
    EXPECT_EQ(SoundTable[2].size, 100);
    EXPECT_EQ(SoundTable[2].rate, 11025);
    EXPECT_EQ(SoundTable[2].id, 2);
    EXPECT_EQ(SoundTable[4].slotState, SOUND_FREE);
    EXPECT_EQ(SoundTable[63].id, 63);
    EXPECT_EQ(HeadlessLiveSounds(), 4);
}

TEST_F(SoundTest, DeletedSlotsAreNeverTakenAgain)
{
    const std::string path = Plain("start.wav");
    for (int32_t id = 0; id < SOUND_MAX; ++id)
        ASSERT_EQ(SoundLoadWave(path.c_str(), 0), id);
    EXPECT_EQ(SoundLoadWave(path.c_str(), 0), SOUND_NONE);
    EXPECT_EQ(SoundDelete(10), 1);
    EXPECT_EQ(SoundDelete(63), 1);
    EXPECT_EQ(SoundTable[10].buffer, 0);
    EXPECT_EQ(SoundTable[10].slotState, SOUND_LOADED);
    EXPECT_EQ(HeadlessLiveSounds(), SOUND_MAX - 2);
    EXPECT_EQ(SoundLoadWave(path.c_str(), 0), SOUND_NONE);

    // A deleted sound plays and stops as no sound.
    EXPECT_EQ(SoundPlay(10, 0), 1);
    EXPECT_EQ(SoundStop(10), 1);
    EXPECT_EQ(SoundDelete(10), 1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"stop start.wav 10", "stop start.wav 63"}));

    // Only a new start frees the table.
    EXPECT_EQ(SoundSystemStart(), 1);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(SoundLoadWave(path.c_str(), 0), 0);
}

TEST_F(SoundTest, PlayRestartsAndStopRewindsOnTheSoundsOwnChannel)
{
    const int32_t splash = SoundLoadWave(Plain("splash.wav").c_str(), 0);
    const int32_t applause = SoundLoadWave(Write("bifald.wav", TestWavPlain(Bytes(5, 1))).c_str(), 0);
    ASSERT_EQ(splash, 0);
    ASSERT_EQ(applause, 1);
    EXPECT_EQ(SoundPlay(splash, 0), 1);
    EXPECT_EQ(SoundPlay(splash, 0), 1);
    EXPECT_EQ(SoundPlay(applause, 0), 1);
    EXPECT_EQ(SoundStop(splash), 1);
    EXPECT_EQ(SoundStopAll(), 1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"play splash.wav 0", "play splash.wav 0", "play bifald.wav 1",
                                                  "stop splash.wav 0", "stop splash.wav 0", "stop bifald.wav 1"}));
}

TEST_F(SoundTest, IdsOfNoSoundDoNothing)
{
    SoundLoadWave(Plain("splash.wav").c_str(), 0);
    for (int32_t id : {int32_t(SOUND_NONE), int32_t(SOUND_MAX), -7, 1, 63}) {
        EXPECT_EQ(SoundPlay(id, 0), 1) << id;
        EXPECT_EQ(SoundStop(id), 1) << id;
        EXPECT_EQ(SoundDelete(id), 1) << id;
    }
    EXPECT_TRUE(HeadlessSoundEvents().empty());
    EXPECT_EQ(HeadlessLiveSounds(), 1);
}

TEST_F(SoundTest, TheFormatChunkIsFoundAmongOtherChunks)
{
    const Bytes format = TestWavChunk("fmt ", TestWavFormatBody(1, 1, 11025, 8));
    const Bytes data = TestWavChunk("data", Bytes(9, 0x80));
    // An odd-sized chunk first: its pad byte must be skipped.
    const Bytes list = TestWavChunk("LIST", Bytes(7, 'x'));
    EXPECT_EQ(SoundLoadWave(Write("list.wav", TestWavForm({list, format, data})).c_str(), 0), 0);
    EXPECT_EQ(SoundLoadWave(Write("after.wav", TestWavForm({data, list, format})).c_str(), 0), 1);
    EXPECT_EQ(SoundTable[0].size, 9);
    EXPECT_EQ(SoundTable[1].size, 9);

    // A format chunk of 18 bytes, and a sound in another PCM format: both load.
    Bytes longBody = TestWavFormatBody(1, 2, 44100, 16);
    longBody.insert(longBody.end(), {0, 0});
    EXPECT_EQ(SoundLoadWave(Write("stereo.wav", TestWavForm({TestWavChunk("fmt ", longBody), data})).c_str(), 0), 2);
    EXPECT_EQ(SoundTable[2].rate, 44100);
}

TEST_F(SoundTest, ADataChunkLongerThanTheFileIsCut)
{
    Bytes bytes = TestWavPlain(Bytes(40, 0x80));
    // The data chunk claims 1000 bytes; 40 are there.
    bytes[bytes.size() - 40 - 4] = 0xE8;
    bytes[bytes.size() - 40 - 3] = 0x03;
    EXPECT_EQ(SoundLoadWave(Write("long.wav", bytes).c_str(), 0), 0);
    EXPECT_EQ(SoundTable[0].size, 40);

    // The RIFF size too may claim more than the file holds.
    bytes[4] = 0xFF;
    bytes[5] = 0xFF;
    bytes[6] = 0xFF;
    bytes[7] = 0x7F;
    EXPECT_EQ(SoundLoadWave(Write("longer.wav", bytes).c_str(), 0), 1);
    EXPECT_EQ(SoundTable[1].size, 40);
}

TEST_F(SoundTest, MalformedFilesLoadNothing)
{
    const Bytes format = TestWavChunk("fmt ", TestWavFormatBody(1, 1, 11025, 8));
    const Bytes data = TestWavChunk("data", Bytes(16, 0x80));
    Bytes notRiff = TestWavPlain(Bytes(16, 0x80));
    notRiff[0] = 'R', notRiff[1] = 'I', notRiff[2] = 'F', notRiff[3] = 'X';
    Bytes notWave = TestWavPlain(Bytes(16, 0x80));
    notWave[8] = 'A';
    Bytes cutFormat = TestWavForm({format});
    cutFormat.resize(cutFormat.size() - 4);
    Bytes headerOnly = TestWavPlain(Bytes());
    headerOnly.resize(12);
    Bytes shortBody = TestWavFormatBody(1, 1, 11025, 8);
    shortBody.resize(14);

    const std::pair<const char*, Bytes> files[] = {
        {"empty file", Bytes()},
        {"not RIFF", notRiff},
        {"not WAVE", notWave},
        {"format tag 3", TestWavForm({TestWavChunk("fmt ", TestWavFormatBody(3, 1, 11025, 32)), data})},
        {"format tag 0", TestWavForm({TestWavChunk("fmt ", TestWavFormatBody(0, 1, 11025, 8)), data})},
        {"format of 14 bytes", TestWavForm({TestWavChunk("fmt ", shortBody), data})},
        {"no format", TestWavForm({data})},
        {"no data", TestWavForm({format})},
        {"empty data", TestWavForm({format, TestWavChunk("data", Bytes())})},
        {"cut in the format", cutFormat},
        {"only the RIFF header", headerOnly},
    };
    for (const auto& [what, bytes] : files)
        EXPECT_EQ(SoundLoadWave(Write("bad.wav", bytes).c_str(), 0), SOUND_NONE) << what;
    EXPECT_EQ(SoundLoadWave(TestFilePath("missing.wav").c_str(), 0), SOUND_NONE);
    EXPECT_EQ(SoundLoadWave(nullptr, 0), SOUND_NONE);
    // Nothing was taken by the failures.
    EXPECT_EQ(SoundTable[0].slotState, SOUND_FREE);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(SoundLoadWave(Plain("good.wav").c_str(), 0), 0);
}

TEST_F(SoundTest, StopReleasesEverySound)
{
    const std::string path = Plain("splash.wav");
    SoundLoadWave(path.c_str(), 0);
    SoundLoadWave(path.c_str(), 0);
    SoundPlay(1, 0);
    EXPECT_EQ(SoundSystemStop(), 1);
    EXPECT_EQ(HeadlessLiveSounds(), 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"play splash.wav 1", "stop splash.wav 0", "stop splash.wav 1"}));
    // The released sounds are gone from the table: they neither play nor are
    // released twice, and nothing loads without the device.
    EXPECT_EQ(SoundPlay(0, 0), 1);
    EXPECT_EQ(SoundDelete(0), 1);
    EXPECT_EQ(HeadlessSoundEvents().size(), 3u);
    EXPECT_EQ(SoundLoadWave(path.c_str(), 0), SOUND_NONE);
}

TEST(SoundDevice, WithoutADeviceNothingLoads)
{
    HeadlessReset();
    HeadlessSetSoundDevicePresent(false);
    EXPECT_EQ(SoundSystemStart(), 0);
    EXPECT_EQ(SoundLoadWave(TestWriteFile("quiet.wav", TestWavPlain(Bytes(8, 0x80))).c_str(), 0), SOUND_NONE);
    EXPECT_EQ(SoundPlay(0, 0), 1);
    EXPECT_EQ(SoundSystemStop(), 1);
    // A device that appears later can still be started.
    HeadlessSetSoundDevicePresent(true);
    EXPECT_EQ(SoundSystemStart(), 1);
    EXPECT_EQ(SoundLoadWave(TestFilePath("quiet.wav").c_str(), 0), 0);
    SoundSystemStop();
}
