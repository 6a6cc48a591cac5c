// xoshiro256** (Blackman and Vigna), its state filled by splitmix64.
#include "solver/generator_random.h"

namespace {

uint64_t RotateLeft(uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

} // namespace

uint64_t GeneratorRandomMix(uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

GeneratorRandom GeneratorRandomSeeded(uint64_t seed)
{
    GeneratorRandom random;
    uint64_t walk = seed;
    for (uint64_t& word : random.state) {
        word = GeneratorRandomMix(walk);
        walk += 0x9E3779B97F4A7C15ull;
    }
    return random;
}

uint64_t GeneratorRandomNext(GeneratorRandom& random)
{
    uint64_t* s = random.state;
    const uint64_t result = RotateLeft(s[1] * 5, 7) * 9;
    const uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = RotateLeft(s[3], 45);
    return result;
}

int GeneratorRandomBelow(GeneratorRandom& random, int bound)
{
    if (bound <= 0)
        return 0;
    const uint64_t range = static_cast<uint64_t>(bound);
    // Values past the last whole multiple of the range are drawn again.
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t value = GeneratorRandomNext(random);
    while (value >= limit)
        value = GeneratorRandomNext(random);
    return static_cast<int>(value % range);
}

int GeneratorRandomBetween(GeneratorRandom& random, int low, int high)
{
    return low + GeneratorRandomBelow(random, high - low + 1);
}
