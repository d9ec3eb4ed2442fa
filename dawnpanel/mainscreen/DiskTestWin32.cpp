#include <windows.h>

#include "dawnpanel/mainscreen/DiskTestWin32.h"

#include <cstring>

#include "common/EnvironmentWin32.h"
#include "common/ui/Handles.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/system/ProgramFolders.h"

std::string DiskTestFile;
int32_t DiskTestSize = DiskBlockSize;

HANDLE DiskTestSystem::CreateForWriting(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                     FILE_FLAG_WRITE_THROUGH | FILE_FLAG_NO_BUFFERING | FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE DiskTestSystem::OpenForReading(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void DiskTestSystem::ShowError(const std::string& english, const std::string& russian) {
  ::ShowError(english, russian);
}

namespace {
bool Opened(const KernelHandle& file) { return file && file.get() != INVALID_HANDLE_VALUE; }

// The measurement proper; false at the first failure. blocks is the number of whole blocks in
// the written file, 0 until the read phase has measured it. Every handle is closed on return.
bool Measure(DiskTestSystem& system, int32_t block, int64_t& blocks) {
  TSettingsHistory& s = SettingsHistory;
  KernelHandle file(system.CreateForWriting(DiskTestFile));
  if (!Opened(file)) return false;

  // Write phase; a write that fails only makes the file shorter, which the read phase sees.
  const char* data = reinterpret_cast<const char*>(TestBuffer.Data());
  DWORD written;
  uint64_t count = 0;
  if (TscMHz > 0) {
    const int64_t t0 = Tsc(), end = t0 + TscMHz * 400 * 1000;
    int64_t t;
    do {
      WriteFile(file.get(), data, static_cast<DWORD>(block), &written, nullptr);
      t = Tsc();
      ++count;
    } while (t < end);
    file.reset();
    s.DiskTestsW[0] = DiskTenthsByCounter(count * static_cast<uint64_t>(block), TscMHz, t - t0);
  } else {
    const DWORD t0 = NextTick();
    DWORD t;
    do {
      WriteFile(file.get(), data, static_cast<DWORD>(block), &written, nullptr);
      t = GetTickCount();
      ++count;
    } while (t - t0 < 400);
    file.reset();
    s.DiskTestsW[0] = DiskTenthsByTicks(count * static_cast<uint64_t>(block), t - t0);
  }

  file.reset(system.OpenForReading(DiskTestFile));
  if (!Opened(file)) return false;
  DWORD high = 0;
  const DWORD low = GetFileSize(file.get(), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
  const uint64_t size = static_cast<uint64_t>(high) << 32 | low;

  const int64_t tsc0 = Tsc();
  blocks = static_cast<int64_t>(size / static_cast<uint64_t>(block));
  const DWORD tick0 = TscMHz > 0 ? 0 : NextTick();
  if (SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return false;
  char* into = reinterpret_cast<char*>(TestBuffer.Data());
  for (int64_t i = 0; i < blocks; ++i) {
    DWORD read = 0;
    if (!ReadFile(file.get(), into, static_cast<DWORD>(block), &read, nullptr) || read != static_cast<DWORD>(block))
      return false;
  }
  const uint64_t bytes = static_cast<uint64_t>(blocks) * static_cast<uint64_t>(block);
  if (TscMHz > 0) {
    const int64_t t = Tsc();
    s.DiskTests[0] = DiskTenthsByCounter(bytes, TscMHz, t - tsc0);
  } else {
    DWORD t = GetTickCount();
    file.reset();
    // A read within one millisecond step counts as one millisecond.
    if (t == tick0) ++t;
    s.DiskTests[0] = DiskTenthsByTicks(bytes, t - tick0);
  }
  return true;
}
}  // namespace

void DiskTest() {
  DiskTestSystem system;
  DiskTest(system);
}

void DiskTest(DiskTestSystem& system) {
  DiskTestFile = TempFolder + "memoryal.tmp";
  const int32_t block = DiskTestSize;
  TestBuffer.SetLength(static_cast<size_t>(block) / 4);
  std::memset(TestBuffer.Data(), 0x55, static_cast<size_t>(block));
  int64_t blocks = 0;
  if (!Measure(system, block, blocks)) system.ShowError("Can't test disk", "Не удаётся тестировать диск");
  DeleteFileA(DiskTestFile.c_str());
  DiskTestSize = TestedMiB(block, blocks);
}
