#pragma once
// The drawing vocabulary of the program's windows, apart from any device: pen, brush and font
// state plus the figures and text drawn with them. GdiCanvas draws on a Windows device context;
// the tests record the calls instead.
//
// Rules every implementation keeps, as a form library's canvas does:
// - Figures take two corners; the right and bottom edges are exclusive, so Rectangle(0, 0, 10, 5)
//   covers x 0..9 and y 0..4 with a one-pixel pen.
// - Setting the brush colour makes a clear brush solid again.
// - Text is drawn with its top-left corner at the given point; over a solid brush its cell is
//   filled with the brush colour, over a clear brush only the glyphs are drawn.
// - Font size is in points, font height in pixels (negative: character height without the
//   internal leading); setting one changes the other.
#include <cstdint>
#include <string>

// Colours as red, green, blue in the layout Windows uses (0x00BBGGRR).
using TColor = uint32_t;

constexpr TColor Rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 | static_cast<TColor>(blue) << 16;
}
constexpr uint8_t RedOf(TColor c) { return static_cast<uint8_t>(c); }
constexpr uint8_t GreenOf(TColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t BlueOf(TColor c) { return static_cast<uint8_t>(c >> 16); }

inline constexpr TColor clBlack = Rgb(0, 0, 0);
inline constexpr TColor clWhite = Rgb(255, 255, 255);
inline constexpr TColor clRed = Rgb(255, 0, 0);
inline constexpr TColor clLime = Rgb(0, 255, 0);
inline constexpr TColor clBlue = Rgb(0, 0, 255);
inline constexpr TColor clAqua = Rgb(0, 255, 255);
inline constexpr TColor clGray = Rgb(128, 128, 128);
inline constexpr TColor clSilver = Rgb(192, 192, 192);

enum class TPenStyle { Solid, Dash, Dot, Clear };
enum class TBrushStyle { Solid, Clear };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPenColor(TColor color) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetPenStyle(TPenStyle style) = 0;
  virtual void SetBrushColor(TColor color) = 0;
  virtual void SetBrushStyle(TBrushStyle style) = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontHeight(int pixels) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontItalic(bool italic) = 0;
  virtual void SetFontColor(TColor color) = 0;

  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Counter-clockwise from the radial through (x3, y3) to the radial through (x4, y4).
  virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // The line leaves out its end point, which becomes the new pen position.
  virtual void LineTo(int x, int y) = 0;
  // Fills with the brush and draws no outline.
  virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
  // text is in code page 1251.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;

  // Pen and brush of one colour, as most figures of the panels want them.
  void SetPenAndBrush(TColor color) {
    SetPenColor(color);
    SetBrushColor(color);
  }
};
