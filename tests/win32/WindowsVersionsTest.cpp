#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/Environment.h"
#include "common/EnvironmentWin32.h"
#include "common/WindowsFactsWin32.h"

// Wine reports another Windows to the programs it starts when HKCU\Software\Wine "Version" says
// so (the console's "ver" too). This program starts itself under each version and reads what
// the child's start-up decided.

namespace {
const char* const WineKey = "Software\\Wine";

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Runs this test program with the probe below and returns its output.
std::string RunProbe() {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &sa, 0)) return {};
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string command = "\"";
  command += OwnPath();
  command += "\" --gtest_also_run_disabled_tests --gtest_filter=WindowsVersionProbe.DISABLED_Report";
  PROCESS_INFORMATION pi{};
  BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
  CloseHandle(write);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    WaitForSingleObject(pi.hProcess, 30000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(read);
  return output;
}

std::string Field(const std::string& output, const std::string& name) {
  auto at = output.find(name + "=");
  if (at == std::string::npos) return "?";
  at += name.size() + 1;
  return output.substr(at, output.find_first_of("\r\n", at) - at);  // text mode ends lines in CR LF
}

// Empty: Wine's own default, the real Windows 7 (its "win7" setting reports a server).
void SetReportedVersion(const char* version) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, WineKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (*version)
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), lstrlenA(version) + 1);
  else
    RegDeleteValueA(key, "Version");
  RegCloseKey(key);
}
}  // namespace

// The child's side: initialise the environment as every deliverable does and report.
TEST(WindowsVersionProbe, DISABLED_Report) {
  InitializeEnvironment();
  std::printf("\nDESCRIPTION=%s\nVISTA=%d\nWIN10=%d\nX64=%d\nACCESS=%lX\n", DescribeWindows().c_str(), VistaOrLater,
              Windows10OrLater, Is64BitWindows, static_cast<unsigned long>(SharedRegistry->Access()));
  std::fflush(stdout);
  FinalizeEnvironment();
}

TEST(WindowsVersions, EachReportedWindowsTakesItsBranch) {
  const struct {
    const char* Version;
    const char* Starts;
    const char* Vista;
    const char* Win10;
  } table[] = {
      {"winxp", "Microsoft Windows XP ", "0", "0"},
      {"", "Microsoft Windows 7 ", "1", "0"},
      {"win81", "Microsoft Windows 8.1 ", "1", "0"},
      {"win10", "Microsoft Windows 10 ", "1", "1"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(*row.Version ? row.Version : "default");
    SetReportedVersion(row.Version);
    const std::string output = RunProbe();
    const std::string description = Field(output, "DESCRIPTION");
    EXPECT_EQ(description.rfind(row.Starts, 0), 0u) << description;
    EXPECT_EQ(Field(output, "VISTA"), row.Vista);
    EXPECT_EQ(Field(output, "WIN10"), row.Win10);
    // The registry view follows the description: 64-bit Windows, 64-bit view.
    const bool x64 = description.find(" 64") != std::string::npos;
    EXPECT_EQ(Field(output, "X64"), x64 ? "1" : "0");
    EXPECT_EQ(Field(output, "ACCESS"), x64 ? "F013F" : "F003F");
  }
  SetReportedVersion("");
}
