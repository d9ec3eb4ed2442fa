#include <gtest/gtest.h>

#include "common/Environment.h"
#include "tests/support/MemoryRegistry.h"
#include "common/Paths.h"
#include "common/Random.h"

TEST(Environment, CyrillicLocalesAreTheSevenWholeIdentifiers) {
  for (uint32_t lcid : {0x0402u, 0x0419u, 0x0422u, 0x0423u, 0x043Fu, 0x0444u, 0x0819u})
    EXPECT_TRUE(IsCyrillicLcid(lcid)) << std::hex << lcid;
  // English, a Russian locale with another sort order, Serbian Cyrillic (not in the list).
  for (uint32_t lcid : {0x0409u, 0x10419u, 0x0C1Au, 0u}) EXPECT_FALSE(IsCyrillicLcid(lcid)) << std::hex << lcid;
}

TEST(Environment, LaunchWordsInAnyLetterCase) {
  for (const char* word : {"rstart", "RStart", "GSTART", "ystart"}) EXPECT_TRUE(IsAutoStartWord(word)) << word;
  for (const char* word : {"", "start", "rstart2", " rstart", "/rstart", "хstart"})
    EXPECT_FALSE(IsAutoStartWord(word)) << word;
}

TEST(Environment, SharedRegistryUsesTheSixtyFourBitViewOnSixtyFourBitWindows) {
  EXPECT_EQ(SharedRegistryAccess(true), 0xF013Fu);
  EXPECT_EQ(SharedRegistryAccess(false), 0xF003Fu);
}

TEST(Environment, OpenSettingsKeyCreatesTheProgramsKeyUnderTheCurrentUser) {
  SharedRegistry = std::make_unique<MemoryRegistry>();
  ProgramName = "Dawnpanel";
  SharedRegistry->SetRootKey(RootKey::LocalMachine);
  EXPECT_TRUE(OpenSettingsKey());
  EXPECT_EQ(SharedRegistry->GetRootKey(), RootKey::CurrentUser);
  EXPECT_EQ(SharedRegistry->CurrentPath(), "Software\\Zedna\\Dawnpanel");
  FinalizeEnvironment();
  EXPECT_EQ(SharedRegistry, nullptr);
  EXPECT_EQ(ProgramName, "");
}

TEST(Paths, AddBackslash) {
  const struct {
    const char *In, *Out;
  } table[] = {{"", ""}, {"C:", "C:\\"}, {"C:\\Temp", "C:\\Temp\\"}, {"C:\\Temp\\", "C:\\Temp\\"}};
  for (const auto& row : table) {
    std::string path = row.In;
    AddBackslash(path);
    EXPECT_EQ(path, row.Out);
  }
}

TEST(Random, StaysInRangeAndRepeatsForTheSameSeed) {
  RandSeed(42);
  std::vector<uint32_t> first;
  for (int i = 0; i < 1000; ++i) {
    uint32_t v = Random(13);
    ASSERT_LT(v, 13u);
    first.push_back(v);
  }
  RandSeed(42);
  for (uint32_t v : first) ASSERT_EQ(Random(13), v);
  EXPECT_EQ(Random(0), 0u);
  EXPECT_EQ(Random(1), 0u);
}

TEST(Random, EveryValueIsAboutEquallyLikely) {
  RandSeed(7);
  int counts[6] = {};
  const int draws = 60000;
  for (int i = 0; i < draws; ++i) ++counts[Random(6)];
  for (int c : counts) EXPECT_NEAR(c, draws / 6, draws / 60);  // within 10 %
}
