#include "dawnpanel/startup/Startup.h"

#include <vector>

#include "common/Random.h"

int32_t ProverbCount = 0;
std::string VersionText;
std::string RandomFont;

std::string DrawRandomFont(const std::function<bool(const std::string&)>& installed, const std::string& fallback) {
  // Drawing among the installed faces gives the same odds as redrawing until one is installed.
  std::vector<std::string> present;
  for (const char* face : ProverbFonts)
    if (installed(face)) present.emplace_back(face);
  if (present.empty()) return fallback;
  return present[Random(static_cast<uint32_t>(present.size()))];
}
