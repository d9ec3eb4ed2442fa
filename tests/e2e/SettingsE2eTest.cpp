#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/e2e/Driver.h"

namespace {
using StoredSettings = MainProgramTest;

std::string Setting(const char* name, DWORD expectedType) {
  DWORD type = 0;
  std::string data;
  EXPECT_TRUE(GetSettingRaw(name, type, data)) << name << " missing";
  EXPECT_EQ(type, expectedType) << name;
  return data;
}
}  // namespace

TEST_F(StoredSettings, BadValuesFallBackAloneAndTheRestSurvivesAnAutomaticStart) {
  SetSettingRaw("ShowLength", REG_SZ, "9", 2);          // wrong type: falls back to 6
  SetSettingRaw("AutoStart", REG_BINARY, "\1\0\0\0", 4);  // wrong type: falls back to off
  const DWORD oddDate = 7;
  SetSettingRaw("StartDate", REG_DWORD, &oddDate, 4);   // not a date: the statistics start now
  std::string tooLong(264, '\x01');
  SetSettingRaw("DatesTimes", REG_BINARY, tooLong.data(), static_cast<DWORD>(tooLong.size()));
  SetSettingDword("ASCount", 5);                        // read after the bad ones: still loads
  SetSettingDword("DiskTest0", 0);
  SetSettingDword("FixedFont", 0);
  SetSettingRaw("FontName", REG_SZ, "Georgia", 8);

  Process p;
  ASSERT_TRUE(p.Start(MainExe(), "rstart"));
  ASSERT_TRUE(p.WaitExit(30000));
  ASSERT_EQ(p.ExitCode(), 0u);

  EXPECT_EQ(GetSettingDword("ShowLength", 0), 6u);
  EXPECT_EQ(GetSettingDword("AutoStart", 9), 0u);
  EXPECT_EQ(GetSettingDword("ASCount", 0), 6u) << "loaded, then counted for this automatic start";
  EXPECT_EQ(GetSettingDword("DiskTest0", 9), 0u);
  EXPECT_EQ(GetSettingDword("DiskTest", 9), 1u);
  EXPECT_EQ(GetSettingDword("ShowDateTime", 9), 1u);
  std::string date = Setting("StartDate", REG_BINARY);
  ASSERT_EQ(date.size(), 8u);
  double startDate;
  std::memcpy(&startDate, date.data(), 8);
  EXPECT_GT(startDate, 45000.0) << "a day of this century";
  EXPECT_EQ(Setting("DatesTimes", REG_BINARY).size(), 256u);
  EXPECT_EQ(Setting("Heart", REG_BINARY).size(), 4u * 34u) << "1071 proverbs need 34 words";
  EXPECT_EQ(Setting("FontName", REG_SZ), std::string("Georgia", 8)) << "kept: the fixed-typeface box was not ticked";
}

// An error during start-up is reported through the program's own box, in the user's language,
// and ends the process with a non-zero code instead of a crash. (CTest runs this under a Russian
// and an English locale.)
TEST(StartupFailure, IsShownAndEndsWithAnErrorCode) {
  const bool russian = GetUserDefaultLCID() == 0x0419;
  const char* shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, shellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  char saved[MAX_PATH] = {};
  DWORD savedSize = sizeof saved, savedType = 0;
  bool hadValue = RegQueryValueExA(key, "Startup", nullptr, &savedType, reinterpret_cast<BYTE*>(saved), &savedSize) ==
                  ERROR_SUCCESS;
  const DWORD number = 1;
  RegSetValueExA(key, "Startup", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);

  Process p;
  ASSERT_TRUE(p.Start(MainExe()));
  HWND box = nullptr;
  const char* caption = russian ? "Даунпанель" : "Dawnpanel";
  WaitFor([&] { return (box = FindWindowA("#32770", caption)) != nullptr; }, 20000);
  if (hadValue) RegSetValueExA(key, "Startup", 0, savedType, reinterpret_cast<const BYTE*>(saved), savedSize);
  else RegDeleteValueA(key, "Startup");
  RegCloseKey(key);

  ASSERT_NE(box, nullptr) << "no error box";
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_NE(std::string(text).find(russian ? "Программа остановлена" : "The program has stopped"), std::string::npos)
      << text;
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_NE(p.ExitCode(), 0u);
  EXPECT_EQ(FindProcessWindow(p.Id(), "TDPMainForm"), nullptr);
}
