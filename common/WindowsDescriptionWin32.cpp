#include <windows.h>

#include <cstring>
#include <random>
#include <vector>

#include "common/WindowsFactsWin32.h"

namespace {

// Newer than Windows XP, or absent on Windows 9x and NT 4: looked up at run time so that the
// programs still load there.
using GetNativeSystemInfoFn = void(WINAPI*)(SYSTEM_INFO*);
using GetProductInfoFn = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*);
using CreateJobObjectAFn = HANDLE(WINAPI*)(SECURITY_ATTRIBUTES*, const char*);
using AssignProcessToJobObjectFn = BOOL(WINAPI*)(HANDLE, HANDLE);
using TerminateJobObjectFn = BOOL(WINAPI*)(HANDLE, UINT);

template <typename Fn>
Fn Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  FARPROC address = kernel32 ? GetProcAddress(kernel32, name) : nullptr;
  Fn function;
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
  return function;
}

constexpr int MetricTabletPc = 86;
constexpr int MetricMediaCenter = 87;
constexpr int MetricStarter = 88;
constexpr int MetricServerR2 = 89;

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle = nullptr) : Handle(handle) {}
  ~OwnedHandle() {
    if (Handle && Handle != INVALID_HANDLE_VALUE) CloseHandle(Handle);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  HANDLE Get() const { return Handle; }
  explicit operator bool() const { return Handle && Handle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE Handle;
};

class OwnedKey {
 public:
  OwnedKey(HKEY root, const char* path) { Opened = RegOpenKeyExA(root, path, 0, KEY_READ, &Key) == ERROR_SUCCESS; }
  ~OwnedKey() {
    if (Opened) RegCloseKey(Key);
  }
  OwnedKey(const OwnedKey&) = delete;
  OwnedKey& operator=(const OwnedKey&) = delete;
  bool IsOpen() const { return Opened; }
  HKEY Get() const { return Key; }

 private:
  HKEY Key = nullptr;
  bool Opened = false;
};

std::string EnvironmentVariable(const char* name) {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetEnvironmentVariableA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return "";
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

std::string TempFolder() {
  std::string folder = EnvironmentVariable("Temp");
  if (folder.empty()) {
    // Without %Temp% the output would land in the current folder, often one we may not write.
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length > 0 && length < sizeof path) folder.assign(path, length);
  }
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string RandomFileName(const std::string& folder) {
  // Seeded per process from several clocks, so two of our programs starting together draw different names.
  LARGE_INTEGER counter = {};
  QueryPerformanceCounter(&counter);
  static std::mt19937 generator(static_cast<unsigned>(counter.LowPart) ^ (GetCurrentProcessId() << 16) ^
                                GetTickCount());
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string file;
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string name;
    for (int i = 0; i < 8; ++i) name += static_cast<char>(letter(generator));
    file = folder + name;
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) break;
  }
  return file;
}

std::string ReadWholeFile(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string content;
  if (!file) return content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  return content;
}

void DeleteOutputFile(const std::string& path) {
  // A killed process may hold the file for a moment longer.
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (DeleteFileA(path.c_str())) return;
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return;
    Sleep(50);
  }
}

// Starts the command line hidden and waits for it at most timeoutMs; on time-out the command and
// everything it started are ended, so none of them keeps the output file open.
void RunHidden(std::string line, unsigned long timeoutMs) {
  const auto createJob = Kernel32Function<CreateJobObjectAFn>("CreateJobObjectA");
  const auto assignToJob = Kernel32Function<AssignProcessToJobObjectFn>("AssignProcessToJobObject");
  const auto terminateJob = Kernel32Function<TerminateJobObjectFn>("TerminateJobObject");
  const bool jobsAvailable = createJob && assignToJob && terminateJob;

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  const DWORD flags = CREATE_NO_WINDOW | CREATE_NEW_PROCESS_GROUP | (jobsAvailable ? CREATE_SUSPENDED : 0);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &process))
    return;
  OwnedHandle processHandle(process.hProcess);
  OwnedHandle threadHandle(process.hThread);

  OwnedHandle job(jobsAvailable ? createJob(nullptr, nullptr) : nullptr);
  // Fails when we already run in a job that allows no nesting; then only the command itself can be ended.
  const bool inJob = job && assignToJob(job.Get(), processHandle.Get());
  if (jobsAvailable) ResumeThread(threadHandle.Get());

  if (WaitForSingleObject(processHandle.Get(), timeoutMs) == WAIT_TIMEOUT) {
    if (inJob)
      terminateJob(job.Get(), 1);
    else
      TerminateProcess(processHandle.Get(), 1);
    WaitForSingleObject(processHandle.Get(), 2000);
  }
}

}  // namespace

