#include "dawnpanel/mainscreen/SystemSummary.h"

#include <cmath>
#include <cstdio>

namespace {

void EraseFirst(std::string& text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

}  // namespace

std::string ShortWindowsName(const std::string& description) {
  std::string name = description;
  EraseFirst(name, "Microsoft ");
  const size_t windows = name.find("Windows ");
  if (windows != std::string::npos) name.erase(windows + 3, 5);  // "Windows 7" -> "Win7"
  EraseFirst(name, "fessional");
  EraseFirst(name, "ervice ");
  EraseFirst(name, "ack ");
  return name;
}

std::string BuildSystemSummary(const SummaryFacts& facts) {
  // Whole hours, halves away from zero; a positive bias is west of Greenwich and shows its minus.
  const long hours = std::lround(-static_cast<double>(facts.BiasMinutes) / 60.0);
  const std::string zone = ", UTC" + std::string(facts.BiasMinutes < 0 ? "+" : "") + std::to_string(hours);

  char code[16];
  std::snprintf(code, sizeof code, " %04X", static_cast<unsigned>(facts.UserLcid));

  return facts.ProgramName + " " + facts.VersionText + " (" + ShortWindowsName(facts.WindowsDescription) + " " +
         facts.Language + code + zone + ")";
}
