#pragma once
// Helpers shared by the board tests: a board on a fake window, clicks by slot,
// and the board invariants.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Board.h"
#include "FakeBoardWindow.h"

struct BoardOnFake {
  FakeBoardWindow Window;
  std::uint32_t Seed = 0;
  int SeedCalls = 0;
  TBoard Board{Window, [this] {
                 ++SeedCalls;
                 return Seed;
               }};

  BoardOnFake(int rows = 5, int cols = 5, int shuffleMoves = 250) {
    Board.SetConfiguration(rows, cols, shuffleMoves);
    Board.BuildBoard();
  }
  int Count() const { return Board.Rows() * Board.Cols(); }
  const TTileButton& Button(int n) const { return *Board.Slot(n).TileButton; }
  void Click(int n) { Board.Button1Click(Board.Slot(n).TileButton); }
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
  bool Solved() const {
    for (int n = 1; n < Count(); ++n)
      if (Board.Slot(n).Tile != n) return false;
    return true;
  }
  // Walks the gap to slot target by clicking the tiles next to it, rows first.
  void MoveGapTo(int target) {
    const int c = Board.Cols();
    while (Gap() != target) {
      const int gap = Gap(), before = Board.MoveCount();
      const int dr = (target - 1) / c - (gap - 1) / c, dc = (target - 1) % c - (gap - 1) % c;
      Click(dr > 0 ? gap + c : dr < 0 ? gap - c : dc > 0 ? gap + 1 : gap - 1);
      ASSERT_EQ(Board.MoveCount(), before + 1) << "tile next to the gap in slot " << gap << " did not move";
    }
  }
};

// Invariants of a board in play; buttonsShown is false during a
// shuffle, when every button is hidden.
inline void ExpectBoardInvariants(const BoardOnFake& f, bool buttonsShown = true) {
  const int count = f.Count();
  std::set<int> tiles;
  std::set<const TTileButton*> buttons;
  int gaps = 0;
  for (int n = 1; n <= count; ++n) {
    SCOPED_TRACE("slot " + std::to_string(n));
    const TTileSlot& slot = f.Board.Slot(n);
    EXPECT_EQ(slot.Home, n);
    ASSERT_NE(slot.TileButton, nullptr);
    EXPECT_TRUE(slot.TileButton->Alive);
    buttons.insert(slot.TileButton);
    tiles.insert(slot.Tile);
    if (slot.Tile == 0) {
      ++gaps;
      EXPECT_FALSE(slot.TileButton->Visible);
    } else {
      EXPECT_EQ(slot.TileButton->Visible, buttonsShown);
      if (buttonsShown) {
        EXPECT_EQ(slot.TileButton->Caption, std::to_wstring(slot.Tile));
      }
    }
  }
  EXPECT_EQ(gaps, 1);
  EXPECT_EQ(tiles.size(), static_cast<std::size_t>(count));  // with one gap: 0..count-1 once each
  EXPECT_EQ(*tiles.begin(), 0);
  EXPECT_EQ(*tiles.rbegin(), count - 1);
  EXPECT_EQ(buttons.size(), static_cast<std::size_t>(count));
  EXPECT_EQ(f.Window.LiveButtons().size(), static_cast<std::size_t>(count));
}
