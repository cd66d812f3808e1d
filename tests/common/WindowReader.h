#pragma once
// Reading real windows back through Win32, the same way whether they belong
// to this process (the Windows unit tests) or to another one (the end-to-end
// and soak drivers): only messages the system carries across processes, or
// none at all.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Whether a GetTickCount() deadline has passed (the tick count wraps).
bool Expired(DWORD end);
// Runs `between` until `done` holds, for at most `milliseconds`; whether it
// holds.
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds,
               const std::function<void()>& between = [] { Sleep(1); });

// Through WM_GETTEXT, which the system carries across processes: an edit of
// another process keeps its text to itself, where GetWindowText would give
// only the window's creation title. `limit` characters at most. A window
// that does not answer within 2 s reads as empty.
std::wstring TextOf(HWND hwnd, std::size_t limit = 1023);
std::wstring ClassOf(HWND hwnd);
// Class names compare without regard to case, as the system compares them.
bool IsClass(HWND hwnd, const wchar_t* cls);

RECT ScreenRect(HWND hwnd);
SIZE OuterSize(HWND hwnd);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

// What a top-level window is looked for by: its class and title (null for
// any), its process (0 for any), and whether a hidden one counts.
struct TopLevel {
  const wchar_t* cls = nullptr;
  const wchar_t* title = nullptr;
  DWORD pid = 0;
  bool hiddenToo = false;
};
// The first such window in z-order, or null.
HWND FindTopLevel(const TopLevel& wanted);

// Top-level windows, every one or those of one thread; every window below
// `parent` at any depth; its direct children. In z-order.
std::vector<HWND> TopLevelWindows();
std::vector<HWND> ThreadWindows(DWORD thread);
std::vector<HWND> Descendants(HWND parent);
std::vector<HWND> DirectChildren(HWND parent);
// Direct children of one class, and the first of them with that text,
// shown or hidden.
std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* cls);
HWND ChildOfClass(HWND parent, const wchar_t* cls, const std::wstring& text);
// A shown window at any depth below `window` with that text, as a user
// looks for a control by what it says.
HWND ChildWithText(HWND window, const std::wstring& text);

// A window's status bar, or null.
HWND StatusBarOf(HWND window);
// Text of one part of a status bar. Part 0 comes through WM_GETTEXT, read
// from anywhere; SB_GETTEXT, which the others need, answers through a
// pointer, so they read as empty unless the bar belongs to this process.
std::wstring StatusText(HWND bar, int part = 0);

// What a message box shows, from its shown children: its caption, its texts
// (the empty ones left out) and its buttons in z-order, and the control that
// shows its icon with that icon (null without one).
struct TMessageBoxView {
  std::wstring Caption;
  std::vector<std::wstring> Texts;
  std::vector<HWND> Buttons;
  HWND IconControl = nullptr;
  HICON Icon = nullptr;
};
TMessageBoxView ReadMessageBox(HWND box);

// A screen point of a window's close box, found as the window itself tells
// it by hit-testing; {-1, -1} without one.
POINT CloseBoxPoint(HWND hwnd);
