#pragma once
// What the end-to-end tests do as a user would: start the real programs, find their windows,
// press keys and buttons, and read what they left in the registry.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>

std::string BinDir();  // folder of the driver, where the built programs lie

class Process {
 public:
  Process() = default;
  // Starts exe (a path) with the given parameters.
  bool Start(const std::string& exe, const std::string& parameters = "");
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  // True when it ended within the time; ExitCode then holds its code.
  bool WaitExit(DWORD ms);
  bool Running() const;
  DWORD ExitCode() const;
  DWORD Id() const { return Info.dwProcessId; }
  void Kill();

 private:
  PROCESS_INFORMATION Info{};
};

// Polls until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, DWORD ms);
// A top-level window of the class that belongs to the process, or nullptr.
HWND FindProcessWindow(DWORD processId, const char* className);

// Settings key of the main program, HKCU\Software\Zedna\Dawnpanel.
void DeleteSettingsKey();
void SetSettingDword(const char* name, DWORD value);
void SetSettingRaw(const char* name, DWORD type, const void* data, DWORD size);
bool GetSettingRaw(const char* name, DWORD& type, std::string& data);
DWORD GetSettingDword(const char* name, DWORD fallback);

// The built main program next to the driver.
std::string MainExe();

// Each test starts from an empty settings key and leaves none behind.
class MainProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteSettingsKey(); }
  void TearDown() override { DeleteSettingsKey(); }
  // Starts the main program and waits for its main window (nullptr when none came).
  HWND StartAndFind(Process& p, const std::string& parameters);
};
