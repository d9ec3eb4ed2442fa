#pragma once
// The separators of the user's locale, for FormatN.
#include "common/NumberFormat.h"

TFormatSettings UserFormatSettings();
