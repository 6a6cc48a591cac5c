// The synthesized sounds: plain 8-bit mono PCM at 11025 Hz, of the lengths
// the game expects, never clipped, starting and ending silent.
#include "data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t RATE = 11025;
constexpr int SILENCE = 128;
constexpr size_t HEADER = 44;
constexpr int END_SAMPLES = 8;      // samples at each end that must stay near silence
constexpr int END_TOLERANCE = 3;

struct SoundCase {
    const char* file;
    double minSeconds, maxSeconds;
};

void PrintTo(const SoundCase& c, std::ostream* os)
{
    *os << c.file;
}

class Sound : public testing::TestWithParam<SoundCase> {};

TEST_P(Sound, IsPcmOfTheRightLengthUnclippedAndSilentAtBothEnds)
{
    const SoundCase c = GetParam();
    const std::vector<uint8_t> f = ReadDataFile(c.file);
    ASSERT_GT(f.size(), HEADER) << c.file;
    EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RIFF");
    EXPECT_EQ(Le32(f, 4), f.size() - 8);
    EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le32(f, 16), 16u);
    EXPECT_EQ(Le16(f, 20), 1u);        // PCM
    EXPECT_EQ(Le16(f, 22), 1u);        // mono
    EXPECT_EQ(Le32(f, 24), RATE);
    EXPECT_EQ(Le32(f, 28), RATE);      // bytes per second
    EXPECT_EQ(Le16(f, 32), 1u);        // block alignment
    EXPECT_EQ(Le16(f, 34), 8u);
    EXPECT_EQ(std::string(f.begin() + 36, f.begin() + 40), "data");
    const uint32_t n = Le32(f, 40);
    ASSERT_EQ(HEADER + n + (n & 1), f.size());

    const double seconds = static_cast<double>(n) / RATE;
    EXPECT_GE(seconds, c.minSeconds);
    EXPECT_LE(seconds, c.maxSeconds);

    const auto first = f.begin() + HEADER, last = first + n;
    const auto [lo, hi] = std::minmax_element(first, last);
    EXPECT_GT(*lo, 0) << "clipped low";
    EXPECT_LT(*hi, 255) << "clipped high";
    EXPECT_GT(std::max(SILENCE - *lo, *hi - SILENCE), 64) << "too quiet to hear";
    EXPECT_EQ(first[0], SILENCE);
    EXPECT_EQ(last[-1], SILENCE);
    for (int i = 0; i < END_SAMPLES; ++i) {
        EXPECT_LE(std::abs(first[i] - SILENCE), END_TOLERANCE) << "click at start, sample " << i;
        EXPECT_LE(std::abs(last[-1 - i] - SILENCE), END_TOLERANCE) << "click at end, sample " << i;
    }
    // Flat tops would be clipping inside the range: no run of equal samples
    // at the extremes.
    int run = 0;
    for (auto it = first + 1; it != last; ++it) {
        run = (*it == it[-1] && (*it == *lo || *it == *hi)) ? run + 1 : 0;
        ASSERT_LT(run, 4) << "flat-topped at sample " << (it - first);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, Sound,
                         testing::Values(SoundCase{"splash.wav", 0.1, 0.6}, SoundCase{"start.wav", 0.3, 1.5},
                                         SoundCase{"bifald.wav", 2.0, 4.0},
                                         SoundCase{"finished.wav", 2.0, 4.0}),
                         [](const testing::TestParamInfo<SoundCase>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
