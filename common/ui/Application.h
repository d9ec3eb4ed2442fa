#pragma once
// The application object: a hidden top-level window that owns the main form and carries the
// taskbar button and its text. Minimizing it hides the forms it owns (they see WM_SHOWWINDOW
// with SW_PARENTCLOSING); restoring shows them again.
#include <windows.h>

#include <string>

#include "common/ui/Window.h"

class TApplication : public Window {
 public:
  static TApplication& Instance();

  void Initialize(const std::string& title, HICON icon);
  void SetTitle(const std::string& title);
  std::string Title() const { return GetText(); }
  void SetMainForm(Window* form) { MainForm = form; }
  Window* GetMainForm() const { return MainForm; }
  void Minimize();
  void Restore();
  bool IsMinimized() const { return Hwnd && IsIconic(Hwnd); }
  // The message loop; returns the exit code of WM_QUIT.
  int Run();
  void Terminate() { PostQuitMessage(0); }

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TApplication() = default;
  Window* MainForm = nullptr;
};
