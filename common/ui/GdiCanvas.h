#pragma once
// Canvas over a Windows device context. Pen, brush and font are made when a drawing call needs
// them after a change, selected into the context, and the context gets its own objects back
// when the canvas goes away.
#include <windows.h>

#include <string>

#include "common/ui/Canvas.h"
#include "common/ui/Handles.h"

class GdiCanvas : public Canvas {
 public:
  // The initial font is the forms' default: "MS Sans Serif", 11 pixels, Cyrillic. charset is
  // the font's character set, which also decides how TextOut reads its bytes.
  explicit GdiCanvas(HDC dc, BYTE charset = RUSSIAN_CHARSET);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Handle() const { return Dc; }

  void SetPenColor(TColor color) override;
  void SetPenWidth(int width) override;
  void SetPenStyle(TPenStyle style) override;
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(TBrushStyle style) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetFontHeight(int pixels) override;
  void SetFontBold(bool bold) override;
  void SetFontItalic(bool italic) override;
  void SetFontColor(TColor color) override;

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;

 private:
  void UsePen();
  void UseBrush();
  void UseFont();
  SIZE TextExtent(const std::string& text);

  HDC Dc;
  BYTE Charset;
  int PixelsPerInch;
  HGDIOBJ OldPen, OldBrush, OldFont;

  TColor PenColor = clBlack;
  int PenWidth = 1;
  TPenStyle PenStyle = TPenStyle::Solid;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  std::string FontName = "MS Sans Serif";
  int FontHeight = -11;
  bool FontBold = false, FontItalic = false;
  TColor FontColor = clBlack;

  // Made on demand, again after a change.
  PenHandle Pen;
  BrushHandle Brush;
  FontHandle Font;
  bool PenDirty = false, BrushDirty = false, FontDirty = false;
};
