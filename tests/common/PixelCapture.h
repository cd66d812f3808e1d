#pragma once
// Pixels of what a window paints, read back from a 32-bit DIB: the client
// area as WM_PRINTCLIENT draws it, over a known background.

#include <windows.h>

#include <cstdint>

#include "Graphics.h"

class TPixelCapture {
 public:
  TPixelCapture(int width, int height, COLORREF background);
  ~TPixelCapture() { SelectObject(FDC.Get(), FSelect); }
  TPixelCapture(const TPixelCapture&) = delete;
  TPixelCapture& operator=(const TPixelCapture&) = delete;

  HDC DC() const { return FDC.Get(); }

  void Fill(COLORREF color);
  // The window's client area as it paints it for printing.
  void PrintClient(HWND hwnd);
  // The window's client area as it stands on the screen now: what the
  // player sees, whoever painted it.
  void CopyScreen(HWND hwnd);

  COLORREF Pixel(int x, int y) const;
  // How many pixels differ from those of another capture of the same size.
  int CountDifferences(const TPixelCapture& other) const;
  // How many pixels differ from `color`.
  int CountOtherThan(COLORREF color) const;

 private:
  TMemoryDC FDC;
  TBitmapHandle FBitmap;
  std::uint32_t* FBits = nullptr;
  HGDIOBJ FSelect = nullptr;
  int FWidth, FHeight;
};
