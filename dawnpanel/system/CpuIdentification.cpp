#include "dawnpanel/system/CpuIdentification.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define DP_HAVE_CPUID 1
#endif

namespace {

constexpr uint32_t ExtendedBase = 0x80000000u;

std::string RegisterText(std::initializer_list<uint32_t> registers) {
  std::string text;
  for (uint32_t value : registers)
    for (int shift = 0; shift < 32; shift += 8) text += static_cast<char>((value >> shift) & 0xFF);
  return text.substr(0, text.find('\0'));
}

// Brand strings are padded, some at the front, some with runs of blanks inside.
std::string TidyName(const std::string& raw) {
  std::string name;
  for (char c : raw) {
    if (c == ' ' && (name.empty() || name.back() == ' ')) continue;
    name += c;
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::string MakerName(const std::string& vendor) {
  struct Maker {
    const char* Vendor;
    const char* Name;
  };
  static constexpr Maker makers[] = {
      {"GenuineIntel", "Intel"},     {"AuthenticAMD", "AMD"},    {"CyrixInstead", "Cyrix"}, {"CentaurHauls", "VIA"},
      {"GenuineTMx86", "Transmeta"}, {"NexGenDriven", "NexGen"}, {"RiseRiseRise", "Rise"},  {"SiS SiS SiS ", "SiS"},
      {"UMC UMC UMC ", "UMC"},       {"Geode by NSC", "NSC"},    {"HygonGenuine", "Hygon"}, {"  Shanghai  ", "Zhaoxin"},
  };
  for (const Maker& maker : makers)
    if (vendor == maker.Vendor) return maker.Name;
  return "x86";
}

// Level and geometry of a cache descriptor of leaf 2.
struct Descriptor {
  uint8_t Code;
  uint8_t Index;
  uint32_t SizeKb;  // for the trace cache: thousands of micro-operations
  uint8_t Ways;
  uint8_t LineSize;
};

constexpr Descriptor Descriptors[] = {
    {0x06, CacheSlot::Level1Code, 8, 4, 32},  {0x08, CacheSlot::Level1Code, 16, 4, 32},
    {0x09, CacheSlot::Level1Code, 32, 4, 64}, {0x0A, CacheSlot::Level1Data, 8, 2, 32},
    {0x0C, CacheSlot::Level1Data, 16, 4, 32}, {0x0D, CacheSlot::Level1Data, 16, 4, 64},
    {0x0E, CacheSlot::Level1Data, 24, 6, 64}, {0x1D, CacheSlot::Level2, 128, 2, 64},
    {0x21, CacheSlot::Level2, 256, 8, 64},    {0x22, CacheSlot::Level3, 512, 4, 64},
    {0x23, CacheSlot::Level3, 1024, 8, 64},   {0x24, CacheSlot::Level2, 1024, 16, 64},
    {0x25, CacheSlot::Level3, 2048, 8, 64},   {0x29, CacheSlot::Level3, 4096, 8, 64},
    {0x2C, CacheSlot::Level1Data, 32, 8, 64}, {0x30, CacheSlot::Level1Code, 32, 8, 64},
    {0x39, CacheSlot::Level2, 128, 4, 64},    {0x3A, CacheSlot::Level2, 192, 6, 64},
    {0x3B, CacheSlot::Level2, 128, 2, 64},    {0x3C, CacheSlot::Level2, 256, 4, 64},
    {0x3D, CacheSlot::Level2, 384, 6, 64},    {0x3E, CacheSlot::Level2, 512, 4, 64},
    {0x41, CacheSlot::Level2, 128, 4, 32},    {0x42, CacheSlot::Level2, 256, 4, 32},
    {0x43, CacheSlot::Level2, 512, 4, 32},    {0x44, CacheSlot::Level2, 1024, 4, 32},
    {0x45, CacheSlot::Level2, 2048, 4, 32},   {0x46, CacheSlot::Level3, 4096, 4, 64},
    {0x47, CacheSlot::Level3, 8192, 8, 64},   {0x48, CacheSlot::Level2, 3072, 12, 64},
    {0x49, CacheSlot::Level2, 4096, 16, 64},  {0x4A, CacheSlot::Level3, 6144, 12, 64},
    {0x4B, CacheSlot::Level3, 8192, 16, 64},  {0x4C, CacheSlot::Level3, 12288, 12, 64},
    {0x4D, CacheSlot::Level3, 16384, 16, 64}, {0x4E, CacheSlot::Level2, 6144, 24, 64},
    {0x60, CacheSlot::Level1Data, 16, 8, 64}, {0x66, CacheSlot::Level1Data, 8, 4, 64},
    {0x67, CacheSlot::Level1Data, 16, 4, 64}, {0x68, CacheSlot::Level1Data, 32, 4, 64},
    {0x70, CacheSlot::Trace, 12, 8, 0},       {0x71, CacheSlot::Trace, 16, 8, 0},
    {0x72, CacheSlot::Trace, 32, 8, 0},       {0x73, CacheSlot::Trace, 64, 8, 0},
    {0x78, CacheSlot::Level2, 1024, 4, 64},   {0x79, CacheSlot::Level2, 128, 8, 64},
    {0x7A, CacheSlot::Level2, 256, 8, 64},    {0x7B, CacheSlot::Level2, 512, 8, 64},
    {0x7C, CacheSlot::Level2, 1024, 8, 64},   {0x7D, CacheSlot::Level2, 2048, 8, 64},
    {0x7F, CacheSlot::Level2, 512, 2, 64},    {0x80, CacheSlot::Level2, 512, 8, 64},
    {0x82, CacheSlot::Level2, 256, 8, 32},    {0x83, CacheSlot::Level2, 512, 8, 32},
    {0x84, CacheSlot::Level2, 1024, 8, 32},   {0x85, CacheSlot::Level2, 2048, 8, 32},
    {0x86, CacheSlot::Level2, 512, 4, 64},    {0x87, CacheSlot::Level2, 1024, 8, 64},
    {0xD0, CacheSlot::Level3, 512, 4, 64},    {0xD1, CacheSlot::Level3, 1024, 4, 64},
    {0xD2, CacheSlot::Level3, 2048, 4, 64},   {0xD6, CacheSlot::Level3, 1024, 8, 64},
    {0xD7, CacheSlot::Level3, 2048, 8, 64},   {0xD8, CacheSlot::Level3, 4096, 8, 64},
    {0xDC, CacheSlot::Level3, 1536, 12, 64},  {0xDD, CacheSlot::Level3, 3072, 12, 64},
    {0xDE, CacheSlot::Level3, 6144, 12, 64},  {0xE2, CacheSlot::Level3, 2048, 16, 64},
    {0xE3, CacheSlot::Level3, 4096, 16, 64},  {0xE4, CacheSlot::Level3, 8192, 16, 64},
    {0xEA, CacheSlot::Level3, 12288, 24, 64}, {0xEB, CacheSlot::Level3, 18432, 24, 64},
    {0xEC, CacheSlot::Level3, 24576, 24, 64},
};

constexpr uint8_t DescriptorUseLeaf4 = 0xFF;

bool AnyCache(const CpuFacts& facts) {
  for (const CacheFacts& cache : facts.Caches)
    if (cache.Size > 0) return true;
  return false;
}

void Keep(CacheFacts& slot, const CacheFacts& found) {
  if (found.Size > slot.Size) slot = found;
}

// Leaf 2: one byte per cache or TLB; a register with bit 31 set carries none.
// Returns false when the processor asks for leaf 4 instead.
bool CachesFromDescriptors(const CpuidFunction& cpuid, CpuFacts& facts) {
  bool complete = true;
  CpuidRegisters first = cpuid(2, 0);
  const unsigned rounds = (first.Eax & 0xFF) == 0 ? 1 : (first.Eax & 0xFF);
  for (unsigned round = 0; round < rounds && round < 16; ++round) {
    const CpuidRegisters r = round == 0 ? first : cpuid(2, 0);
    const uint32_t registers[] = {r.Eax & 0xFFFFFF00u, r.Ebx, r.Ecx, r.Edx};
    for (uint32_t value : registers) {
      if (value & 0x80000000u) continue;
      for (int shift = 0; shift < 32; shift += 8) {
        const uint8_t code = static_cast<uint8_t>(value >> shift);
        if (code == DescriptorUseLeaf4) complete = false;
        for (const Descriptor& d : Descriptors) {
          if (d.Code != code) continue;
          uint8_t index = d.Index;
          // The 4 MB descriptor is the third level on one Xeon MP, the second everywhere else.
          if (code == 0x49 && facts.Family == 15 && facts.Model == 6) index = CacheSlot::Level3;
          CacheFacts cache;
          cache.Size = uint64_t{d.SizeKb} * 1024;
          cache.Ways = d.Ways;
          cache.LineSize = d.LineSize;
          Keep(facts.Caches[index], cache);
        }
      }
    }
  }
  return complete;
}

// Leaf 4 (and its twin 0x8000001D): one sub-leaf per cache until the type is 0.
void CachesFromDeterministicLeaf(const CpuidFunction& cpuid, uint32_t leaf, CpuFacts& facts) {
  for (uint32_t sub = 0; sub < 32; ++sub) {
    const CpuidRegisters r = cpuid(leaf, sub);
    const uint32_t type = r.Eax & 0x1F;
    if (type == 0) break;
    const uint32_t level = (r.Eax >> 5) & 0x7;
    int index = -1;
    if (level == 1 && type == 1) index = CacheSlot::Level1Data;
    if (level == 1 && type == 2) index = CacheSlot::Level1Code;
    if (level == 1 && type == 3) index = CacheSlot::Level1Unified;
    if (level == 2) index = CacheSlot::Level2;
    if (level == 3) index = CacheSlot::Level3;
    if (index < 0) continue;
    CacheFacts cache;
    cache.FullyAssociative = (r.Eax >> 9) & 1;
    cache.Ways = ((r.Ebx >> 22) & 0x3FF) + 1;
    const uint64_t partitions = ((r.Ebx >> 12) & 0x3FF) + 1;
    cache.LineSize = (r.Ebx & 0xFFF) + 1;
    const uint64_t sets = uint64_t{r.Ecx} + 1;
    cache.Size = cache.Ways * partitions * cache.LineSize * sets;
    Keep(facts.Caches[static_cast<size_t>(index)], cache);
  }
}

// The 4-bit associativity field of leaf 0x80000006.
void ApplyExtendedAssociativity(uint32_t code, CacheFacts& cache) {
  static constexpr uint32_t ways[16] = {0, 1, 2, 3, 4, 6, 8, 0, 16, 0, 32, 48, 64, 96, 128, 0};
  if (code == 15)
    cache.FullyAssociative = true;
  else
    cache.Ways = ways[code];
}

// Leaf 0x80000005 field: 0xFF means fully associative, otherwise the number of ways.
CacheFacts Level1FromExtendedLeaf(uint32_t value) {
  CacheFacts cache;
  cache.Size = uint64_t{value >> 24} * 1024;
  const uint32_t ways = (value >> 16) & 0xFF;
  if (ways == 0xFF)
    cache.FullyAssociative = true;
  else
    cache.Ways = ways;
  cache.LineSize = value & 0xFF;
  return cache;
}

void CachesFromExtendedLeaves(const CpuidFunction& cpuid, uint32_t maxExtended, CpuFacts& facts) {
  if (maxExtended >= ExtendedBase + 5) {
    const CpuidRegisters r = cpuid(ExtendedBase + 5, 0);
    Keep(facts.Caches[CacheSlot::Level1Data], Level1FromExtendedLeaf(r.Ecx));
    Keep(facts.Caches[CacheSlot::Level1Code], Level1FromExtendedLeaf(r.Edx));
  }
  if (maxExtended >= ExtendedBase + 6) {
    const CpuidRegisters r = cpuid(ExtendedBase + 6, 0);
    CacheFacts level2;
    level2.Size = uint64_t{r.Ecx >> 16} * 1024;
    ApplyExtendedAssociativity((r.Ecx >> 12) & 0xF, level2);
    level2.LineSize = r.Ecx & 0xFF;
    Keep(facts.Caches[CacheSlot::Level2], level2);
    CacheFacts level3;
    level3.Size = uint64_t{r.Edx >> 18} * 512 * 1024;
    ApplyExtendedAssociativity((r.Edx >> 12) & 0xF, level3);
    level3.LineSize = r.Edx & 0xFF;
    Keep(facts.Caches[CacheSlot::Level3], level3);
  }
}

void IdentifyCaches(const CpuidFunction& cpuid, uint32_t maxLeaf, uint32_t maxExtended, CpuFacts& facts) {
  auto byLeaf2And4 = [&] {
    bool complete = true;
    if (maxLeaf >= 2) complete = CachesFromDescriptors(cpuid, facts);
    if ((!complete || !AnyCache(facts)) && maxLeaf >= 4) CachesFromDeterministicLeaf(cpuid, 4, facts);
  };
  auto byExtendedLeaves = [&] {
    bool topologyExtensions = false;
    if (maxExtended >= ExtendedBase + 1) topologyExtensions = (cpuid(ExtendedBase + 1, 0).Ecx >> 22) & 1;
    if (topologyExtensions && maxExtended >= ExtendedBase + 0x1D)
      CachesFromDeterministicLeaf(cpuid, ExtendedBase + 0x1D, facts);
    if (!AnyCache(facts)) CachesFromExtendedLeaves(cpuid, maxExtended, facts);
  };
  // Intel describes its caches in leaves 2 and 4, the others in the extended leaves.
  if (facts.Vendor == "GenuineIntel") {
    byLeaf2And4();
    if (!AnyCache(facts)) byExtendedLeaves();
  } else {
    byExtendedLeaves();
    if (!AnyCache(facts)) byLeaf2And4();
  }
}

}  // namespace

bool CpuidSupported() {
#ifdef DP_HAVE_CPUID
  // On 32-bit x86 this first tests the ID flag, which processors without the instruction cannot set.
  return __get_cpuid_max(0, nullptr) != 0;
#else
  return false;
#endif
}

CpuidRegisters ExecuteCpuid(uint32_t leaf, uint32_t subleaf) {
  CpuidRegisters r;
#ifdef DP_HAVE_CPUID
  unsigned a = 0, b = 0, c = 0, d = 0;
  __cpuid_count(leaf, subleaf, a, b, c, d);
  r.Eax = a;
  r.Ebx = b;
  r.Ecx = c;
  r.Edx = d;
#else
  (void)leaf;
  (void)subleaf;
#endif
  return r;
}

std::string ProcessorSerialText(uint32_t signature, uint32_t high, uint32_t low) {
  char text[32];
  std::snprintf(text, sizeof text, "%04X-%04X-%04X-%04X-%04X-%04X", static_cast<unsigned>(signature >> 16),
                static_cast<unsigned>(signature & 0xFFFF), static_cast<unsigned>(high >> 16),
                static_cast<unsigned>(high & 0xFFFF), static_cast<unsigned>(low >> 16),
                static_cast<unsigned>(low & 0xFFFF));
  return text;
}

void IdentifyProcessor(const CpuidFunction& cpuid, CpuFacts& facts) {
  const CpuidRegisters leaf0 = cpuid(0, 0);
  const uint32_t maxLeaf = leaf0.Eax;
  facts.Vendor = RegisterText({leaf0.Ebx, leaf0.Edx, leaf0.Ecx});

  uint32_t signature = 0;
  if (maxLeaf >= 1) {
    const CpuidRegisters leaf1 = cpuid(1, 0);
    signature = leaf1.Eax;
    facts.FeaturesAvailable = true;
    facts.StandardFeatures = leaf1.Edx;
    const unsigned baseFamily = (signature >> 8) & 0xF;
    const unsigned baseModel = (signature >> 4) & 0xF;
    facts.Family = baseFamily == 0xF ? baseFamily + ((signature >> 20) & 0xFF) : baseFamily;
    facts.Model = (baseFamily == 0x6 || baseFamily == 0xF) ? baseModel + (((signature >> 16) & 0xF) << 4) : baseModel;
    facts.Stepping = signature & 0xF;
  }

  // Without extended leaves, some processors answer 0x80000000 with another leaf's data.
  uint32_t maxExtended = cpuid(ExtendedBase, 0).Eax;
  if (maxExtended < ExtendedBase || maxExtended > ExtendedBase + 0xFFFF) maxExtended = 0;

  if (maxExtended >= ExtendedBase + 4) {
    std::string brand;
    for (uint32_t leaf = ExtendedBase + 2; leaf <= ExtendedBase + 4; ++leaf) {
      const CpuidRegisters r = cpuid(leaf, 0);
      brand += RegisterText({r.Eax, r.Ebx, r.Ecx, r.Edx});
      if (brand.size() % 16 != 0) break;  // the name ended inside this leaf
    }
    facts.Name = TidyName(brand);
  }
  if (facts.Name.empty()) facts.Name = MakerName(facts.Vendor) + " processor";

  if (facts.HasFeature(FeatureSerialNumber) && maxLeaf >= 3) {
    const CpuidRegisters leaf3 = cpuid(3, 0);
    facts.SerialNumber = ProcessorSerialText(signature, leaf3.Edx, leaf3.Ecx);
  }

  IdentifyCaches(cpuid, maxLeaf, maxExtended, facts);
}

CpuFacts IdentifyProcessor() {
  CpuFacts facts;
  if (CpuidSupported()) IdentifyProcessor(ExecuteCpuid, facts);
  return facts;
}

unsigned NormaliseMHz(double measuredMHz) {
  if (!(measuredMHz > 0)) return 0;
  if (measuredMHz < 50) return static_cast<unsigned>(std::lround(measuredMHz));
  const double byFifty = std::round(measuredMHz / 50) * 50;
  const double byThird = std::round(measuredMHz * 3 / 100) * 100 / 3;
  const double best = std::fabs(byFifty - measuredMHz) <= std::fabs(byThird - measuredMHz) ? byFifty : byThird;
  return static_cast<unsigned>(std::lround(best));
}
