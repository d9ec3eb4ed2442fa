#include "dawnpanel/mainscreen/Ratio.h"

#include <cmath>
#include <limits>

uint64_t RoundedQuotient(uint64_t x, uint64_t d) {
  if (d == 0) return std::numeric_limits<uint64_t>::max();
  uint64_t q = x / d;
  const uint64_t r = x % d;
  // Compare 2r with d without forming 2r, which may not fit.
  if (r > d - r || (r == d - r && q % 2 == 1)) ++q;
  return q;
}

uint64_t RoundedRatio(uint64_t a, uint64_t b, uint64_t d) {
  uint64_t product;
  if (!__builtin_mul_overflow(a, b, &product)) return RoundedQuotient(product, d);
  if (d == 0) return std::numeric_limits<uint64_t>::max();
  const long double exact = static_cast<long double>(a) * static_cast<long double>(b) / static_cast<long double>(d);
  if (exact >= 18446744073709551615.0L) return std::numeric_limits<uint64_t>::max();
  return static_cast<uint64_t>(std::nearbyintl(exact));  // the default rounding mode: halves to even
}

int32_t Saturated32(uint64_t value) {
  constexpr uint64_t largest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value > largest ? largest : value);
}
