#pragma once
// Where a line control draws and how big it makes itself, apart from any
// window: the end points of each mode, the size changes of a paint, and the
// size changes of a mode switch. Portable: no <windows.h>.

#include <cstdint>
#include <string_view>

enum TLineType : std::uint8_t {
  ltCustom,        // the stored points; the control grows to hold them
  ltHorizontal,    // through the vertical middle
  ltVertical,      // through the horizontal middle
  ltTop,
  ltBottom,
  ltLeft,
  ltRight,
  ltUpDiagonal,    // bottom left to top right
  ltDownDiagonal,  // top left to bottom right
};

// The size a new line control is given, and the side a mode switch gives it.
inline constexpr int kLineConstructedSize = 65;

struct TLinePoints {
  int FromX = 0, FromY = 0, ToX = 0, ToY = 0;
  bool operator==(const TLinePoints&) const = default;
};

struct TLineSize {
  int Width = 0, Height = 0;
  bool operator==(const TLineSize&) const = default;
};

struct TLinePaint {
  TLinePoints Points;  // what to draw, and what the control stores from now on
  TLineSize Size;      // the control's size after this paint
};

// One paint of a control of `size` holding `stored`: the points are computed
// from `size` even where the paint changes the size (the change asks for a
// new paint, which then uses the new size).
TLinePaint PlanLinePaint(TLineType mode, TLinePoints stored, TLineSize size, int penWidth);

// The size after switching from `oldMode` to `newMode`. Only leaving one of
// the two middle modes changes it.
TLineSize ResizeForLineType(TLineType oldMode, TLineType newMode, TLineSize size);

// The mode of a stored layout's identifier ("ltHorizontal"); false if none.
bool LineTypeFromName(std::string_view name, TLineType& mode);
