#include <gtest/gtest.h>

#include <cmath>

#include "common/DateTime.h"

TEST(DateTime, DayCountsFromTheEndOf1899) {
  const struct {
    int Y, M, D, H, Mi, S;
    double Value;
  } table[] = {
      {1899, 12, 30, 0, 0, 0, 0.0},  {1900, 1, 1, 0, 0, 0, 2.0},     {2000, 1, 1, 12, 0, 0, 36526.5},
      {2026, 12, 11, 6, 0, 0, 46367.25}, {1899, 12, 29, 6, 0, 0, -1.25},
  };
  for (const auto& row : table) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(row.Y, row.M, row.D, row.H, row.Mi, row.S, 0), row.Value) << row.Y;
    DateTimeParts p = DecodeDateTime(row.Value);
    EXPECT_EQ(p.Year, row.Y);
    EXPECT_EQ(p.Month, row.M);
    EXPECT_EQ(p.Day, row.D);
    EXPECT_EQ(p.Hour, row.H);
  }
  EXPECT_EQ(DecodeDateTime(36526.5).DayOfWeek, 6);  // 2000-01-01 was a Saturday
  EXPECT_EQ(DecodeDateTime(46367.0).DayOfWeek, 5);  // 2026-12-11 is a Friday
}

TEST(DateTime, NowIsAPlausibleDay) {
  double now = Now();
  EXPECT_GT(now, EncodeDateTime(2020, 1, 1, 0, 0, 0, 0));
  EXPECT_LT(now, EncodeDateTime(2100, 1, 1, 0, 0, 0, 0));
}
