#pragma once
// The banner across the top of the About dialog, drawn when the dialog is
// made rather than stored: a deep blue band that lightens towards the right,
// the name BRELIX in large square letters with a soft shadow, and on the right
// a small tray of raised tiles numbered 1 to 5 with the bottom-right slot
// empty, as in the game. Portable: no <windows.h>.

#include <cstdint>
#include <vector>

// Its size at 96 DPI.
inline constexpr int kBannerWidth = 298;
inline constexpr int kBannerHeight = 81;

struct TBannerImage {
  int Width = 0, Height = 0;
  int Stride = 0;  // bytes of one row: whole 32-bit words
  // As a bottom-up 24-bit DIB holds them: rows from the bottom, blue, green,
  // red, each row padded to Stride bytes.
  std::vector<std::uint8_t> Pixels;
};

// The banner drawn for a screen of `dpi`: every measure scaled by DPI / 96,
// so each square cell of the letters and digits stays square and sharp.
TBannerImage DrawBanner(int dpi);
