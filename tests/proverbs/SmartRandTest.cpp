#include "dawnpanel/proverbs/SmartRand.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "common/Random.h"

namespace {

bool IsSet(const std::vector<uint32_t>& used, int32_t value) {
  return (used[(value - 1) / 32] >> ((value - 1) % 32)) & 1u;
}

// The used-set of a picker that has just been made for count.
std::vector<uint32_t> FreshUsed(int32_t count) {
  TSmartRand fresh(count);
  return fresh.UsedWords();
}

// How many values the used-set marks as drawn (tail bits left out).
int DrawnValues(int32_t count, const std::vector<uint32_t>& used) {
  int n = 0;
  for (int32_t v = 1; v <= count; ++v) n += IsSet(used, v);
  return n;
}

int FullWords(const std::vector<uint32_t>& used) {
  int n = 0;
  for (uint32_t w : used) n += w == 0xFFFFFFFFu;
  return n;
}

// Draws n values and checks each against the used-set before and after it: the value is in
// 1..Count and its bit is the one bit the draw adds, or a new cycle begins, which only a set with
// at most one word not full may do (the word draw would have to miss the others 8 x WordCount - 1
// times in a row).
struct Draw {
  int32_t Value;
  bool NewCycle;
};
std::vector<Draw> DrawChecked(TSmartRand& picker, int n) {
  const int32_t count = picker.Count();
  std::vector<Draw> draws;
  for (int i = 0; i < n; ++i) {
    const std::vector<uint32_t> before = picker.UsedWords();
    const int32_t v = picker.Next();
    if (v < 1 || v > count) {
      ADD_FAILURE() << "value " << v << " out of 1.." << count;
      return draws;
    }
    const bool newCycle = DrawnValues(count, picker.UsedWords()) == 1 && DrawnValues(count, before) > 0;
    std::vector<uint32_t> expected = newCycle ? FreshUsed(count) : before;
    EXPECT_FALSE(!newCycle && IsSet(before, v)) << "value " << v << " drawn twice in one cycle";
    expected[(v - 1) / 32] |= 1u << ((v - 1) % 32);
    EXPECT_EQ(picker.UsedWords(), expected) << "after drawing " << v;
    if (newCycle) {
      EXPECT_GE(FullWords(before), picker.WordCount() - (picker.WordCount() > 1 ? 1 : 0))
          << "a new cycle began with " << DrawnValues(count, before) << " of " << count << " drawn";
    }
    draws.push_back({v, newCycle});
  }
  return draws;
}

TEST(SmartRand, ConstructionMarksTheBitsAboveCount) {
  struct Row {
    int32_t Count;
    int32_t WordCount;
    int32_t TailBits;
    std::vector<uint32_t> Used;
  };
  for (const Row& r : std::vector<Row>{
           {1, 1, 1, {0xFFFFFFFEu}},
           {31, 1, 31, {0x80000000u}},
           {32, 1, 0, {0u}},
           {33, 2, 1, {0u, 0xFFFFFFFEu}},
           {64, 2, 0, {0u, 0u}},
           {100, 4, 4, {0u, 0u, 0u, 0xFFFFFFF0u}},
       }) {
    TSmartRand picker(r.Count);
    EXPECT_EQ(picker.Count(), r.Count);
    EXPECT_EQ(picker.WordCount(), r.WordCount) << r.Count;
    EXPECT_EQ(picker.TailBits(), r.TailBits) << r.Count;
    EXPECT_EQ(picker.UsedWords(), r.Used) << r.Count;
  }
  TSmartRand large(1071);
  EXPECT_EQ(large.WordCount(), 34);
  EXPECT_EQ(large.UsedWords().back(), 0xFFFF8000u);
}

TEST(SmartRand, EmptyPickerIsReportedAndGivesNothing) {
  static int reports;
  reports = 0;
  void (*saved)() = ReportEmptyPicker;
  ReportEmptyPicker = [] { ++reports; };
  for (int32_t count : {0, -1, -40}) {
    TSmartRand picker(count);
    EXPECT_EQ(picker.WordCount(), 0) << count;
    EXPECT_EQ(picker.Next(), 0) << count;
  }
  EXPECT_EQ(reports, 3);
  TSmartRand ordinary(5);
  EXPECT_EQ(reports, 3);
  ReportEmptyPicker = saved;
}

TEST(SmartRand, OneWordCyclesArePermutations) {
  // With a single word the word draw never misses, so every cycle runs to its end.
  for (int32_t count : {1, 5, 31, 32}) {
    RandSeed(static_cast<uint64_t>(count));
    TSmartRand picker(count);
    for (int cycle = 0; cycle < 4; ++cycle) {
      std::set<int32_t> seen;
      for (int32_t i = 0; i < count; ++i) seen.insert(picker.Next());
      EXPECT_EQ(static_cast<int32_t>(seen.size()), count) << "count " << count << ", cycle " << cycle;
      EXPECT_EQ(*seen.begin(), 1);
      EXPECT_EQ(*seen.rbegin(), count);
    }
  }
}

TEST(SmartRand, NoValueComesTwiceWithinACycle) {
  for (int32_t count : {2, 32, 33, 64, 100, 1071}) {
    RandSeed(1000u + static_cast<uint64_t>(count));
    TSmartRand picker(count);
    const std::vector<Draw> draws = DrawChecked(picker, 4 * count + 7);
    int cycles = 0;
    for (const Draw& d : draws) cycles += d.NewCycle;
    EXPECT_GE(cycles, 4) << count;
  }
}

TEST(SmartRand, ValueThirtyThreeIsBitZeroOfTheSecondWord) {
  RandSeed(33);
  TSmartRand picker(33);
  for (int i = 0; i < 33; ++i) {
    if (picker.Next() != 33) continue;
    EXPECT_EQ(picker.UsedWords()[1], 0xFFFFFFFFu);
    return;
  }
  FAIL() << "33 never came in a cycle of 33";
}

TEST(SmartRand, FullSetResetsAfterEightDrawsPerWordLessOne) {
  // The draws the algorithm makes, replayed on the same generator: 8 x WordCount - 1 word draws
  // that hit full words, the reset, a word, then bits until one is clear.
  for (int32_t count : {1, 32, 33, 100, 1071}) {
    for (uint64_t seed : {1u, 2u, 3u}) {
      TSmartRand picker(count);
      const auto words = static_cast<uint32_t>(picker.WordCount());
      const std::vector<uint32_t> fresh = picker.UsedWords();

      RandSeed(seed);
      for (uint32_t i = 0; i < 8 * words - 1; ++i) Random(words);
      const uint32_t w = Random(words);
      uint32_t b;
      do b = Random(32);
      while ((fresh[w] >> b) & 1u);
      const int32_t expected = static_cast<int32_t>(w * 32 + b + 1);
      const uint32_t nextAfterModel = Random(0xFFFFFFFFu);

      picker.RestoreUsed(std::vector<uint32_t>(words, 0xFFFFFFFFu));
      RandSeed(seed);
      EXPECT_EQ(picker.Next(), expected) << "count " << count << ", seed " << seed;
      EXPECT_EQ(Random(0xFFFFFFFFu), nextAfterModel) << "another number of draws, count " << count;
      std::vector<uint32_t> afterReset = fresh;
      afterReset[w] |= 1u << b;
      EXPECT_EQ(picker.UsedWords(), afterReset) << "count " << count;
    }
  }
}

TEST(SmartRand, CountOneGivesOneEveryTime) {
  RandSeed(7);
  TSmartRand picker(1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(picker.Next(), 1);
  EXPECT_EQ(picker.UsedWords(), std::vector<uint32_t>{0xFFFFFFFFu});
}

TEST(SmartRand, RestoreFillsTheLeadingWordsAndMarksTheTail) {
  struct Row {
    std::vector<uint32_t> Stored;
    std::vector<uint32_t> Used;
  };
  // Count 100: four words, bits 4..31 of the last are the tail.
  for (const Row& r : std::vector<Row>{
           {{}, {0u, 0u, 0u, 0xFFFFFFF0u}},
           {{0x12345678u, 0xFFFFFFFFu}, {0x12345678u, 0xFFFFFFFFu, 0u, 0xFFFFFFF0u}},
           {{1u, 2u, 3u, 0u}, {1u, 2u, 3u, 0xFFFFFFF0u}},
           {{1u, 2u, 3u, 5u, 7u, 9u}, {1u, 2u, 3u, 0xFFFFFFF5u}},
       }) {
    TSmartRand picker(100);
    picker.RestoreUsed(r.Stored);
    EXPECT_EQ(picker.UsedWords(), r.Used) << r.Stored.size() << " words stored";
    EXPECT_EQ(picker.WordCount(), 4);
  }
}

TEST(SmartRand, RestoredCycleGoesOnWhereItStopped) {
  RandSeed(11);
  TSmartRand first(1071);
  const std::vector<Draw> before = DrawChecked(first, 500);
  const std::vector<uint32_t> stored = first.UsedWords();

  RandSeed(12);
  TSmartRand second(1071);
  second.RestoreUsed(stored);
  const std::vector<Draw> after = DrawChecked(second, 400);

  std::set<int32_t> values;
  for (const Draw& d : before) values.insert(d.Value);
  for (const Draw& d : after) {
    EXPECT_FALSE(d.NewCycle);
    EXPECT_TRUE(values.insert(d.Value).second) << d.Value << " came again after the restart";
  }
}

TEST(SmartRand, ClearedTailNeverYieldsValuesAboveCount) {
  for (int32_t count : {1, 33, 100, 1071}) {
    RandSeed(static_cast<uint64_t>(count) * 7);
    TSmartRand restored(count);
    restored.RestoreUsed(std::vector<uint32_t>(static_cast<size_t>(restored.WordCount()), 0u));
    EXPECT_EQ(restored.UsedWords(), FreshUsed(count));

    TSmartRand rewritten(count);
    for (auto& w : rewritten.UsedWords()) w = 0;
    rewritten.MarkTail();
    EXPECT_EQ(rewritten.UsedWords(), FreshUsed(count));
    DrawChecked(rewritten, 3 * count);
  }
}

}  // namespace
