#include "MemoryStatus.h"

#include <windows.h>

#include "Win32.h"

TMemoryFigures ReadMemoryStatus() {
  // Looked up at run time: Windows 9x has no GlobalMemoryStatusEx.
  using StatusEx = BOOL(WINAPI*)(MEMORYSTATUSEX*);
  if (const auto statusEx = ProcAddress<StatusEx>(GetModuleHandleW(L"kernel32.dll"), "GlobalMemoryStatusEx")) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (statusEx(&status)) return {status.ullTotalPhys, status.dwMemoryLoad};
  }
  MEMORYSTATUS status{};
  GlobalMemoryStatus(&status);  // fills in dwLength itself
  return {static_cast<std::uint64_t>(status.dwTotalPhys), status.dwMemoryLoad};
}
