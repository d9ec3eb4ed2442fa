#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/e2e/Driver.h"

namespace {
using MainProgram = MainProgramTest;

TEST_F(MainProgram, ManualStartShowsThePanelCentredAndStaysUntilEscape) {
  Process p;
  HWND panel = StartAndFind(p, "");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000));

  RECT client, window;
  GetClientRect(panel, &client);
  GetWindowRect(panel, &window);
  EXPECT_EQ(client.right, 659);
  EXPECT_EQ(client.bottom, 198);
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(window.left, (sw - 659) / 2);
  EXPECT_EQ(window.top, sh / 2 - sh / 8);
  const LONG style = GetWindowLongA(panel, GWL_STYLE), exStyle = GetWindowLongA(panel, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0) << "borderless";
  EXPECT_NE(exStyle & WS_EX_TOPMOST, 0) << "stay-on-top";

  // Longer than any countdown could last: a manual start never closes by itself.
  EXPECT_FALSE(p.WaitExit(4000));
  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(p.ExitCode(), 0u);
}

TEST_F(MainProgram, AutomaticStartStaysMinimizedAndEndsAfterShowLengthTicks) {
  SetSettingDword("ShowLength", 5);
  SetSettingDword("ASCount", 10);
  SetSettingDword("AutoStarts", 0x80000001u);
  Process p;
  const DWORD started = GetTickCount();
  HWND panel = StartAndFind(p, "RStart");
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(IsWindowVisible(panel)) << "the panel stays minimized";
  ASSERT_TRUE(p.WaitExit(20000)) << "the countdown closes the program";
  const DWORD elapsed = GetTickCount() - started;
  // Five ticks: 64 ms, then four of at least 640 ms each.
  EXPECT_GE(elapsed, 64u + 4 * 640u);
  EXPECT_EQ(p.ExitCode(), 0u);
  EXPECT_EQ(GetSettingDword("ASCount", 0), 11u) << "an automatic start is counted";
  EXPECT_EQ(GetSettingDword("AutoStarts", 0), 0x00000002u | 1u) << "shifted, bit 31 lost, bit 0 set for this start";
}

TEST_F(MainProgram, SecondManualCopyRestoresTheMinimizedFirstAndExits) {
  SetSettingDword("ShowLength", 15);
  Process first;
  HWND panel = StartAndFind(first, "gstart");
  ASSERT_NE(panel, nullptr);
  ASSERT_FALSE(IsWindowVisible(panel));

  Process second;
  ASSERT_TRUE(second.Start(MainExe()));
  ASSERT_TRUE(second.WaitExit(10000)) << "the second copy gives way";
  EXPECT_EQ(FindProcessWindow(second.Id(), "TDPMainForm"), nullptr);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000)) << "the first one is restored";
  EXPECT_TRUE(first.Running());
  // Restored by hand it stays... but the countdown was not stopped by the restore itself; close it.
  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(first.WaitExit(10000));
}

TEST_F(MainProgram, SecondCopyLeavesAVisibleFirstAsItIs) {
  Process first;
  HWND panel = StartAndFind(first, "");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000));
  Process second;
  ASSERT_TRUE(second.Start(MainExe()));
  ASSERT_TRUE(second.WaitExit(10000));
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(IsWindowVisible(panel));
  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(first.WaitExit(10000));
}

TEST_F(MainProgram, ChangedExecutableRefusesToStart) {
  std::ifstream in(MainExe(), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 4096u);
  // One byte in the middle of the code, where no seal check could skip it.
  bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x01);
  const std::string changed = BinDir() + "DawnpanelChanged.exe";
  std::ofstream(changed, std::ios::binary) << bytes;

  Process p;
  ASSERT_TRUE(p.Start(changed));
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(FindProcessWindow(p.Id(), "TDPMainForm"), nullptr);
  DWORD type;
  std::string data;
  EXPECT_FALSE(GetSettingRaw("DatesTimes", type, data)) << "it ended before loading or storing anything";
  DeleteFileA(changed.c_str());
}
}  // namespace

namespace {
// The text of the process's tooltip once it shows, or "" when none appears in time.
std::string VisibleTooltipText(DWORD processId) {
  std::string text;
  WaitFor(
      [&] {
        HWND tip = FindProcessWindow(processId, "tooltips_class32");
        for (; tip; tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(tip, &pid);
          if (pid != processId || !IsWindowVisible(tip)) continue;
          char buffer[4096] = {};
          SendMessageA(tip, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
          text = buffer;
          return !text.empty();
        }
        return false;
      },
      8000);
  return text;
}
}  // namespace

TEST_F(MainProgram, ProcessorLineShowsTheProcessorDescriptionAsATooltip) {
  Process p;
  HWND panel = StartAndFind(p, "");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000));
  RECT window;
  GetWindowRect(panel, &window);
  // Rest the mouse on the processor line, moving a little so the panel sees it arrive.
  SetCursorPos(window.left + 200, window.top + 96);
  Sleep(100);
  SetCursorPos(window.left + 201, window.top + 97);
  const std::string tip = VisibleTooltipText(p.Id());
  EXPECT_NE(tip.find("Level"), std::string::npos) << "the cache lines of the description: " << tip;
  EXPECT_NE(tip.find("Family"), std::string::npos) << tip;
  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(p.WaitExit(10000));
}

TEST_F(MainProgram, AButtonPressedDuringAnAutomaticStartStopsTheCountdownForGood) {
  SetSettingDword("ShowLength", 5);
  Process p;
  HWND panel = StartAndFind(p, "rstart");
  ASSERT_NE(panel, nullptr);
  // The settings button, as the mouse would press it.
  HWND tools = GetDlgItem(panel, 102);
  ASSERT_NE(tools, nullptr);
  SendMessageA(panel, WM_COMMAND, MAKEWPARAM(102, BN_CLICKED), reinterpret_cast<LPARAM>(tools));
  EXPECT_FALSE(p.WaitExit(64 + 8 * 640 + 3000)) << "five ticks have long passed; it must still run";
  PostMessageA(panel, WM_CLOSE, 0, 0);
  EXPECT_TRUE(p.WaitExit(10000));
}

TEST_F(MainProgram, MinimizingTheApplicationHidesThePanelAndRestoringShowsIt) {
  Process p;
  HWND panel = StartAndFind(p, "");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000));
  HWND application = GetWindow(panel, GW_OWNER);
  ASSERT_NE(application, nullptr) << "the panel belongs to the application window";
  // What the taskbar button does.
  SendMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }, 5000));
  EXPECT_TRUE(IsIconic(application));
  EXPECT_TRUE(p.Running());
  SendMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000));
  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(p.WaitExit(10000));
}
