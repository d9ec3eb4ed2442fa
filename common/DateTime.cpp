#include "common/DateTime.h"

#include <cmath>

namespace {
// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
constexpr int64_t UnixEpochInDays = 25569;  // 1970-01-01 counted from 1899-12-30
}  // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const double days = static_cast<double>(DaysFromCivil(year, month, day) + UnixEpochInDays);
  const double time = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / 86400000.0;
  // Before 1899-12-30 the whole part counts back and the fraction still counts forward.
  return days >= 0 ? days + time : days - time;
}

DateTimeParts DecodeDateTime(double value) {
  double whole = std::trunc(value);
  double fraction = std::fabs(value - whole);
  auto ms = static_cast<int64_t>(std::llround(fraction * 86400000.0));
  if (ms >= 86400000) {
    ms -= 86400000;
    whole += value >= 0 ? 1 : -1;
  }
  int64_t z = static_cast<int64_t>(whole) - UnixEpochInDays + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  DateTimeParts p{};
  p.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  p.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  p.Year = static_cast<int>(yoe + era * 400 + (p.Month <= 2));
  p.Hour = static_cast<int>(ms / 3600000);
  p.Minute = static_cast<int>(ms / 60000 % 60);
  p.Second = static_cast<int>(ms / 1000 % 60);
  p.Millisecond = static_cast<int>(ms % 1000);
  // 1899-12-30 was a Saturday.
  p.DayOfWeek = static_cast<int>(((static_cast<int64_t>(whole) % 7) + 7 + 6) % 7);
  return p;
}

#include <chrono>
#include <ctime>

double Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const std::tm local = *std::localtime(&seconds);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec, static_cast<int>(ms));
}
