#include "BoardGeometry.h"

TWindowSize BoardWindowSize(std::int32_t rows, std::int32_t cols) { return {cols * 20 + 100, rows * 32 + 100}; }

TTileBounds TileBounds(std::int32_t n, std::int32_t rows, std::int32_t cols, int areaWidth, int areaHeight) {
  const int w = (areaWidth - 4) / cols;
  const int h = (areaHeight - 6) / rows;
  return {(n - 1) % cols * w + 2, (n - 1) / cols * h + 2, w, h};
}
