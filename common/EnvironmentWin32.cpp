#include <windows.h>
#include <shellapi.h>

#include "common/EnvironmentWin32.h"

#include "common/Environment.h"
#include "common/Random.h"
#include "common/Win32Registry.h"
#include "common/WindowsFactsWin32.h"

unsigned NoticeIcon = MB_ICONWARNING;

namespace {
constexpr WORD RussianLanguage = 0x0019;  // Russian, neutral sub-language: Russian buttons too

int Box(const std::string& english, const std::string& russian, UINT style) {
  if (CyrillicLocale)
    return MessageBoxExA(nullptr, russian.c_str(), ProductNameRu.c_str(), style, RussianLanguage);
  return MessageBoxA(nullptr, english.c_str(), ProductNameEn.c_str(), style);
}
}  // namespace

std::string FirstParameter() {
  // The same parsing rules as the C runtime's argv, without depending on its start-up code.
  const char* p = GetCommandLineA();
  auto skipSpaces = [&] { while (*p == ' ' || *p == '\t') ++p; };
  auto word = [&] {
    std::string w;
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"') quoted = !quoted;
      else w += *p;
    }
    return w;
  };
  skipSpaces();
  word();  // the program itself
  skipSpaces();
  return word();
}

void InitializeEnvironment() {
  Randomize();
  UserLcid = GetUserDefaultLCID();
  VersionMajor = -1;
  VersionMinor = -1;
  CyrillicLocale = IsCyrillicLcid(UserLcid);
  DescribeWindows();
  SharedRegistry = std::make_unique<Win32Registry>(SharedRegistryAccess(Is64BitWindows));
  SharedRegistry->SetRootKey(RootKey::CurrentUser);
  AutoStartLaunch = IsAutoStartWord(FirstParameter());
}

void ShowError(const std::string& english, const std::string& russian) {
  Box(english, russian, MB_OK | MB_ICONERROR | MB_SERVICE_NOTIFICATION);
}

int ShowNotice(const std::string& english, const std::string& russian) {
  return Box(english, russian, MB_OK | NoticeIcon | MB_TASKMODAL | MB_TOPMOST);
}
