#pragma once
// Whole-number results of the panel's proportions and the speed figures: rounded to the nearest
// integer with halves to even, and never wrapped, whatever the sizes the fields hold.
#include <cstdint>

// x / d, for d > 0.
uint64_t RoundedQuotient(uint64_t x, uint64_t d);
// a × b / d, for d > 0: exact while a × b fits in 64 bits, else in extended precision.
uint64_t RoundedRatio(uint64_t a, uint64_t b, uint64_t d);
// The history fields are 32-bit signed: larger results stop at the largest such value.
int32_t Saturated32(uint64_t value);
