#pragma once
// A speed button: a graphic push button without a window or the focus, with
// an image ("glyph") that may hold up to four states side by side.

#include "Control.h"
#include "Graphics.h"

enum class TButtonState { Up, Down };

using TMouseEvent = TEvent<void(TComponent* sender, TMouseButton button, UINT keys, int x, int y)>;

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  // Takes ownership of the bitmap (null for none).
  void SetGlyph(HBITMAP bitmap);
  HBITMAP Glyph() const { return FGlyph.Get(); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int count);
  TButtonState State() const { return FState; }

  TMouseEvent OnMouseDown;

  void Paint(HDC dc) const override;
  void MouseDown(TMouseButton button, UINT keys, int x, int y) override;
  void MouseMove(UINT keys, int x, int y) override;
  void MouseUp(TMouseButton button, UINT keys, int x, int y) override;
  void SetEnabled(bool enabled) override;

 protected:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  // Paints the frame and the glyph of the current state.
  void PaintButton(HDC dc) const;

 private:
  void SetState(TButtonState state);
  TBitmapHandle FGlyph;
  int FNumGlyphs = 1;
  TButtonState FState = TButtonState::Up;
  bool FDragging = false;
};

// Draws a bitmap with the colour of its lower-left pixel left out.
void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int srcX, int width, int height, int x, int y);
