#pragma once
// TDPMainForm: the borderless information panel and the timing of a start.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "common/ui/Controls.h"
#include "common/ui/Window.h"
#include "dawnpanel/mainscreen/TickMachine.h"

inline constexpr int MainClientWidth = 659;
inline constexpr int MainClientHeight = 198;

// Window state shared with the neighbouring windows.
extern TickState MainTick;  // FirstTick, Countdown, HoldOpen
extern bool Minimized;
extern bool UseLetters;
extern uint32_t StartTicks;
extern std::string SystemSummary;
extern bool DetailsOpened;

class TDPMainForm : public Window {
 public:
  TDPMainForm();
  ~TDPMainForm() override;

  void FormCreate();
  void FormPaint(HDC dc);
  void FormClose();
  void ClockTimerTimer();
  void MoreBitBtnClick();
  void ToolsBitBtnClick();
  void InfoBitBtnClick();
  void ExitBitBtnClick();
  void AskFormPosition(WPARAM wParam, LPARAM lParam);

  void SetCpuHint(const std::string& text);
  bool PreTranslateMessage(MSG& msg) override;

  BitBtn MoreBitBtn, ToolsBitBtn, InfoBitBtn, ExitBitBtn;
  RECT CPUInfoLabel{0, 92, 569, 108};
  Timer ClockTimer;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool CanClose() override;

 private:
  ToolTip Hints;
  bool Closed = false;
};

extern TDPMainForm* DPMainForm;
