#include "Buttons.h"

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 23, 22); }

void TSpeedButton::SetGlyph(HBITMAP bitmap) {
  FGlyph.Reset(bitmap);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
  FNumGlyphs = std::clamp(count, 1, 4);
  Invalidate();
}

void TSpeedButton::SetEnabled(bool enabled) {
  TGraphicControl::SetEnabled(enabled);
  Invalidate();
}

void TSpeedButton::SetState(TButtonState state) {
  if (state == FState) return;
  FState = state;
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, UINT keys, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, keys, x, y);
  if (button == TMouseButton::Left && Enabled()) {
    FDragging = true;
    SetState(TButtonState::Down);
  }
}

void TSpeedButton::MouseMove(UINT, int x, int y) {
  if (FDragging) SetState(Inside(x, y) ? TButtonState::Down : TButtonState::Up);
}

void TSpeedButton::MouseUp(TMouseButton button, UINT, int x, int y) {
  if (!FDragging || button != TMouseButton::Left) return;
  FDragging = false;
  SetState(TButtonState::Up);
  if (Inside(x, y)) Click();
}

void TSpeedButton::Paint(HDC dc) const { PaintButton(dc); }

void TSpeedButton::PaintButton(HDC dc) const {
  RECT r{0, 0, Width(), Height()};
  const bool down = FState == TButtonState::Down;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  if (!FGlyph) return;
  BITMAP info{};
  GetObjectW(FGlyph.Get(), sizeof info, &info);
  const int w = info.bmWidth / FNumGlyphs, h = info.bmHeight;
  // Images side by side: up, disabled, down, held down.
  int index = 0;
  if (!Enabled() && FNumGlyphs > 1) index = 1;
  else if (down && FNumGlyphs > 2) index = 2;
  int x = (Width() - w + 1) / 2, y = (Height() - h + 1) / 2;
  if (down) ++x, ++y;
  DrawTransparentBitmap(dc, FGlyph.Get(), index * w, w, h, x, y);
}

void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int srcX, int width, int height, int x, int y) {
  TMemoryDC image(dc), mask(dc), work(dc);
  TSelectObject selectImage(image.Get(), bitmap);
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  TBitmapHandle maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  TSelectObject selectMask(mask.Get(), maskBitmap.Get());
  const COLORREF transparent = GetPixel(image.Get(), 0, info.bmHeight - 1);
  // The mask is white where the image has the transparent colour.
  SetBkColor(image.Get(), transparent);
  BitBlt(mask.Get(), 0, 0, width, height, image.Get(), srcX, 0, SRCCOPY);
  // A copy of the image with the transparent colour turned black: mask bits
  // 1 become the background colour, black.
  TBitmapHandle colour(CreateCompatibleBitmap(dc, width, height));
  TSelectObject selectWork(work.Get(), colour.Get());
  BitBlt(work.Get(), 0, 0, width, height, image.Get(), srcX, 0, SRCCOPY);
  SetBkColor(work.Get(), RGB(0, 0, 0));
  SetTextColor(work.Get(), RGB(255, 255, 255));
  BitBlt(work.Get(), 0, 0, width, height, mask.Get(), 0, 0, SRCAND);
  // Punch the shape out of the destination, then put the image in.
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, width, height, mask.Get(), 0, 0, SRCAND);
  BitBlt(dc, x, y, width, height, work.Get(), 0, 0, SRCPAINT);
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
}
