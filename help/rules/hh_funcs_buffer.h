#pragma once
// Reading a path from a platform call that fills a caller's buffer.

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

// fill(buffer, size) behaves as the Win32 path getters do: it returns the
// length copied when the text fits, 0 on failure, and a value of size or
// more when the buffer was too small (GetModuleFileName returns size and may
// leave the text unterminated; GetSystemDirectory and GetTempPath return the
// size they need). A text that did not fit is asked for again with a larger
// buffer, never returned cut short. Empty on failure or beyond maxSize.
// For ANSI text (char) and UTF-16 text (wchar_t).
template <class TChar>
using TBufferFill = std::function<std::uint32_t(TChar* buffer, std::uint32_t size)>;
template <class TChar = char>
std::basic_string<TChar> ReadWholeText(std::uint32_t firstSize, const std::type_identity_t<TBufferFill<TChar>>& fill,
                                       std::uint32_t maxSize = 65536);
