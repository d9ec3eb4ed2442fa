#include "dawnpanel/system/ProcessorDescription.h"

const std::array<const char*, CacheSlot::Count> CacheNames = {
    "Level 1 Code:", "Level 1 Data:", "Level 1 Unified:", "Level 2:", "Level 3:", "Trace:",
};

namespace {

constexpr std::array<const char*, 32> FeatureNames = {
    "FPU",  "VME",  "DE",   "PSE", "TSC",  "MSR", "PAE",    "MCE", "CX8",   "APIC",  "Bit10",
    "SEP",  "MTRR", "PGE",  "MCA", "CMOV", "PAT", "PSE-36", "PSN", "CLFSH", "Bit20", "DS",
    "ACPI", "MMX",  "FXSR", "SSE", "SSE2", "SS",  "HTT",    "TM",  "IA64",  "PBE",
};

// A number given in tenths, with thousands separators and one decimal.
std::string Tenths(uint64_t tenths, const TFormatSettings& separators) {
  const std::string digits = std::to_string(tenths / 10);
  std::string whole;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) whole += separators.ThousandSeparator;
    whole += digits[i];
  }
  return whole + separators.DecimalSeparator + static_cast<char>('0' + tenths % 10);
}

// value / unit rounded to tenths, halves away from zero; exact in integers.
uint64_t RoundedTenths(uint64_t value, uint64_t unit) { return (value * 10 + unit / 2) / unit; }

}  // namespace

const char* StandardFeatureName(unsigned bit) { return bit < FeatureNames.size() ? FeatureNames[bit] : ""; }

std::string FrequencyText(unsigned mhz, const TFormatSettings& separators) {
  if (mhz < 1000) return std::to_string(mhz) + " MHz";
  return Tenths(RoundedTenths(mhz, 1000), separators) + " GHz";
}

std::string SizeText(uint64_t bytes, const TFormatSettings& separators) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  if (bytes <= 1048575) return Tenths(RoundedTenths(bytes, 1024), separators) + " KB";
  if (bytes <= 1073741823) return Tenths(RoundedTenths(bytes, 1048576), separators) + " MB";
  return Tenths(RoundedTenths(bytes, 1073741824), separators) + " GB";
}

std::string AssociativityName(const CacheFacts& cache) {
  if (cache.FullyAssociative) return "Full";
  if (cache.Ways == 0) return "None";
  if (cache.Ways == 1) return "Direct";
  return std::to_string(cache.Ways) + "-Way";
}

std::string CacheLine(int index, const CacheFacts& cache, const TFormatSettings& separators) {
  std::string line =
      std::string("Cache ") + CacheNames.at(static_cast<size_t>(index)) + " " + SizeText(cache.Size, separators) + ", ";
  if (!cache.FullyAssociative && cache.Ways == 0)
    line += "Disabled, ";
  else
    line += AssociativityName(cache) + " Associativity, ";
  return line + SizeText(cache.LineSize, separators) + " Line Size";
}

std::string DescribeProcessor(const CpuFacts& facts) {
  const bool hyperThreading = facts.HasFeature(FeatureHyperThreading);
  unsigned count = facts.ProcessorCount;
  // Two logical processors of one hyper-threading core still read as one processor.
  if (count > 1 && hyperThreading) count /= 2;

  // Built by appending: GCC 12 warns falsely about literal + string temporaries here.
  std::string text = "Процессор";
  if (count > 1) {
    text += "ы";
    text += "\n";
    text += std::to_string(facts.ProcessorCount);
    text += " x ";
  } else {
    text += "\n";
  }
  text += facts.Name;
  text += hyperThreading ? " HT " : " ";
  text += "на частоте";
  text += " ";
  text += FrequencyText(facts.FrequencyMHz, facts.Separators);

  text += "\nx86 Family ";
  text += std::to_string(facts.Family);
  text += " Model ";
  text += std::to_string(facts.Model);
  text += " Stepping ";
  text += std::to_string(facts.Stepping);

  if (facts.HasFeature(FeatureSerialNumber)) {
    text += "\nСерийный номер: ";
    text += facts.SerialNumber;
  }

  for (int index = 0; index < CacheSlot::Count; ++index) {
    const CacheFacts& cache = facts.Caches[static_cast<size_t>(index)];
    if (cache.Size == 0) continue;
    text += "\n";
    text += CacheLine(index, cache, facts.Separators);
  }

  if (facts.FeaturesAvailable) {
    text += "\nВозможности:\n";
    int named = 0;
    for (unsigned bit = 0; bit < 32; ++bit) {
      if (!(facts.StandardFeatures & (1u << bit))) continue;
      text += " ";
      text += StandardFeatureName(bit);
      ++named;
      if (named > 9 && named % 10 == 1) text += "\n";
    }
  }
  return text;
}
