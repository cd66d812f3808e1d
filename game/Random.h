#pragma once
// The shuffle's random generator: a 32-bit linear congruential state.

#include <cstdint>

class TRandom {
 public:
  void Reseed(std::uint32_t seed) { FState = seed; }
  std::uint32_t State() const { return FState; }
  // state := state * 134775813 + 1 (mod 2^32); result = high 32 bits of
  // state * m, so 0 <= result < m. Requires m > 0.
  std::uint32_t Draw(std::uint32_t m);

 private:
  std::uint32_t FState = 0;
};
