#pragma once
// Total and free physical memory. The extended call, which sees beyond 4 GiB, is looked up at
// run time, so the program still starts where only GlobalMemoryStatus exists.
#include <cstdint>

// Total physical memory in MiB, plus 1.
int32_t TotalMemoryMB();
// Available physical memory in KiB (inKiB) or MiB, plus 1.
int32_t FreeMemory(bool inKiB);
// Whether GlobalMemoryStatusEx was found (for tests).
bool ExtendedMemoryStatus();
