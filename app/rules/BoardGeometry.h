#pragma once
// Where the board stands in the main window: the window's outer size for a
// grid, and each tile button's cell in the board area. Pure arithmetic.

#include <cstdint>

struct TWindowSize {
  int Width = 0;
  int Height = 0;
};

struct TTileBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Outer size at 96 DPI, frame, caption and menu bar included: 20 pixels per
// column and 32 per row, plus 100 each way.
TWindowSize BoardWindowSize(std::int32_t rows, std::int32_t cols);

// Bounds of slot n's button (1..rows*cols) over a board area of the given
// size, in the area's coordinates: equal cells that touch, from 2 pixels in
// (at 96 DPI; the margins scale with the screen's DPI); what the divisions
// leave over stays empty on the right and at the bottom.
TTileBounds TileBounds(std::int32_t n, std::int32_t rows, std::int32_t cols, int areaWidth, int areaHeight,
                       int dpi);
