#include "MemoryStatus.h"

#include <windows.h>

TMemoryFigures ReadMemoryStatus() {
  // Looked up at run time: Windows 9x has no GlobalMemoryStatusEx.
  using StatusEx = BOOL(WINAPI*)(MEMORYSTATUSEX*);
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    if (FARPROC proc = GetProcAddress(kernel, "GlobalMemoryStatusEx")) {
      auto statusEx = reinterpret_cast<StatusEx>(reinterpret_cast<void*>(proc));
      MEMORYSTATUSEX status{};
      status.dwLength = sizeof status;
      if (statusEx(&status)) return {status.ullTotalPhys, status.dwMemoryLoad};
    }
  }
  MEMORYSTATUS status{};
  GlobalMemoryStatus(&status);  // fills in dwLength itself
  return {static_cast<std::uint64_t>(status.dwTotalPhys), status.dwMemoryLoad};
}
