#include <gtest/gtest.h>

#include <vector>

#include "dawnpanel/mainscreen/SystemSummary.h"

namespace {

TEST(ShortWindowsName, ShortensEachWordOnce) {
  struct Row {
    std::string Description, Short;
  };
  for (const Row& r : std::vector<Row>{
           {"Microsoft Windows XP Professional Service Pack 3", "WinXP Pro SP3"},
           {"Microsoft Windows 7 Ultimate 64-bit Service Pack 1", "Win7 Ultimate 64-bit SP1"},
           {"Microsoft Windows 10 Professional 64-bit", "Win10 Pro 64-bit"},
           {"Microsoft Windows 98 SE  A ", "Win98 SE  A "},
           {"Microsoft Windows XP Professional x64 Service Pack 2", "WinXP Pro x64 SP2"},
           {"unknown", "unknown"},
           // Only the first occurrence of each goes.
           {"Microsoft Windows Microsoft Windows ", "WinMicrosoft Windows "},
           {"Microsoft Windows NT Workstation Service Pack 6a", "WinNT Workstation SP6a"},
           {"Microsoft Windows ", "Win"},
       })
    EXPECT_EQ(ShortWindowsName(r.Description), r.Short) << r.Description;
}

SummaryFacts Facts(long bias, uint32_t lcid = 0x0419) {
  SummaryFacts f;
  f.ProgramName = "Dawnpanel";
  f.VersionText = "1070";
  f.WindowsDescription = "Microsoft Windows 7 Ultimate Service Pack 1";
  f.Language = "Russian";
  f.BiasMinutes = bias;
  f.UserLcid = lcid;
  return f;
}

TEST(SystemSummary, ComposesProgramVersionWindowsLanguageAndZone) {
  EXPECT_EQ(BuildSystemSummary(Facts(-180)), "Dawnpanel 1070 (Win7 Ultimate SP1 Russian 0419, UTC+3)");
}

TEST(SystemSummary, TimeZoneInWholeHours) {
  struct Row {
    long Bias;
    std::string Zone;
  };
  for (const Row& r : std::vector<Row>{
           {-180, ", UTC+3)"},
           {300, ", UTC-5)"},
           {0, ", UTC0)"},
           {-720, ", UTC+12)"},
           {-330, ", UTC+6)"},  // +5:30, halves away from zero
           {210, ", UTC-4)"},   // -3:30
           {-20, ", UTC+0)"},   // a sign, though the hours round to nothing
           {20, ", UTC0)"},
       })
    EXPECT_TRUE(BuildSystemSummary(Facts(r.Bias)).ends_with(r.Zone))
        << r.Bias << " " << BuildSystemSummary(Facts(r.Bias));
}

TEST(SystemSummary, LocaleCodeInUpperCaseHexWithAtLeastFourDigits) {
  struct Row {
    uint32_t Lcid;
    std::string Code;
  };
  for (const Row& r : std::vector<Row>{
           {0x0419, " 0419,"}, {0x0409, " 0409,"}, {0x7F, " 007F,"}, {0x2C1A, " 2C1A,"}, {0x10407, " 10407,"}}) {
    const std::string summary = BuildSystemSummary(Facts(0, r.Lcid));
    EXPECT_NE(summary.find("Russian" + r.Code), std::string::npos) << summary;
  }
}

}  // namespace
