#include "dawnpanel/mainscreen/Painting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/support/RecordingCanvas.h"

namespace {

constexpr TColor Border = Rgb(212, 208, 200);
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
const std::string Nbsp = "\xA0";

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    View.ActiveBorder = Border;
    View.Format = TFormatSettings{Nbsp, ","};
    View.Title = "Даунпанель 1070";
    View.TscMHz = 3000;
    View.DiskTestSize = 38;
    Record.TotalMem = 1024;
    Record.FreeMems[0] = 262144;  // a quarter free
    Record.DriveList = "C";
    Record.DriveCount = 1;
    Record.FreeDisks[0] = 256000;  // half free
    Record.TotalDisk = 512000;
    Record.CPUTests[0] = 10000;    // 1000 Mflops
    Record.MemTestsW[0] = 50000;   // 5000 MiB/s
    Record.MemTests[0] = 100000;   // 10000 MiB/s
    Record.DiskTestsW[0] = 10000;  // 1000 MB/s
    Record.DiskTests[0] = 20000;   // 2000 MB/s
  }

  std::string Draw() { return DrawLog(Canvas, Record, View, DiskTestFile); }

  // A filled figure: its outline and fill colours.
  void ExpectFigure(const std::string& shape, TColor pen, TColor brush) {
    const CanvasCall& c = Canvas.Find(shape);
    EXPECT_EQ(c.State.PenColor, pen) << shape;
    EXPECT_EQ(c.State.PenStyle, TPenStyle::Solid) << shape;
    EXPECT_EQ(c.State.BrushStyle, TBrushStyle::Solid) << shape;
    EXPECT_EQ(c.State.BrushColor, brush) << shape;
  }
  // A text over the panel: colour, size and weight; never on a box of its own.
  void ExpectText(const std::string& shape, TColor color, int size, bool bold) {
    const CanvasCall& c = Canvas.Find(shape);
    EXPECT_EQ(c.State.FontColor, color) << shape;
    EXPECT_EQ(c.State.FontSize, size) << shape;
    EXPECT_EQ(c.State.FontBold, bold) << shape;
    EXPECT_EQ(c.State.BrushStyle, TBrushStyle::Clear) << shape;
  }
  size_t Count(const std::string& name) const {
    return static_cast<size_t>(
        std::count_if(Canvas.Calls.begin(), Canvas.Calls.end(), [&](const CanvasCall& c) { return c.Name == name; }));
  }

  TSettingsHistory Record;
  PanelView View;
  RecordingCanvas Canvas;
  std::string DiskTestFile = "C:\\Temp\\memoryal.tmp";
};

TEST_F(Panel, RaisedFrameWithShadowLightEdgeAndPanel) {
  Draw();
  const std::vector<std::string> drawn = Canvas.Drawn();
  ASSERT_GE(drawn.size(), 3u);
  EXPECT_EQ(drawn[0], "Rectangle(9,9,659,198)");
  EXPECT_EQ(drawn[1], "Rectangle(0,0,650,189)");
  EXPECT_EQ(drawn[2], "Rectangle(1,1,651,190)");
  ExpectFigure(drawn[0], clBlack, clBlack);
  EXPECT_EQ(Canvas.Find(drawn[0]).State.PenWidth, 1);
  ExpectFigure(drawn[1], clWhite, clWhite);
  ExpectFigure(drawn[2], Border, Border);
}

TEST_F(Panel, StripesFollowTheTitleWidthAndTheTitleHasAShadow) {
  // The rule of the recording canvas: bold size 12 is 11 pixels a character.
  for (const std::string& title : {std::string("Даунпанель 1070"), std::string("Даунпанель 10700")}) {
    SCOPED_TRACE(title);
    Canvas.Calls.clear();
    View.Title = title;
    Draw();
    const int tw = RecordingCanvas::WidthOf(title, 12, true);
    const CanvasCall& measured = *std::find_if(Canvas.Calls.begin(), Canvas.Calls.end(),
                                               [](const CanvasCall& c) { return c.Name == "TextWidth"; });
    EXPECT_EQ(measured.Text, title);
    EXPECT_EQ(measured.State.FontSize, 12);
    EXPECT_TRUE(measured.State.FontBold);
    ExpectFigure("Rectangle(160,2," + std::to_string(tw + 180) + ",10)", clWhite, clWhite);
    ExpectFigure("Rectangle(160,10," + std::to_string(tw + 176) + ",18)", clBlue, clBlue);
    ExpectFigure("Rectangle(160,18," + std::to_string(tw + 172) + ",26)", clRed, clRed);
    ExpectText("TextOut(167,5," + title + ")", clBlack, 12, true);
    ExpectText("TextOut(166,4," + title + ")", clSilver, 12, true);
  }
}

