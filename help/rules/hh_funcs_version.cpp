#include "hh_funcs_version.h"

#include <array>
#include <span>

TVersion VersionFromFileVersionWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
  return {static_cast<std::uint16_t>(mostSignificant >> 16), static_cast<std::uint16_t>(mostSignificant & 0xFFFF),
          static_cast<std::uint16_t>(leastSignificant >> 16), static_cast<std::uint16_t>(leastSignificant & 0xFFFF)};
}

std::string VersionText(const TVersion& version) {
  return std::to_string(version.Major) + '.' + std::to_string(version.Minor) + '.' + std::to_string(version.Release) +
         '.' + std::to_string(version.Build);
}

int CompareVersions(const TVersion& a, const TVersion& b) {
  const std::array<std::uint16_t, 4> left{a.Major, a.Minor, a.Release, a.Build};
  const std::array<std::uint16_t, 4> right{b.Major, b.Minor, b.Release, b.Build};
  for (std::size_t i = 0; i < left.size(); ++i)
    if (left[i] != right[i]) return left[i] > right[i] ? 1 : -1;
  return 0;
}

TVersion ShiftOldBrowserFields(const TVersion& version) {
  if (version.Major != 4 || version.Minor > 70 || version.Release != 0) return version;
  return {version.Major, version.Minor, version.Build, 0};
}

namespace {

// A row names every version at or above its threshold (strictly above when
// Strict); rows run from the newest release down and the first match wins.
struct TReleaseRow {
  TVersion Threshold;
  bool Strict;
  const char* Name;
};

constexpr TReleaseRow kHelpReleases[] = {
    {{4, 74, 9273, 0}, true, "> 1.33"}, {{4, 74, 9273, 0}, false, "1.33"}, {{4, 74, 8857, 0}, false, "1.32"},
    {{4, 74, 8793, 0}, false, "1.31"},  {{4, 74, 8702, 0}, false, "1.3"},  {{4, 73, 8561, 0}, false, "1.22"},
    {{4, 73, 8474, 0}, false, "1.21a"}, {{4, 73, 8412, 0}, false, "1.21"}, {{4, 73, 8252, 0}, false, "1.2"},
    {{4, 72, 8164, 0}, false, "1.1b"},  {{4, 72, 7325, 0}, false, "1.1a"}, {{4, 72, 7323, 0}, false, "1.1"},
    {{4, 72, 7290, 0}, false, "1.0"},
};

constexpr TReleaseRow kBrowserReleases[] = {
    {{6, 0, 2600, 0}, true, "> Internet Explorer 6"},
    {{6, 0, 2600, 0}, false, "Internet Explorer 6 (Windows XP)"},
    {{6, 0, 2479, 6}, false, "Internet Explorer 6 Public Preview (Beta) Refresh"},
    {{6, 0, 2462, 0}, false, "Internet Explorer 6 Public Preview (Beta)"},
    {{5, 50, 4807, 2300}, false, "Internet Explorer 5.5 Service Pack 2"},
    {{5, 50, 4522, 1800}, false, "Internet Explorer 5.5 Service Pack 1"},
    {{5, 50, 4308, 2900}, false, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
    {{5, 50, 4134, 600}, false, "Internet Explorer 5.5"},
    {{5, 50, 4134, 100}, false, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    {{5, 50, 4030, 2400}, false, "Internet Explorer 5.5 & Internet Tools Beta"},
    {{5, 50, 3825, 1300}, false, "Internet Explorer 5.5 Developer Preview"},
    {{5, 0, 2919, 6400}, false, "Internet Explorer 5.01"},
    {{5, 0, 2919, 6307}, false, "Internet Explorer 5.01"},
    {{5, 0, 2919, 3800}, false, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
    {{5, 0, 2919, 800}, false, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
    {{5, 0, 2723, 2900}, false, "Internet Explorer 5.0 updated"},
    {{5, 0, 2721, 1400}, false, "Internet Explorer 5.0 updated"},
    {{5, 0, 2614, 0}, false, "Internet Explorer 5.0b"},
    {{5, 0, 2314, 0}, false, "Internet Explorer 5.0a"},
    {{5, 0, 2014, 0}, false, "Internet Explorer 5.0"},
    {{5, 0, 910, 0}, false, "Internet Explorer 5 Beta (Beta 2)"},
    {{5, 0, 518, 0}, false, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {{4, 72, 3612, 0}, false, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {{4, 72, 3110, 0}, false, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {{4, 72, 2106, 0}, false, "Internet Explorer 4.01"},
    {{4, 71, 1712, 0}, false, "Internet Explorer 4.0"},
    {{4, 71, 1008, 0}, false, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {{4, 71, 544, 0}, false, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {{4, 70, 1300, 0}, false, "Internet Explorer 3.02"},
    {{4, 70, 1215, 0}, false, "Internet Explorer 3.01"},
    {{4, 70, 1158, 0}, false, "Internet Explorer 3.0 (OSR2)"},
    {{4, 70, 1155, 0}, false, "Internet Explorer 3.0"},
    {{4, 40, 520, 0}, false, "Internet Explorer 2.0"},
    {{4, 40, 308, 0}, false, "Internet Explorer 1.0 (Plus!)"},
};

std::string FirstMatch(std::span<const TReleaseRow> rows, const TVersion& version, const char* belowAll) {
  for (const TReleaseRow& row : rows) {
    const int order = CompareVersions(version, row.Threshold);
    if (order > 0 || (order == 0 && !row.Strict)) return row.Name;
  }
  return belowAll;
}

}  // namespace

std::string HelpReleaseName(const TVersion& engineVersion) {
  return FirstMatch(kHelpReleases, engineVersion, "< 1.0");
}

std::string BrowserReleaseName(const TVersion& browserVersion) {
  return FirstMatch(kBrowserReleases, browserVersion, "< Internet Explorer 1.0 (Plus!)");
}
