#include <windows.h>

#include "common/ui/GdiCanvas.h"

#include <utility>

GdiCanvas::GdiCanvas(HDC dc, BYTE charset)
    : Dc(dc),
      Charset(charset),
      PixelsPerInch(GetDeviceCaps(dc, LOGPIXELSY)),
      OldPen(GetCurrentObject(dc, OBJ_PEN)),
      OldBrush(GetCurrentObject(dc, OBJ_BRUSH)),
      OldFont(GetCurrentObject(dc, OBJ_FONT)) {
  if (PixelsPerInch <= 0) PixelsPerInch = 96;
}

GdiCanvas::~GdiCanvas() {
  // Our objects must leave the context before they are deleted.
  SelectObject(Dc, OldPen);
  SelectObject(Dc, OldBrush);
  SelectObject(Dc, OldFont);
}

namespace {
// Stores a new pen, brush or font property; the GDI object is remade only when one changed.
template <class T>
void Change(T& field, const T& value, bool& dirty) {
  dirty |= !(value == field);
  field = value;
}
}  // namespace

void GdiCanvas::SetPenColor(TColor color) { Change(PenColor, color, PenDirty); }
void GdiCanvas::SetPenWidth(int width) { Change(PenWidth, width, PenDirty); }
void GdiCanvas::SetPenStyle(TPenStyle style) { Change(PenStyle, style, PenDirty); }

void GdiCanvas::SetBrushColor(TColor color) {
  Change(BrushColor, color, BrushDirty);
  Change(BrushStyle, TBrushStyle::Solid, BrushDirty);  // a colour makes a clear brush solid
}

void GdiCanvas::SetBrushStyle(TBrushStyle style) { Change(BrushStyle, style, BrushDirty); }
void GdiCanvas::SetFontName(const std::string& name) { Change(FontName, name, FontDirty); }
void GdiCanvas::SetFontSize(int points) { SetFontHeight(-MulDiv(points, PixelsPerInch, 72)); }
void GdiCanvas::SetFontHeight(int pixels) { Change(FontHeight, pixels, FontDirty); }
void GdiCanvas::SetFontBold(bool bold) { Change(FontBold, bold, FontDirty); }
void GdiCanvas::SetFontItalic(bool italic) { Change(FontItalic, italic, FontDirty); }
void GdiCanvas::SetFontColor(TColor color) { FontColor = color; }

namespace {
// Selects the fresh object first, so that the one it replaces is no longer in use when deleted.
template <class Handle>
void Replace(HDC dc, Handle& held, Handle fresh) {
  SelectObject(dc, fresh.get());
  held = std::move(fresh);
}
}  // namespace

void GdiCanvas::UsePen() {
  if (!Pen || PenDirty) {
    int style = PS_SOLID;
    switch (PenStyle) {
      case TPenStyle::Solid: style = PS_SOLID; break;
      case TPenStyle::Dash: style = PS_DASH; break;
      case TPenStyle::Dot: style = PS_DOT; break;
      case TPenStyle::Clear: style = PS_NULL; break;
    }
    Replace(Dc, Pen, PenHandle(CreatePen(style, PenWidth, PenColor)));
    PenDirty = false;
  }
  SelectObject(Dc, Pen.get());
}

void GdiCanvas::UseBrush() {
  if (!Brush || BrushDirty) {
    LOGBRUSH description{BS_SOLID, BrushColor, 0};
    if (BrushStyle == TBrushStyle::Clear) description.lbStyle = BS_HOLLOW;
    Replace(Dc, Brush, BrushHandle(CreateBrushIndirect(&description)));
    BrushDirty = false;
  }
  SelectObject(Dc, Brush.get());
}

void GdiCanvas::UseFont() {
  if (!Font || FontDirty) {
    Replace(Dc, Font, MakeFont(FontName.c_str(), FontHeight, FontBold, FontItalic, Charset));
    FontDirty = false;
  }
  SelectObject(Dc, Font.get());
}

void GdiCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  UsePen();
  UseBrush();
  ::Rectangle(Dc, x1, y1, x2, y2);
}

void GdiCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  UsePen();
  UseBrush();
  ::RoundRect(Dc, x1, y1, x2, y2, cornerWidth, cornerHeight);
}

void GdiCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  UsePen();
  UseBrush();
  ::Ellipse(Dc, x1, y1, x2, y2);
}

void GdiCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  UsePen();
  UseBrush();
  SetArcDirection(Dc, AD_COUNTERCLOCKWISE);
  ::Pie(Dc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void GdiCanvas::MoveTo(int x, int y) { MoveToEx(Dc, x, y, nullptr); }

void GdiCanvas::LineTo(int x, int y) {
  UsePen();
  ::LineTo(Dc, x, y);
}

void GdiCanvas::FillRect(int x1, int y1, int x2, int y2) {
  UseBrush();
  RECT r{x1, y1, x2, y2};
  ::FillRect(Dc, &r, Brush.get());
}

void GdiCanvas::TextOut(int x, int y, const std::string& text) {
  UseFont();
  UseBrush();
  SetTextColor(Dc, FontColor);
  if (BrushStyle == TBrushStyle::Clear) {
    SetBkMode(Dc, TRANSPARENT);
  } else {
    SetBkMode(Dc, OPAQUE);
    SetBkColor(Dc, BrushColor);
  }
  SetTextAlign(Dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::TextOutA(Dc, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE GdiCanvas::TextExtent(const std::string& text) {
  UseFont();
  SIZE size{0, 0};
  GetTextExtentPoint32A(Dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

int GdiCanvas::TextWidth(const std::string& text) { return TextExtent(text).cx; }

int GdiCanvas::TextHeight(const std::string& text) { return TextExtent(text).cy; }
