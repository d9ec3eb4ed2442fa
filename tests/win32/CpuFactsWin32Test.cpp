#include <gtest/gtest.h>
#include <windows.h>

#include "dawnpanel/system/CpuFactsWin32.h"

namespace {

TEST(GatherCpuFacts, AnswersPlausiblyOnThisMachine) {
  const CpuFacts f = GatherCpuFacts();
  EXPECT_GE(f.ProcessorCount, 1u);
  EXPECT_GE(f.FrequencyMHz, 100u);
  EXPECT_LE(f.FrequencyMHz, 10000u);
  EXPECT_EQ(f.Vendor.size(), 12u) << f.Vendor;
  EXPECT_FALSE(f.Name.empty());
  EXPECT_GT(f.Family, 0u);
  EXPECT_FALSE(f.Separators.DecimalSeparator.empty());
}

TEST(GatherCpuFacts, SeparatorsAreTheUserLocales) {
  char decimal[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
  EXPECT_EQ(GatherCpuFacts().Separators.DecimalSeparator, decimal);
}

TEST(GatherCpuFacts, GivesTheThreadItsProcessorsBack) {
  DWORD_PTR process = 0, system = 0;
  ASSERT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &process, &system));
  SetThreadAffinityMask(GetCurrentThread(), process);
  GatherCpuFacts();
  EXPECT_EQ(SetThreadAffinityMask(GetCurrentThread(), process), process);
}

TEST(DescribeProcessorWin32, StartsWithTheProcessorLines) {
  const std::string text = DescribeProcessor();
  EXPECT_EQ(text.rfind("Процессор", 0), 0u) << text;
  EXPECT_NE(text.find(" на частоте "), std::string::npos) << text;
  EXPECT_NE(text.find("\nx86 Family "), std::string::npos) << text;
  EXPECT_NE(text.find("\nCache "), std::string::npos) << text;
}

}  // namespace
