#include <windows.h>

#include <gtest/gtest.h>

#include "common/DateTime.h"
#include "common/Environment.h"
#include "dawnpanel/mainscreen/MemoryStatusWin32.h"
#include "dawnpanel/mainscreen/PanelsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"

namespace {

TEST(MemoryStatus, TheExtendedCallIsFoundAndAnswers) {
  EXPECT_TRUE(ExtendedMemoryStatus());
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  EXPECT_EQ(TotalMemoryMB(), static_cast<int32_t>((status.ullTotalPhys >> 20) + 1));
  const int32_t kib = FreeMemory(true), mib = FreeMemory(false);
  EXPECT_GT(kib, 1);
  EXPECT_LE(kib, TotalMemoryMB() * 1024);
  EXPECT_NEAR(mib, kib / 1024.0, 64) << "the same memory in MiB, give or take what changed meanwhile";
}

TEST(SysMetrics, FillsTheFiguresOfThisStart) {
  const bool savedAuto = AutoStartLaunch;
  for (bool automatic : {false, true}) {
    SettingsHistory = TSettingsHistory{};
    SettingsHistory.AutoStarts = 0b10;
    AutoStartLaunch = automatic;
    const double before = Now();
    SysMetrics();
    const TSettingsHistory& s = SettingsHistory;
    EXPECT_EQ(s.TotalMem, TotalMemoryMB());
    EXPECT_GT(s.FreeMems[0], 1);
    EXPECT_EQ(s.AutoStarts, automatic ? 0b11u : 0b10u);
    EXPECT_EQ(s.DriveList.rfind("C", 0), 0u) << s.DriveList;  // the system drive is fixed
    EXPECT_GE(s.DriveCount, 1);
    EXPECT_EQ(static_cast<int32_t>(s.DriveList.size()), s.DriveCount * 3 - 2) << s.DriveList;
    EXPECT_GE(s.FreeDisks[0], s.DriveCount);
    EXPECT_LE(s.FreeDisks[0], s.TotalDisk);
    EXPECT_GE(s.DatesTimes[0], before);
    EXPECT_LT(s.DatesTimes[0] - before, 1.0 / 24 / 60) << "within a minute";
  }
  AutoStartLaunch = savedAuto;
}

}  // namespace
