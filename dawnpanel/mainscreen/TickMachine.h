#pragma once
// The main window's clock-tick timeline, apart from the windows it opens and closes.
#include <cstdint>
#include <string>

inline constexpr unsigned FirstTickInterval = 64;  // ms from creation to the first tick
inline constexpr unsigned TickInterval = 640;      // ms between later ticks, plus their own work

struct TickState {
  bool FirstTick = true;
  int32_t Countdown = 0;
  bool HoldOpen = false;
};

struct TickPlan {
  bool OpenWindows = false;  // first tick: clock and proverb windows appear
  bool LiveTests = false;    // later ticks: measure again and redraw the bars
  bool DrawClock = false;
  bool Close = false;        // the countdown has run out
  unsigned NextInterval = 0;
};

// One tick: what to do, given what the rest of the program reports; updates the state.
TickPlan PlanTick(TickState& state, bool showDateTime, bool detailsOpened, int32_t liveLetterCount);

// A time shorter than 8 characters gets a leading zero, so the hours always show two digits.
std::string ExpandTime(const std::string& text);
