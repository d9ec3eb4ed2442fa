#pragma once
// The processor description shown as the hint of the main window's processor line: count, name,
// clock, signature, serial number, caches and standard features of the first processor.
// CpuIdentification fills the processor's own facts; CpuFactsWin32 adds count, clock and locale.
#include <array>
#include <cstdint>
#include <string>

#include "common/NumberFormat.h"

// Indexes of CacheNames and CpuFacts::Caches.
namespace CacheSlot {
enum : int { Level1Code = 0, Level1Data, Level1Unified, Level2, Level3, Trace, Count };
}

extern const std::array<const char*, CacheSlot::Count> CacheNames;

struct CacheFacts {
  uint64_t Size = 0;      // bytes; 0 when there is no such cache
  uint32_t LineSize = 0;  // bytes
  uint32_t Ways = 0;      // 0: no associativity reported (disabled), 1: direct mapped
  bool FullyAssociative = false;
};

// Separators of the user's locale for numbers with one decimal.

// Standard feature bits (processor identification leaf 1, EDX).
enum : uint32_t {
  FeatureTsc = 1u << 4,
  FeatureSerialNumber = 1u << 18,
  FeatureHyperThreading = 1u << 28,
};

struct CpuFacts {
  std::string Vendor;  // the 12-character vendor identification
  std::string Name;
  unsigned Family = 0;
  unsigned Model = 0;
  unsigned Stepping = 0;
  bool FeaturesAvailable = false;  // leaf 1 was read
  uint32_t StandardFeatures = 0;
  std::string SerialNumber;  // groups of four hexadecimal digits, when the feature is on
  std::array<CacheFacts, CacheSlot::Count> Caches{};

  unsigned ProcessorCount = 0;  // as the operating system reports it
  unsigned FrequencyMHz = 0;    // measured and normalised
  TFormatSettings Separators;

  bool HasFeature(uint32_t bit) const { return FeaturesAvailable && (StandardFeatures & bit) != 0; }
};

// Short name of standard feature bit 0..31, e.g. "FPU", "SSE2", "HTT".
const char* StandardFeatureName(unsigned bit);

// "%d MHz" below 1000, otherwise GHz with one decimal.
std::string FrequencyText(unsigned mhz, const TFormatSettings& separators);
// "%d bytes" below 1024, otherwise KB, MB or GB with one decimal.
std::string SizeText(uint64_t bytes, const TFormatSettings& separators);
// "None", "Direct", "N-Way" or "Full".
std::string AssociativityName(const CacheFacts& cache);

std::string CacheLine(int index, const CacheFacts& cache, const TFormatSettings& separators = {});

// Text with LF line breaks.
std::string DescribeProcessor(const CpuFacts& facts);
