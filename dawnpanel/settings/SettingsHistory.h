#pragma once
// The program's one record of settings, start statistics and the last 32 starts.
// Entry 0 is the current start; field names are the names of their registry values.
#include <array>
#include <cstdint>
#include <string>

inline constexpr int HistorySize = 32;

template <class T>
using History = std::array<T, HistorySize>;

struct TSettingsHistory {
  // Settings
  bool AutoStart = false;
  int32_t ShowLength = 6;
  bool ShowDateTime = true;
  bool ShowDateTimeNext = false;  // edited by the settings window, stored as ShowDateTime
  bool DiskTest = true;
  bool DiskTest0 = true;
  bool FixedFont = false;
  std::string FontName;

  // Start statistics
  double StartDate = 0;
  int32_t ASCount = 1;
  uint32_t AutoStarts = 0;

  // History
  History<double> DatesTimes{};
  History<int32_t> SysTimes{};
  History<int32_t> FreeMems{};
  History<int32_t> FreeDisks{};
  History<float> CPUTests{};
  History<int32_t> MemTests{};
  History<int32_t> MemTestsW{};
  History<int32_t> DiskTests{};
  History<int32_t> DiskTestsW{};

  // This start only
  int32_t TotalMem = 0;
  int32_t TotalDisk = 0;
  std::string DriveList;
  int32_t DriveCount = 0;
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  bool FontChanged = false;

  void ClearHistory();
  // Shifts every history array by one entry; entry 0 keeps its content, entry 31 drops out.
  void RollHistory();
  // The recommended values offered by the settings window.
  void SetOptimum(const std::string& randomFont);
};

extern TSettingsHistory SettingsHistory;
