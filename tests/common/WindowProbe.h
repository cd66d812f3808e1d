#pragma once
// What only a test inside the program's process can do: let its message loop
// run, and make real input through the input queue. The windows are read
// back through WindowReader.h.

#include <windows.h>

#include <functional>

#include "WindowReader.h"

// Lets the message loop run for a while.
void Pump(DWORD milliseconds);
// Pumps until `done` holds, for at most `milliseconds`; whether it does.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 1000);

// Real mouse input at a screen point, and at a window's centre, through the
// input queue.
void RealMouseAt(POINT screen, DWORD button);
void RealMouse(HWND hwnd, DWORD button);
// A real left press at a screen point over `target`, held: made again while
// it reaches nothing (Wine now and then drops an injected press before any
// window sees it); whether `target` took the mouse. Then the release, at a
// point or where the pointer is, handled once no window holds the mouse.
bool RealPress(POINT at, HWND target);
void RealRelease(const POINT* at = nullptr);
// A real left click at the centre of a window, as a player makes it; the
// click has been handled when this returns.
void RealClick(HWND hwnd);

// A real key press, and one with a modifier held, through the input queue.
void RealKey(BYTE key);
void RealKeyCombo(BYTE modifier, BYTE key);
