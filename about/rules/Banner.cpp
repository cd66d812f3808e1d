#include "Banner.h"

#include <array>
#include <cmath>

#include "Scale.h"

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

// Draws in 96-DPI measures onto pixels of the screen's density.
class TCanvas {
 public:
  explicit TCanvas(int dpi)
      : FDpi(dpi),
        FWidth(S(kBannerWidth)),
        FHeight(S(kBannerHeight)),
        FStride((FWidth * 3 + 3) & ~3),
        FPixels(static_cast<std::size_t>(FStride) * static_cast<std::size_t>(FHeight), 0) {}

  int S(int value) const { return ScaleDpi(value, FDpi); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  void Put(int x, int y, const TRgb& rgb) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
    // Bottom-up rows, blue first.
    std::uint8_t* p = &FPixels[static_cast<std::size_t>(FHeight - 1 - y) * FStride + x * 3];
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
  TBannerImage Take() { return {FWidth, FHeight, FStride, std::move(FPixels)}; }

 private:
  int FDpi, FWidth, FHeight, FStride;
  std::vector<std::uint8_t> FPixels;
};

void DrawSky(TCanvas& c) {
  // Left to right, and a touch lighter towards the top.
  const int w = c.Width(), h = c.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const TRgb base = Mix(kSkyLeft, kSkyRight, static_cast<double>(x) / (w - 1));
      c.Put(x, y, Mix(base, kWhite, 0.10 * (1 - static_cast<double>(y) / (h - 1))));
    }
  c.Rect(0, h - c.S(2), w, c.S(1), kRule);
}

void DrawName(TCanvas& c) {
  const int cell = c.S(4), left = c.S(18), top = c.S(26), offset = c.S(2);
  for (const auto& [shadow, colour] : {std::pair{offset, kLetterShadow}, std::pair{0, kLetter}})
    for (int i = 0; i < 6; ++i) c.Glyph(left + i * 6 * cell + shadow, top + shadow, kLetters[i], cell, colour);
}

void DrawTray(TCanvas& c) {
  // Three columns, two rows of 20-pixel tiles, 2-pixel gutters (at 96 DPI).
  const int tile = c.S(20), gutter = c.S(2), edge = c.S(2), trayX = c.S(208), trayY = c.S(18);
  c.Rect(trayX, trayY, 3 * tile + 4 * gutter, 2 * tile + 3 * gutter, kTray);
  for (int n = 0; n < 5; ++n) {
    const int x = trayX + gutter + n % 3 * (tile + gutter), y = trayY + gutter + n / 3 * (tile + gutter);
    c.Rect(x, y, tile, tile, kTileFace);
    c.Rect(x, y, tile, edge, kTileLight);
    c.Rect(x, y, edge, tile, kTileLight);
    c.Rect(x, y + tile - edge, tile, edge, kTileDark);
    c.Rect(x + tile - edge, y, edge, tile, kTileDark);
    c.Glyph(x + c.S(7), y + c.S(5), kDigits[n], c.S(2), kTileDigit);
  }
}

}  // namespace

TBannerImage DrawBanner(int dpi) {
  // The dialog places the picture 4 pixels up and left of its client area, so
  // nothing of note is drawn within 4 pixels of the top and left edges.
  TCanvas canvas(dpi);
  DrawSky(canvas);
  DrawName(canvas);
  DrawTray(canvas);
  return canvas.Take();
}
