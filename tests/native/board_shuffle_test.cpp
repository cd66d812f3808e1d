// "Nouvelle partie": the shuffle by random legal moves.

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "BoardTestSupport.h"

namespace {

// Parity of the arrangement as a permutation of the slots, the gap counted as
// a tile. Every slide is one transposition and moves the gap by one cell, so
// both this parity and that of the gap's row + column flip with every move.
int Parity(const std::vector<int>& tiles) {
  int inversions = 0;
  for (std::size_t i = 0; i < tiles.size(); ++i)
    for (std::size_t j = i + 1; j < tiles.size(); ++j) inversions += tiles[i] > tiles[j];
  return inversions % 2;
}
int GapParity(const BoardOnFake& f) {
  const int g = f.Gap() - 1, c = f.Board.Cols();
  return (g / c + g % c) % 2;
}

}  // namespace

TEST(BoardShuffle, MatchesAnIndependentModelOfTheRule) {
  // Final arrangements and draw counts computed apart from this code, by a
  // direct transcription of the generator, draw-to-slot mapping and
  // move rule: 3 x 4, 40 moves, seed 20240601.
  BoardOnFake f(3, 4, 40);
  f.Seed = 20240601;
  f.Board.Nouvellepartie1Click();
  EXPECT_EQ(f.Tiles(), (std::vector<int>{6, 5, 4, 8, 0, 2, 1, 3, 9, 10, 7, 11}));
  TRandom expected;
  expected.Reseed(20240601);
  for (int i = 0; i < 157; ++i) expected.Draw(1);
  EXPECT_EQ(f.Board.Random().State(), expected.State());

  // The same seed from a different arrangement: the shuffle goes on from the
  // board as it stands, not from the solved order.
  f.Board.Rsoudre1Click();
  f.Click(11);  // into slot 12
  f.Board.Nouvellepartie1Click();
  EXPECT_EQ(f.Tiles(), (std::vector<int>{0, 5, 4, 8, 6, 2, 1, 3, 9, 10, 7, 11}));
  expected.Reseed(20240601);
  for (int i = 0; i < 154; ++i) expected.Draw(1);
  EXPECT_EQ(f.Board.Random().State(), expected.State());
  EXPECT_EQ(f.SeedCalls, 2);
}

TEST(BoardShuffle, MakesExactlyTheConfiguredMovesWithEveryButtonHidden) {
  struct Case {
    int rows, cols, moves;
    std::uint32_t seed;
  };
  for (const Case c : {Case{5, 5, 11, 1}, Case{2, 2, 10, 2}, Case{10, 2, 999, 3}, Case{2, 10, 1000, 4},
                       Case{10, 10, 1000, 5}, Case{3, 4, 250, 0xFFFFFFFF}}) {
    SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols) + " moves " + std::to_string(c.moves));
    BoardOnFake f(c.rows, c.cols, c.moves);
    f.Seed = c.seed;
    f.Click(f.Count() - 1);  // start from an arrangement other than the solved one,
    f.Click(f.Count() - 1 - c.cols);  // with a count of 2 in free play
    ASSERT_EQ(f.Board.MoveCount(), 2);
    const int parity = Parity(f.Tiles()), gapParity = GapParity(f);
    f.Window.StatusHistory.clear();

    int updates = 0;
    f.Window.OnStatus = [&](std::wstring_view) {
      if (++updates > c.moves) return;  // the final "Joués : 0" comes after the buttons are shown
      for (const TTileButton* button : f.Window.LiveButtons()) ASSERT_FALSE(button->Visible);
    };
    f.Board.Nouvellepartie1Click();
    f.Window.OnStatus = nullptr;

    // Every move counted on from 2 and written, then the count reset.
    ASSERT_EQ(f.Window.StatusHistory.size(), static_cast<std::size_t>(c.moves) + 1);
    for (int k = 0; k < c.moves; ++k) ASSERT_EQ(f.Window.StatusHistory[k], MoveStatusText(3 + k));
    EXPECT_EQ(f.Window.StatusHistory.back(), L"Joués : 0");
    EXPECT_EQ(f.Board.MoveCount(), 0);
    EXPECT_TRUE(f.Board.GameActive());
    EXPECT_TRUE(f.Window.Congratulations.empty());
    EXPECT_EQ(Parity(f.Tiles()), (parity + c.moves) % 2);
    EXPECT_EQ(GapParity(f), (gapParity + c.moves) % 2);
    ExpectBoardInvariants(f);
  }
}

TEST(BoardShuffle, AShuffleThatEndsSolvedIsCongratulatedAtTheFirstClick) {
  BoardOnFake f(2, 2, 10);
  for (f.Seed = 0; f.Seed < 1000; ++f.Seed) {
    f.Board.Rsoudre1Click();
    f.Board.Nouvellepartie1Click();
    if (f.Solved()) break;
  }
  ASSERT_TRUE(f.Solved()) << "no seed below 1000 ends a 2 x 2 shuffle solved";
  EXPECT_TRUE(f.Board.GameActive());
  EXPECT_TRUE(f.Window.Congratulations.empty());
  ExpectBoardInvariants(f);

  f.Click(1);  // cannot move
  ASSERT_EQ(f.Window.Congratulations.size(), 1u);
  EXPECT_EQ(f.Window.Status, L"Joués : 0");
  EXPECT_FALSE(f.Board.GameActive());
  f.Click(1);
  EXPECT_EQ(f.Window.Congratulations.size(), 1u);
}

TEST(BoardShuffle, NeedsABoard) {
  FakeBoardWindow window;
  TBoard board(window, [] { return 1u; });
  EXPECT_THROW(board.Nouvellepartie1Click(), std::logic_error);
  EXPECT_EQ(window.StatusUpdates, 0);
}
