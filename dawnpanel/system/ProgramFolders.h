#pragma once
// The folders the program needs later, worked out once at start-up.
#include <optional>
#include <string>

extern std::string ProgramFolder;
extern std::string TempFolder;
extern std::string StartupFolder;
extern std::string ProgramFilesDir;
extern bool ProgramFilesKnown;

// exePath: the running executable's full path; temp: the "Temp" variable, if set.
// Registry errors (a value of a non-string type) are not caught here.
bool LocateProgramFolders(const std::string& exePath, const std::optional<std::string>& temp);

// An ordinary Program Files path has its first "gr" at 1-based position 4 to 16.
bool LooksLikeProgramFiles(const std::string& path);
