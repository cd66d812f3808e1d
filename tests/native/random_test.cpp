// The shuffle's generator.

#include <gtest/gtest.h>

#include <cstdint>

#include "Random.h"

TEST(Random, FirstSixDrawsFromStateZero) {
  TRandom random;
  random.Reseed(0);
  const std::uint32_t draws[] = {0, 0, 21, 5, 6, 16};
  const std::uint32_t states[] = {1, 134775814, 3698175007u, 870078620, 1172187917, 2884733762u};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(random.Draw(25), draws[i]);
    EXPECT_EQ(random.State(), states[i]);
  }
}

TEST(Random, DrawStaysBelowItsBoundAndStepsTheSameStateForAnyBound) {
  TRandom a, b;
  a.Reseed(0xDEADBEEF);
  b.Reseed(0xDEADBEEF);
  for (std::uint32_t m : {1u, 2u, 4u, 100u, 0xFFFFFFFFu}) {
    for (int i = 0; i < 1000; ++i) {
      const std::uint32_t r = a.Draw(m);
      b.Draw(1);
      ASSERT_LT(r, m);
      ASSERT_EQ(a.State(), b.State());
    }
  }
  // High word of state * (2^32 - 1) is state - 1 for any non-zero state.
  a.Reseed(41);
  const std::uint32_t r = a.Draw(0xFFFFFFFFu);
  EXPECT_EQ(r, a.State() - 1);
}
