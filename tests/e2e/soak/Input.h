#pragma once
// Real input through the platform's input queue (SendInput), as a player's
// mouse and keyboard make it: the program cannot tell it from a device's.

#include <windows.h>

#include <string>

namespace soak {

void MouseMove(POINT screen);
void MouseButton(POINT screen, bool right, bool down);
void Key(WORD vk, bool down);
// A key pressed and released, with modifiers held around it.
void Press(WORD vk, bool alt = false, bool ctrl = false, bool shift = false);
// Characters typed as the keyboard's Unicode packets (any character).
void TypeText(const std::wstring& text);
// Puts text on the clipboard, for a paste.
bool SetClipboardText(const std::wstring& text);

}  // namespace soak
