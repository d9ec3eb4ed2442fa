#include "dawnpanel/mainscreen/TickMachine.h"

TickPlan PlanTick(TickState& state, bool showDateTime, bool detailsOpened, int32_t liveLetterCount) {
  TickPlan plan;
  plan.NextInterval = TickInterval;
  if (state.FirstTick) {
    state.FirstTick = false;
    plan.OpenWindows = true;
  } else {
    plan.LiveTests = !detailsOpened && liveLetterCount == 0;
  }
  plan.DrawClock = showDateTime;
  if (!state.HoldOpen) {
    --state.Countdown;
    // Floating letters still on screen keep the program alive until the last one is gone.
    plan.Close = state.Countdown <= 0 && liveLetterCount == 0;
  }
  return plan;
}

std::string ExpandTime(const std::string& text) { return text.size() >= 8 ? text : "0" + text; }
