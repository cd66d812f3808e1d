#pragma once
// File versions as four 16-bit numbers, their text form, their order, and
// the release names of the HTML Help engine's (hhctrl.ocx) and Internet
// Explorer's (Shdocvw.dll).

#include <cstdint>
#include <string>

struct TVersion {
  std::uint16_t Major = 0;
  std::uint16_t Minor = 0;
  std::uint16_t Release = 0;
  std::uint16_t Build = 0;
};

// The numbers of the file-version words of a fixed version block (the
// product version is never used).
TVersion VersionFromFileVersionWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant);

// "4.74.8702.0": decimal, no leading zeros.
std::string VersionText(const TVersion& version);

// 0 when equal, else 1 or -1 by the first differing field, major first.
int CompareVersions(const TVersion& a, const TVersion& b);

// Shdocvw.dll of Internet Explorer 3 and older keeps its build in the last
// field and leaves the third at 0 (4.70.0.1155); move it to where later
// releases keep it (4.70.1155.0) so the release table can compare it.
TVersion ShiftOldBrowserFields(const TVersion& version);

// "> 1.33" ... "1.0", or "< 1.0" below every known release.
std::string HelpReleaseName(const TVersion& engineVersion);

// "> Internet Explorer 6" ... "Internet Explorer 1.0 (Plus!)", or
// "< Internet Explorer 1.0 (Plus!)" below every known release. Takes the
// version after ShiftOldBrowserFields.
std::string BrowserReleaseName(const TVersion& browserVersion);
