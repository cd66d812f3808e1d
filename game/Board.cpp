#include "Board.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::wstring Decimal(std::int32_t n) { return std::to_wstring(n); }

}  // namespace

std::wstring MoveStatusText(std::int32_t moveCount) { return L"Joués : " + Decimal(moveCount); }

TBoard::TBoard(IBoardWindow& window, SeedSource seed) : FWindow(window), FSeed(std::move(seed)) {}

// The buttons belong to the window, which may already be going away: only the
// slot array is dropped here, the window is never called.
TBoard::~TBoard() = default;

void TBoard::SetConfiguration(std::int32_t rows, std::int32_t cols, std::int32_t shuffleMoves) {
  if (HasBoard())
    throw std::logic_error("TBoard::SetConfiguration: the board must be freed first");
  FRows = std::clamp(rows, kMinRows, kMaxRows);
  FCols = std::clamp(cols, kMinCols, kMaxCols);
  FShuffleMoves = std::clamp(shuffleMoves, kMinShuffleMoves, kMaxShuffleMoves);
}

void TBoard::BuildBoard() {
  // A second board would orphan the first one's buttons on the window.
  if (HasBoard()) throw std::logic_error("TBoard::BuildBoard: a board already exists");

  FWindow.SetOuterHeight(FRows * 32 + 100);
  FWindow.SetOuterWidth(FCols * 20 + 100);
  const TBoardAreaSize area = FWindow.ReadBoardAreaSize();

  const std::int32_t count = FRows * FCols;
  std::vector<TTileSlot> slots(static_cast<std::size_t>(count));
  const int w = (area.Width - 4) / FCols;
  const int h = (area.Height - 6) / FRows;

  // Install the array as soon as buttons exist, so that FreeBoard can release
  // whatever was created if the window throws halfway.
  FSlots = std::move(slots);
  try {
    for (std::int32_t n = 1; n <= count; ++n) {
      const int left = ((n - 1) % FCols) * w + 2;
      const int top = ((n - 1) / FCols) * h + 2;
      TTileSlot& slot = At(n);
      slot.TileButton = FWindow.CreateTileButton(left, top, w, h, Decimal(n));
      slot.Home = n;
      slot.Tile = n;
    }
  } catch (...) {
    for (TTileSlot& slot : FSlots)
      if (slot.TileButton) FWindow.DestroyTileButton(slot.TileButton);
    FSlots.clear();
    throw;
  }

  TTileSlot& last = At(count);
  last.Tile = 0;
  FWindow.SetTileVisible(last.TileButton, false);
  FGameActive = false;
}

void TBoard::FreeBoard() {
  // FSlots holds exactly Rows*Cols slots: the configuration cannot change
  // while a board exists. Without a board there is nothing to free.
  for (TTileSlot& slot : FSlots) FWindow.DestroyTileButton(slot.TileButton);
  std::vector<TTileSlot>().swap(FSlots);
}

void TBoard::Button1Click(const TTileButton* sender) {
  const std::int32_t count = static_cast<std::int32_t>(FSlots.size());
  for (std::int32_t n = 1; n <= count; ++n) {
    if (At(n).TileButton == sender) {
      TryMoveTile(n);
      break;
    }
  }
  if (FGameActive) CheckSolved();
}

bool TBoard::TryMoveTile(std::int32_t n) {
  const std::int32_t count = static_cast<std::int32_t>(FSlots.size());
  if (n < 1 || n > count) return false;

  // Row ends are tested on the column, (n - 1) mod C, which holds for every
  // C; a test on n mod C alone would hold for C >= 2 only.
  const std::int32_t column = (n - 1) % FCols;
  std::int32_t target = 0;
  if (n > FCols && At(n - FCols).Tile == 0)
    target = n - FCols;  // above
  else if (column != 0 && At(n - 1).Tile == 0)
    target = n - 1;  // left
  else if (column != FCols - 1 && At(n + 1).Tile == 0)
    target = n + 1;  // right
  else if (n <= (FRows - 1) * FCols && At(n + FCols).Tile == 0)
    target = n + FCols;  // below
  if (target == 0) return false;
  SlideTile(n, target);
  return true;
}

void TBoard::SlideTile(std::int32_t source, std::int32_t target) {
  TTileSlot& s = At(source);
  TTileSlot& t = At(target);

  const std::int32_t k = s.Tile;
  s.Tile = 0;

  const bool shown = FWindow.IsTileVisible(s.TileButton);
  FWindow.SetTileVisible(s.TileButton, false);

  t.Tile = k;
  FWindow.SetTileVisible(t.TileButton, shown);
  FWindow.SetTileCaption(t.TileButton, Decimal(k));

  // Wraps like the original's unchecked 32-bit integer instead of overflowing.
  FMoveCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(FMoveCount) + 1u);
  ShowMoveCount();
}

void TBoard::CheckSolved() {
  const std::int32_t count = static_cast<std::int32_t>(FSlots.size());
  for (std::int32_t n = 1; n <= count - 1; ++n)
    if (At(n).Tile != n) return;
  FWindow.ShowCongratulation(L"Vous avez réussi !", L"Félicitations");
  FGameActive = false;
}

void TBoard::Nouvellepartie1Click() {
  if (!HasBoard()) throw std::logic_error("TBoard::Nouvellepartie1Click: no board");

  if (FSeed) FRandom.Reseed(FSeed());

  const std::int32_t count = static_cast<std::int32_t>(FSlots.size());
  for (std::int32_t n = 1; n <= count; ++n) FWindow.SetTileVisible(At(n).TileButton, false);

  std::int32_t k = 0;
  while (k < FShuffleMoves) {
    const std::int32_t s = static_cast<std::int32_t>(FRandom.Draw(static_cast<std::uint32_t>(count))) + 1;
    if (At(s).Tile == 0) continue;
    if (TryMoveTile(s)) ++k;
  }

  for (std::int32_t n = 1; n <= count; ++n)
    if (At(n).Tile != 0) FWindow.SetTileVisible(At(n).TileButton, true);

  FGameActive = true;
  FMoveCount = 0;
  ShowMoveCount();
}

void TBoard::Rsoudre1Click() {
  FreeBoard();
  BuildBoard();
}

void TBoard::ShowMoveCount() { FWindow.SetMoveStatus(MoveStatusText(FMoveCount)); }
