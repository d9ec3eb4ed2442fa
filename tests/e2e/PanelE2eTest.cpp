#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "tests/e2e/Driver.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Blue = RGB(0, 0, 255), Red = RGB(255, 0, 0);

std::string TestFile() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "memoryal.tmp";
}

// Entry i of a stored history array of 32 four-byte values.
template <class T>
T HistoryEntry(const char* name, int i) {
  DWORD type = 0;
  std::string data;
  T value{};
  if (GetSettingRaw(name, type, data) && data.size() == 128) std::memcpy(&value, data.data() + 4 * i, 4);
  return value;
}

std::string WindowText(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// The two numbers of the taskbar title "<free> МБ <cpu> Мф", whatever the locale's separators.
bool ParseTitle(const std::string& title, double& freeMiB, double& mflops) {
  const std::string mb = " МБ ", mf = " Мф";
  const size_t a = title.find(mb), b = title.rfind(mf);
  if (a == std::string::npos || b == std::string::npos || b < a || b + mf.size() != title.size()) return false;
  auto number = [](const std::string& text, double& value) {
    std::string plain;
    for (char c : text) {
      if (c >= '0' && c <= '9') plain += c;
      else if (c == ',' || c == '.') plain += '.';  // with one decimal, the last mark is the point
    }
    const size_t point = plain.rfind('.');
    if (point == std::string::npos || point + 2 != plain.size()) return false;
    std::string digits;
    for (size_t i = 0; i < plain.size(); ++i)
      if (plain[i] != '.' || i == point) digits += plain[i];
    value = std::atof(digits.c_str());
    return true;
  };
  return number(title.substr(0, a), freeMiB) && number(title.substr(a + mb.size(), b - a - mb.size()), mflops);
}

int BarEnd(double speed) { return speed < 1 ? 4 : std::min(651, 2 * static_cast<int>(std::log(speed) / std::log(1.05))); }

// The panel as the screen shows it. It stays on top of the program's other windows.
class PanelPicture {
 public:
  explicit PanelPicture(const RECT& frame) {
    HDC screen = GetDC(nullptr);
    Dc = CreateCompatibleDC(screen);
    Bitmap = CreateCompatibleBitmap(screen, 659, 198);
    Old = SelectObject(Dc, Bitmap);
    Copied = BitBlt(Dc, 0, 0, 659, 198, screen, frame.left, frame.top, SRCCOPY) != FALSE;
    ReleaseDC(nullptr, screen);
  }
  ~PanelPicture() {
    SelectObject(Dc, Old);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
  }
  PanelPicture(const PanelPicture&) = delete;
  PanelPicture& operator=(const PanelPicture&) = delete;
  COLORREF At(int x, int y) const { return GetPixel(Dc, x, y); }
  // The last x of the given colour in row y left of the disk pie; -1 when there is none.
  int LastOf(COLORREF colour, int y) const {
    for (int x = 340; x >= 0; --x)
      if (At(x, y) == colour) return x;
    return -1;
  }
  bool Copied = false;

 private:
  HDC Dc = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ Old = nullptr;
};

class Panel : public MainProgramTest {
 protected:
  void SetUp() override {
    MainProgramTest::SetUp();
    DeleteFileA(TestFile().c_str());
  }
};

TEST_F(Panel, ManualStartShowsTheFinishedPanelAndStoresTheFiguresInTheirUnits) {
  Process p;
  HWND panel = StartAndFind(p, "");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 10000));
  HWND application = FindProcessWindow(p.Id(), "TApplication");
  ASSERT_NE(application, nullptr);

  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  RECT frame;
  GetWindowRect(panel, &frame);
  EXPECT_EQ(frame.left, (sw - 659) / 2);
  EXPECT_EQ(frame.top, sh / 2 - sh / 8);
  if (sw == 1280 && sh == 1024) {
    EXPECT_EQ(frame.left, 310);
    EXPECT_EQ(frame.top, 384);
  }
  // A live measurement has just redrawn the bars and then set the title: take the picture now,
  // and again should the next one have come in between.
  double freeMiB = 0, mflops = 0;
  std::string title;
  std::unique_ptr<PanelPicture> picture;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::string before = WindowText(application);
    WaitFor([&] { return WindowText(application) != before; }, 3000);
    title = WindowText(application);
    picture = std::make_unique<PanelPicture>(frame);
    if (WindowText(application) == title && ParseTitle(title, freeMiB, mflops)) break;
  }
  ASSERT_TRUE(picture->Copied);
  ASSERT_TRUE(ParseTitle(title, freeMiB, mflops)) << title;
  const PanelPicture& pic = *picture;
  const COLORREF border = GetSysColor(COLOR_ACTIVEBORDER);

  struct Spot {
    int X, Y;
    COLORREF Colour;
    const char* What;
  };
  for (const Spot& s : {
           Spot{0, 0, White, "light edge"},
           Spot{0, 120, White, "light edge, left"},
           Spot{1, 1, border, "panel"},
           Spot{640, 180, border, "panel, lower right"},
           Spot{658, 197, Black, "shadow corner"},
           Spot{654, 100, Black, "shadow, right"},
           Spot{100, 194, Black, "shadow, bottom"},
           Spot{161, 3, White, "white stripe"},
           Spot{161, 12, Blue, "blue stripe"},
           Spot{161, 22, Red, "red stripe"},
           Spot{7, 40, Black, "memory gauge outline"},
           Spot{11, 4, Black, "scale mark above the gauge"},
           Spot{3, 11, Black, "scale mark left of the gauge"},
           Spot{70, 65, Black, "scale mark right of the gauge"},
           Spot{65, 71, Black, "last scale mark below the gauge"},
           Spot{60, 9, Red, "free memory pointer"},
           Spot{400, 11, Red, "free disk pointer"},
           Spot{2, 98, Black, "processor bar outline"},
           Spot{3, 106, White, "processor bar"},
           Spot{3, 112, Blue, "memory write bar"},
           Spot{3, 140, Blue, "memory read bar"},
           Spot{3, 151, Red, "disk write bar"},
           Spot{3, 183, Red, "disk read bar"},
       })
    EXPECT_EQ(pic.At(s.X, s.Y), s.Colour) << s.What << " at " << s.X << "," << s.Y;

  // Each stripe 4 pixels shorter than the one above, all reaching past the title.
  const int blueEnd = pic.LastOf(Blue, 11), redEnd = pic.LastOf(Red, 24);
  EXPECT_EQ(blueEnd - redEnd, 4);
  EXPECT_GT(redEnd, 250) << "the title is wider than 80 pixels";
  if (border != White) {
    EXPECT_EQ(pic.LastOf(White, 3) - blueEnd, 4);
  }

  // The processor bar ends where its figure, the one in the title, puts it.
  const int end = BarEnd(mflops);
  EXPECT_EQ(pic.At(end - 1, 106), Black) << title;
  EXPECT_EQ(pic.At(end - 2, 106), White) << title;
  EXPECT_EQ(pic.At(end, 106), border) << title;
  EXPECT_GT(freeMiB, 1) << title;

  PostMessageA(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(p.WaitExit(10000));

  const float cpu = HistoryEntry<float>("CPUTests", 0);
  EXPECT_EQ(cpu, std::trunc(cpu)) << "tenths, a whole number";
  EXPECT_GE(cpu, 10) << "tenths of Mflops";
  EXPECT_LE(cpu, 1e6);
  for (const char* memory : {"MemTests", "MemTestsW"}) {
    EXPECT_GE(HistoryEntry<int32_t>(memory, 0), 1000) << memory << ": tenths of MiB/s";
    EXPECT_LE(HistoryEntry<int32_t>(memory, 0), 10000000) << memory;
  }
  for (const char* disk : {"DiskTests", "DiskTestsW"}) {
    EXPECT_GE(HistoryEntry<int32_t>(disk, 0), 1) << disk << ": tenths of MB/s";
    EXPECT_LE(HistoryEntry<int32_t>(disk, 0), 10000000) << disk;
  }
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  const int32_t freeKiB = HistoryEntry<int32_t>("FreeMems", 0);
  EXPECT_GT(freeKiB, 1024);
  EXPECT_LE(freeKiB, static_cast<int32_t>(status.ullTotalPhys >> 10) + 1) << "KiB";
  EXPECT_GE(HistoryEntry<int32_t>("FreeDisks", 0), 1) << "MiB";
  EXPECT_NE(HistoryEntry<int32_t>("SysTimes", 0), 0);
  EXPECT_EQ(GetFileAttributesA(TestFile().c_str()), INVALID_FILE_ATTRIBUTES) << "the disk test's file is gone";
}

