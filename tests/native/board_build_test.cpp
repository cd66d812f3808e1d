// Building and freeing the board, its window size and geometry, and the grid
// configuration.

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "BoardTestSupport.h"

TEST(BoardBuild, WindowSizeHeightFirstThenAreaReadAndSolvedOrder) {
  struct Case {
    int rows, cols, width, height;
  };
  for (const Case c : {Case{2, 2, 140, 164}, Case{3, 4, 180, 196}, Case{5, 5, 200, 260},
                       Case{10, 2, 140, 420}, Case{2, 10, 300, 164}, Case{10, 10, 300, 420}}) {
    SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols));
    BoardOnFake f(c.rows, c.cols);
    EXPECT_EQ(f.Window.OuterWidth, c.width);
    EXPECT_EQ(f.Window.OuterHeight, c.height);
    EXPECT_EQ(f.Window.SizeCalls, "HWR");
    ExpectBoardInvariants(f);
    EXPECT_TRUE(f.Solved());
    EXPECT_EQ(f.Gap(), f.Count());
    EXPECT_EQ(f.Button(f.Count()).Caption, std::to_wstring(f.Count()));  // left over, never seen
    EXPECT_FALSE(f.Board.GameActive());
  }
}

TEST(BoardBuild, CellGeometryFromTheBoardArea) {
  FakeBoardWindow window;
  window.SetBoardArea(192, 187);
  TBoard board(window, {});
  board.BuildBoard();  // 5 x 5 by default
  for (int n = 1; n <= 25; ++n) {
    EXPECT_EQ(board.Slot(n).TileButton->Width, 37);
    EXPECT_EQ(board.Slot(n).TileButton->Height, 36);
  }
  const TTileButton* one = window.ButtonAt(2, 2);
  const TTileButton* seven = window.ButtonAt(39, 38);
  const TTileButton* gap = window.ButtonAt(150, 146);
  ASSERT_TRUE(one && seven && gap);
  EXPECT_EQ(one->Caption, L"1");
  EXPECT_EQ(seven->Caption, L"7");
  EXPECT_EQ(gap, board.Slot(25).TileButton);
  EXPECT_FALSE(gap->Visible);
}

TEST(BoardBuild, RebuildGivesNewSolvedButtonsAndKeepsTheCount) {
  BoardOnFake f;
  f.Board.Nouvellepartie1Click();
  for (int n = 1; f.Board.MoveCount() == 0; ++n) f.Click(n);  // one move in the game
  ASSERT_EQ(f.Board.MoveCount(), 1);
  f.Window.OuterWidth = 640;  // the user dragged the border
  const std::vector<const TTileButton*> old = f.Window.LiveButtons();

  f.Board.Rsoudre1Click();

  for (const TTileButton* button : old) EXPECT_FALSE(button->Alive);
  EXPECT_EQ(f.Window.Created, 50);
  EXPECT_EQ(f.Window.Destroyed, 25);
  EXPECT_EQ(f.Window.SizeCalls, "HWRHWR");
  EXPECT_EQ(f.Window.OuterWidth, 200);
  ExpectBoardInvariants(f);
  EXPECT_TRUE(f.Solved());
  EXPECT_FALSE(f.Board.GameActive());
  EXPECT_EQ(f.Board.MoveCount(), 1);
  EXPECT_EQ(f.Window.Status, L"Joués : 1");
}

TEST(BoardBuild, FreeBoardLeavesNoButtonAndTheDestructorNeverCallsTheWindow) {
  BoardOnFake f(3, 4);
  f.Board.FreeBoard();
  EXPECT_FALSE(f.Board.HasBoard());
  EXPECT_TRUE(f.Window.LiveButtons().empty());
  EXPECT_EQ(f.Window.Destroyed, 12);
  f.Board.FreeBoard();  // nothing left to free
  EXPECT_EQ(f.Window.Destroyed, 12);

  FakeBoardWindow window;
  {
    TBoard board(window, {});
    board.BuildBoard();
  }
  EXPECT_EQ(window.Destroyed, 0);
  EXPECT_EQ(window.LiveButtons().size(), 25u);  // the window's to destroy
}

TEST(BoardBuild, BuildingOverAnExistingBoardIsRefused) {
  BoardOnFake f;
  EXPECT_THROW(f.Board.BuildBoard(), std::logic_error);
  EXPECT_EQ(f.Window.Created, 25);
  ExpectBoardInvariants(f);
}

TEST(BoardConfiguration, ValuesAreClampedIntoTheirRanges) {
  struct Case {
    int rows, cols, moves, wantRows, wantCols, wantMoves;
  };
  FakeBoardWindow window;
  TBoard board(window, {});
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

TEST(BoardConfiguration, ChangingItWhileABoardExistsThrows) {
  BoardOnFake f(3, 4, 100);
  EXPECT_THROW(f.Board.SetConfiguration(6, 6, 500), std::logic_error);
  EXPECT_EQ(f.Board.Rows(), 3);
  EXPECT_EQ(f.Board.Cols(), 4);
  EXPECT_EQ(f.Board.ShuffleMoves(), 100);
  f.Board.FreeBoard();
  f.Board.SetConfiguration(6, 6, 500);
  f.Board.BuildBoard();
  EXPECT_EQ(f.Window.LiveButtons().size(), 36u);
}

TEST(BoardStatus, MoveStatusText) {
  EXPECT_EQ(MoveStatusText(0), L"Jou\u00e9s : 0");
  EXPECT_EQ(MoveStatusText(37), L"Jou\u00e9s : 37");
  EXPECT_EQ(MoveStatusText(1000000), L"Jou\u00e9s : 1000000");
}
