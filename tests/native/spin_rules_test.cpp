// The spin field's text-to-value, clamp, step, filter and layout rules.

#include <gtest/gtest.h>

#include <limits>

#include "SpinRules.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(SpinText, ReadsDecimalWithBlanksSignsAndLeadingZeros) {
  EXPECT_EQ(ParseSpinText(L"0"), 0);
  EXPECT_EQ(ParseSpinText(L"  42"), 42);
  EXPECT_EQ(ParseSpinText(L"+7"), 7);
  EXPECT_EQ(ParseSpinText(L"-3"), -3);
  EXPECT_EQ(ParseSpinText(L"0010"), 10);
  EXPECT_EQ(ParseSpinText(L"2147483647"), kMax);
  EXPECT_EQ(ParseSpinText(L"-2147483648"), kMin);
}

TEST(SpinText, ReadsTheHexadecimalFormsOfPastedText) {
  EXPECT_EQ(ParseSpinText(L"$1A"), 26);
  EXPECT_EQ(ParseSpinText(L"x1a"), 26);
  EXPECT_EQ(ParseSpinText(L"X10"), 16);
  EXPECT_EQ(ParseSpinText(L"0x10"), 16);
  EXPECT_EQ(ParseSpinText(L"0XfF"), 255);
  EXPECT_EQ(ParseSpinText(L"-$10"), -16);
  EXPECT_EQ(ParseSpinText(L"$7FFFFFFF"), kMax);
}

TEST(SpinText, AnythingElseIsNotANumber) {
  for (const wchar_t* text : {L"", L"-", L"+", L" ", L"12 ", L"1,5", L"1.5", L"abc", L"$", L"0x", L"x",
                              L"--1", L"+-1", L"1e3", L"$G", L"2147483648", L"-2147483649",
                              L"99999999999999999999", L"$80000000", L"$FFFFFFFF", L"12\r\n"})
    EXPECT_FALSE(ParseSpinText(text).has_value()) << testing::PrintToString(std::wstring(text));
  EXPECT_EQ(ReadSpinValue(L"", 2), 2);
  EXPECT_EQ(ReadSpinValue(L"-", 10), 10);
  EXPECT_EQ(ReadSpinValue(L"12", 2), 12);  // reading never clamps
}

TEST(SpinClamp, RangeBoundsAndNoRange) {
  EXPECT_EQ(ClampSpinValue(50, 2, 10), 10);
  EXPECT_EQ(ClampSpinValue(-3, 2, 10), 2);
  EXPECT_EQ(ClampSpinValue(7, 2, 10), 7);
  EXPECT_EQ(ClampSpinValue(50, 7, 7), 50);  // equal bounds: no range
  EXPECT_EQ(ClampSpinValue(50, 0, 0), 50);
  // Inverted bounds: below the minimum gives the minimum, anything else the
  // maximum.
  EXPECT_EQ(ClampSpinValue(1, 10, 2), 10);
  EXPECT_EQ(ClampSpinValue(10, 10, 2), 2);
  EXPECT_EQ(ClampSpinValue(50, 10, 2), 2);
}

TEST(SpinSteps, SaturateInsteadOfWrapping) {
  EXPECT_EQ(SaturatedAdd(kMax, 1), kMax);
  EXPECT_EQ(SaturatedAdd(kMin, -1), kMin);
  EXPECT_EQ(SaturatedAdd(kMin, kMin), kMin);
  EXPECT_EQ(SaturatedAdd(5, -7), -2);
  EXPECT_EQ(SaturatedSub(kMin, 1), kMin);
  EXPECT_EQ(SaturatedSub(0, kMin), kMax);
  EXPECT_EQ(SaturatedMul(999999999, 10), kMax);
  EXPECT_EQ(SaturatedMul(-999999999, 10), kMin);
  EXPECT_EQ(SaturatedMul(6, 50), 300);
  EXPECT_EQ(FormatSpinValue(kMin), L"-2147483648");
  EXPECT_EQ(FormatSpinValue(0), L"0");
}

