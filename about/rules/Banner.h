#pragma once
// The banner across the top of the About dialog, drawn when the dialog is
// made rather than stored: a deep blue band that lightens towards the right,
// the name BRELIX in large square letters with a soft shadow, and on the right
// a small tray of raised tiles numbered 1 to 5 with the bottom-right slot
// empty, as in the game. Portable: no <windows.h>.

#include <cstdint>
#include <vector>

inline constexpr int kBannerWidth = 298;
inline constexpr int kBannerHeight = 81;
// Bytes of one row of a 24-bit device-independent bitmap: whole 32-bit words.
inline constexpr int kBannerStride = (kBannerWidth * 3 + 3) & ~3;

// The pixels as a bottom-up 24-bit DIB holds them: rows from the bottom,
// blue, green, red, each row padded to kBannerStride bytes.
std::vector<std::uint8_t> DrawBanner();
