#pragma once
// Helpers shared by the board tests: a built board with a seed the test sets,
// the gap, the arrangement, and the board invariants.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Board.h"

struct BuiltBoard {
  std::uint32_t Seed = 0;
  int SeedCalls = 0;
  TBoard Board{[this] {
    ++SeedCalls;
    return Seed;
  }};

  BuiltBoard(int rows = 5, int cols = 5, int shuffleMoves = 250) {
    Board.SetConfiguration(rows, cols, shuffleMoves);
    Board.Build();
  }
  int Count() const { return Board.Rows() * Board.Cols(); }
  int Gap() const {
    for (int n = 1; n <= Count(); ++n)
      if (Board.Slot(n).Tile == 0) return n;
    return 0;
  }
  std::vector<int> Tiles() const {
    std::vector<int> tiles;
    for (int n = 1; n <= Count(); ++n) tiles.push_back(Board.Slot(n).Tile);
    return tiles;
  }
  // Walks the gap to slot target by moving the tiles next to it, rows first.
  void MoveGapTo(int target) {
    const int c = Board.Cols();
    while (Gap() != target) {
      const int gap = Gap();
      const int dr = (target - 1) / c - (gap - 1) / c, dc = (target - 1) % c - (gap - 1) % c;
      ASSERT_TRUE(Board.TryMoveTile(dr > 0 ? gap + c : dr < 0 ? gap - c : dc > 0 ? gap + 1 : gap - 1))
          << "tile next to the gap in slot " << gap << " did not move";
    }
  }
};

// Every slot at home, one gap, each tile 1..count-1 once.
inline void ExpectBoardInvariants(const BuiltBoard& f) {
  const int count = f.Count();
  ASSERT_EQ(f.Board.SlotCount(), count);
  std::set<int> tiles;
  for (int n = 1; n <= count; ++n) {
    EXPECT_EQ(f.Board.Slot(n).Home, n);
    tiles.insert(f.Board.Slot(n).Tile);
  }
  EXPECT_EQ(tiles.size(), static_cast<std::size_t>(count));  // 0..count-1 once each
  EXPECT_EQ(*tiles.begin(), 0);
  EXPECT_EQ(*tiles.rbegin(), count - 1);
}
