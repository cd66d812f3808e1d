#include "WindowReader.h"

#include <commctrl.h>

#include <cwchar>
#include <utility>

namespace {

// A message whose answer needs no pointer into the window's process; 0 when
// the window does not answer within 2 s.
LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return 0;
  return static_cast<LRESULT>(result);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

// The title the system keeps for a top-level window, read without a message:
// a program that does not answer cannot hold the search up.
bool HasTitle(HWND hwnd, const wchar_t* title) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return wcscmp(text, title) == 0;
}

}  // namespace

bool Expired(DWORD end) { return static_cast<int>(end - GetTickCount()) <= 0; }

bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds, const std::function<void()>& between) {
  const DWORD end = GetTickCount() + milliseconds;
  while (!done()) {
    if (Expired(end)) return done();
    between();
  }
  return true;
}

std::wstring TextOf(HWND hwnd, std::size_t limit) {
  std::wstring buffer(limit + 1, L'\0');
  Ask(hwnd, WM_GETTEXT, limit + 1, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(wcslen(buffer.c_str()));
  return buffer;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t buffer[256] = {};
  GetClassNameW(hwnd, buffer, 256);
  return buffer;
}

bool IsClass(HWND hwnd, const wchar_t* cls) { return _wcsicmp(ClassOf(hwnd).c_str(), cls) == 0; }

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

SIZE OuterSize(HWND hwnd) {
  const RECT r = ScreenRect(hwnd);
  return {r.right - r.left, r.bottom - r.top};
}

RECT ChildRect(HWND child) {
  RECT r = ScreenRect(child);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindTopLevel(const TopLevel& wanted) {
  for (HWND hwnd : TopLevelWindows()) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if ((wanted.pid && pid != wanted.pid) || (!wanted.hiddenToo && !IsWindowVisible(hwnd))) continue;
    if ((!wanted.cls || IsClass(hwnd, wanted.cls)) && (!wanted.title || HasTitle(hwnd, wanted.title))) return hwnd;
  }
  return nullptr;
}

std::vector<HWND> ThreadWindows(DWORD thread) {
  std::vector<HWND> found;
  EnumThreadWindows(thread, Collect, reinterpret_cast<LPARAM>(&found));
  return found;
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

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* cls) {
  std::vector<HWND> found;
  for (HWND child : DirectChildren(parent))
    if (IsClass(child, cls)) found.push_back(child);
  return found;
}

HWND ChildOfClass(HWND parent, const wchar_t* cls, const std::wstring& text) {
  for (HWND child : ChildrenOfClass(parent, cls))
    if (TextOf(child) == text) return child;
  return nullptr;
}

HWND ChildWithText(HWND window, const std::wstring& text) {
  for (HWND child : Descendants(window))
    if (IsWindowVisible(child) && TextOf(child) == text) return child;
  return nullptr;
}

HWND StatusBarOf(HWND window) { return window ? FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr; }

std::wstring StatusText(HWND bar, int part) {
  if (part == 0) return TextOf(bar);  // a status bar's text is that of its part 0
  DWORD process = 0;
  if (!GetWindowThreadProcessId(bar, &process) || process != GetCurrentProcessId()) return {};
  const auto length = static_cast<std::size_t>(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)));
  std::wstring text(length + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

TMessageBoxView ReadMessageBox(HWND box) {
  TMessageBoxView view;
  view.Caption = TextOf(box);
  for (HWND child : Descendants(box)) {
    if (!IsWindowVisible(child)) continue;
    if (IsClass(child, L"Button")) {
      view.Buttons.push_back(child);
    } else if (IsClass(child, L"Static")) {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        view.IconControl = child;
        view.Icon = reinterpret_cast<HICON>(Ask(child, STM_GETICON, 0, 0));
      } else if (std::wstring text = TextOf(child); !text.empty()) {
        view.Texts.push_back(std::move(text));
      }
    }
  }
  return view;
}

POINT CloseBoxPoint(HWND hwnd) {
  const RECT r = ScreenRect(hwnd);
  for (int y = r.top; y < r.top + GetSystemMetrics(SM_CYCAPTION) + 8; ++y)
    for (int x = r.right - 1; x > r.right - 40; --x)
      if (Ask(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 4, y + 4};
  return {-1, -1};
}
