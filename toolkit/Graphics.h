#pragma once
// Owners of GDI and USER handles, and small drawing helpers.

#include <windows.h>

#include <string>
#include <utility>

// Owns one handle and frees it with `Free` when it goes.
template <class H, class Free>
class THandle {
 public:
  THandle() = default;
  explicit THandle(H handle) : FHandle(handle) {}
  ~THandle() { Reset(); }
  THandle(THandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  THandle& operator=(THandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(H handle = nullptr) {
    if (FHandle) Free{}(FHandle);
    FHandle = handle;
  }

 private:
  H FHandle = nullptr;
};

struct TDeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct TDestroyIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct TDeleteDC {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

// A pen, brush, font, bitmap or region.
template <class H>
using TGdiObject = THandle<H, TDeleteGdiObject>;
// An icon that the program made or loaded for itself (never a shared one).
using TIconHandle = THandle<HICON, TDestroyIcon>;

// A memory DC compatible with another (null: with the screen).
class TMemoryDC : public THandle<HDC, TDeleteDC> {
 public:
  explicit TMemoryDC(HDC compatible) : THandle(CreateCompatibleDC(compatible)) {}
};

using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TBitmapHandle = TGdiObject<HBITMAP>;

// The DC of one WM_PAINT: BeginPaint and EndPaint, also when painting throws.
class TPaintDC {
 public:
  explicit TPaintDC(HWND hwnd) : FWindow(hwnd), FDC(BeginPaint(hwnd, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// A window's client-area DC (null: the screen's) for one scope.
class TClientDC {
 public:
  explicit TClientDC(HWND hwnd) : FWindow(hwnd), FDC(GetDC(hwnd)) {}
  ~TClientDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TClientDC(const TClientDC&) = delete;
  TClientDC& operator=(const TClientDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// Selects an object into a DC for one scope.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
  ~TSelectObject() { SelectObject(FDC, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// A font description as stored in layouts.
struct TFontSpec {
  std::wstring Name = L"MS Sans Serif";
  int Height = -11;  // pixels at 96 DPI; negative: character height without leading
  bool Bold = false;
};

// The font at a screen density: the stored height scaled by DPI / 96. A face
// of fixed sizes that has none within a pixel of it gives way to a scalable
// sans serif that sets text no wider than the stored face would.
TFontHandle CreateFontFrom(const TFontSpec& spec, int dpi);
