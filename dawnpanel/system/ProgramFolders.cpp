#include "dawnpanel/system/ProgramFolders.h"

#include "common/Environment.h"
#include "common/Paths.h"

std::string ProgramFolder;
std::string TempFolder;
std::string StartupFolder;
std::string ProgramFilesDir;
bool ProgramFilesKnown = true;

namespace {
// Opens a key read-only, reads one string value and closes the key whatever happens.
std::string ReadStringValue(RootKey root, const std::string& key, const char* name) {
  Registry& reg = *SharedRegistry;
  reg.SetRootKey(root);
  std::string value;
  try {
    if (reg.OpenKeyReadOnly("\\" + key)) value = reg.ReadString(name);
  } catch (...) {
    reg.CloseKey();
    throw;
  }
  reg.CloseKey();
  return value;
}
}  // namespace

bool LooksLikeProgramFiles(const std::string& path) {
  auto at = path.find("gr");
  if (at == std::string::npos) return false;
  return at + 1 >= 4 && at + 1 <= 16;
}

bool LocateProgramFolders(const std::string& exePath, const std::optional<std::string>& temp) {
  auto slash = exePath.size() >= 2 ? exePath.rfind('\\', exePath.size() - 2) : std::string::npos;
  ProgramFolder = slash == std::string::npos ? std::string() : exePath.substr(0, slash + 1);
  TempFolder = temp.value_or("");
  AddBackslash(TempFolder);
  StartupFolder = ReadStringValue(RootKey::CurrentUser, std::string(CurrentVersionKey) + "Explorer\\Shell Folders",
                                  "Startup");
  AddBackslash(StartupFolder);
  ProgramFilesDir = ReadStringValue(RootKey::LocalMachine, CurrentVersionKey, "ProgramFilesDir");
  ProgramFilesKnown = LooksLikeProgramFiles(ProgramFilesDir);
  return true;
}
