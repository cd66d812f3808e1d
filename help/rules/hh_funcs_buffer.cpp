#include "hh_funcs_buffer.h"

#include <algorithm>
#include <vector>

std::string ReadWholeText(std::uint32_t firstSize, const TBufferFill& fill, std::uint32_t maxSize) {
  std::uint32_t size = std::max<std::uint32_t>(firstSize, 1);
  while (size <= maxSize) {
    std::vector<char> buffer(size, '\0');
    const std::uint32_t result = fill(buffer.data(), size);
    if (result == 0) return {};
    if (result < size) return std::string(buffer.data(), result);
    // Too small: the result is either the size asked for or the size needed.
    size = std::max(result, size * 2);
  }
  return {};
}
