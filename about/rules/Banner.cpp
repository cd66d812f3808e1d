#include "Banner.h"

#include <array>
#include <cmath>

namespace {

using TRgb = std::array<int, 3>;

constexpr TRgb kSkyLeft{16, 40, 92};
constexpr TRgb kSkyRight{30, 120, 168};
constexpr TRgb kRule{140, 200, 228};  // thin light line along the bottom
constexpr TRgb kLetter{250, 250, 252};
constexpr TRgb kLetterShadow{8, 22, 52};
constexpr TRgb kTray{12, 34, 66};
constexpr TRgb kTileFace{38, 150, 190};
constexpr TRgb kTileLight{128, 212, 232};
constexpr TRgb kTileDark{18, 86, 118};
constexpr TRgb kTileDigit{236, 248, 252};
constexpr TRgb kWhite{255, 255, 255};

// Square capitals, 5 x 7 cells, and digits, 3 x 5 cells; '#' is ink.
constexpr const char* kLetters[6][7] = {
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},  // B
    {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"},  // R
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},  // E
    {"#....", "#....", "#....", "#....", "#....", "#....", "#####"},  // L
    {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},  // I
    {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"},  // X
};
constexpr const char* kDigits[5][5] = {
    {".#.", "##.", ".#.", ".#.", "###"}, {"##.", "..#", ".#.", "#..", "###"}, {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "##.", "..#", "##."},
};

// Each channel from a to b by t, to the nearest whole value (halves to even).
TRgb Mix(const TRgb& a, const TRgb& b, double t) {
  TRgb out{};
  for (int i = 0; i < 3; ++i) out[i] = static_cast<int>(std::nearbyint(a[i] + (b[i] - a[i]) * t));
  return out;
}

class TCanvas {
 public:
  TCanvas() : FPixels(static_cast<std::size_t>(kBannerStride) * kBannerHeight, 0) {}

  void Put(int x, int y, const TRgb& rgb) {
    if (x < 0 || y < 0 || x >= kBannerWidth || y >= kBannerHeight) return;
    // Bottom-up rows, blue first.
    std::uint8_t* p = &FPixels[static_cast<std::size_t>(kBannerHeight - 1 - y) * kBannerStride + x * 3];
    p[0] = static_cast<std::uint8_t>(rgb[2]);
    p[1] = static_cast<std::uint8_t>(rgb[1]);
    p[2] = static_cast<std::uint8_t>(rgb[0]);
  }
  void Rect(int x, int y, int w, int h, const TRgb& rgb) {
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) Put(xx, yy, rgb);
  }
  template <int Rows>
  void Glyph(int x, int y, const char* const (&rows)[Rows], int cell, const TRgb& rgb) {
    for (int gy = 0; gy < Rows; ++gy)
      for (int gx = 0; rows[gy][gx] != '\0'; ++gx)
        if (rows[gy][gx] == '#') Rect(x + gx * cell, y + gy * cell, cell, cell, rgb);
  }
  std::vector<std::uint8_t> Take() { return std::move(FPixels); }

 private:
  std::vector<std::uint8_t> FPixels;
};

void DrawSky(TCanvas& c) {
  // Left to right, and a touch lighter towards the top.
  for (int y = 0; y < kBannerHeight; ++y)
    for (int x = 0; x < kBannerWidth; ++x) {
      const TRgb base = Mix(kSkyLeft, kSkyRight, static_cast<double>(x) / (kBannerWidth - 1));
      c.Put(x, y, Mix(base, kWhite, 0.10 * (1 - static_cast<double>(y) / (kBannerHeight - 1))));
    }
  c.Rect(0, kBannerHeight - 2, kBannerWidth, 1, kRule);
}

void DrawName(TCanvas& c) {
  constexpr int kCell = 4, kLeft = 18, kTop = 26;
  for (const auto& [shadow, colour] : {std::pair{2, kLetterShadow}, std::pair{0, kLetter}})
    for (int i = 0; i < 6; ++i) c.Glyph(kLeft + i * 6 * kCell + shadow, kTop + shadow, kLetters[i], kCell, colour);
}

void DrawTray(TCanvas& c) {
  // Three columns, two rows of 20-pixel tiles, 2-pixel gutters.
  constexpr int kTile = 20, kGutter = 2, kTrayX = 208, kTrayY = 18;
  c.Rect(kTrayX, kTrayY, 3 * kTile + 4 * kGutter, 2 * kTile + 3 * kGutter, kTray);
  for (int n = 0; n < 5; ++n) {
    const int x = kTrayX + kGutter + n % 3 * (kTile + kGutter), y = kTrayY + kGutter + n / 3 * (kTile + kGutter);
    c.Rect(x, y, kTile, kTile, kTileFace);
    c.Rect(x, y, kTile, 2, kTileLight);
    c.Rect(x, y, 2, kTile, kTileLight);
    c.Rect(x, y + kTile - 2, kTile, 2, kTileDark);
    c.Rect(x + kTile - 2, y, 2, kTile, kTileDark);
    c.Glyph(x + 7, y + 5, kDigits[n], 2, kTileDigit);
  }
}

}  // namespace

std::vector<std::uint8_t> DrawBanner() {
  // The dialog places the picture 4 pixels up and left of its client area, so
  // nothing of note is drawn within 4 pixels of the top and left edges.
  TCanvas canvas;
  DrawSky(canvas);
  DrawName(canvas);
  DrawTray(canvas);
  return canvas.Take();
}
