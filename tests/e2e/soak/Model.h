#pragma once
// What the player expects of Brelix, kept beside the running program: the
// grid configuration, the move count, whether a game is on, the window's
// size; and the checks of the program's windows against it.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "BrelixWindows.h"

namespace soak {

struct TModel {
  int Rows = 5, Cols = 5, Moves = 250;
  std::int64_t Count = 0;
  bool Game = false;
  // A size the player gave the window by its border; the board's own
  // size otherwise, set again by every rebuild of the board.
  std::optional<SIZE> UserSize;

  // The outer size of the window for the board: 20 px a column and 32 a
  // row over a fixed 100.
  SIZE BoardSize() const { return {Cols * 20 + 100, Rows * 32 + 100}; }
  SIZE ExpectedSize() const { return UserSize ? *UserSize : BoardSize(); }
  void Rebuilt() {
    Game = false;
    UserSize.reset();
  }
};

// A spin field's text as a number, as the player reads the rules of the
// field: leading blanks, a sign, decimal digits (or hexadecimal after "$",
// "x" or "0x"), within the 32-bit range; nothing otherwise.
std::optional<std::int32_t> ReadNumber(const std::wstring& text);
// The value a field hands over: its number clamped into [low, high], or low.
int FieldValue(const std::wstring& text, int low, int high);

// "Joués : N" read back; nothing when the text is not of that form.
std::optional<std::int64_t> ReadMoveCount(const std::wstring& status);

// Whether the tiles are 1..n-1 once each and one hidden slot.
bool IsPermutation(const e2e::Board& board);
bool IsSolved(const e2e::Board& board);

// Checks the main window against the model: the board, the status text,
// the size. An empty text when all holds, else what failed.
std::string CheckMain(HWND main, const TModel& model, e2e::Board& board);

std::string Narrow(const std::wstring& text);

}  // namespace soak