TEST(SpinFilter, TypedCharacters) {
  for (wchar_t ch : std::wstring(L"0123456789+-,")) EXPECT_TRUE(SpinAcceptsChar(ch, L',', true)) << static_cast<int>(ch);
  for (wchar_t ch : std::wstring(L"a .xX$e")) EXPECT_FALSE(SpinAcceptsChar(ch, L',', true)) << static_cast<int>(ch);
  EXPECT_TRUE(SpinAcceptsChar(L'.', L'.', true));
  EXPECT_TRUE(SpinAcceptsChar(L'\b', L',', true));
  EXPECT_TRUE(SpinAcceptsChar(3, L',', true));     // copy
  EXPECT_TRUE(SpinAcceptsChar(22, L',', true));    // paste goes its own way
  EXPECT_FALSE(SpinAcceptsChar(L'\r', L',', true));
  EXPECT_FALSE(SpinAcceptsChar(L'\n', L',', true));
  EXPECT_FALSE(SpinAcceptsChar(L'\t', L',', true));
  // Editor disabled: printable characters and Backspace are refused, the
  // other control characters pass.
  EXPECT_FALSE(SpinAcceptsChar(L'5', L',', false));
  EXPECT_FALSE(SpinAcceptsChar(L'\b', L',', false));
  EXPECT_FALSE(SpinAcceptsChar(L',', L',', false));
  EXPECT_TRUE(SpinAcceptsChar(3, L',', false));
}

TEST(SpinLayout, HeightsArrowsAndPairPlacement) {
  EXPECT_EQ(SpinMinimumHeight(13, 16, 1), 22);
  EXPECT_EQ(SpinMinimumHeight(13, 8, 1), 21);
  const TArrowLayout seventeen = LayoutSpinArrows(15, 17, 96);
  EXPECT_EQ(seventeen.Up, (TSpinRect{0, 0, 15, 8}));
  EXPECT_EQ(seventeen.Down, (TSpinRect{0, 7, 15, 10}));
  const TArrowLayout narrow = LayoutSpinArrows(8, 25, 96);
  EXPECT_EQ(narrow.PairWidth, 15);
  EXPECT_EQ(narrow.Up, (TSpinRect{0, 0, 15, 12}));
  EXPECT_EQ(narrow.Down, (TSpinRect{0, 11, 15, 14}));
  EXPECT_EQ(PlaceSpinPair(49, 22, 15, true, 96), (TSpinRect{29, 0, 15, 17}));
  EXPECT_EQ(PlaceSpinPair(49, 22, 15, false, 96), (TSpinRect{34, 1, 15, 19}));
  // At 144 DPI the field, the pair and its margins are half as large again.
  EXPECT_EQ(LayoutSpinArrows(8, 26, 144).PairWidth, 23);
  EXPECT_EQ(PlaceSpinPair(74, 33, 23, true, 144), (TSpinRect{43, 0, 23, 25}));
  EXPECT_EQ(PlaceSpinPair(74, 33, 23, false, 144), (TSpinRect{51, 2, 23, 28}));
}

TEST(SpinLayout, ArrowImageIsTheBuiltInOneAt96AndScalesElsewhere) {
  const TArrowGlyph at96 = SpinArrowGlyph(96);
  EXPECT_EQ(at96.Width, 9);
  EXPECT_EQ(at96.Height, 6);
  EXPECT_EQ(at96.Top, 1);
  EXPECT_EQ(at96.Spans, (std::vector<std::pair<int, int>>{{4, 4}, {3, 5}, {2, 6}, {1, 7}}));
  for (int dpi : {120, 144, 192, 240}) {
    const TArrowGlyph g = SpinArrowGlyph(dpi);
    EXPECT_LE(g.Top + static_cast<int>(g.Spans.size()), g.Height) << dpi;
    for (const auto& [first, last] : g.Spans) {
      EXPECT_EQ(first + last, g.Width - 1) << dpi;  // centred
      EXPECT_GE(first, 0) << dpi;
    }
    EXPECT_EQ(g.Spans.back().first, 1) << dpi;  // the base one column in from each side
  }
}

}  // namespace