std::string OemToAnsiText(const std::string& text) {
  if (text.empty()) return text;
  std::string result(text.size(), '\0');
  OemToCharBuffA(text.data(), result.data(), static_cast<DWORD>(text.size()));
  return result;
}

std::string RunConsoleCommand(const std::string& command, unsigned long timeoutMs) {
  const std::string interpreter = EnvironmentVariable("ComSpec");
  if (interpreter.empty()) return "";
  const std::string file = RandomFileName(TempFolder());
  RunHidden(interpreter + " /c " + command + " > \"" + file + "\"", timeoutMs);
  const std::string output = ReadWholeFile(file);
  DeleteOutputFile(file);
  return OemToAnsiText(ConsoleTextLines(output));
}

WindowsFacts GatherWindowsFacts() {
  WindowsFacts facts;

  OSVERSIONINFOEXA version = {};
  static_assert(sizeof(OSVERSIONINFOEXA) == 156 && sizeof(OSVERSIONINFOA) == 148);
  version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) {
    facts.VersionRead = true;
    facts.Extended = true;
  } else {
    // Windows 95 and NT 4 before SP6 know only the basic structure.
    version = {};
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    facts.VersionRead = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)) != FALSE;
  }
  if (facts.VersionRead) {
    facts.Major = version.dwMajorVersion;
    facts.Minor = version.dwMinorVersion;
    facts.Build = version.dwBuildNumber;
    facts.PlatformId = version.dwPlatformId;
    facts.ServicePack.assign(version.szCSDVersion, strnlen(version.szCSDVersion, sizeof version.szCSDVersion));
    if (facts.Extended) {
      facts.SuiteMask = version.wSuiteMask;
      facts.ProductType = version.wProductType;
    }
  }

  SYSTEM_INFO system = {};
  if (const auto getNative = Kernel32Function<GetNativeSystemInfoFn>("GetNativeSystemInfo"))
    getNative(&system);  // a 32-bit process on 64-bit Windows learns the real architecture only here
  else
    GetSystemInfo(&system);
  facts.Architecture = system.wProcessorArchitecture;

  if (const auto getProductInfo = Kernel32Function<GetProductInfoFn>("GetProductInfo")) {
    facts.ProductInfoExported = true;
    DWORD code = 0;
    facts.ProductInfoSucceeded = getProductInfo(6, 0, 0, 0, &code) != FALSE;
    facts.ProductCode = code;
  }

  facts.ServerR2 = GetSystemMetrics(MetricServerR2);
  facts.Starter = GetSystemMetrics(MetricStarter);
  facts.MediaCenter = GetSystemMetrics(MetricMediaCenter);
  facts.TabletPc = GetSystemMetrics(MetricTabletPc);

  {
    OwnedKey options(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions");
    facts.ProductOptionsOpened = options.IsOpen();
    if (options.IsOpen()) {
      char value[257] = {};
      DWORD size = 256;
      DWORD type = 0;
      if (RegQueryValueExA(options.Get(), "ProductType", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
              ERROR_SUCCESS &&
          (type == REG_SZ || type == REG_EXPAND_SZ)) {
        facts.ProductTypeIsString = true;
        facts.ProductTypeValue.assign(value, strnlen(value, size));
      }
    }
  }
  facts.Q246009Exists =
      OwnedKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009").IsOpen();

  facts.VerOutput = [] { return RunConsoleCommand("ver"); };
  return facts;
}

std::string DescribeWindows() {
  const WindowsDescription description = DescribeWindows(GatherWindowsFacts());
  ApplyWindowsFlags(description);
  return description.Text;
}
