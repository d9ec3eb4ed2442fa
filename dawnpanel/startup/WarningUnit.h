#pragma once
// Outside a Cyrillic locale: offers once to open the regional settings so that Russian texts
// display. True when the user asked to open them now.
bool AskForRussianLanguage();
