#include <windows.h>

#include "dawnpanel/mainscreen/MemoryStatusWin32.h"

#include "dawnpanel/mainscreen/SysMetrics.h"

namespace {
using GlobalMemoryStatusExProc = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// Bound once when the program starts; the library is held while the address is in use.
class MemoryStatusLayer {
 public:
  MemoryStatusLayer() {
    Kernel = LoadLibraryA("kernel32.dll");
    if (Kernel)
      StatusEx = reinterpret_cast<GlobalMemoryStatusExProc>(
          reinterpret_cast<void*>(GetProcAddress(Kernel, "GlobalMemoryStatusEx")));
    if (!StatusEx && Kernel) {
      FreeLibrary(Kernel);
      Kernel = nullptr;
    }
    Query();
  }
  ~MemoryStatusLayer() {
    if (Kernel) FreeLibrary(Kernel);
  }
  MemoryStatusLayer(const MemoryStatusLayer&) = delete;
  MemoryStatusLayer& operator=(const MemoryStatusLayer&) = delete;

  const MEMORYSTATUSEX& Query() {
    Status.dwLength = sizeof Status;
    if (StatusEx && StatusEx(&Status)) return Status;
    MEMORYSTATUS old{};
    old.dwLength = sizeof old;
    GlobalMemoryStatus(&old);
    Status.dwMemoryLoad = old.dwMemoryLoad;
    Status.ullTotalPhys = old.dwTotalPhys;
    Status.ullAvailPhys = old.dwAvailPhys;
    Status.ullTotalPageFile = old.dwTotalPageFile;
    Status.ullAvailPageFile = old.dwAvailPageFile;
    Status.ullTotalVirtual = old.dwTotalVirtual;
    Status.ullAvailVirtual = old.dwAvailVirtual;
    Status.ullAvailExtendedVirtual = 0;
    return Status;
  }
  bool Extended() const { return StatusEx != nullptr; }

 private:
  HMODULE Kernel = nullptr;
  GlobalMemoryStatusExProc StatusEx = nullptr;
  MEMORYSTATUSEX Status{};
};

MemoryStatusLayer& Layer() {
  static MemoryStatusLayer layer;
  return layer;
}
// Bind at start-up, as the unit's initialization would, not at the first question.
const bool Bound = (Layer(), true);
}  // namespace

int32_t TotalMemoryMB() { return MemoryFigure(Layer().Query().ullTotalPhys, 20); }

int32_t FreeMemory(bool inKiB) { return MemoryFigure(Layer().Query().ullAvailPhys, inKiB ? 10 : 20); }

bool ExtendedMemoryStatus() { return Bound && Layer().Extended(); }
