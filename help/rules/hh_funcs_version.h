#pragma once
// File versions as four 16-bit numbers, their text form and their order.

#include <cstdint>
#include <string>

struct TVersion {
  std::uint16_t Major = 0;
  std::uint16_t Minor = 0;
  std::uint16_t Release = 0;
  std::uint16_t Build = 0;
};

// A version read from a file; an empty Text means none could be read.
struct TFileVersion {
  TVersion Number;
  std::string Text;
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
