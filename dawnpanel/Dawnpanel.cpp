#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <string>

#include "common/Environment.h"
#include "common/EnvironmentWin32.h"
#include "common/ui/Application.h"
#include "dawnpanel/mainscreen/MainUnit.h"
#include "dawnpanel/startup/StartupWin32.h"

namespace {
void ReportFatal(const std::string& detail) {
  // The names may not be set yet when start-up fails early.
  if (ProductNameRu.empty()) ProductNameRu = "Даунпанель";
  if (ProductNameEn.empty()) ProductNameEn = "Dawnpanel";
  ShowError("The program has stopped because of an error:\n" + detail,
            "Программа остановлена из-за ошибки:\n" + detail);
}

LONG WINAPI LastChance(EXCEPTION_POINTERS* info) {
  char text[96];
  wsprintfA(text, "exception 0x%08lX at 0x%p", info->ExceptionRecord->ExceptionCode,
            info->ExceptionRecord->ExceptionAddress);
  ReportFatal(text);
  ExitProcess(3);
}

int RunProgram() {
  InitializeEnvironment();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  TApplication& application = TApplication::Instance();
  if (!PrepareStart()) return 0;
  application.Initialize(ProgramName, LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
  TDPMainForm mainForm;
  application.SetMainForm(&mainForm);
  mainForm.FormCreate();
  if (!Minimized) {
    ShowWindow(mainForm.Handle(), SW_SHOW);
    SetForegroundWindow(mainForm.Handle());
    SetFocus(mainForm.MoreBitBtn.Handle());
  }
  int code = application.Run();
  application.SetMainForm(nullptr);
  return code;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetUnhandledExceptionFilter(LastChance);
  int code;
  try {
    code = RunProgram();
  } catch (const std::exception& error) {
    ReportFatal(error.what());
    code = 2;
  }
  FinalizeEnvironment();
  return code;
}
