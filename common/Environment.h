#pragma once
// What every deliverable knows about itself and its surroundings, set once at start.
#include <cstdint>
#include <memory>
#include <string>

#include "common/Registry.h"

inline constexpr const char* CurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion\\";
inline constexpr const char* SettingsKeyPrefix = "Software\\Zedna\\";

extern std::string ProgramName;
extern std::string ProductNameRu;
extern std::string ProductNameEn;
extern std::string LongTitleRu;
extern bool CyrillicLocale;
extern uint32_t UserLcid;
extern bool AutoStartLaunch;
extern std::unique_ptr<Registry> SharedRegistry;
extern int32_t VersionMajor;
extern int32_t VersionMinor;

// User locales whose ANSI code page shows our Cyrillic texts.
bool IsCyrillicLcid(uint32_t lcid);
// The first command-line parameter marks an automatic start: rstart, gstart or ystart, any case.
bool IsAutoStartWord(const std::string& firstParameter);
// Access mask of the shared registry object: the 64-bit view on 64-bit Windows.
uint32_t SharedRegistryAccess(bool is64BitWindows);

// Points SharedRegistry at HKEY_CURRENT_USER\Software\Zedna\<ProgramName>, creating the key.
bool OpenSettingsKey();

// Empties the module's strings and frees the registry object.
void FinalizeEnvironment();
