#pragma once
// Reading a path from a platform call that fills a caller's buffer.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

// fill(buffer, size) behaves as the Win32 path getters do: it returns the
// length copied when the text fits, 0 on failure, and a value of size or
// more when the buffer was too small (GetModuleFileName returns size and may
// leave the text unterminated; GetSystemDirectory and GetTempPath return the
// size they need). A text that did not fit is asked for again with a larger
// buffer, never returned cut short. Empty on failure or beyond maxSize.
// ANSI text by default; UTF-16 with ReadWholeText<wchar_t>.
template <class TChar>
using TBufferFill = std::function<std::uint32_t(TChar* buffer, std::uint32_t size)>;
template <class TChar = char>
std::basic_string<TChar> ReadWholeText(std::uint32_t firstSize, const std::type_identity_t<TBufferFill<TChar>>& fill,
                                       std::uint32_t maxSize = 65536) {
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
