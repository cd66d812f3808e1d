#pragma once
// Reading real windows back through Win32, and real input, for the tests.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "Application.h"

inline std::wstring WindowText(HWND hwnd) {
  wchar_t buffer[512] = {};
  GetWindowTextW(hwnd, buffer, 512);
  return buffer;
}

inline std::wstring ClassOf(HWND hwnd) {
  wchar_t buffer[128] = {};
  GetClassNameW(hwnd, buffer, 128);
  return buffer;
}

// Direct children of a window of one class, in z-order.
inline std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
  std::vector<HWND> out;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0) out.push_back(child);
  return out;
}

inline HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : ChildrenOfClass(parent, className))
    if (WindowText(child) == text) return child;
  return nullptr;
}

// A child's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline SIZE OuterSize(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

inline std::wstring StatusText(HWND statusBar, int part) {
  const LRESULT length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Lets the message loop run for a while.
inline void Pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Real mouse input at a window's centre, through the input queue; the move
// and the button go in one batch at absolute coordinates, so that the event
// lands where it is meant to whatever the pointer did before.
inline void RealMouseAt(POINT screen, DWORD button) {
  const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input[2] = {};
  const DWORD flags[2] = {MOUSEEVENTF_MOVE, button};
  for (int i = 0; i < 2; ++i) {
    input[i].type = INPUT_MOUSE;
    input[i].mi.dx = (screen.x * 65535 + cx / 2) / cx;
    input[i].mi.dy = (screen.y * 65535 + cy / 2) / cy;
    input[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE;
  }
  SendInput(2, input, sizeof(INPUT));
}
inline void RealMouse(HWND hwnd, DWORD button) {
  RECT r;
  GetWindowRect(hwnd, &r);
  RealMouseAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, button);
}

// A point of a window's close box, found as the window itself tells it.
inline POINT CloseBoxPoint(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  for (int y = r.top; y < r.top + GetSystemMetrics(SM_CYCAPTION) + 8; ++y)
    for (int x = r.right - 1; x > r.right - 40; --x)
      if (SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 4, y + 4};
  return {-1, -1};
}

// Pumps until `done` holds, for at most `milliseconds`; whether it does.
template <class F>
bool PumpUntil(F done, DWORD milliseconds = 1000) {
  const DWORD end = GetTickCount() + milliseconds;
  while (!done() && static_cast<int>(end - GetTickCount()) > 0) Pump(5);
  return done();
}

// A real left click at the centre of a window, as a player makes it: the
// button goes up only once the press has reached the window, and the click
// has been handled when this returns. Under Wine a press injected right after
// a click that hid the window under it is now and then dropped before any
// window sees it (the end-to-end tests, with X input, never see this): such
// a press, which reached nothing, is made again.
inline void RealClick(HWND hwnd) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RealMouse(hwnd, MOUSEEVENTF_LEFTDOWN);
    const bool pressed = PumpUntil([hwnd] { return GetCapture() == hwnd; }, 400);
    RealMouse(hwnd, MOUSEEVENTF_LEFTUP);
    PumpUntil([hwnd] { return GetCapture() != hwnd; });
    Pump(30);
    if (pressed) return;
  }
}

// A real key press, and one with a modifier held, through the input queue.
inline void RealKey(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}
inline void RealKeyCombo(BYTE modifier, BYTE key) {
  keybd_event(modifier, 0, 0, 0);
  RealKey(key);
  keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
}
