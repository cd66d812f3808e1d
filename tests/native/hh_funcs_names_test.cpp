// Release names of the HTML Help engine and of Internet Explorer, and the
// version order they rest on.

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "HelpReleases.h"
#include "hh_funcs_version.h"

namespace {

// The version just before v in the version order.
TVersion JustBelow(TVersion v) {
  if (v.Build > 0) return {v.Major, v.Minor, v.Release, static_cast<std::uint16_t>(v.Build - 1)};
  return {v.Major, v.Minor, static_cast<std::uint16_t>(v.Release - 1), 0xFFFF};
}

// Every row names its threshold, and the version just below it takes the
// name of the next row down (or the name below all rows).
void ExpectTable(const TReleaseTable& table, std::string (*name)(const TVersion&)) {
  const std::span<const TRelease> rows = table.Rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(VersionText(rows[i].Threshold));
    EXPECT_EQ(name(rows[i].Threshold), rows[i].Name);
    const std::string below = i + 1 < rows.size() ? rows[i + 1].Name : table.Older;
    EXPECT_EQ(name(JustBelow(rows[i].Threshold)), below);
  }
}

}  // namespace

TEST(HhFuncsVersions, CompareFieldByFieldMajorFirstAsUnsigned) {
  EXPECT_EQ(CompareVersions({4, 74, 8702, 0}, {4, 74, 8702, 0}), 0);
  EXPECT_EQ(CompareVersions({4, 74, 8702, 1}, {4, 74, 8702, 0}), 1);
  EXPECT_EQ(CompareVersions({4, 74, 8702, 0}, {4, 74, 8702, 1}), -1);
  // An earlier field decides, whatever the later ones say.
  EXPECT_EQ(CompareVersions({5, 0, 0, 0}, {4, 74, 9999, 9999}), 1);
  EXPECT_EQ(CompareVersions({4, 73, 9999, 0}, {4, 74, 0, 0}), -1);
  EXPECT_EQ(CompareVersions({4, 74, 8701, 65535}, {4, 74, 8702, 0}), -1);
  // Fields above 32767 are not negative.
  EXPECT_EQ(CompareVersions({4, 74, 40000, 0}, {4, 74, 30000, 0}), 1);
  EXPECT_EQ(CompareVersions({65535, 0, 0, 0}, {1, 0, 0, 0}), 1);
}

TEST(HhFuncsVersions, FileVersionWordsGiveTheFourFieldsAndTheirText) {
  const TVersion v = VersionFromFileVersionWords(0x0004004A, 0x21FE0000);
  EXPECT_EQ(VersionText(v), "4.74.8702.0");
  EXPECT_EQ(VersionText(VersionFromFileVersionWords(0xFFFF0000, 0x0000FFFF)), "65535.0.0.65535");
  EXPECT_EQ(VersionText({}), "0.0.0.0");
}

TEST(HhFuncsVersions, OldBrowserBuildMovesToTheThirdField) {
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({4, 70, 0, 1155})), "4.70.1155.0");
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({4, 40, 0, 520})), "4.40.520.0");
  // Not shifted: a release field in use, a minor above 70, another major.
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({4, 71, 1712, 6})), "4.71.1712.6");
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({4, 71, 0, 1712})), "4.71.0.1712");
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({4, 70, 1155, 0})), "4.70.1155.0");
  EXPECT_EQ(VersionText(ShiftOldBrowserFields({5, 0, 0, 2014})), "5.0.0.2014");
}

TEST(HhFuncsNames, HelpReleasesAtAndAroundEveryThreshold) { ExpectTable(kHelpReleases, HelpReleaseName); }

TEST(HhFuncsNames, HelpReleaseAboveTheNewestAndBelowTheOldest) {
  // The build field counts: one build past 1.33 is newer than 1.33.
  EXPECT_EQ(HelpReleaseName({4, 74, 9273, 1}), "> 1.33");
  EXPECT_EQ(HelpReleaseName({5, 2, 3790, 2744}), "> 1.33");
  EXPECT_EQ(HelpReleaseName({4, 72, 7289, 0}), "< 1.0");
  EXPECT_EQ(HelpReleaseName({0, 0, 0, 0}), "< 1.0");
}

TEST(HhFuncsNames, BrowserReleasesAtAndAroundEveryThreshold) { ExpectTable(kBrowserReleases, BrowserReleaseName); }

TEST(HhFuncsNames, BrowserReleasesOfRealShdocvwVersions) {
  EXPECT_EQ(BrowserReleaseName({6, 0, 2600, 1}), "> Internet Explorer 6");
  EXPECT_EQ(BrowserReleaseName({11, 0, 19041, 1}), "> Internet Explorer 6");
  // Internet Explorer 3's 4.70.0.1155 after the shift, and 4.0's unshifted 4.71.1712.6.
  EXPECT_EQ(BrowserReleaseName(ShiftOldBrowserFields({4, 70, 0, 1155})), "Internet Explorer 3.0");
  EXPECT_EQ(BrowserReleaseName(ShiftOldBrowserFields({4, 71, 1712, 6})), "Internet Explorer 4.0");
  EXPECT_EQ(BrowserReleaseName({4, 40, 307, 0}), "< Internet Explorer 1.0 (Plus!)");
}
