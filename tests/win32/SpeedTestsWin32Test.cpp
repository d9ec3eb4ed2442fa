#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/Environment.h"
#include "dawnpanel/mainscreen/DiskTestWin32.h"
#include "dawnpanel/mainscreen/MainUnit.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/system/ProgramFolders.h"

namespace {

// Figures of this machine: plausible and in their units, whatever its speed.
struct Figures {
  float Cpu;
  int32_t Read, Write;
};

Figures Measure(int64_t tscMHz) {
  TscMHz = tscMHz;
  MemoryTest();
  ProcessorTest();
  return {SettingsHistory.CPUTests[0], SettingsHistory.MemTests[0], SettingsHistory.MemTestsW[0]};
}

void ExpectSameUnit(double a, double b, const char* what) {
  ASSERT_GT(a, 0) << what;
  ASSERT_GT(b, 0) << what;
  // The same work timed by two clocks; a unit error would be a factor of ten or more.
  EXPECT_LT(std::fabs(std::log(a / b)), std::log(4.0)) << what << ": " << a << " and " << b;
}

class SpeedTests : public ::testing::Test {
 protected:
  void SetUp() override {
    SavedTsc = TscMHz;
    SavedTemp = TempFolder;
    SavedAuto = AutoStartLaunch;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    TempFolder = temp;
    SettingsHistory = TSettingsHistory{};
    TestBuffer.SetLength(MemoryTestWords);
  }
  void TearDown() override {
    TscMHz = SavedTsc;
    TempFolder = SavedTemp;
    AutoStartLaunch = SavedAuto;
    DiskTestSize = DiskBlockSize;
    TestBuffer.Release();
  }
  int64_t SavedTsc = 0;
  std::string SavedTemp;
  bool SavedAuto = false;
};

TEST_F(SpeedTests, TheCounterRateIsItsTicksAMicrosecond) {
  const int32_t first = MeasureTscRate(), second = MeasureTscRate();
  EXPECT_GE(first, 100) << "a processor of this century counts at least 100 MHz";
  EXPECT_LE(first, 20000);
  EXPECT_NEAR(second, first, first / 5.0);
}

TEST_F(SpeedTests, BothClocksGiveTheSameUnits) {
  const Figures counter = Measure(MeasureTscRate());
  ASSERT_GT(TscMHz, 0);
  const Figures ticks = Measure(0);
  for (const Figures& f : {counter, ticks}) {
    EXPECT_EQ(f.Cpu, std::trunc(f.Cpu)) << "tenths are whole";
    EXPECT_GE(f.Cpu, 10) << "at least 1 Mflops";
    EXPECT_LE(f.Cpu, 1e6) << "one dependent chain stays far below 100 Gflops";
    EXPECT_GE(f.Read, 1000) << "at least 100 MiB/s from a buffer this small";
    EXPECT_LE(f.Read, 10000000);
    EXPECT_GE(f.Write, 1000);
    EXPECT_LE(f.Write, 10000000);
  }
  ExpectSameUnit(counter.Cpu, ticks.Cpu, "processor");
  ExpectSameUnit(counter.Read, ticks.Read, "memory read");
  ExpectSameUnit(counter.Write, ticks.Write, "memory write");
}

TEST_F(SpeedTests, LiveTestsRenewOnlyTheLiveFieldsOfEntryZero) {
  TscMHz = MeasureTscRate();
  TSettingsHistory& s = SettingsHistory;
  s.DatesTimes[0] = 45000.25;
  s.SysTimes[0] = 11;
  s.FreeMems[0] = 12;
  s.FreeDisks[0] = 13;
  s.CPUTests[0] = 14;
  s.MemTests[0] = 15;
  s.MemTestsW[0] = 16;
  s.DiskTests[0] = 17;
  s.DiskTestsW[0] = 18;
  LiveTests();
  EXPECT_GT(s.FreeMems[0], 1024) << "more than a MiB free, in KiB";
  EXPECT_GE(s.CPUTests[0], 10);
  EXPECT_GE(s.MemTests[0], 1000);
  EXPECT_GE(s.MemTestsW[0], 1000);
  EXPECT_EQ(s.DatesTimes[0], 45000.25);
  EXPECT_EQ(s.SysTimes[0], 11);
  EXPECT_EQ(s.FreeDisks[0], 13);
  EXPECT_EQ(s.DiskTests[0], 17);
  EXPECT_EQ(s.DiskTestsW[0], 18);
}

TEST_F(SpeedTests, StartUpRunsTheDiskTestOnlyWhenThisKindOfStartAsksForIt) {
  struct Row {
    bool Automatic, DiskTest, DiskTest0, Runs;
  };
  for (const Row& r : {Row{false, true, false, false}, Row{true, false, true, false}, Row{false, false, true, true},
                       Row{true, true, false, true}}) {
    SCOPED_TRACE(std::string(r.Automatic ? "automatic" : "manual") + (r.Runs ? ", disk test" : ""));
    SettingsHistory = TSettingsHistory{};
    SettingsHistory.DiskTests[0] = 99;
    SettingsHistory.DiskTest = r.DiskTest;
    SettingsHistory.DiskTest0 = r.DiskTest0;
    AutoStartLaunch = r.Automatic;
    DiskTestSize = DiskBlockSize;
    StartTicks = 123456;
    TscMHz = MeasureTscRate();
    ::Test();
    EXPECT_EQ(SettingsHistory.SysTimes[0], 123456);
    if (r.Runs) {
      EXPECT_NE(SettingsHistory.DiskTests[0], 99);
      EXPECT_GT(SettingsHistory.DiskTests[0], 0);
      EXPECT_GT(SettingsHistory.DiskTestsW[0], 0);
    } else {
      EXPECT_EQ(SettingsHistory.DiskTests[0], 0);
      EXPECT_EQ(DiskTestSize, DiskBlockSize);
    }
    EXPECT_EQ(TestBuffer.Length(), MemoryTestWords);
    EXPECT_GT(SettingsHistory.CPUTests[0], 0);
    EXPECT_GT(SettingsHistory.MemTests[0], 0);
  }
}

}  // namespace
