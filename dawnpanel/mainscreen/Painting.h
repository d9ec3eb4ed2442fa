#pragma once
// The main window's painting over the Canvas seam: the raised panel with the title banner and
// the disk-test note (DrawLog), the memory gauge (ShowMem), the disk pie (ShowDisk) and the
// speed bars (ShowBars). Everything they show comes in through the record and PanelView, so
// the geometry does not depend on the system.
#include <cstdint>
#include <string>

#include "common/NumberFormat.h"
#include "common/ui/Canvas.h"
#include "dawnpanel/settings/SettingsHistory.h"

// What the painter shows besides the record.
struct PanelView {
  int Width = 659;   // client area
  int Height = 198;
  TColor ActiveBorder = clSilver;  // the system colour of the active window border
  TFormatSettings Format;          // the user's separators
  std::string Title;               // product name and version
  int64_t TscMHz = 0;
  int32_t DiskTestSize = 0;  // whole MiB the disk test read back
  bool Minimized = false;    // the application is minimized: nothing is drawn
};

// The whole window. Shortens diskTestFile to its drive (see ShortenDiskTestFile) and returns
// the application title, as ShowBars does. Sets TotalDisk to 1 when it is 0 (ShowDisk).
std::string DrawLog(Canvas& canvas, TSettingsHistory& record, const PanelView& view, std::string& diskTestFile);

// The memory gauge at the left with its labels and the free-memory figure.
void ShowMem(Canvas& canvas, const TSettingsHistory& record, const PanelView& view);
// The disk pie at the right with its labels; a TotalDisk of 0 becomes 1 so the pie can be drawn.
void ShowDisk(Canvas& canvas, TSettingsHistory& record, const PanelView& view);
// The processor and memory bars and the free-memory figure, unless minimized. Returns the
// application title, which changes also while minimized.
std::string ShowBars(Canvas& canvas, const TSettingsHistory& record, const PanelView& view);

// The taskbar text: free memory in MiB and processor speed in Mflops.
std::string ApplicationTitle(int32_t freeKiB, float cpuTenths, const TFormatSettings& format);

// Right edge of a speed bar: 2 pixels for each 5 % above 1, 4 below 1, at most width − 8.
int32_t BarLength(float speed, int windowWidth = 659);

// Height of the gauge's white part: the free share of 62 pixels, 0 to 62.
int32_t FreeMemoryPixels(int32_t freeKiB, int32_t totalMiB);
// The free disk share on a scale of 0 to 255 (above 255 only when free exceeds total).
int32_t FreeDiskShare(int32_t freeMiB, int32_t totalMiB);

struct PiePoint {
  int X, Y;
  bool operator==(const PiePoint&) const = default;
};
// The point at share v, walking clockwise round the 70 × 70 square from the middle of its top.
PiePoint PieWalk(int32_t v);

// The note names only the drive of the test file: its letter with the counter clock, its letter
// and colon with the tick clock. Shortening again changes nothing.
void ShortenDiskTestFile(std::string& diskTestFile, int64_t tscMHz);
