#include <gtest/gtest.h>

#include <vector>

#include "dawnpanel/system/ProcessorDescription.h"

namespace {

const TFormatSettings English{",", "."};
const TFormatSettings Russian{"\xA0", ","};

CacheFacts Cache(uint64_t size, uint32_t ways, uint32_t line) {
  CacheFacts c;
  c.Size = size;
  c.Ways = ways;
  c.LineSize = line;
  return c;
}

CpuFacts Processor(unsigned count, bool hyperThreading) {
  CpuFacts f;
  f.ProcessorCount = count;
  f.Name = "Test CPU";
  f.FrequencyMHz = 2400;
  f.FeaturesAvailable = true;
  f.StandardFeatures = hyperThreading ? uint32_t{FeatureHyperThreading} : 0u;
  return f;
}

std::string FirstTwoLines(const std::string& text) {
  const size_t second = text.find('\n');
  return text.substr(0, text.find('\n', second + 1));
}

TEST(ProcessorDescription, CountWordingDependsOnHyperThreading) {
  struct Row {
    unsigned Count;
    bool HyperThreading;
    std::string Start;
  };
  for (const Row& r : std::vector<Row>{
           {1, false, "Процессор\nTest CPU на частоте 2.4 GHz"},
           {2, true, "Процессор\nTest CPU HT на частоте 2.4 GHz"},
           {3, true, "Процессор\nTest CPU HT на частоте 2.4 GHz"},
           {4, true, "Процессоры\n4 x Test CPU HT на частоте 2.4 GHz"},
           {2, false, "Процессоры\n2 x Test CPU на частоте 2.4 GHz"},
           {0, false, "Процессор\nTest CPU на частоте 2.4 GHz"},
       }) {
    EXPECT_EQ(FirstTwoLines(DescribeProcessor(Processor(r.Count, r.HyperThreading))), r.Start)
        << r.Count << (r.HyperThreading ? " HT" : "");
  }
}

TEST(ProcessorDescription, ComposesTheWholeDescription) {
  CpuFacts f;
  f.ProcessorCount = 1;
  f.Name = "Intel processor";
  f.FrequencyMHz = 733;
  f.Family = 6;
  f.Model = 8;
  f.Stepping = 6;
  f.FeaturesAvailable = true;
  f.StandardFeatures = 0x0387FBFF;  // 21 features with the serial number
  f.SerialNumber = "0000-0686-1234-5678-9ABC-DEF0";
  f.Caches[CacheSlot::Level1Code] = Cache(16384, 4, 32);
  f.Caches[CacheSlot::Level1Data] = Cache(16384, 4, 32);
  f.Caches[CacheSlot::Level2] = Cache(262144, 8, 32);
  EXPECT_EQ(DescribeProcessor(f),
            "Процессор\n"
            "Intel processor на частоте 733 MHz\n"
            "x86 Family 6 Model 8 Stepping 6\n"
            "Серийный номер: 0000-0686-1234-5678-9ABC-DEF0\n"
            "Cache Level 1 Code: 16.0 KB, 4-Way Associativity, 32 bytes Line Size\n"
            "Cache Level 1 Data: 16.0 KB, 4-Way Associativity, 32 bytes Line Size\n"
            "Cache Level 2: 256.0 KB, 8-Way Associativity, 32 bytes Line Size\n"
            "Возможности:\n"
            " FPU VME DE PSE TSC MSR PAE MCE CX8 APIC SEP\n"
            " MTRR PGE MCA CMOV PAT PSE-36 PSN MMX FXSR SSE\n");
}

TEST(ProcessorDescription, CachesInTheirOrderWithTheLocaleSeparators) {
  CpuFacts f = Processor(1, false);
  f.FeaturesAvailable = false;
  f.FrequencyMHz = 3200;
  f.Separators = Russian;
  f.Caches[CacheSlot::Trace] = Cache(12288, 8, 0);
  f.Caches[CacheSlot::Level3] = Cache(2097152, 16, 64);
  f.Caches[CacheSlot::Level1Unified] = Cache(65536, 0, 64);
  EXPECT_EQ(DescribeProcessor(f),
            "Процессор\n"
            "Test CPU на частоте 3,2 GHz\n"
            "x86 Family 0 Model 0 Stepping 0\n"
            "Cache Level 1 Unified: 64,0 KB, Disabled, 64 bytes Line Size\n"
            "Cache Level 3: 2,0 MB, 16-Way Associativity, 64 bytes Line Size\n"
            "Cache Trace: 12,0 KB, 8-Way Associativity, 0 bytes Line Size");
}

TEST(ProcessorDescription, SerialNumberOnlyWhenSupported) {
  CpuFacts f = Processor(1, false);
  f.SerialNumber = "0000-0686-1234-5678-9ABC-DEF0";
  EXPECT_EQ(DescribeProcessor(f).find("Серийный номер"), std::string::npos);
  f.StandardFeatures |= FeatureSerialNumber;
  EXPECT_NE(DescribeProcessor(f).find("\nСерийный номер: 0000-0686-1234-5678-9ABC-DEF0\n"), std::string::npos);
}

TEST(ProcessorDescription, FeatureListBreaksAfterThe11th21stAnd31stName) {
  CpuFacts f = Processor(1, false);
  f.StandardFeatures = 0x7FF;  // exactly eleven
  EXPECT_EQ(DescribeProcessor(f).substr(DescribeProcessor(f).find("Возможности")),
            "Возможности:\n FPU VME DE PSE TSC MSR PAE MCE CX8 APIC Bit10\n");

  f.StandardFeatures = 0xFFFFFFFF;
  const std::string all = DescribeProcessor(f);
  EXPECT_EQ(all.substr(all.find("Возможности")),
            "Возможности:\n"
            " FPU VME DE PSE TSC MSR PAE MCE CX8 APIC Bit10\n"
            " SEP MTRR PGE MCA CMOV PAT PSE-36 PSN CLFSH Bit20\n"
            " DS ACPI MMX FXSR SSE SSE2 SS HTT TM IA64\n"
            " PBE");

  f.StandardFeatures = 0;
  EXPECT_TRUE(DescribeProcessor(f).ends_with("\nВозможности:\n"));

  f.FeaturesAvailable = false;
  f.StandardFeatures = 0xFFFFFFFF;
  EXPECT_EQ(DescribeProcessor(f).find("Возможности"), std::string::npos);
  EXPECT_EQ(DescribeProcessor(f).find(" HT "), std::string::npos);  // no feature set, no hyper-threading
}

TEST(ProcessorDescription, CacheLineWording) {
  struct Row {
    int Index;
    CacheFacts Cache;
    TFormatSettings Separators;
    std::string Line;
  };
  CacheFacts full = Cache(4096, 0, 64);
  full.FullyAssociative = true;
  for (const Row& r : std::vector<Row>{
           {CacheSlot::Level2, Cache(262144, 8, 64), English,
            "Cache Level 2: 256.0 KB, 8-Way Associativity, 64 bytes Line Size"},
           {CacheSlot::Level2, Cache(262144, 8, 64), Russian,
            "Cache Level 2: 256,0 KB, 8-Way Associativity, 64 bytes Line Size"},
           {CacheSlot::Level1Data, Cache(8192, 0, 32), English,
            "Cache Level 1 Data: 8.0 KB, Disabled, 32 bytes Line Size"},
           {CacheSlot::Level1Code, Cache(8192, 1, 32), English,
            "Cache Level 1 Code: 8.0 KB, Direct Associativity, 32 bytes Line Size"},
           {CacheSlot::Trace, full, English, "Cache Trace: 4.0 KB, Full Associativity, 64 bytes Line Size"},
           {CacheSlot::Level3, Cache(12582912, 12, 64), English,
            "Cache Level 3: 12.0 MB, 12-Way Associativity, 64 bytes Line Size"},
       })
    EXPECT_EQ(CacheLine(r.Index, r.Cache, r.Separators), r.Line);
}

TEST(ProcessorDescription, AssociativityNames) {
  CacheFacts c;
  EXPECT_EQ(AssociativityName(c), "None");
  c.Ways = 1;
  EXPECT_EQ(AssociativityName(c), "Direct");
  c.Ways = 2;
  EXPECT_EQ(AssociativityName(c), "2-Way");
  c.Ways = 16;
  EXPECT_EQ(AssociativityName(c), "16-Way");
  c.FullyAssociative = true;
  EXPECT_EQ(AssociativityName(c), "Full");
}

TEST(ProcessorDescription, SizeTextUnitsBoundariesAndRounding) {
  struct Row {
    uint64_t Bytes;
    TFormatSettings Separators;
    std::string Text;
  };
  for (const Row& r : std::vector<Row>{
           {0, English, "0 bytes"},
           {64, English, "64 bytes"},
           {1023, English, "1023 bytes"},
           {1024, English, "1.0 KB"},
           {1280, English, "1.3 KB"},  // 1.25: halves round away from zero
           {1228, English, "1.2 KB"},
           {1048575, English, "1,024.0 KB"},
           {1048575, Russian,
            "1\xA0"
            "024,0 KB"},
           {1048576, English, "1.0 MB"},
           {1073741823, English, "1,024.0 MB"},
           {1073741824, English, "1.0 GB"},
           {uint64_t{3000} << 30, English, "3,000.0 GB"},
           {uint64_t{1} << 40, TFormatSettings{"", ","}, "1024,0 GB"},
       })
    EXPECT_EQ(SizeText(r.Bytes, r.Separators), r.Text) << r.Bytes;
}

TEST(ProcessorDescription, FrequencyTextInMegahertzOrGigahertz) {
  struct Row {
    unsigned MHz;
    TFormatSettings Separators;
    std::string Text;
  };
  for (const Row& r : std::vector<Row>{
           {0, English, "0 MHz"},
           {999, English, "999 MHz"},
           {1000, English, "1.0 GHz"},
           {1867, English, "1.9 GHz"},
           {2449, English, "2.4 GHz"},
           {2450, English, "2.5 GHz"},
           {2450, Russian, "2,5 GHz"},
           {12345, English, "12.3 GHz"},
       })
    EXPECT_EQ(FrequencyText(r.MHz, r.Separators), r.Text) << r.MHz;
}

}  // namespace
