#pragma once
// Numbers as the format letter n prints them: thousands separators and a fixed number of
// decimals, with the separators of the user's locale passed in.
#include <string>

struct TFormatSettings {
  std::string ThousandSeparator = ",";
  std::string DecimalSeparator = ".";
};

// "%.<decimals>n": value rounded to the given decimals, halves away from zero, as the value's
// shortest decimal form has it (so 0.25 gives 0.3 and 1234.35 gives 1234.4). Non-finite values
// print as NAN, INF or -INF.
std::string FormatN(double value, int decimals, const TFormatSettings& settings);
