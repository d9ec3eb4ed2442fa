#include <windows.h>

#include "common/ui/Window.h"

#include <algorithm>

namespace {
const char* const WindowProp = "DawnpanelWindow";
Window* Creating = nullptr;  // the object whose CreateWindowEx call is under way
}  // namespace

Window::~Window() {
  for (Timer* t : Timers) KillTimer(Hwnd, t->Id());
  DestroyHandle();
}

Window* Window::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Window*>(GetPropA(hwnd, WindowProp)) : nullptr;
}

void Window::RegisterFormClass(const char* className, UINT classStyle, HBRUSH background, HICON icon) {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &wc)) return;
  wc = {};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = className;
  RegisterClassExA(&wc);
}

bool Window::CreateHandle(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU menuOrId) {
  Creating = this;
  HWND hwnd = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menuOrId,
                              GetModuleHandleA(nullptr), nullptr);
  Creating = nullptr;
  if (!hwnd) return false;
  if (!Hwnd) Subclass(hwnd);  // a standard control: its class procedure is not ours
  return true;
}

void Window::Subclass(HWND hwnd) {
  Hwnd = hwnd;
  SetPropA(hwnd, WindowProp, this);
  Inherited = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticProc)));
}

void Window::DestroyHandle() {
  if (!Hwnd) return;
  HWND hwnd = Hwnd;
  DestroyWindow(hwnd);  // WM_NCDESTROY clears Hwnd
  Hwnd = nullptr;
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (!self && Creating && !Creating->Hwnd) {
    self = Creating;
    self->Hwnd = hwnd;
    SetPropA(hwnd, WindowProp, self);
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC inherited = self->Inherited;
    RemovePropA(hwnd, WindowProp);
    self->Hwnd = nullptr;
    return inherited ? CallWindowProcA(inherited, hwnd, message, wParam, lParam)
                     : DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return self->WndProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Inherited ? CallWindowProcA(Inherited, Hwnd, message, wParam, lParam)
                   : DefWindowProcA(Hwnd, message, wParam, lParam);
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      for (Timer* t : Timers)
        if (t->Id() == wParam && t->Enabled()) {
          t->Fire();
          return 0;
        }
      break;
    case WM_CLOSE:
      if (!CanClose()) return 0;
      if (InModal) {
        EndModal(ModalResultValue ? ModalResultValue : IDCANCEL);
        return 0;
      }
      DestroyHandle();
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

void Window::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(Hwnd, GWL_EXSTYLE)));
  SetWindowPos(Hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetText(const std::string& text) { SetWindowTextA(Hwnd, text.c_str()); }

std::string Window::GetText() const {
  int length = GetWindowTextLengthA(Hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(Hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, length)));
  return text;
}

bool Window::PreTranslateMessage(MSG&) { return false; }

namespace {
struct DisabledWindows {
  HWND Except;
  std::vector<HWND> List;
};
BOOL CALLBACK DisableOthers(HWND hwnd, LPARAM param) {
  auto* state = reinterpret_cast<DisabledWindows*>(param);
  if (hwnd != state->Except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    state->List.push_back(hwnd);
  }
  return TRUE;
}
}  // namespace

int Window::ShowModal() {
  // Every other top-level window of this thread waits, as with a form library's modal forms.
  DisabledWindows disabled{Hwnd, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&disabled));
  InModal = true;
  ModalResultValue = 0;
  ShowWindow(Hwnd, SW_SHOW);
  SetForegroundWindow(Hwnd);
  MSG msg;
  while (InModal) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
      break;
    }
    Window* target = FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
    if (target && target->PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  InModal = false;
  for (HWND hwnd : disabled.List) EnableWindow(hwnd, TRUE);
  if (Hwnd) ShowWindow(Hwnd, SW_HIDE);
  return ModalResultValue;
}

void Window::EndModal(int result) {
  ModalResultValue = result;
  InModal = false;
  PostMessageA(Hwnd, WM_NULL, 0, 0);  // wake the modal loop
}

void ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Window* target = Window::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
    if (target && target->PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

Timer::Timer(Window& owner, UINT interval, std::function<void()> onTimer)
    : Owner(owner), IntervalMs(interval), OnTimer(std::move(onTimer)) {
  Owner.Timers.push_back(this);
}

Timer::~Timer() {
  if (Owner.Hwnd) KillTimer(Owner.Hwnd, Id());
  auto& list = Owner.Timers;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void Timer::Apply() {
  if (!Owner.Hwnd) return;
  KillTimer(Owner.Hwnd, Id());
  if (IsEnabled && IntervalMs > 0) SetTimer(Owner.Hwnd, Id(), IntervalMs, nullptr);
}

void Timer::SetEnabled(bool enabled) {
  IsEnabled = enabled;
  Apply();
}

void Timer::SetInterval(UINT interval) {
  IntervalMs = interval;
  Apply();
}
