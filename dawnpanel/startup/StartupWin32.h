#pragma once
#include <windows.h>

#include <string>

// Everything between process start and the main window: identity, folders, integrity,
// single instance, language offer, typeface draw, picker, settings. True: go on.
bool PrepareStart();
// The main window of a first instance, or nullptr when this process is the first one.
HWND FindRunningInstance();
// True when the executable file still carries a seal that matches its content.
bool VerifyOwnExecutable();
// Whether a typeface of this name is installed (letter case ignored).
bool IsFontInstalled(const char* face);
// The face the system really uses for its default GUI font: the fallback of the typeface draw.
std::string DefaultGuiFace();
// The program's own executable path.
std::string ModulePath();

inline constexpr UINT WakeUpMessage = 0x8000;
inline constexpr const char* InstanceMappingName = "dawnpanel_memfile";
inline constexpr const char* MainFormClass = "TDPMainForm";