TEST_F(Panel, DiskNoteNamesTheDriveAsTheClockAllows) {
  struct Row {
    int64_t TscMHz;
    std::string File, Note, Kept;
  };
  for (const Row& r : std::vector<Row>{
           {3000, "C:\\Temp\\memoryal.tmp", "На диске C тестировалось 38 MБ", "C"},
           {0, "C:\\Temp\\memoryal.tmp", "На диске C: тестировалось 38 MБ", "C:"},
       }) {
    Canvas.Calls.clear();
    View.TscMHz = r.TscMHz;
    DiskTestFile = r.File;
    Draw();
    ExpectText("TextOut(418,56," + r.Note + ")", clGray, 9, false);
    EXPECT_EQ(DiskTestFile, r.Kept);
  }
}

TEST_F(Panel, RepaintingDrawsTheSamePicture) {
  Draw();
  const std::vector<std::string> first = Canvas.Drawn();
  Canvas.Calls.clear();
  Draw();
  EXPECT_EQ(Canvas.Drawn(), first);
  EXPECT_EQ(DiskTestFile, "C");
}

TEST_F(Panel, DiskBarsWithTheirFigures) {
  Draw();
  // 1000 MB/s: 141 steps of 5 %; 2000 MB/s: 155 steps.
  ExpectFigure("Rectangle(2,148,282,168)", clBlack, clRed);
  ExpectFigure("Rectangle(2,167,310,188)", clBlack, clRed);
  ExpectText("TextOut(6,156,Диск)", clWhite, 10, true);
  const int x = RecordingCanvas::WidthOf("Диск", 10, true) + 10;
  ExpectText("TextOut(" + std::to_string(x) + ",149,запись: 1" + Nbsp + "000,0 МБ/с)", clWhite, 9, true);
  ExpectText("TextOut(" + std::to_string(x) + ",169,чтение: 2" + Nbsp + "000,0 МБ/с)", clWhite, 9, true);
  ExpectText("TextOut(40,72,Доступные скорости:)", clBlack, 9, false);
}

TEST_F(Panel, WithoutADiskTestNeitherNoteNorDiskBars) {
  Record.DiskTests[0] = 0;
  Draw();
  // Below the speed bars only the frame reaches: the lower 40 pixels show the bare panel.
  for (const CanvasCall& c : Canvas.Calls) {
    if (!c.Draws() || c.Shape() == "Rectangle(9,9,659,198)") continue;
    EXPECT_NE(c.Text.rfind("На диске ", 0), 0u) << c.Shape();
    EXPECT_LT(c.Args[1], 148) << c.Shape();
  }
  EXPECT_EQ(DiskTestFile, "C:\\Temp\\memoryal.tmp") << "not shortened when no note shows it";
}

TEST_F(Panel, NothingIsDrawnWhileMinimizedButTheTitleFollows) {
  View.Minimized = true;
  EXPECT_EQ(Draw(), "256,0 МБ 1" + Nbsp + "000,0 Мф");
  EXPECT_EQ(ShowBars(Canvas, Record, View), "256,0 МБ 1" + Nbsp + "000,0 Мф");
  EXPECT_TRUE(Canvas.Calls.empty());
}

TEST_F(Panel, MemoryGaugeShowsTheUsedShareInBlueWithMarksAndLabels) {
  ShowMem(Canvas, Record, View);
  const std::vector<std::string> drawn = Canvas.Drawn();
  ASSERT_GE(drawn.size(), 2u);
  EXPECT_EQ(drawn[0], "Rectangle(7,7,69,69)");
  ExpectFigure(drawn[0], clWhite, clWhite);
  EXPECT_EQ(drawn[1], "Rectangle(7,23,69,69)") << "15.5 free pixels round to 16";
  ExpectFigure(drawn[1], clBlue, clBlue);

  ExpectText("TextOut(10,18,Всего)", clLime, 9, true);
  ExpectText("TextOut(10,30,памяти:)", clLime, 9, true);
  ExpectText("TextOut(11,42,1024M)", clLime, 9, true);
  ExpectText("TextOut(81,18,памяти)", clBlack, 9, false);
  ExpectText("TextOut(81,30,свободно)", clBlack, 9, false);
  ExpectText("TextOut(79,3,256,0MБ)", clBlue, 10, true);

  const CanvasCall& pointer = Canvas.Find("LineTo(77,9)");
  EXPECT_EQ(pointer.State.PenColor, clRed);
  const auto outline = std::find_if(Canvas.Calls.rbegin(), Canvas.Calls.rend(),
                                    [](const CanvasCall& c) { return c.Shape() == "Rectangle(7,7,69,69)"; });
  ASSERT_NE(outline, Canvas.Calls.rend());
  EXPECT_EQ(outline->State.PenColor, clBlack);
  EXPECT_EQ(outline->State.BrushStyle, TBrushStyle::Clear) << "the outline leaves the gauge as it is";

  // 19 marks on each side, from 11 to 65, 3 apart, each from a MoveTo.
  EXPECT_EQ(Count("LineTo"), 1u + 4 * 19);
  EXPECT_EQ(Count("MoveTo"), Count("LineTo"));
  for (int d : {0, 27, 54}) {
    const std::string at = std::to_string(11 + d);
    for (const std::string& line : {"LineTo(" + at + ",7)", "LineTo(" + at + ",73)", "LineTo(7," + at + ")",
                                    "LineTo(73," + at + ")"}) {
      EXPECT_EQ(Canvas.Find(line).State.PenColor, clBlack) << line;
    }
  }
  EXPECT_TRUE(Canvas.Has("LineTo(65,73)"));
  EXPECT_FALSE(Canvas.Has("LineTo(68,73)")) << "no twentieth mark";
}

