#pragma once
// The tile board and the rules of play: building and freeing the board, the
// move rule, the shuffle and the completion test. Free of any window code: it
// reaches its window only through IBoardWindow.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "BoardWindow.h"
#include "Random.h"

struct TTileSlot {
  std::int32_t Home = 0;  // the slot's own number, the tile that belongs here
  std::int32_t Tile = 0;  // tile now in the slot; 0 is the gap
  TTileButton* TileButton = nullptr;
};

// Ranges of the grid configuration.
inline constexpr std::int32_t kMinRows = 2, kMaxRows = 10;
inline constexpr std::int32_t kMinCols = 2, kMaxCols = 10;
inline constexpr std::int32_t kMinShuffleMoves = 10, kMaxShuffleMoves = 1000;

class TBoard {
 public:
  using SeedSource = std::function<std::uint32_t()>;

  // The window must outlive the board. The seed source reseeds the generator
  // at every new game; an empty one leaves the generator's state as it is.
  // The destructor never calls the window: it drops the slots only, since the
  // window owns the buttons and may already be going away.
  TBoard(IBoardWindow& window, SeedSource seed);
  ~TBoard();
  TBoard(const TBoard&) = delete;
  TBoard& operator=(const TBoard&) = delete;

  // Stores a new grid configuration, each value clamped into its range so that
  // no impossible size ever reaches BuildBoard. Only valid while no board
  // exists (between FreeBoard and BuildBoard); throws std::logic_error
  // otherwise.
  void SetConfiguration(std::int32_t rows, std::int32_t cols, std::int32_t shuffleMoves);
  void SetMoveCount(std::int32_t count) { FMoveCount = count; }

  // BuildBoard throws std::logic_error if a board already exists; FreeBoard
  // without a board does nothing.
  void BuildBoard();
  void FreeBoard();
  bool HasBoard() const { return !FSlots.empty(); }

  // Click of any tile button.
  void Button1Click(const TTileButton* sender);
  bool TryMoveTile(std::int32_t n);
  void SlideTile(std::int32_t source, std::int32_t target);
  void CheckSolved();
  // Requires a board; throws std::logic_error without one.
  void Nouvellepartie1Click();
  void Rsoudre1Click();

  std::int32_t Rows() const { return FRows; }
  std::int32_t Cols() const { return FCols; }
  std::int32_t ShuffleMoves() const { return FShuffleMoves; }
  std::int32_t MoveCount() const { return FMoveCount; }
  bool GameActive() const { return FGameActive; }
  // Slot n (1..Rows*Cols); requires a board.
  const TTileSlot& Slot(std::int32_t n) const { return FSlots.at(static_cast<std::size_t>(n - 1)); }
  TRandom& Random() { return FRandom; }

 private:
  TTileSlot& At(std::int32_t n) { return FSlots.at(static_cast<std::size_t>(n - 1)); }
  void ShowMoveCount();

  IBoardWindow& FWindow;
  SeedSource FSeed;
  TRandom FRandom;

  std::vector<TTileSlot> FSlots;
  bool FGameActive = false;
  std::int32_t FRows = 5;
  std::int32_t FCols = 5;
  std::int32_t FShuffleMoves = 250;
  std::int32_t FMoveCount = 0;
};

// "Joués : <n>"
std::wstring MoveStatusText(std::int32_t moveCount);
