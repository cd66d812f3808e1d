#include "Model.h"

#include <algorithm>
#include <limits>

namespace soak {

std::optional<std::int32_t> ReadNumber(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  int base = 10;
  if (text.compare(i, 1, L"$") == 0 || text.compare(i, 1, L"x") == 0 || text.compare(i, 1, L"X") == 0) {
    base = 16;
    i += 1;
  } else if (text.compare(i, 2, L"0x") == 0 || text.compare(i, 2, L"0X") == 0) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    int digit = 99;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0x80000000LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

int FieldValue(const std::wstring& text, int low, int high) {
  return std::clamp<long long>(ReadNumber(text).value_or(low), low, high);
}

std::optional<std::int64_t> ReadMoveCount(const std::wstring& status) {
  const std::wstring lead = L"Joués : ";
  if (status.compare(0, lead.size(), lead) != 0 || status.size() == lead.size() || status.size() > lead.size() + 10)
    return std::nullopt;
  const std::wstring digits = status.substr(lead.size());
  if (digits.size() > 1 && digits[0] == L'0') return std::nullopt;
  std::int64_t n = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    n = n * 10 + (c - L'0');
  }
  return n;
}

bool IsPermutation(const e2e::Board& board) {
  std::vector<int> sorted = board.tiles;
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t i = 0; i < sorted.size(); ++i)
    if (sorted[i] != static_cast<int>(i)) return false;
  return true;
}

bool IsSolved(const e2e::Board& board) {
  for (std::size_t i = 0; i + 1 < board.tiles.size(); ++i)
    if (board.tiles[i] != static_cast<int>(i) + 1) return false;
  return true;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text.substr(0, 80)) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

std::string CheckMain(HWND main, const TModel& model, e2e::Board& board) {
  if (!main) return "the main window is gone";
  if (!IsWindowVisible(main)) return "the main window is hidden";
  board = {};
  if (!e2e::ReadBoard(main, board)) return "the tiles do not form a grid with one hidden slot";
  if (board.rows != model.Rows || board.cols != model.Cols)
    return "grid " + std::to_string(board.rows) + "x" + std::to_string(board.cols) + ", expected " +
           std::to_string(model.Rows) + "x" + std::to_string(model.Cols);
  if (!IsPermutation(board)) return "the tiles are not a permutation";
  const HWND bar = StatusBarOf(main);
  if (!bar) return "no status bar";
  const std::wstring status = StatusText(bar);
  const auto count = ReadMoveCount(status);
  if (!count) return "status text '" + Narrow(status) + "' is not a move count";
  if (*count != model.Count)
    return "status reads " + std::to_string(*count) + " moves, expected " + std::to_string(model.Count);
  const RECT r = ScreenRect(main);
  const SIZE expected = model.ExpectedSize();
  if (r.right - r.left != expected.cx || r.bottom - r.top != expected.cy)
    return "window " + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + ", expected " +
           std::to_string(expected.cx) + "x" + std::to_string(expected.cy);
  return {};
}

}  // namespace soak
