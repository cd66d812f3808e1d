#pragma once
// The screen's density as this program sees it. A window's own density, and
// its frame and metrics at a density, are read with the calls of Windows 10
// 1607 and later. Elsewhere the program knows one density, the system's:
// - Vista to 8 and XP: every screen has it.
// - 8.1 and the first Windows 10 have a density per screen, and the manifest
//   makes the program aware of them, so Windows does not stretch its
//   windows. A window opened on a screen whose density differs from the
//   primary one's is drawn at the system's density until it is moved from
//   one screen to another (WM_DPICHANGED, which those systems send, then
//   gives it its screen's); a board rebuilt there takes a frame scaled from
//   the system's, which these systems leave unscaled. Reading each screen's
//   density there (GetDpiForMonitor) would take a second way of measuring
//   frames and menus, for systems few players still run.

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
