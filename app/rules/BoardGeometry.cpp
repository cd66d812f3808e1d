#include "BoardGeometry.h"

#include "Scale.h"

TWindowSize BoardWindowSize(std::int32_t rows, std::int32_t cols) { return {cols * 20 + 100, rows * 32 + 100}; }

TTileBounds TileBounds(std::int32_t n, std::int32_t rows, std::int32_t cols, int areaWidth, int areaHeight, int dpi) {
  const int w = (areaWidth - ScaleDpi(4, dpi)) / cols;
  const int h = (areaHeight - ScaleDpi(6, dpi)) / rows;
  const int margin = ScaleDpi(2, dpi);
  return {(n - 1) % cols * w + margin, (n - 1) / cols * h + margin, w, h};
}
