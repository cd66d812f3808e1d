// Building, solving and freeing the board, and the grid configuration.

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "BoardTestSupport.h"

TEST(BoardBuild, EveryShapeStartsSolvedWithTheGapLastAndNoGame) {
  for (const auto& [rows, cols] : {std::pair{2, 2}, {3, 4}, {5, 5}, {10, 2}, {2, 10}, {10, 10}}) {
    SCOPED_TRACE(std::to_string(rows) + "x" + std::to_string(cols));
    BuiltBoard f(rows, cols);
    ExpectBoardInvariants(f);
    EXPECT_TRUE(f.Board.IsSolved());
    EXPECT_EQ(f.Gap(), f.Count());
    EXPECT_FALSE(f.Board.GameActive());
  }
}

TEST(BoardBuild, RebuildingEndsTheGameInOrderAndKeepsTheCount) {
  BuiltBoard f;
  f.Board.Shuffle();
  const int gap = f.Gap(), beside = gap > 5 ? gap - 5 : gap + 5;
  while (f.Board.MoveCount() < 37) f.MoveGapTo(f.Gap() == gap ? beside : gap);
  ASSERT_EQ(f.Board.MoveCount(), 37);

  f.Board.Build();
  ExpectBoardInvariants(f);
  EXPECT_TRUE(f.Board.IsSolved());
  EXPECT_EQ(f.Gap(), 25);
  EXPECT_FALSE(f.Board.GameActive());
  EXPECT_EQ(f.Board.MoveCount(), 37);
  EXPECT_TRUE(f.Board.TryMoveTile(24));
  EXPECT_EQ(f.Board.MoveCount(), 38);
}

TEST(BoardConfiguration, ValuesAreClampedIntoTheirRanges) {
  struct Case {
    int rows, cols, moves, wantRows, wantCols, wantMoves;
  };
  TBoard board({});
  EXPECT_EQ(board.Rows(), 5);
  EXPECT_EQ(board.Cols(), 5);
  EXPECT_EQ(board.ShuffleMoves(), 250);
  for (const Case c : {Case{2, 10, 10, 2, 10, 10}, Case{10, 2, 1000, 10, 2, 1000}, Case{1, 11, 9, 2, 10, 10},
                       Case{0, -3, 1001, 2, 2, 1000}, Case{INT_MIN, INT_MAX, INT_MIN, 2, 10, 10},
                       Case{INT_MAX, INT_MIN, INT_MAX, 10, 2, 1000}}) {
    board.SetConfiguration(c.rows, c.cols, c.moves);
    EXPECT_EQ(board.Rows(), c.wantRows);
    EXPECT_EQ(board.Cols(), c.wantCols);
    EXPECT_EQ(board.ShuffleMoves(), c.wantMoves);
  }
}

TEST(BoardConfiguration, ChangesOnlyWhileThereIsNoBoard) {
  BuiltBoard f(3, 4, 100);
  EXPECT_THROW(f.Board.SetConfiguration(6, 6, 500), EBoardMisuse);
  EXPECT_EQ(f.Board.Rows(), 3);
  EXPECT_EQ(f.Board.Cols(), 4);
  EXPECT_EQ(f.Board.ShuffleMoves(), 100);
  EXPECT_EQ(f.Board.SlotCount(), 12);

  f.Board.Free();
  EXPECT_FALSE(f.Board.HasBoard());
  EXPECT_EQ(f.Board.SlotCount(), 0);
  f.Board.SetConfiguration(6, 6, 500);
  f.Board.Build();
  ExpectBoardInvariants(f);
  EXPECT_EQ(f.Gap(), 36);
}
