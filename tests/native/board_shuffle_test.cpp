// The shuffle by random legal moves that starts a game.

#include <gtest/gtest.h>

#include <climits>
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
int GapParity(const BuiltBoard& f) {
  const int g = f.Gap() - 1, c = f.Board.Cols();
  return (g / c + g % c) % 2;
}

// The generator's state after `draws` draws from `seed`.
std::uint32_t StateAfter(std::uint32_t seed, int draws) {
  TRandom random;
  random.Reseed(seed);
  for (int i = 0; i < draws; ++i) random.Draw(1);
  return random.State();
}

}  // namespace

TEST(BoardShuffle, MatchesAnIndependentModelOfTheRule) {
  // Final arrangements and draw counts computed apart from this code, by a
  // direct transcription of the generator, draw-to-slot mapping and
  // move rule: 3 x 4, 40 moves, seed 20240601.
  BuiltBoard f(3, 4, 40);
  f.Seed = 20240601;
  f.Board.Shuffle();
  EXPECT_EQ(f.Tiles(), (std::vector<int>{6, 5, 4, 8, 0, 2, 1, 3, 9, 10, 7, 11}));
  EXPECT_EQ(f.Board.Random().State(), StateAfter(20240601, 157));

  // The same seed from a different arrangement: the shuffle goes on from the
  // board as it stands, not from the solved order.
  f.Board.Build();
  ASSERT_TRUE(f.Board.TryMoveTile(11));  // into slot 12
  f.Board.Shuffle();
  EXPECT_EQ(f.Tiles(), (std::vector<int>{0, 5, 4, 8, 6, 2, 1, 3, 9, 10, 7, 11}));
  EXPECT_EQ(f.Board.Random().State(), StateAfter(20240601, 154));
  EXPECT_EQ(f.SeedCalls, 2);
}

TEST(BoardShuffle, MakesTheConfiguredMovesThenStartsAGameAtZero) {
  struct Case {
    int rows, cols, moves;
    std::uint32_t seed;
  };
  for (const Case c : {Case{5, 5, 11, 1}, Case{2, 2, 10, 2}, Case{10, 2, 999, 3}, Case{2, 10, 1000, 4},
                       Case{10, 10, 1000, 5}, Case{3, 4, 250, 0xFFFFFFFF}}) {
    SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols) + " moves " + std::to_string(c.moves));
    BuiltBoard f(c.rows, c.cols, c.moves);
    f.Seed = c.seed;
    // Start from an arrangement other than the solved one, with a count near
    // the end of its range: the shuffle's own moves count on (and wrap) before
    // the reset.
    ASSERT_TRUE(f.Board.TryMoveTile(f.Count() - 1));
    ASSERT_TRUE(f.Board.TryMoveTile(f.Count() - 1 - c.cols));
    f.Board.SetMoveCount(INT_MAX - 5);
    const int parity = Parity(f.Tiles()), gapParity = GapParity(f);

    f.Board.Shuffle();

    EXPECT_EQ(f.Board.MoveCount(), 0);
    EXPECT_TRUE(f.Board.GameActive());
    EXPECT_EQ(Parity(f.Tiles()), (parity + c.moves) % 2);
    EXPECT_EQ(GapParity(f), (gapParity + c.moves) % 2);
    ExpectBoardInvariants(f);
  }
}

TEST(BoardShuffle, AShuffleThatEndsInOrderStillStartsAGame) {
  BuiltBoard f(2, 2, 10);
  for (f.Seed = 0; f.Seed < 1000; ++f.Seed) {
    f.Board.Build();
    f.Board.Shuffle();
    if (f.Board.IsSolved()) break;
  }
  ASSERT_TRUE(f.Board.IsSolved()) << "no seed below 1000 ends a 2 x 2 shuffle solved";
  EXPECT_TRUE(f.Board.GameActive());
  EXPECT_EQ(f.Board.MoveCount(), 0);
  ExpectBoardInvariants(f);
}

TEST(BoardShuffle, NeedsABoard) {
  TBoard board([] { return 1u; });
  EXPECT_THROW(board.Shuffle(), EBoardMisuse);
  EXPECT_FALSE(board.GameActive());
}
