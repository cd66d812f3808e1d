#pragma once
// Real input, as a player's mouse and keyboard make it: each press, release
// and move is made by the X server (xdotool, through x_input.py, which runs
// the soak) and waited for until Wine has taken it into its input queue.
// Wine's own injected input (SendInput) is now and then lost, or lands where
// the X pointer still was, which real X input never does.

#include <windows.h>

#include <string>

namespace soak {

void MouseMove(POINT screen);
void MouseButton(POINT screen, bool right, bool down);
void Key(WORD vk, bool down);
// A key pressed and released, with modifiers held around it.
void Press(WORD vk, bool alt = false, bool ctrl = false, bool shift = false);
// Characters typed on the keyboard (any character).
void TypeText(const std::wstring& text);
// Puts text on the clipboard, for a paste.
bool SetClipboardText(const std::wstring& text);

// Inputs the X server took but Wine never showed (the pointer not where it
// was sent, a key or button not in the state it was sent to), made again.
int LostInputs();
// Counts and tells an input that reached Wine but not the program.
void CountLostInput(const char* what);
// Gives the X keyboard focus to the X window of `window` (see XWindowOf),
// so that keys reach its thread. False when it has no X window (yet) or X
// refused.
bool GiveKeys(HWND window);
// Which X window holds the keyboard focus, for a failure's report.
std::string XFocus();
// A picture of the screen as it is, NAME.png (see x_input.py).
void Screenshot(const std::string& name);
// Whether the X side answers; false when the soak runs without x_input.py.
bool InputReady();

}  // namespace soak
