#pragma once
// Lengths of the stored layouts are pixels at 96 dots per inch; a screen of
// another density shows the same window scaled by its DPI / 96. Portable: no
// <windows.h>.

#include <cstdint>

inline constexpr int kDesignDpi = 96;

// value x toDpi / fromDpi, rounded as the platform's MulDiv rounds: halves
// away from zero. A DPI of 0 or less leaves the value as it is.
constexpr int ScaleDpi(int value, int toDpi, int fromDpi = kDesignDpi) {
  if (toDpi <= 0 || fromDpi <= 0 || toDpi == fromDpi) return value;
  const std::int64_t product = std::int64_t{value} * toDpi;
  const std::int64_t half = fromDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / fromDpi : -((-product + half) / fromDpi));
}
