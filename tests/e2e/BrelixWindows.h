#pragma once
// Brelix's windows as its drivers find them from outside its process: its
// top-level windows, its board, its spin fields. Shared by the end-to-end
// driver and the soak driver; the windows are read through WindowReader.h.

#include <windows.h>

#include <vector>

#include "WindowReader.h"

namespace e2e {

// Waits up to `ms` for a shown top-level window of that class and title
// (either may be null for any).
HWND WaitShown(const wchar_t* cls, const wchar_t* title, DWORD ms);
// 0 once no such window is shown (closed or hidden) within `ms`, else 1.
int WaitNotShown(const wchar_t* cls, const wchar_t* title, DWORD ms);

// The X window that Wine's X driver made for a window's top-level window, 0
// when it has none. Under Wine's virtual desktop a key reaches the thread of
// the X window that took it, and one that lands on the desktop window is
// dropped: keys are meant for a window once its X window holds the X focus.
unsigned long XWindowOf(HWND window);

// The spin fields of a window, from the top: edits that hold an arrow pair.
std::vector<HWND> SpinFields(HWND window);
HWND ArrowPair(HWND field);

struct Tile {
  HWND button;
  RECT rect;
};

// The tile buttons of the main window in slot order (row by row), and the
// grid's shape taken from their positions.
struct Board {
  int rows = 0, cols = 0;
  std::vector<int> tiles;  // 0 for a hidden button
  std::vector<Tile> slots;
};

// Reads the board; true when its buttons form a full grid with exactly one
// hidden button.
bool ReadBoard(HWND window, Board& board);

// The slots (0-based) whose tile may slide into the gap.
std::vector<int> MovableSlots(const std::vector<int>& tiles, int cols);

}  // namespace e2e
