#pragma once
// The tile board and the rules of play: the slots, the move rule, the shuffle,
// the completion test and the move count. Pure state: whoever shows the board
// reads it back after each operation.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

#include "Random.h"

struct TTileSlot {
  std::int32_t Home = 0;  // the slot's own number, the tile that belongs here
  std::int32_t Tile = 0;  // tile now in the slot; 0 is the gap
};

// A board operation asked for at a moment the board cannot take it: a fault
// of the caller.
class EBoardMisuse : public std::exception {
 public:
  explicit EBoardMisuse(const char* what) noexcept : FWhat(what) {}
  const char* what() const noexcept override { return FWhat; }

 private:
  const char* FWhat;
};

// Ranges of the grid configuration, and the grid a new game starts with.
inline constexpr std::int32_t kMinRows = 2, kMaxRows = 10, kDefaultRows = 5;
inline constexpr std::int32_t kMinCols = 2, kMaxCols = 10, kDefaultCols = 5;
inline constexpr std::int32_t kMinShuffleMoves = 10, kMaxShuffleMoves = 1000, kDefaultShuffleMoves = 250;

class TBoard {
 public:
  using SeedSource = std::function<std::uint32_t()>;

  // The seed source reseeds the generator at every shuffle; an empty one
  // leaves the generator's state as it is.
  explicit TBoard(SeedSource seed);

  // Stores a new grid configuration, each value clamped into its range so that
  // no impossible size ever reaches Build. Only valid while there is no board;
  // throws EBoardMisuse otherwise, since the slots follow the rows and
  // columns they were built with.
  void SetConfiguration(std::int32_t rows, std::int32_t cols, std::int32_t shuffleMoves);
  void SetMoveCount(std::int32_t count) { FMoveCount = count; }

  // The solved order for Rows x Cols, whatever the board held: tile n in slot
  // n, the gap in the last slot. Ends any game; the move count is kept.
  void Build();
  // Drops the slots; there is no board until the next Build.
  void Free();
  bool HasBoard() const { return !FSlots.empty(); }

  // Moves the tile in slot n into the gap if the gap is next to it (tried
  // above, left, right, below) and counts the move. False, and nothing
  // changed, if no neighbour is the gap or n is not a slot.
  bool TryMoveTile(std::int32_t n);
  // ShuffleMoves successful random moves from the arrangement as it stands,
  // with the generator reseeded first; then a game starts with a count of 0.
  // Requires a board; throws EBoardMisuse without one.
  void Shuffle();
  // Tiles 1..Rows*Cols-1 in their own slots.
  bool IsSolved() const;
  void EndGame() { FGameActive = false; }

  std::int32_t Rows() const { return FRows; }
  std::int32_t Cols() const { return FCols; }
  std::int32_t ShuffleMoves() const { return FShuffleMoves; }
  std::int32_t MoveCount() const { return FMoveCount; }
  bool GameActive() const { return FGameActive; }
  // Number of slots: Rows*Cols while there is a board, 0 otherwise.
  std::int32_t SlotCount() const { return static_cast<std::int32_t>(FSlots.size()); }
  // Slot n (1..SlotCount()).
  const TTileSlot& Slot(std::int32_t n) const { return FSlots.at(static_cast<std::size_t>(n - 1)); }
  const TRandom& Random() const { return FRandom; }

 private:
  TTileSlot& At(std::int32_t n) { return FSlots.at(static_cast<std::size_t>(n - 1)); }
  // The neighbour of slot n that holds the gap, or 0.
  std::int32_t GapBeside(std::int32_t n) const;

  SeedSource FSeed;
  TRandom FRandom;

  std::vector<TTileSlot> FSlots;
  bool FGameActive = false;
  std::int32_t FRows = kDefaultRows;
  std::int32_t FCols = kDefaultCols;
  std::int32_t FShuffleMoves = kDefaultShuffleMoves;
  std::int32_t FMoveCount = 0;
};
