#pragma once
// Reading Brelix's windows from outside its process, through Win32: shared
// by the end-to-end driver and the soak driver.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A shown top-level window of that class and title (either may be null for
// any), or null.
HWND FindShown(const wchar_t* cls, const wchar_t* title);
// Waits up to `ms` for such a window to be shown.
HWND WaitShown(const wchar_t* cls, const wchar_t* title, DWORD ms);
// 0 once no such window is shown (closed or hidden) within `ms`, else 1.
int WaitNotShown(const wchar_t* cls, const wchar_t* title, DWORD ms);
bool Expired(DWORD end);

// Through WM_GETTEXT: an edit of another process keeps its text to itself,
// where GetWindowText would give only the window's creation title.
// `limit` characters at most.
std::wstring TextOf(HWND hwnd, std::size_t limit = 255);
std::wstring ClassOf(HWND hwnd);
bool IsClass(HWND hwnd, const wchar_t* cls);
RECT ScreenRect(HWND hwnd);

// Every window below `parent`, at any depth; and its direct children.
std::vector<HWND> Descendants(HWND parent);
std::vector<HWND> DirectChildren(HWND parent);

// The spin fields of a window, from the top: edits that hold an arrow pair.
std::vector<HWND> SpinFields(HWND window);
HWND ArrowPair(HWND field);

// Text of status panel 0 of a window's status bar; false without a bar.
bool StatusText(HWND window, std::wstring& text);

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
