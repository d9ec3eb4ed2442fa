#include <windows.h>

#include "dawnpanel/mainscreen/SpeedTestsWin32.h"

#include <cpuid.h>
#include <x86intrin.h>

#include "common/Environment.h"
#include "dawnpanel/mainscreen/DiskTestWin32.h"
#include "dawnpanel/mainscreen/MainUnit.h"
#include "dawnpanel/mainscreen/MemoryStatusWin32.h"
#include "dawnpanel/mainscreen/PanelsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"

int64_t TscMHz = 0;
TTestBuffer TestBuffer;

namespace {
// The accumulator lives in memory: every product is stored in single precision and read back
// for the next one. The factor is held in 80-bit extended precision; in single precision it would
// be exactly 1. The loop is written out so that no optimization can keep either in a register.
float Accumulator = 1.0f;
const long double Factor = 1.000000001L;
// Every word read passes through the sink, and the write pass stores it.
volatile uint32_t Sink = 0;

bool HasTsc() {
  unsigned a, b, c, d;
  return __get_cpuid(1, &a, &b, &c, &d) && (d & (1u << 4)) != 0;  // the TSC feature bit
}

void MultiplyBlock(int times) {
  __asm__ volatile(
      "fldt %[factor]\n\t"
      "1:\n\t"
      "flds %[accumulator]\n\t"
      "fmul %%st(1), %%st\n\t"
      "fstps %[accumulator]\n\t"
      "decl %[times]\n\t"
      "jnz 1b\n\t"
      "fstp %%st(0)"
      : [accumulator] "+m"(Accumulator), [times] "+r"(times)
      : [factor] "m"(Factor)
      : "cc", "st", "st(1)");
}

void ReadPass() {
  const volatile uint32_t* words = TestBuffer.Data();
  const size_t length = TestBuffer.Length();
  for (size_t i = 0; i < length; ++i) Sink = words[i];
}

void WritePass(uint32_t value) {
  volatile uint32_t* words = TestBuffer.Data();
  const size_t length = TestBuffer.Length();
  for (size_t i = 0; i < length; ++i) words[i] = value;
}
}  // namespace

int64_t Tsc() { return static_cast<int64_t>(__rdtsc()); }

uint32_t NextTick() {
  const DWORD t0 = GetTickCount();
  DWORD t;
  while ((t = GetTickCount()) == t0) {
  }
  return t;
}

int32_t MeasureTscRate() {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return 0;
  if (!HasTsc() || Tsc() <= 0) return 0;
  LARGE_INTEGER c0, c;
  QueryPerformanceCounter(&c0);
  do QueryPerformanceCounter(&c);
  while (c.QuadPart <= c0.QuadPart);
  const LONGLONG target = c.QuadPart + frequency.QuadPart / 100;
  const int64_t s0 = Tsc();
  do QueryPerformanceCounter(&c);
  while (c.QuadPart < target);
  const int64_t s1 = Tsc();
  return TscRateFromTicks(s1 - s0);
}

void ProcessorTest() {
  Accumulator = 1.0f;
  uint64_t count = 0;
  if (TscMHz > 0) {
    const int64_t t0 = Tsc(), end = t0 + TscMHz * 50 * 1000;
    int64_t t;
    do {
      MultiplyBlock(CpuBlockByCounter);
      t = Tsc();
      ++count;
    } while (t < end);
    SettingsHistory.CPUTests[0] = CpuTenthsByCounter(count, TscMHz, t - t0);
  } else {
    const DWORD t0 = NextTick();
    DWORD t;
    // Elapsed time, not the end tick, decides: it stays right when the tick count wraps.
    do {
      MultiplyBlock(CpuBlockByTicks);
      t = GetTickCount();
      ++count;
    } while (t - t0 < 50);
    SettingsHistory.CPUTests[0] = CpuTenthsByTicks(count, t - t0);
  }
}

void MemoryTest() {
  uint64_t count = 0;
  if (TscMHz > 0) {
    const int64_t span = TscMHz * 100 * 1000;
    int64_t t0 = Tsc(), end = t0 + span, t;
    do {
      ReadPass();
      t = Tsc();
      ++count;
    } while (t < end);
    SettingsHistory.MemTests[0] = MemoryTenthsByCounter(count, TscMHz, t - t0);

    count = 0;
    t0 = Tsc();
    end = t0 + span;
    do {
      WritePass(Sink);
      t = Tsc();
      ++count;
    } while (t <= end);
    SettingsHistory.MemTestsW[0] = MemoryTenthsByCounter(count, TscMHz, t - t0);
  } else {
    DWORD t0 = NextTick(), t;
    do {
      WritePass(Sink);
      t = GetTickCount();
      ++count;
    } while (t - t0 < 100);
    SettingsHistory.MemTestsW[0] = MemoryTenthsByTicks(count, t - t0);

    count = 0;
    t0 = NextTick();
    do {
      ReadPass();
      t = GetTickCount();
      ++count;
    } while (t - t0 < 100);
    SettingsHistory.MemTests[0] = MemoryTenthsByTicks(count, t - t0);
  }
}

void Test() {
  TSettingsHistory& s = SettingsHistory;
  s.SysTimes[0] = static_cast<int32_t>(StartTicks);
  if (AutoStartLaunch ? s.DiskTest : s.DiskTest0)
    DiskTest();
  else
    s.DiskTests[0] = 0;
  TestBuffer.SetLength(MemoryTestWords);
  MemoryTest();
  ProcessorTest();
}

void LiveTests() {
  SettingsHistory.FreeMems[0] = FreeMemory(true);
  MemoryTest();
  ProcessorTest();
  ShowBars();
}
