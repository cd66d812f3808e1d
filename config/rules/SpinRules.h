#pragma once
// The numeric spin field's rules, free of any window code: reading a number
// from the field's text, clamping, stepping, the typing filter and the
// layout arithmetic.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <string_view>

// The text as a 32-bit integer: leading blanks, an optional sign, then decimal
// digits, or hexadecimal ones after "$", "x" or "0x" (either case), up to the
// end of the text. Nothing when the text is not such a number or does not fit
// the signed 32-bit range (hexadecimal included: "$FFFFFFFF" is out of range,
// not -1).
std::optional<std::int32_t> ParseSpinText(std::wstring_view text);

// What the field reads: the number, or minValue for text that is not one.
std::int32_t ReadSpinValue(std::wstring_view text, std::int32_t minValue);

// With no range (min == max) the value is kept; the lower bound is tested
// first.
std::int32_t ClampSpinValue(std::int32_t value, std::int32_t minValue, std::int32_t maxValue);

// value + delta, saturated at the ends of the 32-bit range instead of wrapping.
std::int32_t SaturatedAdd(std::int32_t value, std::int32_t delta);
std::int32_t SaturatedSub(std::int32_t value, std::int32_t delta);
// value * factor for non-negative factors, saturated likewise.
std::int32_t SaturatedMul(std::int32_t value, std::int32_t factor);

// Decimal text: a minus sign for negatives, no leading zeros, no grouping.
std::wstring FormatSpinValue(std::int32_t value);

// The typing filter. Digits, signs, the locale's decimal separator and
// control characters pass, except carriage return, line feed and tab, which
// would break the one-line number apart. With the editor disabled only the
// remaining control characters (copy, select all, ...) pass, Backspace not.
bool SpinAcceptsChar(wchar_t ch, wchar_t decimalSeparator, bool editorEnabled);

// Least height of a field: font height + min(system font, font) / 4 +
// 4 borders + 2.
int SpinMinimumHeight(int fontHeight, int systemFontHeight, int borderHeight);

struct TSpinRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TSpinRect&) const = default;
};

inline constexpr int kSpinPairMinWidth = 15;  // at 96 DPI

struct TArrowLayout {
  int PairWidth = 0;  // widened to at least kSpinPairMinWidth, scaled
  TSpinRect Up, Down;
};
// The two arrows of a pair of the given size on a screen of `dpi`; they
// overlap by one row.
TArrowLayout LayoutSpinArrows(int width, int height, int dpi);

// The up arrow's image on a screen of `dpi`: a triangle pointing up, one
// span of ink per row from Top down (first and last column); the down
// arrow's image is its mirror. At 96 DPI it is the 9 x 6 built-in image.
struct TArrowGlyph {
  int Width = 0, Height = 0, Top = 0;
  std::vector<std::pair<int, int>> Spans;
};
TArrowGlyph SpinArrowGlyph(int dpi);

// Where the pair sits inside a field of the given outer size; the margins
// scale with the screen's DPI.
TSpinRect PlaceSpinPair(int fieldWidth, int fieldHeight, int pairWidth, bool newStyle3D, int dpi);
