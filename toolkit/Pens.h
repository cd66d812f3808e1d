#pragma once
// Colours, pens and brushes as controls keep them: plain attributes with a
// change event, turned into GDI objects only while something is drawn.

#include <windows.h>

#include <cstdint>
#include <string>

#include "Event.h"
#include "Graphics.h"

namespace layout {
struct Value;
}

// An RGB colour (0x00BBGGRR), or a system colour: 0x80000000 | COLOR_xxx.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0x80000000u | COLOR_BTNFACE;

COLORREF ColorToRGB(TColor color);
// A layout's colour: a name such as clWhite, or an integer.
TColor AsColor(const layout::Value& value);

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor,
};
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Raises OnChange whenever an attribute takes a new value.
class TGraphicsObject {
 public:
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;

  TEvent<void()> OnChange;

 protected:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange();
  }
};

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { Change(FColor, color); }
  int Width() const { return FWidth; }
  // A negative width is refused: the pen keeps its width.
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style) { Change(FStyle, style); }
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode mode) { Change(FMode, mode); }

  // Takes over every attribute of `other` (not its change event).
  void Assign(const TPen& other);

  // The pen at a screen density: its width is stored at 96 DPI.
  TPenHandle CreateHandle(int dpi) const;
  int Rop2() const;  // the mix mode, R2_xxx

  // "Color", "Width", "Style", "Mode" of a layout.
  bool ReadProperty(const std::string& name, const layout::Value& value);

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  TPenMode FMode = TPenMode::pmCopy;
};

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { Change(FColor, color); }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style) { Change(FStyle, style); }

  TBrushHandle CreateHandle() const;

  // "Color", "Style" of a layout.
  bool ReadProperty(const std::string& name, const layout::Value& value);

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
};

// A pen and a brush made current in a DC for one scope, with the pen's mix
// mode and the brush's colour behind broken lines and hatches (none when the
// brush is clear). Everything is put back and freed at the end.
class TSelectPenBrush {
 public:
  TSelectPenBrush(HDC dc, const TPen& pen, const TBrush& brush, int dpi);
  ~TSelectPenBrush();
  TSelectPenBrush(const TSelectPenBrush&) = delete;
  TSelectPenBrush& operator=(const TSelectPenBrush&) = delete;

 private:
  HDC FDC;
  TPenHandle FPen;
  TBrushHandle FBrush;
  HGDIOBJ FOldPen, FOldBrush;
  int FOldRop2, FOldBkMode;
  COLORREF FOldBkColor;
};
