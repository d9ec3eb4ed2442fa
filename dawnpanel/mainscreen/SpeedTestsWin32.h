#pragma once
// The processor and memory measurements: fixed spans of wall time, counting the work that fits.
// The time-stamp counter measures when it exists; TscMHz 0 selects GetTickCount instead.
#include <cstdint>

#include "dawnpanel/mainscreen/SpeedTests.h"

extern int64_t TscMHz;
extern TTestBuffer TestBuffer;

// The time-stamp counter, as a signed number.
int64_t Tsc();
// Waits for the next step of GetTickCount and returns it, so that a span starts at a step's
// beginning.
uint32_t NextTick();

// Counter ticks a microsecond, calibrated over 10 ms of the performance counter; 0 when either
// counter is missing.
int32_t MeasureTscRate();

// CPUTests[0]: single-precision multiplications for 50 ms.
void ProcessorTest();
// MemTests[0] and MemTestsW[0]: passes over TestBuffer for 100 ms each.
void MemoryTest();

// Once while the main window is created: SysTimes[0], the disk test when this kind of start asks
// for it (else DiskTests[0] := 0), then memory and processor.
void Test();
// On every later tick: free memory, memory and processor again, then the bars.
void LiveTests();
