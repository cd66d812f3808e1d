#include "hh_funcs_buffer.h"

#include <algorithm>
#include <vector>

template <class TChar>
std::basic_string<TChar> ReadWholeText(std::uint32_t firstSize, const std::type_identity_t<TBufferFill<TChar>>& fill,
                                       std::uint32_t maxSize) {
  std::uint32_t size = std::max<std::uint32_t>(firstSize, 1);
  while (size <= maxSize) {
    std::vector<TChar> buffer(size, TChar());
    const std::uint32_t result = fill(buffer.data(), size);
    if (result == 0) return {};
    if (result < size) return std::basic_string<TChar>(buffer.data(), result);
    // Too small: the result is either the size asked for or the size needed.
    size = std::max(result, size * 2);
  }
  return {};
}

template std::string ReadWholeText<char>(std::uint32_t, const TBufferFill<char>&, std::uint32_t);
template std::wstring ReadWholeText<wchar_t>(std::uint32_t, const TBufferFill<wchar_t>&, std::uint32_t);
