// The About dialog's memory lines and its texts' capacity.

#include <gtest/gtest.h>

#include <string>

#include "MemoryText.h"
#include "TextCapacity.h"

namespace {

constexpr char kNbsp[] = "\u00A0";

TEST(MemoryLine, KiloOctetsAreRoundedAndGrouped) {
  // The largest total a 32-bit field carries: never negative, never decimals.
  EXPECT_EQ(PhysicalMemoryKo(4294967295u, kNbsp), "4\u00A0194\u00A0304");
  EXPECT_EQ(PhysicalMemoryKo(536870912u, kNbsp), "524\u00A0288");
  EXPECT_EQ(PhysicalMemoryKo(536870912u, ","), "524,288");
  // Halves round up, less than a half down.
  EXPECT_EQ(BytesToKo(1536), 2u);
  EXPECT_EQ(BytesToKo(1535), 1u);
  EXPECT_EQ(BytesToKo(511), 0u);
  EXPECT_EQ(BytesToKo(512), 1u);
}

TEST(MemoryLine, TotalsBeyondFourGigabytesAreShownWhole) {
  constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;
  EXPECT_EQ(PhysicalMemoryKo(16 * kGiB, " "), "16 777 216");
  EXPECT_EQ(PhysicalMemoryKo(4 * kGiB + 512, "."), "4.194.305");
  EXPECT_EQ(BytesToKo(UINT64_MAX), 18014398509481984ull);  // no wrap at the top either
}

TEST(MemoryLine, GroupsOfThreeFromTheRight) {
  EXPECT_EQ(GroupThousands(0, ","), "0");
  EXPECT_EQ(GroupThousands(999, ","), "999");
  EXPECT_EQ(GroupThousands(1000, ","), "1,000");
  EXPECT_EQ(GroupThousands(123456, ","), "123,456");
  EXPECT_EQ(GroupThousands(1234567, ""), "1234567");
  EXPECT_EQ(GroupThousands(1234567, "\u2019"), "1\u2019234\u2019567");  // separators of several bytes
}

TEST(ResourcesLine, ShowsTheFreeShare) {
  EXPECT_EQ(FreeMemoryPercent(63), 37u);
  EXPECT_EQ(FreeMemoryPercent(0), 100u);
  EXPECT_EQ(FreeMemoryPercent(100), 0u);
  EXPECT_EQ(FreeMemoryPercent(250), 0u);  // never below zero
}

TEST(TextCapacity, KeepsTheFirstCharactersWithoutSplittingPairs) {
  const std::u16string text(150, u'v');
  EXPECT_EQ(PrefixOfCharacters<char16_t>(text, 100), 100u);
  EXPECT_EQ(PrefixOfCharacters<char16_t>(std::u16string(100, u'v'), 100), 100u);
  EXPECT_EQ(PrefixOfCharacters<char16_t>(u"court", 100), 5u);
  EXPECT_EQ(PrefixOfCharacters<char16_t>(u"", 100), 0u);
  // A character outside the basic plane takes two units and counts as one.
  const std::u16string pairs = u"a\U0001F600b\U0001F600";
  EXPECT_EQ(PrefixOfCharacters<char16_t>(pairs, 2), 3u);
  EXPECT_EQ(PrefixOfCharacters<char16_t>(pairs, 4), 6u);
  // A lone surrogate is one character.
  const std::u16string lone = {0xD800, u'x', 0xDC00};
  EXPECT_EQ(PrefixOfCharacters<char16_t>(lone, 2), 2u);
}

}  // namespace
