#include <windows.h>

#include "common/ui/Application.h"

TApplication& TApplication::Instance() {
  static TApplication application;
  return application;
}

void TApplication::Initialize(const std::string& title, HICON icon) {
  if (Hwnd) return;
  RegisterFormClass("TApplication", 0, nullptr, icon);
  // Visible but of no size: the taskbar shows its button while the forms it owns come and go.
  int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
  CreateHandle(0, "TApplication", title.c_str(),
               WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, cx, cy, 0, 0);
  if (icon) SendMessageA(Hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void TApplication::SetTitle(const std::string& title) {
  if (Hwnd && GetText() != title) SetText(title);
}

void TApplication::Minimize() {
  if (!Hwnd || IsIconic(Hwnd)) return;
  // The forms go first, each told by WM_SHOWWINDOW with SW_PARENTCLOSING; not every window
  // manager hides the windows of a minimized owner by itself.
  ShowOwnedPopups(Hwnd, FALSE);
  ShowWindow(Hwnd, SW_SHOWMINNOACTIVE);
}

void TApplication::Restore() {
  if (!Hwnd) return;
  if (IsIconic(Hwnd)) ShowWindow(Hwnd, SW_RESTORE);
  ShowOwnedPopups(Hwnd, TRUE);
  // A main form that was never shown (an automatic start) comes up here.
  if (MainForm && MainForm->Handle()) {
    ShowWindow(MainForm->Handle(), SW_SHOW);
    SetForegroundWindow(MainForm->Handle());
  }
}

int TApplication::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    Window* target = FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
    if (target && target->PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      // The taskbar button minimizes and restores the whole application.
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          Restore();
          return 0;
        case SC_CLOSE:
          if (MainForm) MainForm->Close();
          return 0;
      }
      break;
    case WM_CLOSE:
      if (MainForm) MainForm->Close();
      return 0;
    case WM_ACTIVATE:
      // Activation belongs to the main form, not to this invisible window.
      if (LOWORD(wParam) != WA_INACTIVE && MainForm && MainForm->Visible()) {
        SetFocus(MainForm->Handle());
        return 0;
      }
      break;
  }
  return Window::WndProc(message, wParam, lParam);
}
