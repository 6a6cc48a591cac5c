// The generator's own random numbers: xoshiro256** seeded through splitmix64,
// so that a seed gives the same levels on every machine and library.
#pragma once

#include <cstdint>

struct GeneratorRandom {
    uint64_t state[4] = {};
};

// A generator whose whole state follows from `seed`.
GeneratorRandom GeneratorRandomSeeded(uint64_t seed);
// The next 64 random bits.
uint64_t GeneratorRandomNext(GeneratorRandom& random);
// A number from 0 to bound - 1 (0 when bound is 0 or less), without the bias of a plain modulo.
int GeneratorRandomBelow(GeneratorRandom& random, int bound);
// A number from low to high, both included.
int GeneratorRandomBetween(GeneratorRandom& random, int low, int high);
// splitmix64's step: a well mixed 64-bit value of `value`.
uint64_t GeneratorRandomMix(uint64_t value);
