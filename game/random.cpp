// The additive lagged generator: x[i] = x[i-3] + x[i-31] (mod 2^32), each
// value given without its lowest bit. The table is filled from the seed by a
// multiplicative congruential step, and the first 310 values are thrown away.
#include "game/random.h"

namespace {

const int64_t RANDOM_MODULUS = 2147483647;  // 2^31 - 1
const int64_t RANDOM_MULTIPLIER = 16807;
const int RANDOM_WARM_UP = 310;

uint32_t NextRaw(GameRandom& random)
{
    uint32_t value = static_cast<uint32_t>(random.table[random.front]) + static_cast<uint32_t>(random.table[random.rear]);
    random.table[random.front] = static_cast<int32_t>(value);
    random.front = (random.front + 1) % RANDOM_LAG_LONG;
    random.rear = (random.rear + 1) % RANDOM_LAG_LONG;
    return value;
}

} // namespace

void RandomSeed(GameRandom& random, uint32_t seed)
{
    int64_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
    random.table[0] = static_cast<int32_t>(word);
    for (int i = 1; i < RANDOM_LAG_LONG; ++i) {
        // Schrage's method keeps the product inside 32 bits.
        int64_t high = word / 127773;
        int64_t low = word % 127773;
        word = RANDOM_MULTIPLIER * low - 2836 * high;
        if (word < 0)
            word += RANDOM_MODULUS;
        random.table[i] = static_cast<int32_t>(word);
    }
    random.front = RANDOM_LAG_SHORT;
    random.rear = 0;
    random.seeded = true;
    for (int i = 0; i < RANDOM_WARM_UP; ++i)
        NextRaw(random);
}

int32_t RandomNext(GameRandom& random)
{
    if (!random.seeded)
        RandomSeed(random, RANDOM_DEFAULT_SEED);
    return static_cast<int32_t>(NextRaw(random) >> 1);
}

int32_t RandomBelow(GameRandom& random, int32_t n)
{
    if (n == 0)
        return 0;
    return RandomNext(random) % n;
}
