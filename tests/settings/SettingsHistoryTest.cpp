#include <gtest/gtest.h>

#include "dawnpanel/settings/SettingsHistory.h"

namespace {
// Marks entry i of every array with a value derived from i.
void Mark(TSettingsHistory& s, int i, int v) {
  s.DatesTimes[i] = v;
  s.SysTimes[i] = v;
  s.FreeMems[i] = v;
  s.FreeDisks[i] = v;
  s.CPUTests[i] = static_cast<float>(v);
  s.MemTests[i] = v;
  s.MemTestsW[i] = v;
  s.DiskTests[i] = v;
  s.DiskTestsW[i] = v;
}

void ExpectEntry(const TSettingsHistory& s, int i, int v) {
  SCOPED_TRACE("entry " + std::to_string(i));
  EXPECT_EQ(s.DatesTimes[i], v);
  EXPECT_EQ(s.SysTimes[i], v);
  EXPECT_EQ(s.FreeMems[i], v);
  EXPECT_EQ(s.FreeDisks[i], v);
  EXPECT_EQ(s.CPUTests[i], static_cast<float>(v));
  EXPECT_EQ(s.MemTests[i], v);
  EXPECT_EQ(s.MemTestsW[i], v);
  EXPECT_EQ(s.DiskTests[i], v);
  EXPECT_EQ(s.DiskTestsW[i], v);
}
}  // namespace

TEST(SettingsHistory, StartsAtTheInitialValues) {
  TSettingsHistory s;
  EXPECT_FALSE(s.AutoStart);
  EXPECT_EQ(s.ShowLength, 6);
  EXPECT_TRUE(s.ShowDateTime);
  EXPECT_FALSE(s.ShowDateTimeNext);
  EXPECT_TRUE(s.DiskTest);
  EXPECT_TRUE(s.DiskTest0);
  EXPECT_FALSE(s.FixedFont);
  EXPECT_EQ(s.FontName, "");
  EXPECT_EQ(s.StartDate, 0);
  EXPECT_EQ(s.ASCount, 1);
  EXPECT_EQ(s.AutoStarts, 0u);
  for (int i = 0; i < HistorySize; ++i) ExpectEntry(s, i, 0);
}

TEST(SettingsHistory, ClearHistoryZeroesEveryArray) {
  TSettingsHistory s;
  for (int i = 0; i < HistorySize; ++i) Mark(s, i, i + 1);
  s.ClearHistory();
  for (int i = 0; i < HistorySize; ++i) ExpectEntry(s, i, 0);
}

TEST(SettingsHistory, RollShiftsByOneAndDropsTheOldest) {
  TSettingsHistory s;
  for (int i = 0; i < HistorySize; ++i) Mark(s, i, 100 + i);
  s.RollHistory();
  ExpectEntry(s, 0, 100);  // entry 0 keeps its content until the new start fills it
  for (int i = 1; i < HistorySize; ++i) ExpectEntry(s, i, 100 + i - 1);
}

TEST(SettingsHistory, ThirtyThreeStartsForgetTheFirst) {
  TSettingsHistory s;
  for (int start = 1; start <= 33; ++start) {
    s.RollHistory();
    Mark(s, 0, start);
  }
  ExpectEntry(s, 0, 33);
  ExpectEntry(s, 31, 2);  // start 1 is gone
}

TEST(SettingsHistory, ShortHistoryRollsIntoEmptyEntries) {
  TSettingsHistory s;
  Mark(s, 0, 7);
  Mark(s, 1, 6);
  s.RollHistory();
  ExpectEntry(s, 1, 7);
  ExpectEntry(s, 2, 6);
  ExpectEntry(s, 3, 0);
}

TEST(SettingsHistory, OptimumSetsTheRecommendedValuesButNotFixedFont) {
  TSettingsHistory s;
  s.FixedFont = true;
  s.ShowLength = 12;
  s.DiskTest = true;
  s.DiskTest0 = false;
  s.SetOptimum("Georgia");
  EXPECT_TRUE(s.AutoStart);
  EXPECT_TRUE(s.ShowDateTimeNext);
  EXPECT_TRUE(s.DiskTest0);
  EXPECT_FALSE(s.DiskTest);
  EXPECT_EQ(s.ShowLength, 6);
  EXPECT_EQ(s.FontName, "Georgia");
  EXPECT_TRUE(s.FixedFont);
}
