#pragma once
// The standard controls the forms use, each a Window adopted from its system class.
#include <windows.h>

#include <functional>
#include <string>

#include "common/ui/Handles.h"
#include "common/ui/Window.h"

class Control : public Window {
 public:
  int Id() const { return static_cast<int>(GetDlgCtrlID(Hwnd)); }
  void SetVisible(bool visible) { ShowWindow(Hwnd, visible ? SW_SHOWNA : SW_HIDE); }
  void SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HCURSOR Cursor = nullptr;          // shown over the control when set
  std::function<void()> OnClick;     // BN_CLICKED and the like
  virtual void DrawItem(const DRAWITEMSTRUCT&) {}
};

// An owner-drawn push button showing a glyph bitmap; the bitmap's bottom-left pixel is the
// transparent colour. A glyph of several states holds them side by side: normal, disabled, down.
class BitBtn : public Control {
 public:
  bool Create(HWND parent, int id, int left, int top, int width, int height, const char* glyphResource,
              int glyphStates = 1);
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  bool IsDefault = false;

 private:
  BitmapHandle Glyph;
  int States = 1;
  int GlyphWidth = 0, GlyphHeight = 0;
};

// One tooltip window per form; tools are controls or rectangles of the form itself.
class ToolTip {
 public:
  bool Create(HWND owner);
  void AddControl(HWND control, const std::string& text);
  void AddRect(HWND window, UINT id, const RECT& rect, const std::string& text);
  void SetText(HWND window, UINT_PTR id, bool idIsHwnd, const std::string& text);
  HWND Handle() const { return Tip; }
  ~ToolTip();

 private:
  HWND Tip = nullptr;
};

// Hit test helper for the forms: the control under a WM_SETCURSOR wParam, if ours.
Control* ControlFromHandle(HWND hwnd);
