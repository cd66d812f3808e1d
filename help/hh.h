#pragma once
// The HTML Help engine, reached without linking to it: found through the
// registry, loaded at start-up, released at shutdown. Its entries are null
// whenever it is not loaded, and a null entry is never to be called.

#include <windows.h>

#include <string>

// The engine's documented entry: caller window, help file (or null), command,
// data word. It returns a window handle nobody here uses.
using THtmlHelpA = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using THtmlHelpW = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

// The two commands this program sends.
inline constexpr UINT HH_DISPLAY_TOPIC = 0;
inline constexpr UINT HH_CLOSE_ALL = 18;

// Load the engine during start-up; there is no way to turn it off.
inline constexpr bool HelpEngineAutoLoad = true;

// Full path of the registered engine library, or empty text when it is not
// registered as plain text or names no existing file.
std::string LocateHelpEngine();

// Loads the engine once per process and looks up its entries; silent on failure.
void LoadHelpEngine();
// Releases the engine if it is loaded and clears the handle and the entries.
void UnloadHelpEngine();

// The process-wide engine state (0 and null while not loaded).
HMODULE HelpEngineModule();
THtmlHelpA HtmlHelpA();
THtmlHelpW HtmlHelpW();
// The entry callers use: the engine's ANSI entry.
THtmlHelpA HtmlHelp();

// "Brelix.chm" in the executable's directory, as an ANSI path for HtmlHelp
// (its short form where the full one is not ANSI text or too long), or empty
// text when there is no path the engine can open.
std::string HelpFilePath();

// The help layer's engine step of start-up and shutdown: loads the engine when
// constructed (before any window) and releases it when destroyed (after the
// windows). One per process, in WinMain.
class THelpEngineUnit {
 public:
  THelpEngineUnit();
  ~THelpEngineUnit();
  THelpEngineUnit(const THelpEngineUnit&) = delete;
  THelpEngineUnit& operator=(const THelpEngineUnit&) = delete;
};
