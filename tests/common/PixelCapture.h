#pragma once
// Pixels of what a window paints, read back from a 32-bit DIB: the client
// area as WM_PRINTCLIENT draws it, over a known background.

#include <windows.h>

#include <cstdint>

#include "ExtCtrls.h"
#include "Graphics.h"

class TPixelCapture {
 public:
  TPixelCapture(int width, int height, COLORREF background) : FDC(nullptr), FWidth(width), FHeight(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FBitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    FBits = static_cast<std::uint32_t*>(bits);
    FSelect = SelectObject(FDC.Get(), FBitmap.Get());
    Fill(background);
  }
  ~TPixelCapture() { SelectObject(FDC.Get(), FSelect); }
  TPixelCapture(const TPixelCapture&) = delete;
  TPixelCapture& operator=(const TPixelCapture&) = delete;

  HDC DC() const { return FDC.Get(); }

  void Fill(COLORREF color) {
    TBrushHandle brush(CreateSolidBrush(color));
    RECT all{0, 0, FWidth, FHeight};
    FillRect(FDC.Get(), &all, brush.Get());
    GdiFlush();
  }

  // The window's client area as it paints it for printing.
  void PrintClient(HWND hwnd) {
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(FDC.Get()), PRF_CLIENT);
    GdiFlush();
  }

  // The window's client area as it stands on the screen now: what the
  // player sees, whoever painted it.
  void CopyScreen(HWND hwnd) {
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    HDC screen = GetDC(nullptr);
    BitBlt(FDC.Get(), 0, 0, FWidth, FHeight, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
  }

  // How many pixels differ from those of another capture of the same size.
  int CountDifferences(const TPixelCapture& other) const {
    int n = 0;
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (Pixel(x, y) != other.Pixel(x, y)) ++n;
    return n;
  }

  COLORREF Pixel(int x, int y) const {
    const std::uint32_t bgr = FBits[static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x)];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }

  // How many pixels differ from `color`.
  int CountOtherThan(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (Pixel(x, y) != color) ++n;
    return n;
  }

 private:
  TMemoryDC FDC;
  TBitmapHandle FBitmap;
  std::uint32_t* FBits = nullptr;
  HGDIOBJ FSelect = nullptr;
  int FWidth, FHeight;
};
