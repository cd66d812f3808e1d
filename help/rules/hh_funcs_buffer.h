#pragma once
// Reading a path from a platform call that fills a caller's buffer.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// fill(buffer, size) behaves as the Win32 path getters do: it returns the
// length copied when the text fits, 0 on failure, and a value of size or
// more when the buffer was too small (GetModuleFileName returns size and may
// leave the text unterminated; GetSystemDirectory and GetTempPath return the
// size they need). A text that did not fit is asked for again with a larger
// buffer, never returned cut short. Empty on failure or beyond maxSize.
using TBufferFill = std::function<std::uint32_t(char* buffer, std::uint32_t size)>;
std::string ReadWholeText(std::uint32_t firstSize, const TBufferFill& fill, std::uint32_t maxSize = 65536);
