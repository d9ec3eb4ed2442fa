#pragma once
// The arithmetic behind the memory and disk figures of a start; the system only answers
// questions (SysMetricsWin32 asks them).
#include <cstdint>
#include <functional>
#include <string>

#include "dawnpanel/settings/SettingsHistory.h"

// bytes shifted right by shift, plus 1: the program's KiB (10) and MiB (20) figures. Amounts too
// large for the 32-bit fields stop at the largest value.
int32_t MemoryFigure(uint64_t bytes, int shift);

inline constexpr unsigned DriveFixed = 3;    // GetDriveType's answers that count as local disks
inline constexpr unsigned DriveRamDisk = 6;

struct DriveQueries {
  // GetDriveType of a root such as "C:\".
  std::function<unsigned(const std::string& root)> DriveType;
  // Free bytes available to the user and total bytes; false when the drive cannot be asked.
  std::function<bool(const std::string& root, uint64_t& freeBytes, uint64_t& totalBytes)> FreeSpace;
};

struct DriveSummary {
  std::string List;  // "C, D"
  int32_t Count = 0;
  int32_t FreeMiB = 0;   // each drive rounded down and increased by 1
  int32_t TotalMiB = 0;
};

// The fixed and RAM drives among the logical drive bits (bit 0 is A).
DriveSummary SummarizeDrives(uint32_t logicalDrives, const DriveQueries& queries);

struct SystemFigures {
  int32_t TotalMemMiB = 0;  // from MemoryFigure
  int32_t FreeMemKiB = 0;
  bool AutoStart = false;
  DriveSummary Drives;
  double Now = 0;
};

// Entry 0 and the values of this start: TotalMem, FreeMems[0], bit 0 of AutoStarts for an
// automatic start, DriveList, DriveCount, FreeDisks[0], TotalDisk, DatesTimes[0].
void ApplySysMetrics(TSettingsHistory& record, const SystemFigures& figures);