TEST(FreeMemoryPixels, FreeShareOf62PixelsRoundedHalfToEvenAndKeptInsideTheSquare) {
  struct Row {
    int32_t FreeKiB, TotalMiB, Pixels;
  };
  for (const Row& r : std::vector<Row>{
           {256, 1, 16},  // 15.5
           {768, 1, 46},  // 46.5
           {512, 1, 31},
           {1024, 1, 62},
           {1, 1024, 0},
           {Max32, Max32, 0},  // 62 × free overflows 32 bits
           {Max32, 2097152, 62},
           {Max32, 2097153, 62},  // 61.99997
           {2048, 1, 62},        // more free than total: the square, not beyond
           {-5, 1024, 0},
           {100, 0, 62},
       })
    EXPECT_EQ(FreeMemoryPixels(r.FreeKiB, r.TotalMiB), r.Pixels) << r.FreeKiB << " of " << r.TotalMiB;
}

TEST(FreeDiskShare, FreeShareOn255RoundedHalfToEvenWithoutOverflow) {
  struct Row {
    int32_t FreeMiB, TotalMiB, Share;
  };
  for (const Row& r : std::vector<Row>{
           {256000, 512000, 128},  // half free
           {0, 100, 0},
           {0, 2, 0},              // 0.5
           {2, 146, 4},            // 3.5
           {100, 100, 255},
           {Max32, Max32, 255},    // 255 × free needs more than 32 bits
           {Max32 / 2, Max32, 127},
           {0, 0, 1},              // no fixed drive: the total counts as 1
           {-1, 100, 0},
       })
    EXPECT_EQ(FreeDiskShare(r.FreeMiB, r.TotalMiB), r.Share) << r.FreeMiB << " of " << r.TotalMiB;
}

TEST(PieWalk, WalksClockwiseRoundTheSquareFromTheMiddleOfItsTop) {
  struct Row {
    int32_t V;
    PiePoint Point;
  };
  for (const Row& r : std::vector<Row>{
           {0, {35, 0}},   {1, {36, 0}},   {31, {68, 0}},  {32, {70, 0}},   {64, {70, 32}},
           {95, {70, 63}}, {96, {70, 70}}, {128, {38, 70}}, {159, {7, 70}}, {160, {0, 70}},
           {223, {0, 7}},  {224, {0, 0}},  {255, {31, 0}},  {256, {0, 0}},  {100000, {0, 0}},
           {-3, {35, 0}},
       })
    EXPECT_EQ(PieWalk(r.V), r.Point) << r.V;
}

TEST_F(Panel, DiskPieUsedInBlueAndTheFreeSliceOffset) {
  ShowDisk(Canvas, Record, View);
  // v 128: the walk stands 3 pixels right of the middle of the bottom edge.
  ExpectFigure("Pie(342,3,412,73,377,3,380,73)", clBlack, clBlue);
  ExpectFigure("Pie(344,5,414,75,382,75,379,5)", clBlack, clWhite);
  ExpectText("TextOut(352,7,Диск)", clLime, 9, true);
  ExpectText("TextOut(346,22,C:)", clLime, 9, true);
  ExpectText("TextOut(346,38,512" + Nbsp + "000M)", clLime, 9, true);
  ExpectText("TextOut(418,3,256" + Nbsp + "000MБ)", clBlue, 10, true);
  ExpectText("TextOut(419,18,на диске)", clBlack, 9, false);
  ExpectText("TextOut(419,30,свободно)", clBlack, 9, false);
  EXPECT_TRUE(Canvas.Has("LineTo(416,11)"));
  EXPECT_EQ(Canvas.Find("LineTo(416,11)").State.PenColor, clRed);
}

TEST_F(Panel, SeveralDrivesSpeakInThePlural) {
  Record.DriveList = "C, D";
  Record.DriveCount = 2;
  ShowDisk(Canvas, Record, View);
  EXPECT_TRUE(Canvas.Has("TextOut(352,7,Диски)"));
  EXPECT_TRUE(Canvas.Has("TextOut(346,22,C, D:)"));
  EXPECT_TRUE(Canvas.Has("TextOut(419,18,на дисках)"));
}

