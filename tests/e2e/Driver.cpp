#include <windows.h>

#include "tests/e2e/Driver.h"

namespace {
const char* const SettingsKey = "Software\\Zedna\\Dawnpanel";

struct WindowSearch {
  DWORD Pid;
  const char* Class;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[128] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == s->Pid && lstrcmpA(cls, s->Class) == 0) {
    s->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::string BinDir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.substr(0, dir.rfind('\\') + 1);
}

bool Process::Start(const std::string& exe, const std::string& parameters) {
  std::string commandLine = "\"" + exe + "\"" + (parameters.empty() ? "" : " " + parameters);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &Info) !=
         FALSE;
}

Process::~Process() {
  if (!Info.hProcess) return;
  if (Running()) Kill();
  CloseHandle(Info.hThread);
  CloseHandle(Info.hProcess);
}

bool Process::WaitExit(DWORD ms) { return Info.hProcess && WaitForSingleObject(Info.hProcess, ms) == WAIT_OBJECT_0; }

bool Process::Running() const { return Info.hProcess && WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (Info.hProcess) GetExitCodeProcess(Info.hProcess, &code);
  return code;
}

void Process::Kill() {
  TerminateProcess(Info.hProcess, 99);
  WaitForSingleObject(Info.hProcess, 5000);
}

bool WaitFor(const std::function<bool()>& condition, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
}

HWND FindProcessWindow(DWORD processId, const char* className) {
  WindowSearch search{processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

void DeleteSettingsKey() {
  // The key has no subkeys; remove its values and the key itself.
  RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
}

void SetSettingRaw(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void SetSettingDword(const char* name, DWORD value) { SetSettingRaw(name, REG_DWORD, &value, sizeof value); }

bool GetSettingRaw(const char* name, DWORD& type, std::string& data) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  bool ok = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (ok) {
    data.assign(size, '\0');
    ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return ok;
}

DWORD GetSettingDword(const char* name, DWORD fallback) {
  DWORD type = 0;
  std::string data;
  if (!GetSettingRaw(name, type, data) || type != REG_DWORD || data.size() != 4) return fallback;
  return *reinterpret_cast<const DWORD*>(data.data());
}

std::string MainExe() { return BinDir() + "Dawnpanel.exe"; }

HWND MainProgramTest::StartAndFind(Process& p, const std::string& parameters) {
  EXPECT_TRUE(p.Start(MainExe(), parameters));
  HWND found = nullptr;
  WaitFor([&] { return (found = FindProcessWindow(p.Id(), "TDPMainForm")) != nullptr; }, 20000);
  return found;
}
