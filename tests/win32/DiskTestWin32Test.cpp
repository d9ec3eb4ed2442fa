#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dawnpanel/mainscreen/DiskTestWin32.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/system/ProgramFolders.h"

namespace {

constexpr int32_t Copied = 4321;  // what the history roll left in entry 0

// Records the error box instead of showing it; can refuse to reopen the file.
class TestSystem : public DiskTestSystem {
 public:
  HANDLE OpenForReading(const std::string& path) override {
    ReopenedPath = path;
    if (!RefuseReopen) return DiskTestSystem::OpenForReading(path);
    SetLastError(ERROR_SHARING_VIOLATION);
    return INVALID_HANDLE_VALUE;
  }
  void ShowError(const std::string& english, const std::string& russian) override {
    Errors.push_back(english + " / " + russian);
  }
  bool RefuseReopen = false;
  std::string ReopenedPath;
  std::vector<std::string> Errors;
};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class DiskTestRun : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    SavedTemp = TempFolder;
    SavedTsc = TscMHz;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Folder = std::string(temp) + "dp_disk_test\\";
    CreateDirectoryA(Folder.c_str(), nullptr);
    TempFolder = Folder;
    TscMHz = GetParam() ? MeasureTscRate() : 0;
    DiskTestSize = DiskBlockSize;
    SettingsHistory = TSettingsHistory{};
    SettingsHistory.DiskTests[0] = Copied;
    SettingsHistory.DiskTestsW[0] = Copied;
  }
  void TearDown() override {
    RemoveDirectoryA(Folder.c_str());
    TempFolder = SavedTemp;
    TscMHz = SavedTsc;
    DiskTestSize = DiskBlockSize;
    TestBuffer.Release();
  }

  std::string Folder, SavedTemp;
  int64_t SavedTsc = 0;
  TestSystem System;
};

TEST_P(DiskTestRun, WritesAndReadsBackInTenthsOfMegabytesASecondAndDeletesTheFile) {
  if (GetParam()) {
    ASSERT_GT(TscMHz, 0) << "this machine has a time-stamp counter";
  }
  DiskTest(System);
  EXPECT_TRUE(System.Errors.empty()) << System.Errors.front();
  EXPECT_EQ(DiskTestFile, Folder + "memoryal.tmp");
  EXPECT_EQ(System.ReopenedPath, Folder + "memoryal.tmp");
  EXPECT_FALSE(Exists(Folder + "memoryal.tmp"));

  const int32_t write = SettingsHistory.DiskTestsW[0], read = SettingsHistory.DiskTests[0];
  EXPECT_NE(write, Copied);
  EXPECT_NE(read, Copied);
  EXPECT_GE(write, 1);
  EXPECT_GE(read, 1);
  ASSERT_GE(DiskTestSize, 1) << "whole MiB read back";
  // The write phase lasts at least 400 ms and, on any disk we run on, well under 2 s. Blocks of
  // 1 MiB written at write / 10 MB/s in that time bound the blocks read back: a figure off by
  // a factor of ten (MiB, tenths) breaks one of the two bounds.
  const double megabytesPerSecond = write / 10.0, blockMegabytes = 1.048576;
  EXPECT_GE(DiskTestSize, (megabytesPerSecond - 0.05) * 0.4 / blockMegabytes - 1) << write;
  EXPECT_LE(DiskTestSize, (megabytesPerSecond + 0.05) * 2.0 / blockMegabytes + 1) << write;
  EXPECT_EQ(TestBuffer.Length(), static_cast<size_t>(DiskBlockSize / 4));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(TestBuffer.Data()) % 4096, 0u) << "unbuffered writes need aligned memory";
}

TEST_P(DiskTestRun, WithoutATemporaryFolderTheBoxAppearsAndTheCopiedFiguresStay) {
  TempFolder = Folder + "missing\\";
  DiskTest(System);
  EXPECT_EQ(System.Errors, std::vector<std::string>{"Can't test disk / Не удаётся тестировать диск"});
  EXPECT_EQ(System.ReopenedPath, "");
  EXPECT_EQ(SettingsHistory.DiskTestsW[0], Copied);
  EXPECT_EQ(SettingsHistory.DiskTests[0], Copied);
  EXPECT_EQ(DiskTestSize, 0);
}

TEST_P(DiskTestRun, AFileThatCannotBeReopenedKeepsTheWriteFigureAndIsDeleted) {
  System.RefuseReopen = true;
  DiskTest(System);
  EXPECT_EQ(System.Errors, std::vector<std::string>{"Can't test disk / Не удаётся тестировать диск"});
  EXPECT_NE(SettingsHistory.DiskTestsW[0], Copied);
  EXPECT_GE(SettingsHistory.DiskTestsW[0], 1);
  EXPECT_EQ(SettingsHistory.DiskTests[0], Copied);
  EXPECT_EQ(DiskTestSize, 0);
  EXPECT_FALSE(Exists(Folder + "memoryal.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Clocks, DiskTestRun, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "TimeStampCounter" : "TickCount";
                         });

}  // namespace
