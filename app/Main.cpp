// Brelix: start-up, the message loop, shutdown.

#include <windows.h>

#include <optional>

#include "Application.h"
#include "Startup.h"
#include "hh.h"
#include "hh_funcs.h"
#include "Win32.h"

namespace {

// A library that Windows or the help engine loads by name must never come
// from the program's folder or the current folder, where anyone may have put
// a file of that name: only the system folder is searched. The calls are
// looked up: Windows before 8 has the first only with an update (Vista, 7);
// there the second at least takes the current folder out of the search (the
// program's folder stays in it, which nothing else can change), and Windows
// XP before its first service pack has neither.
void SearchLibrariesInSystemFolderOnly() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
  using TSetDllDirectoryW = BOOL(WINAPI*)(LPCWSTR);
  const auto setDefault = ProcAddress<TSetDefaultDllDirectories>(kernel, "SetDefaultDllDirectories");
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Takes the current folder out of the search.
  if (const auto setDirectory = ProcAddress<TSetDllDirectoryW>(kernel, "SetDllDirectoryW")) setDirectory(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SearchLibrariesInSystemFolderOnly();
  // Modules initialise in order and finalise in reverse, after the windows:
  // the toolkit, then the help layer. The application object loads the
  // error texts; whatever fails after it is shown as the loop shows it.
  TApplication application;
  std::optional<THelpEngineUnit> helpEngine;
  std::optional<THelpProbeUnit> helpProbe;  // after the engine: finalises before it
  std::optional<TProgramWindows> windows;   // after the help units: destroyed before them
  const bool started = Guarded<bool>(
      [&] {
        SetUpApplication(application);
        helpEngine.emplace();
        helpProbe.emplace();
        windows.emplace();
        return true;
      },
      false);
  const int exitCode = started ? application.Run() : 1;
  // Windows go before the modules finalise.
  windows.reset();
  return exitCode;
}
