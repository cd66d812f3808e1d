#include "ResourceCounts.h"

#include <malloc.h>

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountTop(HWND hwnd, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(hwnd, CountChild, count);
  return TRUE;
}

}  // namespace

std::string TResourceCounts::Describe() const {
  return std::to_string(Windows) + " windows, " + std::to_string(GdiObjects) + " GDI objects, " +
         std::to_string(KernelHandles) + " kernel handles, " + std::to_string(HeapBytes) + " heap bytes";
}

int CountWindows() {
  int count = 0;
  EnumWindows(CountTop, reinterpret_cast<LPARAM>(&count));
  // Message-only windows (timers) are not enumerated with the others.
  for (HWND hwnd = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); hwnd;
       hwnd = FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr))
    CountTop(hwnd, reinterpret_cast<LPARAM>(&count));
  return count;
}

int CountGdiObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(count);
  int count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++count;
  return count;
}

int CountKernelHandles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return static_cast<int>(count);
  int probed = 0;
  for (ULONG_PTR value = 4; value < 0x40000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++probed;
  }
  return probed;
}

std::size_t CountHeapBytes() {
  const auto heap = reinterpret_cast<HANDLE>(_get_heap_handle());
  std::size_t bytes = 0;
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry{};
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
  HeapUnlock(heap);
  return bytes;
}

TResourceCounts CountResources() { return {CountWindows(), CountGdiObjects(), CountKernelHandles(), CountHeapBytes()}; }
