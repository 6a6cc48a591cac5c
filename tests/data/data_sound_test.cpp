// The synthesized sounds: plain 8-bit mono PCM at 11025 Hz, of the lengths
// the game expects, never clipped, starting and ending silent.
#include "data_files.h"
#include "support/wav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t RATE = 11025;
constexpr int SILENCE = 128;
constexpr size_t HEADER = 44;
constexpr int END_SAMPLES = 8;      // samples at each end that must stay near silence
constexpr int END_TOLERANCE = 3;

// One sound: the plain PCM form, a length within the range, never clipped, silent at both ends.
void CheckSound(const char* name, double minSeconds, double maxSeconds)
{
    SCOPED_TRACE(name);
    const Bytes f = ReadDataFile(name);
    ASSERT_GT(f.size(), HEADER);
    const uint32_t n = GetLe32(f, HEADER - 4);
    ASSERT_LE(HEADER + n, f.size());
    const Bytes samples(f.begin() + HEADER, f.begin() + HEADER + n);
    // Exactly the plain PCM form: no other chunks, the data padded to even.
    EXPECT_EQ(f, WavPlain(samples));

    const double seconds = static_cast<double>(n) / RATE;
    EXPECT_GE(seconds, minSeconds);
    EXPECT_LE(seconds, maxSeconds);

    const auto [lo, hi] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_GT(*lo, 0) << "clipped low";
    EXPECT_LT(*hi, 255) << "clipped high";
    EXPECT_GT(std::max(SILENCE - *lo, *hi - SILENCE), 64) << "too quiet to hear";
    EXPECT_EQ(samples.front(), SILENCE);
    EXPECT_EQ(samples.back(), SILENCE);
    for (int i = 0; i < END_SAMPLES; ++i) {
        EXPECT_LE(std::abs(samples[i] - SILENCE), END_TOLERANCE) << "click at start, sample " << i;
        EXPECT_LE(std::abs(samples[n - 1 - i] - SILENCE), END_TOLERANCE) << "click at end, sample " << i;
    }
    // Flat tops would be clipping inside the range: no run of equal samples at the extremes.
    int run = 0;
    for (size_t i = 1; i < n; ++i) {
        run = samples[i] == samples[i - 1] && (samples[i] == *lo || samples[i] == *hi) ? run + 1 : 0;
        ASSERT_LT(run, 4) << "flat-topped at sample " << i;
    }
}

TEST(Sound, PcmOfTheRightLengthUnclippedAndSilentAtBothEnds)
{
    CheckSound("splash.wav", 0.1, 0.6);
    CheckSound("start.wav", 0.3, 1.5);
    CheckSound("bifald.wav", 2.0, 4.0);
    CheckSound("finished.wav", 2.0, 4.0);
}

}  // namespace
