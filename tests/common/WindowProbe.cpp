#include "WindowProbe.h"

#include "Application.h"

void Pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (!Expired(end));
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (!done() && !Expired(end)) Pump(5);
  return done();
}

// The move and the button go in one batch at absolute coordinates, so that
// the event lands where it is meant to whatever the pointer did before.
void RealMouseAt(POINT screen, DWORD button) {
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

void RealMouse(HWND hwnd, DWORD button) {
  const RECT r = ScreenRect(hwnd);
  RealMouseAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, button);
}

// The button goes up only once the press has reached the window. Under Wine
// a press injected right after a click that hid the window under it is now
// and then dropped before any window sees it (the end-to-end tests, with X
// input, never see this): such a press, which reached nothing, is made again.
void RealClick(HWND hwnd) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RealMouse(hwnd, MOUSEEVENTF_LEFTDOWN);
    const bool pressed = PumpUntil([hwnd] { return GetCapture() == hwnd; }, 400);
    RealMouse(hwnd, MOUSEEVENTF_LEFTUP);
    PumpUntil([hwnd] { return GetCapture() != hwnd; });
    Pump(30);
    if (pressed) return;
  }
}

void RealKey(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

void RealKeyCombo(BYTE modifier, BYTE key) {
  keybd_event(modifier, 0, 0, 0);
  RealKey(key);
  keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
}