TEST_F(Panel, AutomaticStartShowsTheFiguresInTheTaskbarAndSkipsTheDiskTestWhenAsked) {
  SetSettingDword("ShowLength", 5);
  SetSettingDword("DiskTest", 0);
  int32_t previous[32] = {777, 777};
  SetSettingRaw("DiskTests", REG_BINARY, previous, sizeof previous);

  Process p;
  HWND panel = StartAndFind(p, "rstart");
  ASSERT_NE(panel, nullptr);
  HWND application = FindProcessWindow(p.Id(), "TApplication");
  ASSERT_NE(application, nullptr);
  double freeMiB = 0, mflops = 0;
  std::string title;
  EXPECT_TRUE(WaitFor([&] { return ParseTitle(title = WindowText(application), freeMiB, mflops); }, 8000))
      << "taskbar title: " << title;
  EXPECT_FALSE(IsWindowVisible(panel)) << "the panel stays minimized meanwhile";

  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  const double totalMiB = static_cast<double>(status.ullTotalPhys) / 1048576;
  EXPECT_GT(freeMiB, 1) << title;
  EXPECT_LE(freeMiB, totalMiB) << title << ": MiB";
  EXPECT_GE(mflops, 1) << title;
  EXPECT_LE(mflops, 100000) << title;

  ASSERT_TRUE(p.WaitExit(20000)) << "the countdown ends the program";
  EXPECT_EQ(HistoryEntry<int32_t>("DiskTests", 0), 0) << "no disk test at this start";
  EXPECT_EQ(HistoryEntry<int32_t>("DiskTests", 1), 777);
  EXPECT_GE(HistoryEntry<int32_t>("MemTests", 0), 1000);
  EXPECT_GE(HistoryEntry<float>("CPUTests", 0), 10);
}

}  // namespace
