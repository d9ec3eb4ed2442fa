#include "dawnpanel/mainscreen/SysMetrics.h"

#include "dawnpanel/mainscreen/Ratio.h"

int32_t MemoryFigure(uint64_t bytes, int shift) { return Saturated32((bytes >> shift) + 1); }

DriveSummary SummarizeDrives(uint32_t logicalDrives, const DriveQueries& queries) {
  DriveSummary summary;
  std::string roots[32];
  for (int i = 0; i < 32; ++i) {
    if (!(logicalDrives & (1u << i))) continue;
    const char letter = static_cast<char>('A' + i);
    const std::string root = std::string(1, letter) + ":\\";
    const unsigned type = queries.DriveType(root);
    if (type != DriveFixed && type != DriveRamDisk) continue;
    roots[summary.Count++] = root;
    summary.List += std::string(1, letter) + ", ";
  }
  if (!summary.List.empty()) summary.List.resize(summary.List.size() - 2);

  // 64-bit sums: many large drives together must not wrap the 32-bit fields.
  uint64_t freeMiB = 0, totalMiB = 0;
  for (int i = 0; i < summary.Count; ++i) {
    uint64_t freeBytes = 0, totalBytes = 0;
    // A drive that cannot be asked counts as -1 bytes, which adds nothing.
    if (!queries.FreeSpace(roots[i], freeBytes, totalBytes)) continue;
    freeMiB += (freeBytes >> 20) + 1;
    totalMiB += (totalBytes >> 20) + 1;
  }
  summary.FreeMiB = Saturated32(freeMiB);
  summary.TotalMiB = Saturated32(totalMiB);
  return summary;
}

void ApplySysMetrics(TSettingsHistory& record, const SystemFigures& figures) {
  record.TotalMem = figures.TotalMemMiB;
  record.FreeMems[0] = figures.FreeMemKiB;
  if (figures.AutoStart) record.AutoStarts |= 1u;
  record.DriveList = figures.Drives.List;
  record.DriveCount = figures.Drives.Count;
  record.FreeDisks[0] = figures.Drives.FreeMiB;
  record.TotalDisk = figures.Drives.TotalMiB;
  record.DatesTimes[0] = figures.Now;
}
