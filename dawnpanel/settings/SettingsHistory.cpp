#include "dawnpanel/settings/SettingsHistory.h"

#include <algorithm>

TSettingsHistory SettingsHistory;

namespace {
template <class F>
void ForEachHistory(TSettingsHistory& s, F f) {
  f(s.DatesTimes);
  f(s.SysTimes);
  f(s.FreeMems);
  f(s.FreeDisks);
  f(s.CPUTests);
  f(s.MemTests);
  f(s.MemTestsW);
  f(s.DiskTests);
  f(s.DiskTestsW);
}
}  // namespace

void TSettingsHistory::ClearHistory() {
  ForEachHistory(*this, [](auto& a) { a.fill({}); });
}

void TSettingsHistory::RollHistory() {
  ForEachHistory(*this, [](auto& a) { std::copy_backward(a.begin(), a.end() - 1, a.end()); });
}

void TSettingsHistory::SetOptimum(const std::string& randomFont) {
  AutoStart = true;
  ShowDateTimeNext = true;
  DiskTest0 = true;
  DiskTest = false;
  ShowLength = 6;
  FontName = randomFont;
}
