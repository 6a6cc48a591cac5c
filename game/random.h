// The game's random numbers: an additive lagged generator whose whole state
// is a value in the model, so two copies of a model draw the same numbers.
// Seeded with 1 it gives the sequence the C library's rand() gives on glibc
// without srand().
#pragma once

#include <cstdint>

enum { RANDOM_LAG_LONG = 31, RANDOM_LAG_SHORT = 3 };

struct GameRandom {
    int32_t table[RANDOM_LAG_LONG] = {};
    int32_t front = RANDOM_LAG_SHORT;  // index of the long-lag term
    int32_t rear = 0;                  // index of the short-lag term
    bool seeded = false;
    bool operator==(const GameRandom&) const = default;
};

enum : uint32_t { RANDOM_DEFAULT_SEED = 1 };

void RandomSeed(GameRandom& random, uint32_t seed);
// 0 to 2^31 - 1.
int32_t RandomNext(GameRandom& random);
// 0 for n == 0 (drawing nothing); otherwise the next value modulo n. An
// unseeded generator seeds itself with RANDOM_DEFAULT_SEED first.
int32_t RandomBelow(GameRandom& random, int32_t n);
