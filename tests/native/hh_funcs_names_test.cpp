// Release names of the HTML Help engine and of Internet Explorer, and the
// version order they rest on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hh_funcs_names.h"
#include "hh_funcs_version.h"

namespace {

struct TRow {
  TVersion Threshold;
  std::string Name;
};

// The version just before v in the version order.
TVersion JustBelow(TVersion v) {
  if (v.Build > 0) return {v.Major, v.Minor, v.Release, static_cast<std::uint16_t>(v.Build - 1)};
  return {v.Major, v.Minor, static_cast<std::uint16_t>(v.Release - 1), 0xFFFF};
}

// Every row names its threshold, and the version just below it takes the
// name of the next row down (or the name below all rows).
void ExpectTable(const std::vector<TRow>& rows, const std::string& belowAll, std::string (*name)(const TVersion&)) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(VersionText(rows[i].Threshold));
    EXPECT_EQ(name(rows[i].Threshold), rows[i].Name);
    const std::string below = i + 1 < rows.size() ? rows[i + 1].Name : belowAll;
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

TEST(HhFuncsNames, HelpReleasesAtAndAroundEveryThreshold) {
  ExpectTable({{{4, 74, 9273, 0}, "1.33"},
               {{4, 74, 8857, 0}, "1.32"},
               {{4, 74, 8793, 0}, "1.31"},
               {{4, 74, 8702, 0}, "1.3"},
               {{4, 73, 8561, 0}, "1.22"},
               {{4, 73, 8474, 0}, "1.21a"},
               {{4, 73, 8412, 0}, "1.21"},
               {{4, 73, 8252, 0}, "1.2"},
               {{4, 72, 8164, 0}, "1.1b"},
               {{4, 72, 7325, 0}, "1.1a"},
               {{4, 72, 7323, 0}, "1.1"},
               {{4, 72, 7290, 0}, "1.0"}},
              "< 1.0", HelpReleaseName);
}

TEST(HhFuncsNames, HelpReleaseAboveTheNewestAndBelowTheOldest) {
  // The build field counts: one build past 1.33 is newer than 1.33.
  EXPECT_EQ(HelpReleaseName({4, 74, 9273, 1}), "> 1.33");
  EXPECT_EQ(HelpReleaseName({5, 2, 3790, 2744}), "> 1.33");
  EXPECT_EQ(HelpReleaseName({4, 72, 7289, 0}), "< 1.0");
  EXPECT_EQ(HelpReleaseName({0, 0, 0, 0}), "< 1.0");
}

TEST(HhFuncsNames, BrowserReleasesAtAndAroundEveryThreshold) {
  ExpectTable({{{6, 0, 2600, 0}, "Internet Explorer 6 (Windows XP)"},
               {{6, 0, 2479, 6}, "Internet Explorer 6 Public Preview (Beta) Refresh"},
               {{6, 0, 2462, 0}, "Internet Explorer 6 Public Preview (Beta)"},
               {{5, 50, 4807, 2300}, "Internet Explorer 5.5 Service Pack 2"},
               {{5, 50, 4522, 1800}, "Internet Explorer 5.5 Service Pack 1"},
               {{5, 50, 4308, 2900}, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
               {{5, 50, 4134, 600}, "Internet Explorer 5.5"},
               {{5, 50, 4134, 100}, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
               {{5, 50, 4030, 2400}, "Internet Explorer 5.5 & Internet Tools Beta"},
               {{5, 50, 3825, 1300}, "Internet Explorer 5.5 Developer Preview"},
               {{5, 0, 2919, 6400}, "Internet Explorer 5.01"},
               {{5, 0, 2919, 6307}, "Internet Explorer 5.01"},
               {{5, 0, 2919, 3800}, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
               {{5, 0, 2919, 800}, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
               {{5, 0, 2723, 2900}, "Internet Explorer 5.0 updated"},
               {{5, 0, 2721, 1400}, "Internet Explorer 5.0 updated"},
               {{5, 0, 2614, 0}, "Internet Explorer 5.0b"},
               {{5, 0, 2314, 0}, "Internet Explorer 5.0a"},
               {{5, 0, 2014, 0}, "Internet Explorer 5.0"},
               {{5, 0, 910, 0}, "Internet Explorer 5 Beta (Beta 2)"},
               {{5, 0, 518, 0}, "Internet Explorer 5 Developer Preview (Beta 1)"},
               {{4, 72, 3612, 0}, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
               {{4, 72, 3110, 0}, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
               {{4, 72, 2106, 0}, "Internet Explorer 4.01"},
               {{4, 71, 1712, 0}, "Internet Explorer 4.0"},
               {{4, 71, 1008, 0}, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
               {{4, 71, 544, 0}, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
               {{4, 70, 1300, 0}, "Internet Explorer 3.02"},
               {{4, 70, 1215, 0}, "Internet Explorer 3.01"},
               {{4, 70, 1158, 0}, "Internet Explorer 3.0 (OSR2)"},
               {{4, 70, 1155, 0}, "Internet Explorer 3.0"},
               {{4, 40, 520, 0}, "Internet Explorer 2.0"},
               {{4, 40, 308, 0}, "Internet Explorer 1.0 (Plus!)"}},
              "< Internet Explorer 1.0 (Plus!)", BrowserReleaseName);
}

TEST(HhFuncsNames, BrowserReleasesOfRealShdocvwVersions) {
  EXPECT_EQ(BrowserReleaseName({6, 0, 2600, 1}), "> Internet Explorer 6");
  EXPECT_EQ(BrowserReleaseName({11, 0, 19041, 1}), "> Internet Explorer 6");
  // Internet Explorer 3's 4.70.0.1155 after the shift, and 4.0's unshifted 4.71.1712.6.
  EXPECT_EQ(BrowserReleaseName(ShiftOldBrowserFields({4, 70, 0, 1155})), "Internet Explorer 3.0");
  EXPECT_EQ(BrowserReleaseName(ShiftOldBrowserFields({4, 71, 1712, 6})), "Internet Explorer 4.0");
  EXPECT_EQ(BrowserReleaseName({4, 40, 307, 0}), "< Internet Explorer 1.0 (Plus!)");
}
