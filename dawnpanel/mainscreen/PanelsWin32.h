#pragma once
// The panels on the real window: figures gathered from the system, painting through GdiCanvas,
// the application title in the taskbar.
#include <windows.h>

#include "dawnpanel/mainscreen/Painting.h"

// Memory, drives and the start time of this start, into the record.
void SysMetrics();

// The painter's inputs as they stand now.
PanelView CurrentPanelView(HWND window);

// The whole panel, on a paint request of the main window.
void DrawLog(HWND window, HDC dc);
// After a measurement: the bars and the free-memory figure on the main window, unless it is
// minimized, and the application title in any case.
void ShowBars();
