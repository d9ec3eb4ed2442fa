#include "dawnpanel/mainscreen/SysMetrics.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
constexpr uint64_t MiB = 1048576;
constexpr uint64_t GiB = 1024 * MiB;

// Drives by root: type, and free and total bytes when the drive answers.
struct FakeDrive {
  unsigned Type;
  bool Answers = true;
  uint64_t Free = 0, Total = 0;
};

class Drives {
 public:
  explicit Drives(std::map<std::string, FakeDrive> drives) : Table(std::move(drives)) {}
  uint32_t Mask() const {
    uint32_t mask = 0;
    for (const auto& [root, drive] : Table) mask |= 1u << (root[0] - 'A');
    return mask;
  }
  DriveQueries Queries() {
    DriveQueries q;
    q.DriveType = [this](const std::string& root) {
      Typed.push_back(root);
      return Table.at(root).Type;
    };
    q.FreeSpace = [this](const std::string& root, uint64_t& freeBytes, uint64_t& totalBytes) {
      Asked.push_back(root);
      const FakeDrive& d = Table.at(root);
      if (!d.Answers) return false;
      freeBytes = d.Free;
      totalBytes = d.Total;
      return true;
    };
    return q;
  }
  std::vector<std::string> Typed, Asked;

 private:
  std::map<std::string, FakeDrive> Table;
};

TEST(SummarizeDrives, FixedAndRamDrivesInOrderOfTheirLetters) {
  Drives drives({{"A:\\", {2}},
                 {"C:\\", {DriveFixed, true, 10 * GiB + 123, 100 * GiB}},
                 {"D:\\", {DriveFixed, true, 5 * MiB - 1, 20 * GiB}},
                 {"E:\\", {5}},  // CD drive
                 {"R:\\", {DriveRamDisk, true, 0, 64 * MiB}}});
  const DriveSummary s = SummarizeDrives(drives.Mask(), drives.Queries());
  EXPECT_EQ(s.List, "C, D, R");
  EXPECT_EQ(s.Count, 3);
  // Each drive rounded down and increased by 1.
  EXPECT_EQ(s.FreeMiB, (10240 + 1) + (4 + 1) + (0 + 1));
  EXPECT_EQ(s.TotalMiB, (102400 + 1) + (20480 + 1) + (64 + 1));
  EXPECT_EQ(drives.Typed, (std::vector<std::string>{"A:\\", "C:\\", "D:\\", "E:\\", "R:\\"}));
  EXPECT_EQ(drives.Asked, (std::vector<std::string>{"C:\\", "D:\\", "R:\\"})) << "only the drives that count";
}

void ExpectSummary(const DriveSummary& s, const std::string& list, int count, int64_t freeMiB, int64_t totalMiB) {
  EXPECT_EQ(s.List, list);
  EXPECT_EQ(s.Count, count);
  EXPECT_EQ(s.FreeMiB, freeMiB);
  EXPECT_EQ(s.TotalMiB, totalMiB);
}

TEST(SummarizeDrives, ADriveThatCannotBeAskedAddsNothing) {
  Drives drives({{"C:\\", {DriveFixed, true, 3 * MiB, 8 * MiB}}, {"D:\\", {DriveFixed, false}}});
  ExpectSummary(SummarizeDrives(drives.Mask(), drives.Queries()), "C, D", 2, 4, 9);
}

TEST(SummarizeDrives, OneDriveOrNone) {
  Drives one({{"C:\\", {DriveFixed, true, 0, 0}}, {"E:\\", {5}}});
  ExpectSummary(SummarizeDrives(one.Mask(), one.Queries()), "C", 1, 1, 1);
  Drives none({{"A:\\", {2}}});
  ExpectSummary(SummarizeDrives(none.Mask(), none.Queries()), "", 0, 0, 0);
}

TEST(SummarizeDrives, HugeDrivesStopAtTheLargestFieldValue) {
  Drives drives({{"C:\\", {DriveFixed, true, uint64_t{1} << 60, uint64_t{1} << 61}},
                 {"D:\\", {DriveFixed, true, 1024 * 1024 * GiB, 2048 * 1024 * GiB}}});
  const DriveSummary s = SummarizeDrives(drives.Mask(), drives.Queries());
  EXPECT_EQ(s.FreeMiB, Max32);
  EXPECT_EQ(s.TotalMiB, Max32);
}

TEST(MemoryFigure, BytesShiftedPlusOne) {
  EXPECT_EQ(MemoryFigure(0, 10), 1);
  EXPECT_EQ(MemoryFigure(1023, 10), 1);
  EXPECT_EQ(MemoryFigure(1024, 10), 2);
  EXPECT_EQ(MemoryFigure(8 * GiB, 20), 8193);
  EXPECT_EQ(MemoryFigure(8 * GiB, 10), 8388609);
  EXPECT_EQ(MemoryFigure(uint64_t{1} << 41, 10), Max32) << "2 TiB in KiB does not fit";
}

TEST(ApplySysMetrics, FillsEntryZeroAndTheValuesOfThisStart) {
  for (bool automatic : {false, true}) {
    SCOPED_TRACE(automatic);
    TSettingsHistory record;
    record.AutoStarts = 0b110;  // shifted already
    record.FreeMems[1] = 77;
    SystemFigures f;
    f.TotalMemMiB = 4097;
    f.FreeMemKiB = 1048577;
    f.AutoStart = automatic;
    f.Drives = DriveSummary{"C, D", 2, 1000, 5000};
    f.Now = 45000.5;
    ApplySysMetrics(record, f);
    EXPECT_EQ(record.TotalMem, 4097);
    EXPECT_EQ(record.FreeMems[0], 1048577);
    EXPECT_EQ(record.FreeMems[1], 77);
    EXPECT_EQ(record.AutoStarts, automatic ? 0b111u : 0b110u);
    EXPECT_EQ(record.DriveList, "C, D");
    EXPECT_EQ(record.DriveCount, 2);
    EXPECT_EQ(record.FreeDisks[0], 1000);
    EXPECT_EQ(record.TotalDisk, 5000);
    EXPECT_EQ(record.DatesTimes[0], 45000.5);
  }
}

}  // namespace
