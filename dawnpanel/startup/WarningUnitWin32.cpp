#include <windows.h>

#include "dawnpanel/startup/WarningUnit.h"

// The dialog itself comes with its own window; until then start-up goes on as if declined.
bool AskForRussianLanguage() { return false; }
