#include "MemoryText.h"

#include <algorithm>

std::uint64_t BytesToKo(std::uint64_t bytes) {
  // Whole arithmetic: a double loses units above 2^53 bytes.
  return bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
}

std::string GroupThousands(std::uint64_t value, std::string_view separator) {
  const std::string digits = std::to_string(value);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

std::string PhysicalMemoryKo(std::uint64_t totalPhysBytes, std::string_view separator) {
  return GroupThousands(BytesToKo(totalPhysBytes), separator);
}

std::uint32_t FreeMemoryPercent(std::uint32_t memoryLoad) {
  // The words say "libre": show what is free, not what is in use.
  return 100 - std::min<std::uint32_t>(memoryLoad, 100);
}
