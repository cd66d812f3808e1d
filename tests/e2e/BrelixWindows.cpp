#include "BrelixWindows.h"

#include <algorithm>

namespace e2e {

namespace {

HWND FindShown(const wchar_t* cls, const wchar_t* title) { return FindTopLevel({.cls = cls, .title = title}); }

}  // namespace

HWND WaitShown(const wchar_t* cls, const wchar_t* title, DWORD ms) {
  HWND shown = nullptr;
  WaitUntil([&] { return (shown = FindShown(cls, title)) != nullptr; }, ms, [] { Sleep(50); });
  return shown;
}

int WaitNotShown(const wchar_t* cls, const wchar_t* title, DWORD ms) {
  return WaitUntil([&] { return !FindShown(cls, title); }, ms, [] { Sleep(50); }) ? 0 : 1;
}

unsigned long XWindowOf(HWND window) {
  const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  return root ? static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetPropW(root, L"__wine_x11_whole_window"))) : 0;
}

std::vector<HWND> SpinFields(HWND window) {
  std::vector<HWND> fields;
  for (HWND child : Descendants(window))
    if (IsClass(child, L"Edit") && GetWindow(child, GW_CHILD)) fields.push_back(child);
  std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) { return ScreenRect(a).top < ScreenRect(b).top; });
  return fields;
}

HWND ArrowPair(HWND field) { return GetWindow(field, GW_CHILD); }

bool ReadBoard(HWND window, Board& board) {
  for (HWND child : ChildrenOfClass(window, L"Button")) board.slots.push_back({child, ScreenRect(child)});
  std::sort(board.slots.begin(), board.slots.end(), [](const Tile& a, const Tile& b) {
    return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
  });
  std::vector<LONG> tops, lefts;
  for (const Tile& slot : board.slots) {
    tops.push_back(slot.rect.top);
    lefts.push_back(slot.rect.left);
  }
  std::sort(tops.begin(), tops.end());
  std::sort(lefts.begin(), lefts.end());
  board.rows = static_cast<int>(std::unique(tops.begin(), tops.end()) - tops.begin());
  board.cols = static_cast<int>(std::unique(lefts.begin(), lefts.end()) - lefts.begin());
  for (const Tile& slot : board.slots)
    board.tiles.push_back(IsWindowVisible(slot.button) ? _wtoi(TextOf(slot.button).c_str()) : 0);
  return !board.slots.empty() && board.rows * board.cols == static_cast<int>(board.slots.size()) &&
         std::count(board.tiles.begin(), board.tiles.end(), 0) == 1;
}

std::vector<int> MovableSlots(const std::vector<int>& tiles, int cols) {
  const int gap = static_cast<int>(std::find(tiles.begin(), tiles.end(), 0) - tiles.begin());
  const int size = static_cast<int>(tiles.size());
  std::vector<int> slots;
  if (gap >= cols) slots.push_back(gap - cols);
  if (gap % cols != 0) slots.push_back(gap - 1);
  if (gap % cols != cols - 1) slots.push_back(gap + 1);
  if (gap + cols < size) slots.push_back(gap + cols);
  return slots;
}

}  // namespace e2e
