#include <windows.h>

#include <gtest/gtest.h>

#include "common/ui/GdiCanvas.h"
#include "dawnpanel/mainscreen/Painting.h"

namespace {

constexpr TColor Paper = Rgb(10, 20, 30);  // a colour no drawing uses

// A 32-bit bitmap in a memory context, filled with Paper.
class MemoryDc : public ::testing::Test {
 protected:
  void SetUp() override {
    Dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    Bitmap = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(Bitmap, nullptr);
    OldBitmap = SelectObject(Dc, Bitmap);
    RECT all{0, 0, Width, Height};
    HBRUSH paper = CreateSolidBrush(Paper);
    FillRect(Dc, &all, paper);
    DeleteObject(paper);
  }
  void TearDown() override {
    SelectObject(Dc, OldBitmap);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
  }
  TColor At(int x, int y) const { return GetPixel(Dc, x, y); }

  static constexpr int Width = 660, Height = 200;
  HDC Dc = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ OldBitmap = nullptr;
};

TEST_F(MemoryDc, RectangleOutlinesWithThePenFillsWithTheBrushAndLeavesOutRightAndBottom) {
  {
    GdiCanvas canvas(Dc);
    canvas.SetPenColor(clRed);
    canvas.SetBrushColor(clBlue);
    canvas.Rectangle(10, 10, 20, 20);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetPenColor(clLime);
    canvas.Rectangle(30, 10, 40, 20);
  }
  EXPECT_EQ(At(10, 10), clRed);
  EXPECT_EQ(At(19, 19), clRed);
  EXPECT_EQ(At(15, 15), clBlue);
  EXPECT_EQ(At(20, 20), Paper);
  EXPECT_EQ(At(20, 15), Paper);
  EXPECT_EQ(At(30, 15), clLime);
  EXPECT_EQ(At(35, 15), Paper) << "a clear brush fills nothing";
}

TEST_F(MemoryDc, SettingTheBrushColourMakesAClearBrushSolidAgain) {
  {
    GdiCanvas canvas(Dc);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetPenAndBrush(clAqua);
    canvas.Rectangle(10, 10, 20, 20);
    canvas.FillRect(30, 10, 40, 20);
  }
  EXPECT_EQ(At(15, 15), clAqua);
  EXPECT_EQ(At(30, 10), clAqua);
  EXPECT_EQ(At(39, 19), clAqua);
  EXPECT_EQ(At(40, 20), Paper);
}

TEST_F(MemoryDc, LinesLeaveOutTheirEndPointAndFollowThePen) {
  {
    GdiCanvas canvas(Dc);
    canvas.SetPenColor(clRed);
    canvas.MoveTo(5, 5);
    canvas.LineTo(15, 5);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(clBlue);
    canvas.MoveTo(5, 20);
    canvas.LineTo(15, 20);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(TPenStyle::Clear);
    canvas.MoveTo(5, 30);
    canvas.LineTo(15, 30);
  }
  EXPECT_EQ(At(5, 5), clRed);
  EXPECT_EQ(At(14, 5), clRed);
  EXPECT_EQ(At(15, 5), Paper);
  EXPECT_EQ(At(10, 19), clBlue) << "three pixels wide";
  EXPECT_EQ(At(10, 21), clBlue);
  EXPECT_EQ(At(10, 30), Paper) << "a clear pen draws nothing";
}

TEST_F(MemoryDc, PieRunsCounterClockwiseFromTheFirstRadial) {
  {
    GdiCanvas canvas(Dc);
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clBlue);
    // From the top to the left: the upper-left quarter.
    canvas.Pie(0, 0, 40, 40, 20, 0, 0, 20);
  }
  EXPECT_EQ(At(12, 12), clBlue);
  EXPECT_EQ(At(28, 12), Paper);
  EXPECT_EQ(At(12, 28), Paper);
  EXPECT_EQ(At(28, 28), Paper);
}

TEST_F(MemoryDc, TextOverAClearBrushDrawsOnlyTheGlyphs) {
  int width = 0, height = 0;
  {
    GdiCanvas canvas(Dc);
    canvas.SetFontSize(10);
    canvas.SetFontBold(true);
    canvas.SetFontColor(clRed);
    width = canvas.TextWidth("Память");
    height = canvas.TextHeight("Память");
    canvas.SetBrushColor(clWhite);
    canvas.TextOut(10, 10, "Память");
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.TextOut(10, 50, "Память");
  }
  EXPECT_GE(height, 13) << "size 10 is 13 pixels at 96 pixels per inch";
  EXPECT_GT(width, 6 * 4);
  EXPECT_EQ(At(10, 10), clWhite) << "over a solid brush the cell is the brush's";
  EXPECT_EQ(At(10 + width - 1, 10 + height - 1), clWhite);
  int red = 0, paper = 0;
  for (int y = 50; y < 50 + height; ++y)
    for (int x = 10; x < 10 + width; ++x) {
      const TColor c = At(x, y);
      if (c == clRed) ++red;
      if (c == Paper) ++paper;
    }
  EXPECT_GT(red, 20) << "the glyphs";
  EXPECT_GT(paper, red) << "and the paper between them";
  EXPECT_EQ(At(10, 50), Paper);
}

