#include <gtest/gtest.h>

#include "dawnpanel/mainscreen/TickMachine.h"

namespace {
// Ticks until the plan says close, or gives up; returns the number of the closing tick.
int TicksUntilClose(TickState state, const std::vector<int>& letterCounts, int limit = 100) {
  for (int tick = 1; tick <= limit; ++tick) {
    int letters = tick - 1 < static_cast<int>(letterCounts.size()) ? letterCounts[tick - 1] : 0;
    if (PlanTick(state, true, false, letters).Close) return tick;
  }
  return 0;
}
}  // namespace

TEST(TickMachine, FirstTickOpensTheWindowsAndLaterTicksMeasure) {
  TickState state;
  state.Countdown = 6;
  TickPlan first = PlanTick(state, true, false, 0);
  EXPECT_TRUE(first.OpenWindows);
  EXPECT_FALSE(first.LiveTests);
  EXPECT_TRUE(first.DrawClock);
  EXPECT_EQ(first.NextInterval, 640u);
  EXPECT_FALSE(state.FirstTick);
  TickPlan second = PlanTick(state, false, false, 0);
  EXPECT_FALSE(second.OpenWindows);
  EXPECT_TRUE(second.LiveTests);
  EXPECT_FALSE(second.DrawClock) << "no clock window, nothing to draw";
}

TEST(TickMachine, LiveTestsPauseForTheDetailsWindowAndForLetters) {
  TickState state;
  state.FirstTick = false;
  state.HoldOpen = true;
  EXPECT_FALSE(PlanTick(state, true, true, 0).LiveTests);
  EXPECT_FALSE(PlanTick(state, true, false, 3).LiveTests);
  EXPECT_TRUE(PlanTick(state, true, false, 0).LiveTests);
}

TEST(TickMachine, AutomaticStartClosesOnTheShowLengthTick) {
  for (int length : {5, 6, 15}) {
    TickState state;
    state.Countdown = length;
    EXPECT_EQ(TicksUntilClose(state, {}), length);
  }
}

TEST(TickMachine, FloatingLettersDelayTheClose) {
  TickState state;
  state.Countdown = 5;
  // Letters still flying on ticks 5 to 8: the program waits for the last one.
  EXPECT_EQ(TicksUntilClose(state, {0, 0, 0, 0, 2, 2, 1, 1, 0}), 9);
}

TEST(TickMachine, HeldOpenNeverCloses) {
  TickState state;
  state.Countdown = 5;
  state.HoldOpen = true;
  EXPECT_EQ(TicksUntilClose(state, {}), 0);
  EXPECT_EQ(state.Countdown, 5) << "a held window does not count down";
}

TEST(TickMachine, ExpandTimeGivesTwoHourDigits) {
  EXPECT_EQ(ExpandTime("9:05:07"), "09:05:07");
  EXPECT_EQ(ExpandTime("10:05:07"), "10:05:07");
  EXPECT_EQ(ExpandTime(""), "0");
}
