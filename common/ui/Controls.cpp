#include <windows.h>
#include <commctrl.h>

#include "common/ui/Controls.h"

bool BitBtn::Create(HWND parent, int id, int left, int top, int width, int height, const char* glyphResource,
                    int glyphStates) {
  if (!CreateHandle(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, left, top, width, height,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
    return false;
  States = glyphStates < 1 ? 1 : glyphStates;
  Glyph.reset(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), glyphResource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (Glyph) {
    BITMAP bm{};
    GetObjectA(Glyph.get(), sizeof bm, &bm);
    GlyphWidth = bm.bmWidth / States;
    GlyphHeight = bm.bmHeight;
  }
  return true;
}

void BitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool down = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;

  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (focused || IsDefault) {
    // The default button of the form wears a dark outline, as buttons of dialogs do.
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));

  if (Glyph) {
    int state = 0;
    if (States >= 2 && disabled) state = 1;
    if (States >= 3 && down) state = 2;
    const int shift = down ? 1 : 0;
    const int x = (item.rcItem.left + item.rcItem.right - GlyphWidth) / 2 + shift;
    const int y = (item.rcItem.top + item.rcItem.bottom - GlyphHeight) / 2 + shift;
    HDC mem = CreateCompatibleDC(dc);
    {
      SelectObjectScope keep(mem, Glyph.get());
      const COLORREF key = GetPixel(mem, 0, GlyphHeight - 1);
      TransparentBlt(dc, x, y, GlyphWidth, GlyphHeight, mem, state * GlyphWidth, 0, GlyphWidth, GlyphHeight, key);
    }
    DeleteDC(mem);
  }
  if (focused) {
    RECT f = item.rcItem;
    InflateRect(&f, -4, -4);
    DrawFocusRect(dc, &f);
  }
}

bool ToolTip::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  Tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
  if (!Tip) return false;
  // Long hints wrap at their own line breaks.
  SendMessageA(Tip, TTM_SETMAXTIPWIDTH, 0, 600);
  SendMessageA(Tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
  return true;
}

ToolTip::~ToolTip() {
  if (Tip) DestroyWindow(Tip);
}

namespace {
// The version-1 layout works with both the old and the new common controls.
TOOLINFOA MakeToolInfo(HWND window, UINT_PTR id, bool idIsHwnd, const std::string& text) {
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = TTF_SUBCLASS | (idIsHwnd ? TTF_IDISHWND : 0);
  ti.hwnd = window;
  ti.uId = id;
  ti.lpszText = const_cast<char*>(text.c_str());
  return ti;
}
}  // namespace

void ToolTip::AddControl(HWND control, const std::string& text) {
  TOOLINFOA ti = MakeToolInfo(GetParent(control), reinterpret_cast<UINT_PTR>(control), true, text);
  SendMessageA(Tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void ToolTip::AddRect(HWND window, UINT id, const RECT& rect, const std::string& text) {
  TOOLINFOA ti = MakeToolInfo(window, id, false, text);
  ti.rect = rect;
  SendMessageA(Tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void ToolTip::SetText(HWND window, UINT_PTR id, bool idIsHwnd, const std::string& text) {
  TOOLINFOA ti = MakeToolInfo(window, id, idIsHwnd, text);
  SendMessageA(Tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

Control* ControlFromHandle(HWND hwnd) { return dynamic_cast<Control*>(Window::FromHandle(hwnd)); }
