#pragma once
// The process's one pseudo-random generator (xoshiro128**), seeded from the clock at start.
#include <cstdint>

void Randomize();                 // seed from the clock
void RandSeed(uint64_t seed);     // fixed seed, for tests
uint32_t Random(uint32_t range);  // uniform in 0..range-1; 0 when range is 0