TEST_F(MemoryDc, BoldAndLargerTextIsWider) {
  GdiCanvas canvas(Dc);
  canvas.SetFontSize(9);
  const int plain = canvas.TextWidth("Доступные скорости:");
  canvas.SetFontBold(true);
  const int bold = canvas.TextWidth("Доступные скорости:");
  canvas.SetFontSize(12);
  const int large = canvas.TextWidth("Доступные скорости:");
  EXPECT_GT(plain, 0);
  EXPECT_GE(bold, plain);
  EXPECT_GT(large, bold);
}

TEST_F(MemoryDc, TheContextGetsItsOwnObjectsBack) {
  const HGDIOBJ pen = GetCurrentObject(Dc, OBJ_PEN), brush = GetCurrentObject(Dc, OBJ_BRUSH),
                font = GetCurrentObject(Dc, OBJ_FONT);
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) {
    GdiCanvas canvas(Dc);
    for (TColor c : {clRed, clBlue, clLime}) {
      canvas.SetPenAndBrush(c);
      canvas.SetFontSize(8 + i % 5);
      canvas.Rectangle(0, 0, 5, 5);
      canvas.TextOut(0, 0, "x");
    }
  }
  EXPECT_EQ(GetCurrentObject(Dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(Dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(Dc, OBJ_FONT), font);
  if (before != 0) {
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2) << "no object is leaked";
  }
}

// The painter through GdiCanvas: colours at places no text covers.
TEST_F(MemoryDc, PanelPixels) {
  TSettingsHistory record;
  record.TotalMem = 1024;
  record.FreeMems[0] = 262144;
  record.DriveList = "C";
  record.DriveCount = 1;
  record.FreeDisks[0] = 256000;
  record.TotalDisk = 512000;
  record.CPUTests[0] = 10000;
  record.MemTestsW[0] = 50000;
  record.MemTests[0] = 100000;
  record.DiskTestsW[0] = 10000;
  record.DiskTests[0] = 20000;
  PanelView view;
  view.ActiveBorder = Rgb(212, 208, 200);
  view.Title = "Даунпанель 1070";
  view.TscMHz = 3000;
  view.DiskTestSize = 38;
  std::string file = "C:\\Temp\\memoryal.tmp";
  {
    GdiCanvas canvas(Dc);
    DrawLog(canvas, record, view, file);
  }
  struct Spot {
    int X, Y;
    TColor Colour;
    const char* What;
  };
  for (const Spot& s : {
           Spot{0, 0, clWhite, "light edge"},
           Spot{0, 188, clWhite, "light edge, left"},
           Spot{1, 1, view.ActiveBorder, "panel"},
           Spot{600, 180, view.ActiveBorder, "panel, lower right"},
           Spot{658, 197, clBlack, "shadow"},
           Spot{652, 100, clBlack, "shadow, right"},
           Spot{100, 192, clBlack, "shadow, bottom"},
           Spot{655, 3, Paper, "not painted above the shadow"},
           Spot{3, 194, Paper, "not painted left of the shadow"},
           Spot{161, 3, clWhite, "white stripe"},
           Spot{161, 12, clBlue, "blue stripe"},
           Spot{161, 22, clRed, "red stripe"},
           Spot{8, 30, clBlue, "used memory"},
           Spot{8, 60, clBlue, "used memory"},
           Spot{8, 8, clWhite, "free memory"},
           Spot{7, 40, clBlack, "gauge outline"},
           Spot{11, 4, clBlack, "scale mark above"},
           Spot{12, 4, view.ActiveBorder, "between marks"},
           Spot{70, 65, clBlack, "scale mark right"},
           Spot{360, 60, clBlue, "used disk, lower left"},
           Spot{395, 20, clWhite, "free disk, upper right"},
           Spot{2, 98, clBlack, "processor bar outline"},
           Spot{3, 106, clWhite, "processor bar"},
           Spot{281, 98, clBlack, "processor bar end (1000 Mflops)"},
           Spot{283, 98, view.ActiveBorder, "beyond the processor bar"},
           Spot{3, 112, clBlue, "memory write bar"},
           Spot{3, 140, clBlue, "memory read bar"},
           Spot{375, 140, clBlack, "memory read bar end (10000 MiB/s)"},
           Spot{3, 151, clRed, "disk write bar"},
           Spot{3, 183, clRed, "disk read bar"},
           Spot{309, 180, clBlack, "disk read bar end (2000 MB/s)"},
           Spot{320, 180, view.ActiveBorder, "beyond the disk bars"},
       })
    EXPECT_EQ(At(s.X, s.Y), s.Colour) << s.What << " at " << s.X << "," << s.Y;
}

}  // namespace
