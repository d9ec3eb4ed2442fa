#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <utility>

#include "dawnpanel/system/CpuIdentification.h"

namespace {

uint32_t Chars(const char* four) {
  uint32_t value = 0;
  std::memcpy(&value, four, 4);
  return value;
}

// Recorded CPUID answers; leaves not recorded answer zeros.
struct RecordedCpu {
  std::map<std::pair<uint32_t, uint32_t>, CpuidRegisters> Leaves;

  RecordedCpu& Set(uint32_t leaf, uint32_t sub, CpuidRegisters r) {
    Leaves[{leaf, sub}] = r;
    return *this;
  }
  RecordedCpu& Set(uint32_t leaf, CpuidRegisters r) { return Set(leaf, 0, r); }
  RecordedCpu& Vendor(const char* twelve, uint32_t maxLeaf) {
    return Set(0, {maxLeaf, Chars(twelve), Chars(twelve + 8), Chars(twelve + 4)});
  }
  RecordedCpu& Brand(const std::string& text) {
    char padded[48] = {};
    std::memcpy(padded, text.data(), std::min<size_t>(text.size(), 48));
    for (uint32_t i = 0; i < 3; ++i) {
      const char* p = padded + 16 * i;
      Set(0x80000002 + i, {Chars(p), Chars(p + 4), Chars(p + 8), Chars(p + 12)});
    }
    return *this;
  }

