#include "Texts.h"

#include <vector>

std::wstring LoadText(UINT id) {
  // Asked with a zero length, LoadStringW hands out a pointer to the text in
  // the resource itself, which is not terminated.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::wstring FormatText(UINT id, std::initializer_list<std::wstring_view> args) {
  const std::wstring pattern = LoadText(id);
  const std::vector<std::wstring_view> values(args);
  std::wstring out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (pattern[i] == L'%' && next >= L'1' && next <= L'9' && static_cast<std::size_t>(next - L'1') < values.size()) {
      out += values[static_cast<std::size_t>(next - L'1')];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}
