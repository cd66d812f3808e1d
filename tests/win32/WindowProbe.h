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

// A real left click, through the input queue, at the centre of a window.
inline void RealClick(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Pump(30);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  Pump(100);
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
