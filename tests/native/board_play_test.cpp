// Tile clicks, the move rule, sliding and the completion test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "BoardTestSupport.h"

TEST(BoardMove, ClicksOnTheSolvedBoard) {
  BoardOnFake f;
  f.Click(1);  // not next to the gap: nothing at all
  EXPECT_EQ(f.Board.MoveCount(), 0);
  EXPECT_EQ(f.Window.StatusUpdates, 0);
  EXPECT_TRUE(f.Solved());

  f.Click(24);  // right, into slot 25
  EXPECT_EQ(f.Board.Slot(25).Tile, 24);
  EXPECT_EQ(f.Button(25).Caption, L"24");
  EXPECT_EQ(f.Gap(), 24);
  EXPECT_EQ(f.Board.MoveCount(), 1);
  EXPECT_EQ(f.Window.Status, L"Joués : 1");
  ExpectBoardInvariants(f);

  BoardOnFake g;
  g.Click(20);  // down, into slot 25
  EXPECT_EQ(g.Board.Slot(25).Tile, 20);
  EXPECT_EQ(g.Gap(), 20);
  ExpectBoardInvariants(g);
}

// Slots that can move into the gap at `gap`, found by trying every slot on a
// fresh board.
static std::set<int> MovableInto(int rows, int cols, int gap) {
  std::set<int> movable;
  BoardOnFake f(rows, cols);
  for (int n = 1; n <= rows * cols; ++n) {
    f.Board.Rsoudre1Click();
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

TEST(BoardMove, TheMovedTileKeepsItsButtonsShownState) {
  BoardOnFake f;
  f.Window.SetTileVisible(f.Board.Slot(24).TileButton, false);
  f.Board.SlideTile(24, 25);
  EXPECT_FALSE(f.Button(25).Visible);
  EXPECT_FALSE(f.Button(24).Visible);
  EXPECT_EQ(f.Button(25).Caption, L"24");
  EXPECT_EQ(f.Window.Status, L"Joués : 1");
}

TEST(BoardMove, UnknownSenderMovesNothing) {
  BoardOnFake f;
  FakeBoardWindow other;
  f.Board.Button1Click(nullptr);
  f.Board.Button1Click(other.CreateTileButton(0, 0, 1, 1, L"24"));
  EXPECT_EQ(f.Board.MoveCount(), 0);
  EXPECT_TRUE(f.Solved());
}

// Rotates the gap of a 2 x 2 board round its cycle 1-2-4-3 until the tiles
// stand in order (at most 11 clicks, as the arrangements form a 12-cycle).
static int ClickRoundUntilCongratulated(BoardOnFake& f) {
  static const int next[] = {0, 3, 1, 4, 2};  // the tile clicked moves the gap backwards
  int clicks = 0;
  while (f.Window.Congratulations.empty() && clicks < 12) {
    f.Click(next[f.Gap()]);
    ++clicks;
    if (!f.Solved()) {
      EXPECT_TRUE(f.Window.Congratulations.empty());
    }
  }
  return clicks;
}

TEST(BoardCompletion, RestoringTheOrderInAGameCongratulatesOnce) {
  BoardOnFake f(2, 2, 10);
  f.Seed = 7;
  f.Board.Nouvellepartie1Click();
  if (f.Solved()) f.Click(2);  // an unsolved start, still in the game
  ASSERT_FALSE(f.Solved());
  ASSERT_TRUE(f.Board.GameActive());

  std::wstring statusInBox;
  bool activeInBox = false;
  f.Window.OnCongratulation = [&] {
    statusInBox = f.Window.Status;
    activeInBox = f.Board.GameActive();
  };
  const int before = f.Board.MoveCount();
  const int clicks = ClickRoundUntilCongratulated(f);
  ASSERT_EQ(f.Window.Congratulations.size(), 1u);
  EXPECT_TRUE(f.Solved());
  EXPECT_EQ(f.Window.Congratulations[0].first, L"Vous avez réussi !");
  EXPECT_EQ(f.Window.Congratulations[0].second, L"Félicitations");
  EXPECT_EQ(statusInBox, MoveStatusText(before + clicks));  // final count already shown
  EXPECT_TRUE(activeInBox);
  EXPECT_FALSE(f.Board.GameActive());

  // Free play again: moves count on, no further congratulation.
  f.Click(3);
  f.Click(4);
  f.Click(1);
  EXPECT_TRUE(f.Solved());
  EXPECT_EQ(f.Board.MoveCount(), before + clicks + 2);
  EXPECT_EQ(f.Window.Congratulations.size(), 1u);
}

TEST(BoardCompletion, FreePlayIsNeverCongratulated) {
  BoardOnFake f;
  f.Click(24);
  f.Click(25);  // back in order
  f.Click(1);
  EXPECT_TRUE(f.Solved());
  EXPECT_TRUE(f.Window.Congratulations.empty());
}

TEST(BoardSolve, KeepsTheMoveCount) {
  BoardOnFake f;
  f.Board.Nouvellepartie1Click();
  const int gap = f.Gap(), beside = gap > 5 ? gap - 5 : gap + 5;
  while (f.Board.MoveCount() < 37) f.MoveGapTo(f.Gap() == gap ? beside : gap);
  ASSERT_EQ(f.Board.MoveCount(), 37);
  f.Board.Rsoudre1Click();
  EXPECT_EQ(f.Window.Status, L"Joués : 37");
  EXPECT_FALSE(f.Board.GameActive());
  f.Click(24);
  EXPECT_EQ(f.Window.Status, L"Joués : 38");
}
