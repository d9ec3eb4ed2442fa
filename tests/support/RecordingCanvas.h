#pragma once
// A Canvas that draws nothing: it logs every call with the pen, brush and font in force, so that
// tests can check exact geometry, colours and texts.
//
// Text metrics follow a fixed rule instead of a real font (96 pixels per inch):
//   TextWidth  = characters × (points − 2), plus one pixel per character when bold;
//                size 9 gives 7 pixels a character, size 10 gives 8, size 12 gives 10.
//   TextHeight = the font's pixel height, points × 4 / 3 rounded: 12 for size 9, 16 for size 12.
// A text counts its bytes (code page 1251: one byte a character).
#include <string>
#include <vector>

#include "common/ui/Canvas.h"

struct CanvasState {
  TColor PenColor = clBlack;
  int PenWidth = 1;
  TPenStyle PenStyle = TPenStyle::Solid;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  std::string FontName = "MS Sans Serif";
  int FontSize = 8;  // the forms' default font, 11 pixels high
  bool FontBold = false;
  bool FontItalic = false;
  TColor FontColor = clBlack;

  int FontHeight() const;  // negative, as a font height in pixels is given
};

struct CanvasCall {
  std::string Name;       // the method, e.g. "Rectangle"
  std::vector<int> Args;  // its numbers in order
  std::string Text;       // TextOut, TextWidth, TextHeight, SetFontName
  CanvasState State;      // in force after the call

  // "Rectangle(7,7,69,69)", "TextOut(10,18,Всего)" (the text as the bytes it is).
  std::string Shape() const;
  bool Draws() const;  // a figure, line or text, not a setting or a question
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<CanvasCall> Calls;
  CanvasState State;

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

  // The shapes of the drawing calls, in order.
  std::vector<std::string> Drawn() const;
  // The drawing call of exactly this shape; fails the test when there is none.
  const CanvasCall& Find(const std::string& shape) const;
  bool Has(const std::string& shape) const;
  // The texts drawn, in order.
  std::vector<std::string> Texts() const;

  // The metric rule above, for tests that work out positions themselves.
  static int WidthOf(const std::string& text, int points, bool bold);

 private:
  void Log(const char* name, std::vector<int> args, const std::string& text = {});
};
