#pragma once
// The figures of the About dialog's two memory lines, from those the platform
// gives (the lines' words are in the string table). Portable: no <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>

// What the dialog shows of the machine's memory.
struct TMemoryFigures {
  std::uint64_t TotalPhysBytes = 0;  // the true total, also beyond 4 GB
  std::uint32_t MemoryLoad = 0;      // share of physical memory in use, 0..100
};

// Bytes to kilo-octets, rounded to the nearest whole one (halves up).
std::uint64_t BytesToKo(std::uint64_t bytes);

// Decimal digits with `separator` between groups of three, from the right.
std::string GroupThousands(std::uint64_t value, std::string_view separator);

// The total in kilo-octets, grouped: "524 288", the gap being `separator`.
std::string PhysicalMemoryKo(std::uint64_t totalPhysBytes, std::string_view separator);

// The free share that the second line shows: 100 less the load, never below 0.
std::uint32_t FreeMemoryPercent(std::uint32_t memoryLoad);
