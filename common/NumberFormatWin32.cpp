#include <windows.h>

#include "common/NumberFormatWin32.h"

namespace {
std::string LocaleItem(LCTYPE item, const char* fallback) {
  char text[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) <= 1) return fallback;
  return text;
}
}  // namespace

TFormatSettings UserFormatSettings() {
  TFormatSettings settings;
  settings.ThousandSeparator = LocaleItem(LOCALE_STHOUSAND, "");
  settings.DecimalSeparator = LocaleItem(LOCALE_SDECIMAL, ".");
  return settings;
}
