#pragma once
// Dates as the program stores them: days since 1899-12-30 as a double, local time.
#include <cstdint>

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);

struct DateTimeParts {
  int Year, Month, Day, Hour, Minute, Second, Millisecond;
  int DayOfWeek;  // 0 = Sunday
};
DateTimeParts DecodeDateTime(double value);

// The local date and time now (glue on Windows; the host build uses the C library).
double Now();
