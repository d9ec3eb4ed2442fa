#pragma once
// Identifies the processor with the CPUID instruction: vendor, name, signature, standard features,
// serial number and caches. The decoding takes the instruction as a function, so recorded register
// values of other processors can be decoded as well.
#include <cstdint>
#include <functional>

#include "dawnpanel/system/ProcessorDescription.h"

struct CpuidRegisters {
  uint32_t Eax = 0;
  uint32_t Ebx = 0;
  uint32_t Ecx = 0;
  uint32_t Edx = 0;
};

using CpuidFunction = std::function<CpuidRegisters(uint32_t leaf, uint32_t subleaf)>;

// False on processors that predate the instruction.
bool CpuidSupported();
CpuidRegisters ExecuteCpuid(uint32_t leaf, uint32_t subleaf);

// Fills Vendor, Name, Family, Model, Stepping, FeaturesAvailable, StandardFeatures, SerialNumber
// and Caches; leaves the rest of facts alone.
void IdentifyProcessor(const CpuidFunction& cpuid, CpuFacts& facts);

// The processor this runs on; only the defaults when it has no CPUID.
CpuFacts IdentifyProcessor();

// "XXXX-XXXX-XXXX-XXXX-XXXX-XXXX": signature (leaf 1 EAX), then leaf 3 EDX and ECX.
std::string ProcessorSerialText(uint32_t signature, uint32_t high, uint32_t low);

// A measured clock snapped to the nearest multiple of 50 MHz or of 100/3 MHz, whichever is closer,
// since processors are clocked at such steps and a measurement is a little off.
unsigned NormaliseMHz(double measuredMHz);
