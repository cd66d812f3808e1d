// The move rule, the move count and the completion test.

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>

#include "BoardTestSupport.h"

TEST(BoardMove, MovesOnTheSolvedBoard) {
  BuiltBoard f;
  EXPECT_FALSE(f.Board.TryMoveTile(1));  // not next to the gap: nothing at all
  EXPECT_EQ(f.Board.MoveCount(), 0);
  EXPECT_TRUE(f.Board.IsSolved());

  EXPECT_TRUE(f.Board.TryMoveTile(24));  // right, into slot 25
  EXPECT_EQ(f.Board.Slot(25).Tile, 24);
  EXPECT_EQ(f.Gap(), 24);
  EXPECT_EQ(f.Board.MoveCount(), 1);
  EXPECT_FALSE(f.Board.IsSolved());
  ExpectBoardInvariants(f);

  BuiltBoard g;
  EXPECT_TRUE(g.Board.TryMoveTile(20));  // down, into slot 25
  EXPECT_EQ(g.Board.Slot(25).Tile, 20);
  EXPECT_EQ(g.Gap(), 20);

  for (int n : {0, -1, 26, INT_MIN, INT_MAX}) EXPECT_FALSE(g.Board.TryMoveTile(n)) << n;
  EXPECT_EQ(g.Board.MoveCount(), 1);
}

// Slots that can move into the gap at `gap`, found by trying every slot.
static std::set<int> MovableInto(int rows, int cols, int gap) {
  std::set<int> movable;
  BuiltBoard f(rows, cols);
  for (int n = 1; n <= rows * cols; ++n) {
    f.Board.Build();
    f.MoveGapTo(gap);
    if (n == gap) continue;
    const int count = f.Board.MoveCount();
    const int tile = f.Board.Slot(n).Tile;
    if (!f.Board.TryMoveTile(n)) {
      EXPECT_EQ(f.Board.MoveCount(), count);
      EXPECT_EQ(f.Gap(), gap);
      continue;
    }
    movable.insert(n);
    EXPECT_EQ(f.Board.Slot(gap).Tile, tile);
    EXPECT_EQ(f.Gap(), n);
    EXPECT_EQ(f.Board.MoveCount(), count + 1);
    ExpectBoardInvariants(f);
  }
  return movable;
}

TEST(BoardMove, OnlyTheFourOrthogonalNeighboursOfTheGapMove) {
  EXPECT_EQ(MovableInto(5, 5, 13), (std::set<int>{8, 12, 14, 18}));
  EXPECT_EQ(MovableInto(5, 5, 6), (std::set<int>{1, 7, 11}));  // not 5, the end of row 1
}

TEST(BoardMove, NoMoveWrapsBetweenRowsForAnyShape) {
  // Every gap position of boards with 2 to 10 columns: the movable tiles are
  // exactly those one row or one column away in the grid.
  for (int rows : {2, 3}) {
    for (int cols = 2; cols <= 10; ++cols) {
      for (int gap = 1; gap <= rows * cols; ++gap) {
        SCOPED_TRACE(std::to_string(rows) + "x" + std::to_string(cols) + " gap " + std::to_string(gap));
        std::set<int> expected;
        for (int n = 1; n <= rows * cols; ++n) {
          const int dr = std::abs((n - 1) / cols - (gap - 1) / cols);
          const int dc = std::abs((n - 1) % cols - (gap - 1) % cols);
          if (dr + dc == 1) expected.insert(n);
        }
        EXPECT_EQ(MovableInto(rows, cols, gap), expected);
      }
    }
  }
}

TEST(BoardMove, TheCountWrapsAtThirtyTwoBits) {
  BuiltBoard f;
  f.Board.SetMoveCount(INT_MAX);
  ASSERT_TRUE(f.Board.TryMoveTile(24));
  EXPECT_EQ(f.Board.MoveCount(), INT_MIN);
  ASSERT_TRUE(f.Board.TryMoveTile(25));
  EXPECT_EQ(f.Board.MoveCount(), INT_MIN + 1);
}

TEST(BoardCompletion, SolvedOnlyWithEveryTileHome) {
  // On 2 x 2 the three tiles only turn round: taking the gap round the board
  // clockwise (4 -> 3 -> 1 -> 2 -> 4) twelve times brings the order back,
  // and no earlier position is in order.
  BuiltBoard f(2, 2);
  static const int kNext[] = {0, 2, 4, 1, 3};
  for (int move = 1; move <= 12; ++move) {
    ASSERT_TRUE(f.Board.TryMoveTile(kNext[f.Gap()]));
    EXPECT_EQ(f.Board.IsSolved(), move == 12) << move;
  }
  ExpectBoardInvariants(f);
  EXPECT_EQ(f.Board.MoveCount(), 12);

  // Moves alone never start or end a game.
  EXPECT_FALSE(f.Board.GameActive());
  f.Board.Shuffle();
  ASSERT_TRUE(f.Board.GameActive());
  f.Board.EndGame();
  EXPECT_FALSE(f.Board.GameActive());
}
