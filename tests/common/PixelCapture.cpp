#include "PixelCapture.h"

TPixelCapture::TPixelCapture(int width, int height, COLORREF background) : FDC(nullptr), FWidth(width), FHeight(height) {
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

void TPixelCapture::Fill(COLORREF color) {
  TBrushHandle brush(CreateSolidBrush(color));
  RECT all{0, 0, FWidth, FHeight};
  FillRect(FDC.Get(), &all, brush.Get());
  GdiFlush();
}

void TPixelCapture::PrintClient(HWND hwnd) {
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(FDC.Get()), PRF_CLIENT);
  GdiFlush();
}

void TPixelCapture::CopyScreen(HWND hwnd) {
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  HDC screen = GetDC(nullptr);
  BitBlt(FDC.Get(), 0, 0, FWidth, FHeight, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
}

COLORREF TPixelCapture::Pixel(int x, int y) const {
  const std::uint32_t bgr = FBits[static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x)];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int TPixelCapture::CountDifferences(const TPixelCapture& other) const {
  int n = 0;
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      if (Pixel(x, y) != other.Pixel(x, y)) ++n;
  return n;
}

int TPixelCapture::CountOtherThan(COLORREF color) const {
  int n = 0;
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      if (Pixel(x, y) != color) ++n;
  return n;
}