TEST_F(Panel, AFullDiskIsAllBlue) {
  Record.FreeDisks[0] = 0;
  ShowDisk(Canvas, Record, View);
  const std::vector<std::string> drawn = Canvas.Drawn();
  EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [](const std::string& s) { return s.rfind("Pie(", 0) == 0; }), 1)
      << "the free slice would be a whole disk where its radials meet";
  EXPECT_TRUE(Canvas.Has("Pie(342,3,412,73,377,3,377,3)"));
}

TEST_F(Panel, NoFixedDriveCountsAsOneMebibyte) {
  Record.TotalDisk = 0;
  Record.FreeDisks[0] = 0;
  ShowDisk(Canvas, Record, View);
  EXPECT_EQ(Record.TotalDisk, 1);
  EXPECT_TRUE(Canvas.Has("Pie(344,5,414,75,380,5,379,5)")) << "v 1";
}

TEST_F(Panel, SpeedBarsOnALogarithmicScaleWithTheirFigures) {
  const std::string title = ShowBars(Canvas, Record, View);
  const std::vector<std::string> drawn = Canvas.Drawn();
  ASSERT_GE(drawn.size(), 5u);
  EXPECT_EQ(drawn[0], "Rectangle(3,88,651,148)");
  EXPECT_EQ(drawn[1], "Rectangle(79,3,159,20)");
  ExpectFigure(drawn[0], Border, Border);
  ExpectFigure(drawn[1], Border, Border);
  ExpectFigure("Rectangle(2,88,282,108)", clBlack, clWhite);
  ExpectFigure("Rectangle(2,108,348,128)", clBlack, clBlue);
  ExpectFigure("Rectangle(2,127,376,148)", clBlack, clBlue);
  ExpectText("TextOut(6,90,Процессор: 1" + Nbsp + "000,0 Мфлоп)", clRed, 9, true);
  ExpectText("TextOut(6,116,Память)", clAqua, 10, true);
  const std::string x = std::to_string(RecordingCanvas::WidthOf("Память", 10, true) + 10);
  ExpectText("TextOut(" + x + ",109,запись: 5" + Nbsp + "000,0 МБ/с)", clAqua, 9, true);
  ExpectText("TextOut(" + x + ",129,чтение: 10" + Nbsp + "000,0 МБ/с)", clAqua, 9, true);
  ExpectText("TextOut(79,3,256,0MБ)", clBlue, 10, true);
  EXPECT_EQ(title, "256,0 МБ 1" + Nbsp + "000,0 Мф");
}

TEST_F(Panel, SpeedBarsTouchOnlyTheBarAreaAndTheFreeMemoryFigure) {
  ShowBars(Canvas, Record, View);
  for (const CanvasCall& c : Canvas.Calls) {
    if (!c.Draws()) continue;
    const int top = c.Args[1];
    const bool bars = top >= 88 && top < 148 && (c.Name == "TextOut" || c.Args[3] <= 148);
    const bool figure = top >= 3 && top < 20 && (c.Name == "TextOut" ? c.Args[0] == 79 : c.Args[3] <= 20);
    EXPECT_TRUE(bars || figure) << c.Shape();
  }
}

TEST(BarLength, TwoPixelsForEachFivePerCentAboveOne) {
  struct Row {
    float Speed;
    int32_t Length;
  };
  for (const Row& r : std::vector<Row>{
           {0.5f, 4},
           {0.0f, 4},
           {-7.0f, 4},
           {1.0f, 0},
           {1.1f, 2},
           {1000.0f, 282},
           {10000.0f, 376},
           {1e30f, 651},
           {std::numeric_limits<float>::max(), 651},
           {std::numeric_limits<float>::infinity(), 651},
           {std::numeric_limits<float>::quiet_NaN(), 4},
       })
    EXPECT_EQ(BarLength(r.Speed), r.Length) << r.Speed;
  EXPECT_EQ(BarLength(1000.0f, 200), 192) << "cut at the width of a narrower window";
}

TEST(ApplicationTitle, FreeMemoryInMebibytesAndMflops) {
  const TFormatSettings russian{Nbsp, ","};
  EXPECT_EQ(ApplicationTitle(262145, 15234, russian), "256,0 МБ 1" + Nbsp + "523,4 Мф");
  EXPECT_EQ(ApplicationTitle(2097153, 0, russian), "2" + Nbsp + "048,0 МБ 0,0 Мф");
  EXPECT_EQ(ApplicationTitle(Max32, 1e7f, TFormatSettings{",", "."}), "2,097,152.0 МБ 1,000,000.0 Мф");
}

}  // namespace
