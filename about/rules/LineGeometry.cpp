#include "LineGeometry.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

// Sizes and points are ints; the arithmetic on them is done wide and brought
// back into range, so that no stored value, however odd, overflows.
int Saturate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The thickness of a middle-mode control: ten pen widths, never negative.
int Thickness(int penWidth) { return Saturate(std::max<std::int64_t>(0, std::int64_t{10} * penWidth)); }

// Halves truncate toward zero, as integer division does: half of -1 is 0.
int Half(std::int64_t extent) { return Saturate(extent / 2); }

TLinePoints Custom(TLinePoints p, TLineSize& size) {
  p.ToX = std::max(p.ToX, 0);
  p.FromX = std::max(p.FromX, 0);
  const std::int64_t w = std::int64_t{size.Width} - 1, h = std::int64_t{size.Height} - 1;
  // The control only ever grows to hold its points.
  if (p.ToX > w || p.FromX > w) size.Width = Saturate(std::int64_t{std::max(p.ToX, p.FromX)} + 1);
  p.ToY = std::max(p.ToY, 0);
  p.FromY = std::max(p.FromY, 0);
  if (p.ToY > h || p.FromY > h) size.Height = Saturate(std::int64_t{std::max(p.ToY, p.FromY)} + 1);
  return p;
}

}  // namespace

TLinePaint PlanLinePaint(TLineType mode, TLinePoints stored, TLineSize size, int penWidth) {
  const int w = Saturate(std::int64_t{size.Width} - 1), h = Saturate(std::int64_t{size.Height} - 1);
  TLinePaint plan{stored, size};
  TLinePoints& p = plan.Points;
  switch (mode) {
    case ltCustom: p = Custom(stored, plan.Size); break;
    case ltHorizontal:
      p = {0, Half(h), w, Half(h)};
      plan.Size.Height = Thickness(penWidth);
      break;
    case ltVertical:
      p = {Half(w), 0, Half(w), h};
      plan.Size.Width = Thickness(penWidth);
      break;
    case ltTop: p = {0, 0, w, 0}; break;
    case ltBottom: p = {0, h, w, h}; break;
    case ltLeft: p = {0, 0, 0, h}; break;
    case ltRight: p = {w, 0, w, h}; break;
    case ltUpDiagonal: p = {0, h, w, 0}; break;
    case ltDownDiagonal: p = {0, 0, w, h}; break;
  }
  return plan;
}

TLineSize ResizeForLineType(TLineType oldMode, TLineType newMode, TLineSize size) {
  if (oldMode == newMode || newMode == ltCustom) return size;
  const int oldWidth = size.Width, oldHeight = size.Height;
  if (oldMode == ltHorizontal) {
    switch (newMode) {
      case ltVertical: return {oldHeight, oldWidth};
      case ltTop: case ltBottom: return {oldWidth, kLineConstructedSize};
      case ltLeft: case ltRight: return {kLineConstructedSize, oldWidth};
      case ltUpDiagonal: case ltDownDiagonal: return {oldWidth, kLineConstructedSize};
      default: return size;
    }
  }
  if (oldMode == ltVertical) {
    switch (newMode) {
      case ltHorizontal: return {oldHeight, oldWidth};
      case ltTop: case ltBottom: return {oldHeight, kLineConstructedSize};
      case ltLeft: case ltRight: return {kLineConstructedSize, oldHeight};
      case ltUpDiagonal: case ltDownDiagonal: return {kLineConstructedSize, oldHeight};
      default: return size;
    }
  }
  return size;
}

bool LineTypeFromName(std::string_view name, TLineType& mode) {
  static constexpr std::string_view kNames[] = {"ltCustom", "ltHorizontal", "ltVertical",   "ltTop",         "ltBottom",
                                           "ltLeft",   "ltRight",      "ltUpDiagonal", "ltDownDiagonal"};
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    if (name == kNames[i]) {
      mode = static_cast<TLineType>(i);
      return true;
    }
  }
  return false;
}
