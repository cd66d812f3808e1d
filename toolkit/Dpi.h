#pragma once
// The screen's density as this program sees it. The calls that know about
// more than one DPI came with Windows 10; elsewhere the whole screen has the
// one density that the display driver reports.

#include <windows.h>

#include "Scale.h"

// Sent when a window moves to a screen of another density, or the density
// of its screen changes (newer headers than the ones we target name it).
inline constexpr UINT kWmDpiChanged = 0x02E0;

// The density of the primary screen, which new windows get.
int SystemDpi();
// The density of the screen that shows the window.
int WindowDpi(HWND hwnd);
// A system metric (SM_CXICON, ...) at a density.
int SystemMetricForDpi(int index, int dpi);
// What a window of these styles adds around its client area at a density:
// frame, caption and one line of menu bar.
SIZE NonClientSize(DWORD style, DWORD exStyle, bool menu, int dpi);
