#pragma once
// Moves the settings record and the proverb picker's used-set to and from the settings key.
#include "dawnpanel/proverbs/SmartRand.h"
#include "dawnpanel/settings/SettingsHistory.h"

// A value that cannot be read leaves its own field as it was and loading goes on, so one bad
// or outdated value never costs the user the others. picker may be null.
void LoadSettings(TSettingsHistory& settings, TSmartRand* picker, bool autoStartLaunch, double now);
// fixedFontChecked: the settings window's fixed-typeface box; FontName is written only when ticked.
void SaveSettings(const TSettingsHistory& settings, const TSmartRand* picker, bool fixedFontChecked);
