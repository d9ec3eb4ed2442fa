#include "common/Environment.h"

std::string ProgramName;
std::string ProductNameRu;
std::string ProductNameEn;
std::string LongTitleRu;
bool CyrillicLocale = false;
uint32_t UserLcid = 0;
bool AutoStartLaunch = false;
std::unique_ptr<Registry> SharedRegistry;
int32_t VersionMajor = -1;
int32_t VersionMinor = -1;

bool IsCyrillicLcid(uint32_t lcid) {
  switch (lcid) {
    case 1026: case 1049: case 1058: case 1059: case 1087: case 1092: case 2073: return true;
    default: return false;
  }
}

bool IsAutoStartWord(const std::string& firstParameter) {
  std::string word = firstParameter;
  for (char& c : word)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return word == "rstart" || word == "gstart" || word == "ystart";
}

uint32_t SharedRegistryAccess(bool is64BitWindows) {
  return is64BitWindows ? (KeyAllAccess | KeyWow64_64Key) : KeyAllAccess;
}

bool OpenSettingsKey() {
  try {
    SharedRegistry->SetRootKey(RootKey::CurrentUser);
    SharedRegistry->OpenKey(SettingsKeyPrefix + ProgramName, true);
    return true;
  } catch (const ERegistryException&) {
    return false;
  }
}

void FinalizeEnvironment() {
  SharedRegistry.reset();
  ProgramName.clear();
  ProductNameRu.clear();
  ProductNameEn.clear();
  LongTitleRu.clear();
}
