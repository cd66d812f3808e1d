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
  return WaitUntil(done, milliseconds, [] { Pump(5); });
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

// The press that Wine drops comes right after a click that hid the window
// under it (the end-to-end tests, with X input, never see this).
bool RealPress(POINT at, HWND target) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RealMouseAt(at, MOUSEEVENTF_LEFTDOWN);
    if (PumpUntil([target] { return GetCapture() == target; }, 400)) return true;
    RealRelease(&at);
    Pump(30);
  }
  return false;
}

void RealRelease(const POINT* at) {
  if (at) {
    RealMouseAt(*at, MOUSEEVENTF_LEFTUP);
  } else {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
  }
  PumpUntil([] { return GetCapture() == nullptr; }, 5000);
}

// The button goes up only once the press has reached the window.
void RealClick(HWND hwnd) {
  const RECT r = ScreenRect(hwnd);
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  RealPress(centre, hwnd);
  // Released where pressed: Wine may still place a release without a point
  // where its pointer was before the press, off the button.
  RealRelease(&centre);
  Pump(30);
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
