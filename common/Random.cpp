#include "common/Random.h"

#include <chrono>

namespace {
uint32_t State[4] = {0x9E3779B9u, 0x243F6A88u, 0xB7E15162u, 0x3C6EF372u};

uint32_t Rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

uint32_t NextWord() {
  const uint32_t result = Rotl(State[1] * 5, 7) * 9;
  const uint32_t t = State[1] << 9;
  State[2] ^= State[0];
  State[3] ^= State[1];
  State[1] ^= State[2];
  State[0] ^= State[3];
  State[2] ^= t;
  State[3] = Rotl(State[3], 11);
  return result;
}

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void RandSeed(uint64_t seed) {
  // SplitMix spreads any seed, including 0, over the whole state.
  uint64_t a = SplitMix(seed), b = SplitMix(seed);
  State[0] = static_cast<uint32_t>(a);
  State[1] = static_cast<uint32_t>(a >> 32);
  State[2] = static_cast<uint32_t>(b);
  State[3] = static_cast<uint32_t>(b >> 32);
}

void Randomize() {
  RandSeed(static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

uint32_t Random(uint32_t range) {
  if (range == 0) return 0;
  // Rejection keeps every value equally likely, whatever the range.
  const uint32_t limit = static_cast<uint32_t>(-range) % range;
  for (;;) {
    uint64_t m = static_cast<uint64_t>(NextWord()) * range;
    if (static_cast<uint32_t>(m) >= limit) return static_cast<uint32_t>(m >> 32);
  }
}
