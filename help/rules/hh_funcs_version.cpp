#include "hh_funcs_version.h"

#include <array>

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
