#pragma once
// What went wrong, in a developer's words, for whoever watches the program's
// debug output (a debugger, a debug-output viewer); the player never sees it.

#include <string_view>

// Hands UTF-8 text to OutputDebugStringW as one line. Needs no memory of its
// own, so that even the detail of an out-of-memory failure gets out; text
// beyond a thousand bytes or so is cut.
void DebugOutput(std::string_view utf8) noexcept;
