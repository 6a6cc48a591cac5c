// Synthesized sound effects. Each is built in floating point, scaled so its
// peak stays well inside the 8-bit range, and faded in and out so that it
// starts and ends exactly on the silent level.
#include "assets_shapes.h"

#include <vector>

using namespace assets;

namespace {

constexpr float RATE = static_cast<float>(ASSETS_SOUND_RATE);
constexpr float NYQUIST_GUARD = 5000.0f;   // highest harmonic kept, below half the rate
constexpr float PEAK = 0.85f;              // of the full 8-bit swing
constexpr float EDGE_FADE = 0.012f;        // seconds of fade at both ends
constexpr float VIBRATO_W = 2 * PI * 5.5f; // vibrato rate, radians per second

struct Noise {
    uint32_t state;
};

// xorshift32: a fixed sequence, so every build writes the same files.
float NoiseNext(Noise& n)
{
    n.state ^= n.state << 13;
    n.state ^= n.state >> 17;
    n.state ^= n.state << 5;
    return static_cast<float>(n.state) / 2147483648.0f - 1.0f;
}

int Samples(float seconds)
{
    return static_cast<int>(seconds * RATE) & ~1;   // even, so the data chunk needs no pad byte
}

float Smooth(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

std::vector<uint8_t> Finish(std::vector<float> wave)
{
    const int n = static_cast<int>(wave.size());
    const int fade = static_cast<int>(EDGE_FADE * RATE);
    for (int i = 0; i < fade && i < n; ++i) {
        const float g = Smooth(static_cast<float>(i) / fade);
        wave[i] *= g;
        wave[n - 1 - i] *= g;
    }
    float peak = 0;
    for (float v : wave) peak = std::max(peak, std::fabs(v));
    const float scale = peak > 0 ? PEAK * 127.0f / peak : 0;
    std::vector<uint8_t> out(wave.size());
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<uint8_t>(ASSETS_SOUND_SILENCE + std::lround(wave[i] * scale));
    out.front() = out.back() = ASSETS_SOUND_SILENCE;
    return out;
}

// A tone of harmonics falling off as 1/k^brightness, with optional vibrato.
float Tone(float freq, float t, float brightness, float vibrato)
{
    // Phase of a frequency that swings by +-vibrato around freq.
    const float phase = 2 * PI * freq * (t + vibrato * (1 - std::cos(VIBRATO_W * t)) / VIBRATO_W);
    float v = 0;
    for (int k = 1; k * freq < NYQUIST_GUARD; ++k)
        v += std::sin(phase * k) / std::pow(static_cast<float>(k), brightness);
    return v;
}

struct Note {
    float start, length, freq;
};

// Adds notes with a quick attack, a held body and a short release.
void AddNotes(std::vector<float>& wave, const std::vector<Note>& notes, float brightness,
              float decay, float vibrato, float gain)
{
    constexpr float ATTACK = 0.015f, RELEASE = 0.06f;
    for (const Note& note : notes) {
        const int first = static_cast<int>(note.start * RATE);
        const int count = static_cast<int>((note.length + RELEASE) * RATE);
        for (int i = 0; i < count && first + i < static_cast<int>(wave.size()); ++i) {
            const float t = static_cast<float>(i) / RATE;
            float env = std::min(1.0f, t / ATTACK) * std::exp(-t / decay);
            if (t > note.length) env *= 1.0f - (t - note.length) / RELEASE;
            wave[first + i] += gain * env * Tone(note.freq, t, brightness, vibrato);
        }
    }
}

}  // namespace

std::vector<uint8_t> AssetsSoundSplash()
{
    // A noise burst that darkens as it dies away, over a falling "bloop".
    std::vector<float> wave(Samples(0.5f));
    Noise noise{0x5EED1234u};
    float low = 0;
    float phase = 0;
    for (size_t i = 0; i < wave.size(); ++i) {
        const float t = static_cast<float>(i) / RATE;
        const float cutoff = 0.55f * std::exp(-t / 0.15f) + 0.05f;
        low += cutoff * (NoiseNext(noise) - low);
        const float body = std::min(1.0f, t / 0.008f) * std::exp(-t / 0.11f);
        const float freq = 180.0f + 360.0f * std::exp(-t / 0.05f);
        phase += 2 * PI * freq / RATE;
        const float bloop = std::sin(phase) * std::min(1.0f, t / 0.004f) * std::exp(-t / 0.07f);
        float drip = 0;
        for (float at : {0.21f, 0.29f}) {
            const float u = t - at;
            if (u > 0) drip += 0.18f * std::sin(2 * PI * (900.0f * u + 2500.0f * u * u)) * std::exp(-u / 0.025f);
        }
        wave[i] = 1.4f * low * body + 0.55f * bloop + drip;
    }
    return Finish(wave);
}

std::vector<uint8_t> AssetsSoundStart()
{
    // A rising C major arpeggio ending on a ringing top C.
    std::vector<float> wave(Samples(1.2f));
    AddNotes(wave, {{0.00f, 0.14f, 523.25f}, {0.15f, 0.14f, 659.25f}, {0.30f, 0.14f, 783.99f}},
             2.0f, 0.3f, 0.0f, 1.0f);
    AddNotes(wave, {{0.45f, 0.65f, 1046.5f}}, 2.0f, 0.3f, 0.004f, 1.0f);
    return Finish(wave);
}

std::vector<uint8_t> AssetsSoundApplause()
{
    // Many short hand claps at random moments: the crowd swells, holds, and
    // dies away.
    constexpr float LENGTH = 3.0f;
    constexpr float CLAP_DECAY = 0.011f;
    constexpr float CLAP_LENGTH = 0.05f;
    constexpr float MAX_RATE = 140.0f;  // claps per second at full applause
    std::vector<float> wave(Samples(LENGTH));
    Noise noise{0xC1A99u};
    Noise crowdNoise{0xA9913u};
    const int clapSamples = static_cast<int>(CLAP_LENGTH * RATE);
    for (size_t i = 0; i < wave.size(); ++i) {
        const float t = static_cast<float>(i) / RATE;
        const float crowd = Smooth(t / 0.35f) * Smooth((LENGTH - 0.1f - t) / 1.3f);
        if ((NoiseNext(crowdNoise) + 1) / 2 >= MAX_RATE * crowd / RATE) continue;
        // One clap: band-limited noise with a sharp attack.
        const float gain = 0.5f + 0.5f * (NoiseNext(noise) + 1) / 2;
        const float tone = 0.25f + 0.2f * (NoiseNext(noise) + 1) / 2;
        float a = 0, b = 0;
        for (int k = 0; k < clapSamples && i + k < wave.size(); ++k) {
            const float x = NoiseNext(noise);
            a += tone * (x - a);
            b += 0.05f * (a - b);
            const float u = static_cast<float>(k) / RATE;
            wave[i + k] += gain * (a - b) * std::exp(-u / CLAP_DECAY);
        }
    }
    // Even out the loudness: a soft limit on the overlapping claps.
    float power = 0;
    for (float v : wave) power += v * v;
    const float rms = std::sqrt(power / static_cast<float>(wave.size()));
    for (size_t i = 0; i < wave.size(); ++i) {
        const float t = static_cast<float>(i) / RATE;
        wave[i] = std::tanh(wave[i] / (2.5f * rms)) * Smooth(t / 0.05f) * Smooth((LENGTH - t) / 0.3f);
    }
    return Finish(wave);
}

std::vector<uint8_t> AssetsSoundFanfare()
{
    // Brass-like fanfare: three quick calls, a rise, and a held major chord.
    constexpr float G4 = 392.0f, C5 = 523.25f, E5 = 659.25f, G5 = 783.99f, C6 = 1046.5f;
    std::vector<float> wave(Samples(3.2f));
    AddNotes(wave,
             {{0.00f, 0.11f, G4}, {0.16f, 0.11f, G4}, {0.32f, 0.11f, G4}, {0.48f, 0.42f, C5},
              {0.95f, 0.16f, E5}, {1.14f, 0.16f, G5}},
             1.0f, 1.5f, 0.0f, 1.0f);
    AddNotes(wave, {{1.34f, 1.7f, C5}, {1.34f, 1.7f, E5}, {1.34f, 1.7f, G5}, {1.34f, 1.7f, C6}},
             1.2f, 1.1f, 0.006f, 0.55f);
    return Finish(wave);
}
