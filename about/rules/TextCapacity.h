#pragma once
// Texts held in a fixed capacity of characters: a longer one keeps its head.
// Portable: no <windows.h>.

#include <cstddef>
#include <string_view>

// The number of UTF-16 code units that make up the first `characters`
// characters of `text`; a surrogate pair counts as one character and is
// never split.
template <class Char>
std::size_t PrefixOfCharacters(std::basic_string_view<Char> text, std::size_t characters) {
  static_assert(sizeof(Char) == 2, "UTF-16 text");
  std::size_t units = 0;
  for (std::size_t taken = 0; taken < characters && units < text.size(); ++taken) {
    const auto unit = static_cast<unsigned>(text[units]);
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && units + 1 < text.size() &&
                      static_cast<unsigned>(text[units + 1]) >= 0xDC00 &&
                      static_cast<unsigned>(text[units + 1]) <= 0xDFFF;
    units += pair ? 2 : 1;
  }
  return units;
}
