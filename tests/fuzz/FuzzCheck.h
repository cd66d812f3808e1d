#pragma once
// What the fuzz targets share: a failed property prints what broke and
// aborts, which libFuzzer reports as a crash and saves the input of.

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (0)

// A copy of text in a heap block of exactly its size, so that
// AddressSanitizer catches a read one past its end (a std::string's spare
// capacity and terminator would hide it).
template <class Char>
class ExactCopy {
 public:
  explicit ExactCopy(std::basic_string_view<Char> text) : chars_(text.begin(), text.end()) {}
  std::basic_string_view<Char> View() const { return {chars_.data(), chars_.size()}; }

 private:
  std::vector<Char> chars_;
};
