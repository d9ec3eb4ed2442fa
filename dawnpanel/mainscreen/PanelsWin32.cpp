#include <windows.h>

#include "dawnpanel/mainscreen/PanelsWin32.h"

#include "common/DateTime.h"
#include "common/Environment.h"
#include "common/NumberFormatWin32.h"
#include "common/ui/Application.h"
#include "common/ui/GdiCanvas.h"
#include "dawnpanel/mainscreen/DiskTestWin32.h"
#include "dawnpanel/mainscreen/MainUnit.h"
#include "dawnpanel/mainscreen/MemoryStatusWin32.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/mainscreen/SysMetrics.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/startup/Startup.h"

void SysMetrics() {
  SystemFigures figures;
  figures.TotalMemMiB = TotalMemoryMB();
  figures.FreeMemKiB = FreeMemory(true);
  figures.AutoStart = AutoStartLaunch;
  DriveQueries queries;
  queries.DriveType = [](const std::string& root) { return GetDriveTypeA(root.c_str()); };
  queries.FreeSpace = [](const std::string& root, uint64_t& freeBytes, uint64_t& totalBytes) {
    ULARGE_INTEGER available, total;
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, nullptr)) return false;
    freeBytes = available.QuadPart;
    totalBytes = total.QuadPart;
    return true;
  };
  // No message box may ask for a disk in an empty drive while we look.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  figures.Drives = SummarizeDrives(GetLogicalDrives(), queries);
  SetErrorMode(oldMode);
  figures.Now = Now();
  ApplySysMetrics(SettingsHistory, figures);
}

PanelView CurrentPanelView(HWND window) {
  PanelView view;
  RECT client{0, 0, MainClientWidth, MainClientHeight};
  if (window) GetClientRect(window, &client);
  view.Width = client.right;
  view.Height = client.bottom;
  view.ActiveBorder = GetSysColor(COLOR_ACTIVEBORDER);
  view.Format = UserFormatSettings();
  view.Title = ProductNameRu + " " + VersionText;
  view.TscMHz = TscMHz;
  view.DiskTestSize = DiskTestSize;
  view.Minimized = Minimized;
  return view;
}

void DrawLog(HWND window, HDC dc) {
  // Keys such as Esc belong to the panel whenever it is shown.
  const HWND focus = GetFocus();
  if (IsWindowEnabled(window) && focus != window && !IsChild(window, focus)) SetFocus(window);
  GdiCanvas canvas(dc);
  TApplication::Instance().SetTitle(DrawLog(canvas, SettingsHistory, CurrentPanelView(window), DiskTestFile));
}

void ShowBars() {
  const HWND window = DPMainForm ? DPMainForm->Handle() : nullptr;
  const PanelView view = CurrentPanelView(window);
  std::string title;
  if (window && !view.Minimized) {
    HDC dc = GetDC(window);
    {
      GdiCanvas canvas(dc);
      title = ShowBars(canvas, SettingsHistory, view);
    }
    ReleaseDC(window, dc);
  } else {
    title = ApplicationTitle(SettingsHistory.FreeMems[0], SettingsHistory.CPUTests[0], view.Format);
  }
  TApplication::Instance().SetTitle(title);
}
