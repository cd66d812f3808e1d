#include "Shortage.h"

#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

struct TShortage {
  DWORD Thread = 0;
  long Countdown = 0;
  bool Lasting = false;
  int Failures = 0;
};
TShortage shortage;

}  // namespace

void* operator new(std::size_t size) {
  if (shortage.Thread == GetCurrentThreadId() && shortage.Countdown > 0 && --shortage.Countdown == 0) {
    ++shortage.Failures;
    if (shortage.Lasting) shortage.Countdown = 1;
    else shortage.Thread = 0;
    throw std::bad_alloc();
  }
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

int WithShortageAt(long n, bool lasting, const std::function<void()>& body) {
  shortage = {GetCurrentThreadId(), n, lasting, 0};
  try {
    body();
  } catch (...) {
    shortage = {};
    throw;
  }
  const int failures = shortage.Failures;
  shortage = {};
  return failures;
}
