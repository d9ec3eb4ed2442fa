#pragma once
// The Windows side of the processor description (CpuFactsWin32.cpp, Windows build only).
#include <string>

#include "dawnpanel/system/ProcessorDescription.h"

// Identifies the first processor and adds the processor count, the measured clock and the
// number separators of the user's locale.
CpuFacts GatherCpuFacts();

// DescribeProcessor(GatherCpuFacts()): the hint of the main window's processor line.
std::string DescribeProcessor();
