#include "SpinRules.h"

#include <algorithm>
#include <limits>

#include "Scale.h"

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

int DigitValue(wchar_t ch, int base) {
  int v = -1;
  if (ch >= L'0' && ch <= L'9') v = ch - L'0';
  else if (ch >= L'a' && ch <= L'f') v = ch - L'a' + 10;
  else if (ch >= L'A' && ch <= L'F') v = ch - L'A' + 10;
  return v < base ? v : -1;
}

std::int32_t Saturate(std::int64_t v) { return static_cast<std::int32_t>(std::clamp(v, kMin, kMax)); }

}  // namespace

std::optional<std::int32_t> ParseSpinText(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  int base = 10;
  if (i < text.size() && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i < text.size() && (text[i] == L'x' || text[i] == L'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  // Magnitudes up to 2^31 fit the negative end; stop as soon as it is passed.
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int d = DigitValue(text[i], base);
    if (d < 0) return std::nullopt;
    magnitude = magnitude * base + d;
    if (magnitude > kMax + 1) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > kMax) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadSpinValue(std::wstring_view text, std::int32_t minValue) {
  return ParseSpinText(text).value_or(minValue);
}

std::int32_t ClampSpinValue(std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  if (minValue == maxValue) return value;
  if (value < minValue) return minValue;
  if (value > maxValue) return maxValue;
  return value;
}

std::int32_t SaturatedAdd(std::int32_t value, std::int32_t delta) {
  return Saturate(static_cast<std::int64_t>(value) + delta);
}

std::int32_t SaturatedSub(std::int32_t value, std::int32_t delta) {
  return Saturate(static_cast<std::int64_t>(value) - delta);
}

std::int32_t SaturatedMul(std::int32_t value, std::int32_t factor) {
  return Saturate(static_cast<std::int64_t>(value) * factor);
}

std::wstring FormatSpinValue(std::int32_t value) {
  // Through the narrow digits: the wide conversion goes through a printf.
  const std::string digits = std::to_string(value);
  return std::wstring(digits.begin(), digits.end());
}

bool SpinAcceptsChar(wchar_t ch, wchar_t decimalSeparator, bool editorEnabled) {
  const bool control = ch < 32;
  bool accepted = (ch >= L'0' && ch <= L'9') || ch == L'+' || ch == L'-' || ch == decimalSeparator ||
                  (control && ch != L'\r' && ch != L'\n' && ch != L'\t');
  if (accepted && !editorEnabled && (!control || ch == L'\b')) accepted = false;
  return accepted;
}

int SpinMinimumHeight(int fontHeight, int systemFontHeight, int borderHeight) {
  return fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 4 * borderHeight + 2;
}

TArrowLayout LayoutSpinArrows(int width, int height, int dpi) {
  TArrowLayout layout;
  layout.PairWidth = std::max(width, ScaleDpi(kSpinPairMinWidth, dpi));
  const int upHeight = height / 2;
  layout.Up = {0, 0, layout.PairWidth, upHeight};
  layout.Down = {0, upHeight - 1, layout.PairWidth, height - upHeight + 1};
  return layout;
}

TArrowGlyph SpinArrowGlyph(int dpi) {
  // Rows widen by one column each side; the image is one column wider than
  // the base each side, and odd, so the apex stands in the middle.
  const int rows = ScaleDpi(4, dpi), halfBase = ScaleDpi(3, dpi);
  TArrowGlyph glyph{2 * halfBase + 3, ScaleDpi(6, dpi), ScaleDpi(1, dpi), {}};
  const int middle = glyph.Width / 2;
  for (int row = 0; row < rows; ++row) {
    const int half = rows > 1 ? (row * halfBase * 2 + rows - 1) / (2 * (rows - 1)) : 0;
    glyph.Spans.emplace_back(middle - half, middle + half);
  }
  return glyph;
}

TSpinRect PlaceSpinPair(int fieldWidth, int fieldHeight, int pairWidth, bool newStyle3D, int dpi) {
  if (newStyle3D) return {fieldWidth - pairWidth - ScaleDpi(5, dpi), 0, pairWidth, fieldHeight - ScaleDpi(5, dpi)};
  return {fieldWidth - pairWidth, ScaleDpi(1, dpi), pairWidth, fieldHeight - ScaleDpi(3, dpi)};
}
