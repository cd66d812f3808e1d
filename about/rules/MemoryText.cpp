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

std::string PhysicalMemoryLine(std::uint64_t totalPhysBytes, std::string_view separator) {
  return "Mémoire physique totale : " + GroupThousands(BytesToKo(totalPhysBytes), separator) + " Ko";
}

std::string FreeResourcesLine(std::uint32_t memoryLoad) {
  // The words say "libre": show what is free, not what is in use.
  const std::uint32_t free = 100 - std::min<std::uint32_t>(memoryLoad, 100);
  return "Ressources système      : " + std::to_string(free) + "% libre.";
}