  CpuFacts Identify() const {
    CpuFacts facts;
    IdentifyProcessor(
        [this](uint32_t leaf, uint32_t sub) {
          const auto it = Leaves.find({leaf, sub});
          return it == Leaves.end() ? CpuidRegisters{} : it->second;
        },
        facts);
    return facts;
  }
};

void ExpectCache(const CacheFacts& cache, uint64_t size, uint32_t ways, uint32_t line, const char* which) {
  EXPECT_EQ(cache.Size, size) << which;
  EXPECT_EQ(cache.Ways, ways) << which;
  EXPECT_EQ(cache.LineSize, line) << which;
  EXPECT_FALSE(cache.FullyAssociative) << which;
}

// Leaf 4 / 0x8000001D entry: type 1 data, 2 code, 3 unified.
CpuidRegisters Deterministic(uint32_t type, uint32_t level, uint32_t ways, uint32_t line, uint32_t sets) {
  return {type | (level << 5) | 0x100, ((ways - 1) << 22) | (line - 1), sets - 1, 0};
}

TEST(CpuIdentification, PentiumIIIFromCacheDescriptorsWithSerialNumber) {
  RecordedCpu cpu;
  cpu.Vendor("GenuineIntel", 3)
      .Set(1, {0x00000686, 0, 0, 0x0387FBFF})
      .Set(2, {0x03020101, 0, 0, 0x0C040882})
      .Set(3, {0, 0, 0x9ABCDEF0, 0x12345678})
      .Set(0x80000000, {0x03020101, 0, 0, 0});  // no extended leaves: another leaf's answer
  const CpuFacts f = cpu.Identify();
  EXPECT_EQ(f.Vendor, "GenuineIntel");
  EXPECT_EQ(f.Name, "Intel processor");
  EXPECT_EQ(f.Family, 6u);
  EXPECT_EQ(f.Model, 8u);
  EXPECT_EQ(f.Stepping, 6u);
  EXPECT_TRUE(f.FeaturesAvailable);
  EXPECT_EQ(f.StandardFeatures, 0x0387FBFFu);
  EXPECT_EQ(f.SerialNumber, "0000-0686-1234-5678-9ABC-DEF0");
  ExpectCache(f.Caches[CacheSlot::Level1Code], 16384, 4, 32, "L1 code");
  ExpectCache(f.Caches[CacheSlot::Level1Data], 16384, 4, 32, "L1 data");
  ExpectCache(f.Caches[CacheSlot::Level2], 262144, 8, 32, "L2");
  EXPECT_EQ(f.Caches[CacheSlot::Level3].Size, 0u);
  EXPECT_EQ(f.Caches[CacheSlot::Trace].Size, 0u);
}

TEST(CpuIdentification, Pentium4WithTraceCacheAndPaddedBrandString) {
  RecordedCpu cpu;
  cpu.Vendor("GenuineIntel", 2)
      .Set(1, {0x00000F24, 0, 0, 0x3FEBFBFF})
      .Set(2, {0x665B5001, 0, 0, 0x007A7040})
      .Set(0x80000000, {0x80000004, 0, 0, 0})
      .Brand("              Intel(R) Pentium(R) 4 CPU  2.40GHz");
  const CpuFacts f = cpu.Identify();
  EXPECT_EQ(f.Name, "Intel(R) Pentium(R) 4 CPU 2.40GHz");
  EXPECT_EQ(f.Family, 15u);
  EXPECT_EQ(f.Model, 2u);
  EXPECT_EQ(f.Stepping, 4u);
  EXPECT_TRUE(f.SerialNumber.empty());
  ExpectCache(f.Caches[CacheSlot::Level1Data], 8192, 4, 64, "L1 data");
  ExpectCache(f.Caches[CacheSlot::Trace], 12288, 8, 0, "trace");
  ExpectCache(f.Caches[CacheSlot::Level2], 262144, 8, 64, "L2");
  EXPECT_EQ(f.Caches[CacheSlot::Level1Code].Size, 0u);
  EXPECT_EQ(f.Caches[CacheSlot::Level3].Size, 0u);
}

TEST(CpuIdentification, Descriptor49IsLevel3OnlyOnFamily15Model6) {
  for (const auto& [signature, slot] : {std::pair{0x00000F68u, CacheSlot::Level3}, {0x000006F6u, CacheSlot::Level2}}) {
    RecordedCpu cpu;
    cpu.Vendor("GenuineIntel", 2).Set(1, {signature, 0, 0, 0}).Set(2, {0x00004901, 0, 0, 0});
    const CpuFacts f = cpu.Identify();
    EXPECT_EQ(f.Caches[static_cast<size_t>(slot)].Size, 4194304u) << std::hex << signature;
    EXPECT_EQ(f.Caches[static_cast<size_t>(slot)].Ways, 16u) << std::hex << signature;
  }
}

TEST(CpuIdentification, ModernIntelFollowsLeaf2ToLeaf4) {
  CpuidRegisters fullyAssociative = Deterministic(3, 3, 1, 64, 1);
  fullyAssociative.Eax |= 1u << 9;
  RecordedCpu cpu;
  cpu.Vendor("GenuineIntel", 0x16)
      .Set(1, {0x000906EA, 0, 0, 0xBFEBFBFF})
      .Set(2, {0x00FEFF01, 0xF0, 0, 0})
      .Set(4, 0, Deterministic(1, 1, 12, 64, 64))
      .Set(4, 1, Deterministic(2, 1, 8, 64, 64))
      .Set(4, 2, Deterministic(3, 2, 10, 64, 2048))
      .Set(4, 3, Deterministic(3, 3, 12, 64, 16384))
      .Set(4, 4, Deterministic(3, 4, 16, 64, 65536))  // a fourth level has no place in the description
      .Set(0x80000000, {0x80000008, 0, 0, 0})
      .Brand("Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  const CpuFacts f = cpu.Identify();
  EXPECT_EQ(f.Name, "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  EXPECT_EQ(f.Family, 6u);
  EXPECT_EQ(f.Model, 158u);
  EXPECT_EQ(f.Stepping, 10u);
  EXPECT_TRUE(f.HasFeature(FeatureHyperThreading));
  ExpectCache(f.Caches[CacheSlot::Level1Data], 49152, 12, 64, "L1 data");
  ExpectCache(f.Caches[CacheSlot::Level1Code], 32768, 8, 64, "L1 code");
  ExpectCache(f.Caches[CacheSlot::Level2], 1310720, 10, 64, "L2");
  ExpectCache(f.Caches[CacheSlot::Level3], 12582912, 12, 64, "L3");
  EXPECT_EQ(f.Caches[CacheSlot::Level1Unified].Size, 0u);

  cpu.Set(4, 3, fullyAssociative);
  const CacheFacts full = cpu.Identify().Caches[CacheSlot::Level3];
  EXPECT_TRUE(full.FullyAssociative);
  EXPECT_EQ(full.Size, 64u);
}

TEST(CpuIdentification, OlderAmdFromExtendedLeaves) {
  RecordedCpu cpu;
  cpu.Vendor("AuthenticAMD", 1)
      .Set(1, {0x00020FB1, 0, 0, 0x178BFBFF})
      .Set(0x80000000, {0x80000018, 0, 0, 0})
      .Set(0x80000001, {0, 0, 0, 0})
      .Set(0x80000005, {0, 0, 0x40020140, 0x40FF0140})
      .Set(0x80000006, {0, 0, 0x02008140, 0x0010A040})
      .Brand("AMD Athlon(tm) 64 X2 Dual Core Processor 4200+");
  const CpuFacts f = cpu.Identify();
  EXPECT_EQ(f.Vendor, "AuthenticAMD");
  EXPECT_EQ(f.Name, "AMD Athlon(tm) 64 X2 Dual Core Processor 4200+");
  EXPECT_EQ(f.Family, 15u);
  EXPECT_EQ(f.Model, 43u);
  EXPECT_EQ(f.Stepping, 1u);
  ExpectCache(f.Caches[CacheSlot::Level1Data], 65536, 2, 64, "L1 data");
  EXPECT_TRUE(f.Caches[CacheSlot::Level1Code].FullyAssociative);
  EXPECT_EQ(f.Caches[CacheSlot::Level1Code].Size, 65536u);
  ExpectCache(f.Caches[CacheSlot::Level2], 524288, 16, 64, "L2");
  ExpectCache(f.Caches[CacheSlot::Level3], 2097152, 32, 64, "L3");
}

TEST(CpuIdentification, ExtendedAssociativityCodes) {
  struct Row {
    uint32_t Code;
    uint32_t Ways;
    bool Full;
  };
  for (const Row& r :
       {Row{0, 0, false}, Row{1, 1, false}, Row{2, 2, false}, Row{4, 4, false}, Row{5, 6, false}, Row{6, 8, false},
        Row{8, 16, false}, Row{0xA, 32, false}, Row{0xE, 128, false}, Row{0xF, 0, true}}) {
    RecordedCpu cpu;
    cpu.Vendor("AuthenticAMD", 1)
        .Set(0x80000000, {0x80000006, 0, 0, 0})
        .Set(0x80000006, {0, 0, (256u << 16) | (r.Code << 12) | 64, 0});
    const CacheFacts l2 = cpu.Identify().Caches[CacheSlot::Level2];
    EXPECT_EQ(l2.Size, 262144u) << r.Code;
    EXPECT_EQ(l2.Ways, r.Ways) << r.Code;
    EXPECT_EQ(l2.FullyAssociative, r.Full) << r.Code;
  }
}

TEST(CpuIdentification, NewerAmdFromTopologyLeaf) {
  RecordedCpu cpu;
  cpu.Vendor("AuthenticAMD", 0xD)
      .Set(1, {0x00800F11, 0, 0, 0x178BFBFF})
      .Set(0x80000000, {0x8000001F, 0, 0, 0})
      .Set(0x80000001, {0, 0, 1u << 22, 0})
      .Set(0x80000006, {0, 0, 0x02006140, 0x00209140})  // L3 code 9: look at the topology leaf
      .Set(0x8000001D, 0, Deterministic(1, 1, 8, 64, 64))
      .Set(0x8000001D, 1, Deterministic(2, 1, 4, 64, 256))
      .Set(0x8000001D, 2, Deterministic(3, 2, 8, 64, 1024))
      .Set(0x8000001D, 3, Deterministic(3, 3, 16, 64, 8192));
  const CpuFacts f = cpu.Identify();
  EXPECT_EQ(f.Family, 23u);
  EXPECT_EQ(f.Model, 1u);
  EXPECT_EQ(f.Name, "AMD processor");
  ExpectCache(f.Caches[CacheSlot::Level1Data], 32768, 8, 64, "L1 data");
  ExpectCache(f.Caches[CacheSlot::Level1Code], 65536, 4, 64, "L1 code");
  ExpectCache(f.Caches[CacheSlot::Level2], 524288, 8, 64, "L2");
  ExpectCache(f.Caches[CacheSlot::Level3], 8388608, 16, 64, "L3");
}

TEST(CpuIdentification, NothingAnsweredGivesAnEmptyButUsableDescription) {
  const CpuFacts f = RecordedCpu().Identify();
  EXPECT_EQ(f.Vendor, "");
  EXPECT_EQ(f.Name, "x86 processor");
  EXPECT_FALSE(f.FeaturesAvailable);
  for (const CacheFacts& c : f.Caches) EXPECT_EQ(c.Size, 0u);
  EXPECT_EQ(DescribeProcessor(f), "Процессор\nx86 processor на частоте 0 MHz\nx86 Family 0 Model 0 Stepping 0");
}

TEST(CpuIdentification, SerialTextIsSixGroupsOfFourHexDigits) {
  EXPECT_EQ(ProcessorSerialText(0x00000686, 0x12345678, 0x9ABCDEF0), "0000-0686-1234-5678-9ABC-DEF0");
  EXPECT_EQ(ProcessorSerialText(0xFFFFFFFF, 0, 0x0000000A), "FFFF-FFFF-0000-0000-0000-000A");
}

TEST(CpuIdentification, MeasuredClockSnapsToTheNearestUsualStep) {
  struct Row {
    double Measured;
    unsigned Normalised;
  };
  for (const Row& r : {Row{2993.4, 3000}, Row{3007.9, 3000}, Row{1866.2, 1867}, Row{2394.6, 2400}, Row{233.1, 233},
                       Row{2661.0, 2667}, Row{1008.0, 1000}, Row{45.6, 46}, Row{0.0, 0}, Row{-3.0, 0}})
    EXPECT_EQ(NormaliseMHz(r.Measured), r.Normalised) << r.Measured;
}

TEST(CpuIdentification, ThisMachineIsPlausible) {
  if (!CpuidSupported()) GTEST_SKIP() << "no CPUID on this machine";
  const CpuFacts f = IdentifyProcessor();
  EXPECT_EQ(f.Vendor.size(), 12u) << f.Vendor;
  EXPECT_FALSE(f.Name.empty());
  EXPECT_GT(f.Family, 0u);
  ASSERT_TRUE(f.FeaturesAvailable);
  // Every processor that runs x86-64 code has these; a decoding slip in the feature word would lose them.
#if defined(__x86_64__)
  for (unsigned bit : {0u, 4u, 8u, 15u, 23u, 24u, 25u, 26u})
    EXPECT_TRUE(f.StandardFeatures & (1u << bit)) << StandardFeatureName(bit);
#endif
  bool anyCache = false;
  for (const CacheFacts& c : f.Caches) {
    if (c.Size == 0) continue;
    anyCache = true;
    EXPECT_GE(c.Size, 1024u);
    EXPECT_TRUE(c.FullyAssociative || c.Ways > 0);
  }
  EXPECT_TRUE(anyCache);
  const CacheFacts& data =
      f.Caches[CacheSlot::Level1Data].Size ? f.Caches[CacheSlot::Level1Data] : f.Caches[CacheSlot::Level1Unified];
  EXPECT_GT(data.Size, 0u);
  EXPECT_TRUE(data.LineSize >= 16 && data.LineSize <= 256 && (data.LineSize & (data.LineSize - 1)) == 0)
      << data.LineSize;
}

}  // namespace
