#include <windows.h>

#include "common/WindowsFactsWin32.h"
#include "dawnpanel/mainscreen/SystemSummary.h"

std::string BuildSystemSummary(const std::string& programName, const std::string& versionText, unsigned long userLcid) {
  SummaryFacts facts;
  facts.ProgramName = programName;
  facts.VersionText = versionText;
  facts.UserLcid = userLcid;

  char language[24] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, language, sizeof language) > 0)
    facts.Language = language;

  TIME_ZONE_INFORMATION zone = {};
  if (GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID) facts.BiasMinutes = zone.Bias;

  facts.WindowsDescription = DescribeWindows();
  return BuildSystemSummary(facts);
}
