#include "Dpi.h"

#include "Win32.h"

namespace {

// A function of user32 that older systems lack, or null.
template <class F>
F User32Function(const char* name) {
  return ProcAddress<F>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    using Fn = UINT(WINAPI*)();
    if (auto forSystem = User32Function<Fn>("GetDpiForSystem")) return static_cast<int>(forSystem());
    HDC screen = GetDC(nullptr);
    const int caps = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return caps > 0 ? caps : kDesignDpi;
  }();
  return dpi;
}

int WindowDpi(HWND hwnd) {
  using Fn = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<Fn>("GetDpiForWindow");
  const int dpi = forWindow && hwnd ? static_cast<int>(forWindow(hwnd)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  using Fn = int(WINAPI*)(int, UINT);
  static const auto forDpi = User32Function<Fn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  return ScaleDpi(GetSystemMetrics(index), dpi, SystemDpi());
}

SIZE NonClientSize(DWORD style, DWORD exStyle, bool menu, int dpi) {
  using Fn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto forDpi = User32Function<Fn>("AdjustWindowRectExForDpi");
  RECT r{0, 0, 0, 0};
  if (forDpi && forDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi))) return {r.right - r.left, r.bottom - r.top};
  // Before Windows 10 the frame follows the system's one density.
  AdjustWindowRectEx(&r, style, menu, exStyle);
  return {ScaleDpi(r.right - r.left, dpi, SystemDpi()), ScaleDpi(r.bottom - r.top, dpi, SystemDpi())};
}
