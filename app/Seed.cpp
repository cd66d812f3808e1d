#include "Seed.h"

#include <windows.h>

std::uint32_t ClockSeed() {
  LARGE_INTEGER counter;
  if (QueryPerformanceCounter(&counter)) return static_cast<std::uint32_t>(counter.LowPart);
  return GetTickCount();
}
