#include "Board.h"

#include <algorithm>

TBoard::TBoard(SeedSource seed) : FSeed(std::move(seed)) {}

void TBoard::SetConfiguration(std::int32_t rows, std::int32_t cols, std::int32_t shuffleMoves) {
  if (HasBoard())
    throw EBoardMisuse("TBoard::SetConfiguration: the board must be freed first");
  FRows = std::clamp(rows, kMinRows, kMaxRows);
  FCols = std::clamp(cols, kMinCols, kMaxCols);
  FShuffleMoves = std::clamp(shuffleMoves, kMinShuffleMoves, kMaxShuffleMoves);
}

void TBoard::Build() {
  const std::int32_t count = FRows * FCols;
  FSlots.resize(static_cast<std::size_t>(count));
  for (std::int32_t n = 1; n <= count; ++n) At(n) = {n, n};
  At(count).Tile = 0;
  FGameActive = false;
}

void TBoard::Free() { std::vector<TTileSlot>().swap(FSlots); }

std::int32_t TBoard::GapBeside(std::int32_t n) const {
  // Row ends are tested on the column, (n - 1) mod C, which holds for every
  // C; a test on n mod C alone would hold for C >= 2 only.
  const std::int32_t column = (n - 1) % FCols;
  if (n > FCols && Slot(n - FCols).Tile == 0) return n - FCols;                // above
  if (column != 0 && Slot(n - 1).Tile == 0) return n - 1;                      // left
  if (column != FCols - 1 && Slot(n + 1).Tile == 0) return n + 1;              // right
  if (n <= (FRows - 1) * FCols && Slot(n + FCols).Tile == 0) return n + FCols;  // below
  return 0;
}

bool TBoard::TryMoveTile(std::int32_t n) {
  if (n < 1 || n > SlotCount()) return false;
  const std::int32_t gap = GapBeside(n);
  if (gap == 0) return false;
  At(gap).Tile = At(n).Tile;
  At(n).Tile = 0;
  // Wraps like an unchecked 32-bit integer instead of overflowing.
  FMoveCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(FMoveCount) + 1u);
  return true;
}

void TBoard::Shuffle() {
  if (!HasBoard()) throw EBoardMisuse("TBoard::Shuffle: no board");
  if (FSeed) FRandom.Reseed(FSeed());

  // Draws that hit the gap, or a tile that cannot move, are simply repeated:
  // only successful moves count toward the total.
  const auto count = static_cast<std::uint32_t>(SlotCount());
  std::int32_t k = 0;
  while (k < FShuffleMoves) {
    const auto s = static_cast<std::int32_t>(FRandom.Draw(count)) + 1;
    if (Slot(s).Tile == 0) continue;
    if (TryMoveTile(s)) ++k;
  }

  FGameActive = true;
  FMoveCount = 0;
}

bool TBoard::IsSolved() const {
  // The last slot is not examined: with the others in order it holds the gap.
  for (std::int32_t n = 1; n < SlotCount(); ++n)
    if (Slot(n).Tile != n) return false;
  return true;
}
