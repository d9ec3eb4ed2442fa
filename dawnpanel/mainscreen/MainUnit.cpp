#include <windows.h>

#include "dawnpanel/mainscreen/MainUnit.h"

#include "common/Environment.h"
#include "common/Random.h"
#include "common/WindowsDescription.h"
#include "common/ui/Application.h"
#include "dawnpanel/mainscreen/PanelsWin32.h"
#include "dawnpanel/mainscreen/SystemSummary.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/proverbs/SmartRand.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/settings/SettingsStore.h"
#include "dawnpanel/startup/Startup.h"
#include "dawnpanel/startup/StartupWin32.h"
#include "dawnpanel/system/CpuFactsWin32.h"

TickState MainTick;
bool Minimized = false;
bool UseLetters = false;
uint32_t StartTicks = 0;
std::string SystemSummary;
bool DetailsOpened = false;
TDPMainForm* DPMainForm = nullptr;

namespace {
enum ButtonId { IdMore = 101, IdTools, IdInfo, IdExit };

HCURSOR SystemCursor(LPCSTR id) { return LoadCursorA(nullptr, id); }
}  // namespace

TDPMainForm::TDPMainForm() : ClockTimer(*this, FirstTickInterval, [this] { ClockTimerTimer(); }) {
  // No background brush: the painter covers the whole client area, nothing is erased behind it.
  RegisterFormClass(MainFormClass, CS_DBLCLKS, nullptr,
                    LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
  HWND owner = TApplication::Instance().Handle();
  CreateHandle(WS_EX_TOPMOST, MainFormClass, "Даунпанель", WS_POPUP | WS_CLIPCHILDREN, 0, 0, MainClientWidth,
               MainClientHeight, owner);
  SetClientSize(MainClientWidth, MainClientHeight);

  MoreBitBtn.Create(Hwnd, IdMore, 512, 4, 36, 36, "MORE");
  ToolsBitBtn.Create(Hwnd, IdTools, 552, 4, 36, 36, "TOOLS");
  InfoBitBtn.Create(Hwnd, IdInfo, 592, 4, 24, 24, "INFO", 3);
  ExitBitBtn.Create(Hwnd, IdExit, 619, 4, 24, 24, "EXIT");
  MoreBitBtn.IsDefault = true;
  MoreBitBtn.Cursor = SystemCursor(reinterpret_cast<LPCSTR>(IDC_SIZEALL));
  ToolsBitBtn.Cursor = SystemCursor(reinterpret_cast<LPCSTR>(IDC_HAND));
  InfoBitBtn.Cursor = SystemCursor(reinterpret_cast<LPCSTR>(IDC_HELP));
  ExitBitBtn.Cursor = SystemCursor(reinterpret_cast<LPCSTR>(IDC_HAND));
  MoreBitBtn.OnClick = [this] { MoreBitBtnClick(); };
  ToolsBitBtn.OnClick = [this] { ToolsBitBtnClick(); };
  InfoBitBtn.OnClick = [this] { InfoBitBtnClick(); };
  ExitBitBtn.OnClick = [this] { ExitBitBtnClick(); };

  Hints.Create(Hwnd);
  Hints.AddControl(MoreBitBtn.Handle(), "Подробности и статистика");
  Hints.AddControl(ToolsBitBtn.Handle(), "Настройки");
  Hints.AddControl(InfoBitBtn.Handle(), "О программе");
  Hints.AddControl(ExitBitBtn.Handle(), "Выход");
  Hints.AddRect(Hwnd, 1, CPUInfoLabel, "");
  DPMainForm = this;
}

TDPMainForm::~TDPMainForm() { DPMainForm = nullptr; }

void TDPMainForm::SetCpuHint(const std::string& text) { Hints.SetText(Hwnd, 1, false, text); }

void TDPMainForm::FormCreate() {
  TscMHz = MeasureTscRate();
  if (AutoStartLaunch) {
    // Started with Windows: only the taskbar button shows, until someone restores the panel.
    TApplication::Instance().Minimize();
    Minimized = true;
  }
  SettingsHistory.AutoStarts <<= 1;
  SettingsHistory.RollHistory();
  StartTicks = GetTickCount();
  MainTick = TickState{};
  MainTick.Countdown = SettingsHistory.ShowLength;
  MainTick.HoldOpen = !AutoStartLaunch;
  // Identifying the processor takes a moment; an automatic start has nobody to read it.
  if (!AutoStartLaunch) SetCpuHint(DescribeProcessor());
  SettingsHistory.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  SettingsHistory.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  RECT frame;
  GetWindowRect(Hwnd, &frame);
  const int top = SettingsHistory.ScreenHeight / 2 - SettingsHistory.ScreenHeight / 8;
  const int left = (SettingsHistory.ScreenWidth - (frame.right - frame.left)) / 2;
  SetWindowPos(Hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!SettingsHistory.FixedFont || SettingsHistory.FontName.empty()) SettingsHistory.FontName = RandomFont;
  SysMetrics();
  Test();
  SystemSummary = BuildSystemSummary(ProgramName, VersionText, UserLcid);
  if (VistaOrLater) UseLetters = Random(2) == 0;
  else if (WindowsNtFamily) UseLetters = Random(4) == 0;
  ClockTimer.SetEnabled(true);
}

void TDPMainForm::FormPaint(HDC dc) { DrawLog(Hwnd, dc); }

void TDPMainForm::ClockTimerTimer() {
  ClockTimer.SetEnabled(false);
  const TickPlan plan = PlanTick(MainTick, SettingsHistory.ShowDateTime, DetailsOpened, 0);
  if (plan.LiveTests) LiveTests();
  ClockTimer.SetInterval(plan.NextInterval);
  if (plan.Close) {
    Close();
    return;
  }
  ClockTimer.SetEnabled(true);
}

void TDPMainForm::MoreBitBtnClick() { MainTick.HoldOpen = true; }

void TDPMainForm::ToolsBitBtnClick() { MainTick.HoldOpen = true; }

void TDPMainForm::InfoBitBtnClick() { MainTick.HoldOpen = true; }

void TDPMainForm::ExitBitBtnClick() { Close(); }

void TDPMainForm::AskFormPosition(WPARAM wParam, LPARAM lParam) {
  Minimized = wParam == 0 && lParam == SW_PARENTCLOSING;
}

bool TDPMainForm::CanClose() {
  FormClose();
  return true;
}

void TDPMainForm::FormClose() {
  if (Closed) return;
  Closed = true;
  ClockTimer.SetEnabled(false);
  TestBuffer.Release();
  SaveSettings(SettingsHistory, ProverbPicker.get(), SettingsHistory.FixedFont);
  ProverbPicker.reset();
}

bool TDPMainForm::PreTranslateMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_ESCAPE:  // the exit button is the cancel button
      ExitBitBtnClick();
      return true;
    case VK_RETURN: {
      Control* focused = ControlFromHandle(GetFocus());
      Control* target = focused && GetParent(focused->Handle()) == Hwnd ? focused : &MoreBitBtn;
      if (target->OnClick) target->OnClick();
      return true;
    }
    case VK_TAB: {
      HWND next = GetNextDlgTabItem(Hwnd, GetFocus(), GetKeyState(VK_SHIFT) < 0);
      if (next) SetFocus(next);
      return true;
    }
  }
  return false;
}

LRESULT TDPMainForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Hwnd, &ps);
      FormPaint(dc);
      EndPaint(Hwnd, &ps);
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* c = ControlFromHandle(item->hwndItem)) c->DrawItem(*item);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED)
        if (Control* c = ControlFromHandle(reinterpret_cast<HWND>(lParam)); c && c->OnClick) c->OnClick();
      return 0;
    case WM_SETCURSOR:
      if (Control* c = ControlFromHandle(reinterpret_cast<HWND>(wParam)); c && c->Cursor) {
        SetCursor(c->Cursor);
        return TRUE;
      }
      break;
    case WM_SHOWWINDOW: {
      LRESULT result = Window::WndProc(message, wParam, lParam);
      AskFormPosition(wParam, lParam);
      return result;
    }
    case WakeUpMessage: {
      LRESULT result = Window::WndProc(message, wParam, lParam);
      TApplication::Instance().Restore();
      return result;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
  }
  return Window::WndProc(message, wParam, lParam);
}
