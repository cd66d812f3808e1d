#include "WindowReader.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

namespace e2e {

namespace {

struct ShownSearch {
  const wchar_t* cls;    // or null for any class
  const wchar_t* title;  // or null for any title
  HWND found;
};

BOOL CALLBACK MatchShown(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ShownSearch*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  wchar_t text[256] = {};
  if (search->cls && !(GetClassNameW(hwnd, text, 256) && _wcsicmp(text, search->cls) == 0)) return TRUE;
  if (search->title && !(GetWindowTextW(hwnd, text, 256) >= 0 && wcscmp(text, search->title) == 0)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

bool Expired(DWORD end) { return static_cast<int>(end - GetTickCount()) <= 0; }

HWND FindShown(const wchar_t* cls, const wchar_t* title) {
  ShownSearch search{cls, title, nullptr};
  EnumWindows(MatchShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitShown(const wchar_t* cls, const wchar_t* title, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    if (HWND hwnd = FindShown(cls, title)) return hwnd;
    if (Expired(end)) return nullptr;
    Sleep(50);
  }
}

int WaitNotShown(const wchar_t* cls, const wchar_t* title, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (FindShown(cls, title)) {
    if (Expired(end)) return 1;
    Sleep(50);
  }
  return 0;
}

std::wstring TextOf(HWND hwnd, std::size_t limit) {
  std::wstring buffer(limit + 1, L'\0');
  SendMessageTimeoutW(hwnd, WM_GETTEXT, limit + 1, reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  buffer.resize(wcslen(buffer.c_str()));
  return buffer;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t buffer[64] = {};
  GetClassNameW(hwnd, buffer, 64);
  return buffer;
}

bool IsClass(HWND hwnd, const wchar_t* cls) { return _wcsicmp(ClassOf(hwnd).c_str(), cls) == 0; }

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  if (parent) EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> DirectChildren(HWND parent) {
  std::vector<HWND> found;
  for (HWND child = parent ? GetWindow(parent, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
    found.push_back(child);
  return found;
}

std::vector<HWND> SpinFields(HWND window) {
  std::vector<HWND> fields;
  for (HWND child : Descendants(window))
    if (IsClass(child, L"Edit") && GetWindow(child, GW_CHILD)) fields.push_back(child);
  std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) { return ScreenRect(a).top < ScreenRect(b).top; });
  return fields;
}

HWND ArrowPair(HWND field) { return GetWindow(field, GW_CHILD); }

bool StatusText(HWND window, std::wstring& text) {
  HWND bar = window ? FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
  if (!bar) return false;
  text = TextOf(bar);  // a status bar's text is that of its part 0
  return true;
}

bool ReadBoard(HWND window, Board& board) {
  for (HWND child : DirectChildren(window))
    if (IsClass(child, L"Button")) board.slots.push_back({child, ScreenRect(child)});
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
