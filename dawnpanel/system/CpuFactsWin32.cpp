#include "dawnpanel/system/CpuFactsWin32.h"

#include "common/NumberFormatWin32.h"

#include <windows.h>
#include <x86intrin.h>

#include <cstring>

#include "dawnpanel/system/CpuIdentification.h"

namespace {

// Not in every Windows 9x kernel32: looked up at run time so that the program still loads there.
using GetProcessAffinityMaskFn = BOOL(WINAPI*)(HANDLE, DWORD_PTR*, DWORD_PTR*);
using SetThreadAffinityMaskFn = DWORD_PTR(WINAPI*)(HANDLE, DWORD_PTR);

template <typename Fn>
Fn Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  FARPROC address = kernel32 ? GetProcAddress(kernel32, name) : nullptr;
  Fn function;
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
  return function;
}

// Identification and clock concern the first processor; keeps the thread on it while they run.
class FirstProcessorOnly {
 public:
  FirstProcessorOnly() {
    const auto getMask = Kernel32Function<GetProcessAffinityMaskFn>("GetProcessAffinityMask");
    SetMask = Kernel32Function<SetThreadAffinityMaskFn>("SetThreadAffinityMask");
    DWORD_PTR process = 0, system = 0;
    if (!getMask || !SetMask || !getMask(GetCurrentProcess(), &process, &system) || process == 0) return;
    Previous = SetMask(GetCurrentThread(), process & (~process + 1));
  }
  ~FirstProcessorOnly() {
    if (Previous) SetMask(GetCurrentThread(), Previous);
  }
  FirstProcessorOnly(const FirstProcessorOnly&) = delete;
  FirstProcessorOnly& operator=(const FirstProcessorOnly&) = delete;

 private:
  SetThreadAffinityMaskFn SetMask = nullptr;
  DWORD_PTR Previous = 0;
};

// Time-stamp counter against the performance counter for about 50 ms, spinning so that a
// processor that slows down when idle runs at its working clock.
unsigned MeasureMHz(const CpuFacts& facts) {
  LARGE_INTEGER frequency = {};
  if (!facts.HasFeature(FeatureTsc) || !QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return 0;
  LARGE_INTEGER start = {}, now = {};
  QueryPerformanceCounter(&start);
  const unsigned long long firstTick = __rdtsc();
  do {
    QueryPerformanceCounter(&now);
  } while (now.QuadPart - start.QuadPart < frequency.QuadPart / 20);
  const unsigned long long lastTick = __rdtsc();
  const double seconds = static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  return NormaliseMHz(static_cast<double>(lastTick - firstTick) / seconds / 1e6);
}


}  // namespace

CpuFacts GatherCpuFacts() {
  CpuFacts facts;
  {
    FirstProcessorOnly pinned;
    facts = IdentifyProcessor();
    facts.FrequencyMHz = MeasureMHz(facts);
  }
  SYSTEM_INFO system = {};
  GetSystemInfo(&system);
  facts.ProcessorCount = system.dwNumberOfProcessors;
  facts.Separators = UserFormatSettings();
  return facts;
}

std::string DescribeProcessor() { return DescribeProcessor(GatherCpuFacts()); }
