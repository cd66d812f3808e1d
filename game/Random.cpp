#include "Random.h"

std::uint32_t TRandom::Draw(std::uint32_t m) {
  // Unsigned arithmetic wraps modulo 2^32, which is the generator's rule.
  FState = FState * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(FState) * m) >> 32);
}
