#pragma once
#include <cstdint>

// Seed of the shuffle: the low 32 bits of the performance counter, or the
// tick count where there is no such counter.
std::uint32_t ClockSeed();
