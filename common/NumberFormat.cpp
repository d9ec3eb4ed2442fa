#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

std::string FormatN(double value, int decimals, const TFormatSettings& settings) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (decimals < 0) decimals = 0;

  // The shortest digits that give back the value, and where the decimal point falls among them.
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
  std::string mantissa(buffer, end);
  const size_t e = mantissa.find('e');
  const int exponent = std::atoi(mantissa.c_str() + e + 1);
  std::string digits;
  for (size_t i = 0; i < e; ++i)
    if (mantissa[i] != '.') digits += mantissa[i];
  int point = exponent + 1;  // digits before the decimal point
  if (point < 1) {
    digits.insert(0, static_cast<size_t>(1 - point), '0');
    point = 1;
  }
  const size_t kept = static_cast<size_t>(point + decimals);
  if (digits.size() < kept) digits.append(kept - digits.size(), '0');

  // Round at the last kept digit, halves away from zero.
  const bool up = digits.size() > kept && digits[kept] >= '5';
  digits.resize(kept);
  if (up) {
    size_t i = kept;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(0, 1, '1');
      ++point;
    } else {
      ++digits[i - 1];
    }
  }

  const std::string whole = digits.substr(0, static_cast<size_t>(point));
  std::string text;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) text += settings.ThousandSeparator;
    text += whole[i];
  }
  if (decimals > 0) text += settings.DecimalSeparator + digits.substr(static_cast<size_t>(point));
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  return (value < 0 && !zero ? "-" : "") + text;
}
