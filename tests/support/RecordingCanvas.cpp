#include "tests/support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

int CanvasState::FontHeight() const { return -((FontSize * 4 + 1) / 3); }

std::string CanvasCall::Shape() const {
  std::string s = Name + "(";
  for (size_t i = 0; i < Args.size(); ++i) s += (i ? "," : "") + std::to_string(Args[i]);
  if (!Text.empty()) s += (Args.empty() ? "" : ",") + Text;
  return s + ")";
}

bool CanvasCall::Draws() const {
  static const char* const figures[] = {"Rectangle", "RoundRect", "Ellipse", "Pie", "LineTo", "FillRect", "TextOut"};
  return std::any_of(std::begin(figures), std::end(figures), [&](const char* f) { return Name == f; });
}

void RecordingCanvas::Log(const char* name, std::vector<int> args, const std::string& text) {
  Calls.push_back(CanvasCall{name, std::move(args), text, State});
}

void RecordingCanvas::SetPenColor(TColor color) {
  State.PenColor = color;
  Log("SetPenColor", {static_cast<int>(color)});
}

void RecordingCanvas::SetPenWidth(int width) {
  State.PenWidth = width;
  Log("SetPenWidth", {width});
}

void RecordingCanvas::SetPenStyle(TPenStyle style) {
  State.PenStyle = style;
  Log("SetPenStyle", {static_cast<int>(style)});
}

void RecordingCanvas::SetBrushColor(TColor color) {
  State.BrushColor = color;
  State.BrushStyle = TBrushStyle::Solid;
  Log("SetBrushColor", {static_cast<int>(color)});
}

void RecordingCanvas::SetBrushStyle(TBrushStyle style) {
  State.BrushStyle = style;
  Log("SetBrushStyle", {static_cast<int>(style)});
}

void RecordingCanvas::SetFontName(const std::string& name) {
  State.FontName = name;
  Log("SetFontName", {}, name);
}

void RecordingCanvas::SetFontSize(int points) {
  State.FontSize = points;
  Log("SetFontSize", {points});
}

void RecordingCanvas::SetFontHeight(int pixels) {
  State.FontSize = (std::abs(pixels) * 3 + 2) / 4;
  Log("SetFontHeight", {pixels});
}

void RecordingCanvas::SetFontBold(bool bold) {
  State.FontBold = bold;
  Log("SetFontBold", {bold});
}

void RecordingCanvas::SetFontItalic(bool italic) {
  State.FontItalic = italic;
  Log("SetFontItalic", {italic});
}

void RecordingCanvas::SetFontColor(TColor color) {
  State.FontColor = color;
  Log("SetFontColor", {static_cast<int>(color)});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) { Log("Rectangle", {x1, y1, x2, y2}); }

void RecordingCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  Log("RoundRect", {x1, y1, x2, y2, cornerWidth, cornerHeight});
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) { Log("Ellipse", {x1, y1, x2, y2}); }

void RecordingCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Log("Pie", {x1, y1, x2, y2, x3, y3, x4, y4});
}

void RecordingCanvas::MoveTo(int x, int y) { Log("MoveTo", {x, y}); }

void RecordingCanvas::LineTo(int x, int y) { Log("LineTo", {x, y}); }

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2) { Log("FillRect", {x1, y1, x2, y2}); }

void RecordingCanvas::TextOut(int x, int y, const std::string& text) { Log("TextOut", {x, y}, text); }

int RecordingCanvas::WidthOf(const std::string& text, int points, bool bold) {
  return static_cast<int>(text.size()) * (points - 2 + (bold ? 1 : 0));
}

int RecordingCanvas::TextWidth(const std::string& text) {
  Log("TextWidth", {}, text);
  return WidthOf(text, State.FontSize, State.FontBold);
}

int RecordingCanvas::TextHeight(const std::string& text) {
  Log("TextHeight", {}, text);
  return -State.FontHeight();
}

std::vector<std::string> RecordingCanvas::Drawn() const {
  std::vector<std::string> shapes;
  for (const CanvasCall& c : Calls)
    if (c.Draws()) shapes.push_back(c.Shape());
  return shapes;
}

const CanvasCall& RecordingCanvas::Find(const std::string& shape) const {
  for (const CanvasCall& c : Calls)
    if (c.Draws() && c.Shape() == shape) return c;
  ADD_FAILURE() << "not drawn: " << shape;
  static const CanvasCall none;
  return none;
}

bool RecordingCanvas::Has(const std::string& shape) const {
  return std::any_of(Calls.begin(), Calls.end(), [&](const CanvasCall& c) { return c.Draws() && c.Shape() == shape; });
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> texts;
  for (const CanvasCall& c : Calls)
    if (c.Name == "TextOut") texts.push_back(c.Text);
  return texts;
}
