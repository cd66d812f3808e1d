#include "DebugOutput.h"

#include <windows.h>

#include <algorithm>

void DebugOutput(std::string_view utf8) noexcept {
  // A UTF-8 byte never makes more than one UTF-16 unit: the buffer holds the
  // bytes taken, the line end and the closing zero.
  constexpr std::size_t kMostBytes = 1022;
  wchar_t line[kMostBytes + 2];
  const int bytes = static_cast<int>(std::min(utf8.size(), kMostBytes));
  const int length = bytes ? MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, line, bytes) : 0;
  line[length] = L'\n';
  line[length + 1] = L'\0';
  OutputDebugStringW(line);
}
