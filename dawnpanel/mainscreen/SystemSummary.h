#pragma once
// The one-line system summary of the main window, e.g.
// "Dawnpanel 1070 (Win7 Ultimate SP1 Russian 0419, UTC+3)"; the about window mails it as the subject.
#include <cstdint>
#include <string>

struct SummaryFacts {
  std::string ProgramName;
  std::string VersionText;
  std::string WindowsDescription;  // as DescribeWindows() gives it
  std::string Language;            // English name of the user's default language
  long BiasMinutes = 0;            // time-zone bias: UTC = local time + bias
  uint32_t UserLcid = 0;
};

// "Microsoft Windows XP Professional Service Pack 3" becomes "WinXP Pro SP3".
std::string ShortWindowsName(const std::string& description);

std::string BuildSystemSummary(const SummaryFacts& facts);

// Windows build only (SystemSummaryWin32.cpp): gathers language, time zone and Windows description.
std::string BuildSystemSummary(const std::string& programName, const std::string& versionText, unsigned long userLcid);
