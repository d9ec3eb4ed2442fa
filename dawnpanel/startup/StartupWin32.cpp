#include <windows.h>
#include <shellapi.h>

#include "dawnpanel/startup/StartupWin32.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "common/DateTime.h"
#include "common/Environment.h"
#include "common/EnvironmentWin32.h"
#include "dawnpanel/proverbs/ProverbStore.h"
#include "dawnpanel/proverbs/SmartRand.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/settings/SettingsStore.h"
#include "dawnpanel/startup/Integrity.h"
#include "dawnpanel/startup/Startup.h"
#include "dawnpanel/startup/WarningUnit.h"
#include "dawnpanel/system/ProgramFolders.h"

namespace {
HANDLE InstanceMapping = nullptr;  // held open for the life of the process: it marks the first instance

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
  auto* faces = reinterpret_cast<std::set<std::string>*>(param);
  std::string face = font->lfFaceName;
  CharLowerBuffA(face.data(), static_cast<DWORD>(face.size()));
  faces->insert(face);
  return 1;
}

const std::set<std::string>& InstalledFaces() {
  static std::set<std::string> faces = [] {
    std::set<std::string> all;
    HDC screen = GetDC(nullptr);
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &query, CollectFace, reinterpret_cast<LPARAM>(&all), 0);
    ReleaseDC(nullptr, screen);
    return all;
  }();
  return faces;
}

}  // namespace

std::string DefaultGuiFace() {
  // The stock font names a substitute ("MS Shell Dlg"); the face GDI really picks is installed.
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen, LF_FACESIZE, face);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return face[0] ? face : "Arial";
}

namespace {
void ShowEmptyPickerBox() {
  MessageBoxA(nullptr, "index<=0", "SmartRand", MB_OK | MB_ICONWARNING);
}
}  // namespace

std::string ModulePath() {
  char path[MAX_PATH * 2] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

bool IsFontInstalled(const char* face) {
  std::string key = face;
  CharLowerBuffA(key.data(), static_cast<DWORD>(key.size()));
  return InstalledFaces().count(key) != 0;
}

bool VerifyOwnExecutable() {
  std::ifstream file(ModulePath(), std::ios::binary);
  if (!file) return false;
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return CheckSeal(content);
}

HWND FindRunningInstance() {
  InstanceMapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 64, InstanceMappingName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) return FindWindowA(MainFormClass, nullptr);
  return nullptr;
}

bool PrepareStart() {
  ProgramName = "Dawnpanel";
  ProductNameRu = "Даунпанель";
  ProductNameEn = "Dawnpanel";

  ProverbCount = CountProverbs();
  VersionText = std::to_string(ProverbCount);

  const char* temp = std::getenv("Temp");
  LocateProgramFolders(ModulePath(), temp ? std::optional<std::string>(temp) : std::nullopt);

  if (!VerifyOwnExecutable()) return false;

  if (HWND other = FindRunningInstance()) {
    if (!IsWindowVisible(other)) PostMessageA(other, WakeUpMessage, 0, 0);
    SetForegroundWindow(other);
    return false;
  }

  if (!CyrillicLocale && AskForRussianLanguage()) {
    ShellExecuteA(nullptr, nullptr, "intl.cpl", nullptr, nullptr, SW_HIDE);
    return false;
  }

  RandomFont = DrawRandomFont([](const std::string& face) { return IsFontInstalled(face.c_str()); },
                              DefaultGuiFace());

  ReportEmptyPicker = ShowEmptyPickerBox;
  ProverbPicker = std::make_unique<TSmartRand>(ProverbCount);

  SettingsHistory.ClearHistory();
  LoadSettings(SettingsHistory, ProverbPicker.get(), AutoStartLaunch, Now());
  return true;
}
