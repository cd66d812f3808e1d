#pragma once
// The About dialog's two memory lines, from the figures the platform gives.
// Portable: no <windows.h>. Texts are UTF-8.

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

// "Mémoire physique totale : 524 288 Ko", the gap being `separator`.
std::string PhysicalMemoryLine(std::uint64_t totalPhysBytes, std::string_view separator);

// "Ressources système      : 63% libre.": the free share, 100 less the load.
std::string FreeResourcesLine(std::uint32_t memoryLoad);
