// A small outside driver for the end-to-end tests: finds Brelix's windows and
// reads them back through Win32, printing plain lines for the shell.
//   driver wait-window TITLE MS        -> "x y width height" of the window
//   driver tile TITLE CAPTION          -> "x y" screen centre of a shown tile
//   driver status TITLE                -> text of status panel 0
//   driver gone TITLE MS               -> exit 0 once no such window exists
//   driver close TITLE                 -> asks the window to close (its close box)
//   driver wait-class CLASS MS         -> "x y width height", then the title, of a
//                                         visible top-level window of that class
//   driver gone-class CLASS MS         -> exit 0 once no window of that class exists
//   driver activate TITLE              -> brings the window to the front, for keyboard input

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindTop(const wchar_t* title) { return FindWindowW(nullptr, title); }

HWND WaitWindow(const wchar_t* title, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    HWND hwnd = FindTop(title);
    if (hwnd && IsWindowVisible(hwnd)) return hwnd;
    if (static_cast<int>(end - GetTickCount()) <= 0) return nullptr;
    Sleep(50);
  }
}

std::wstring TextOf(HWND hwnd) {
  wchar_t buffer[256] = {};
  GetWindowTextW(hwnd, buffer, 256);
  return buffer;
}

void PrintUtf8(const std::wstring& text) {
  char buffer[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  std::printf("%s\n", buffer);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  if (command == L"wait-window" && argc == 4) {
    HWND hwnd = WaitWindow(title, static_cast<DWORD>(_wtoi(argv[3])));
    if (!hwnd) return 1;
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (command == L"tile" && argc == 4) {
    HWND hwnd = FindTop(title);
    for (HWND child = hwnd ? GetWindow(hwnd, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[64] = {};
      GetClassNameW(child, cls, 64);
      if (_wcsicmp(cls, L"Button") == 0 && IsWindowVisible(child) && TextOf(child) == argv[3]) {
        RECT r;
        GetWindowRect(child, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
      }
    }
    return 1;
  }
  if (command == L"status") {
    HWND bar = FindWindowExW(FindTop(title), nullptr, STATUSCLASSNAMEW, nullptr);
    if (!bar) return 1;
    wchar_t text[256] = {};
    // The bar lives in another process: ask for the text through a buffer
    // that process can write, i.e. go through WM_GETTEXT of part 0.
    SendMessageTimeoutW(bar, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    PrintUtf8(text);
    return 0;
  }
  if (command == L"close") {
    HWND hwnd = FindTop(title);
    return hwnd && PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == L"gone" && argc == 4) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3]));
    while (FindTop(title)) {
      if (static_cast<int>(end - GetTickCount()) <= 0) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (command == L"wait-class" && argc == 4) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3]));
    HWND hwnd;
    while (!((hwnd = FindWindowW(argv[2], nullptr)) && IsWindowVisible(hwnd))) {
      if (static_cast<int>(end - GetTickCount()) <= 0) return 1;
      Sleep(50);
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    PrintUtf8(TextOf(hwnd));
    return 0;
  }
  if (command == L"activate") {
    HWND hwnd = FindTop(title);
    return hwnd && SetForegroundWindow(hwnd) ? 0 : 1;
  }
  if (command == L"gone-class" && argc == 4) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3]));
    while (FindWindowW(argv[2], nullptr)) {
      if (static_cast<int>(end - GetTickCount()) <= 0) return 1;
      Sleep(50);
    }
    return 0;
  }
  return 2;
}
