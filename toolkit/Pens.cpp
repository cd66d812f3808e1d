#include "Pens.h"

#include <iterator>
#include <string_view>

#include "Layout.h"
#include "Scale.h"
#include "LayoutValues.h"

namespace {

struct NamedColor {
  std::string_view Name;
  TColor Color;
};

constexpr NamedColor kColors[] = {
    {"clBlack", clBlack},        {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},       {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},        {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},         {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},        {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", clWhite},        {"clBtnFace", clBtnFace},
    {"clBtnShadow", 0x80000000u | COLOR_BTNSHADOW},         {"clBtnHighlight", 0x80000000u | COLOR_BTNHIGHLIGHT},
    {"clWindow", 0x80000000u | COLOR_WINDOW},               {"clWindowText", 0x80000000u | COLOR_WINDOWTEXT},
    {"clBtnText", 0x80000000u | COLOR_BTNTEXT},
};

}  // namespace

COLORREF ColorToRGB(TColor color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

TColor AsColor(const layout::Value& value) {
  if (value.kind == layout::Value::Kind::Integer) return static_cast<TColor>(AsInt(value));
  const std::string& name = AsIdent(value);
  for (const NamedColor& c : kColors)
    if (c.Name == name) return c.Color;
  throw layout::ParseError(value.line, "expected a colour");
}

// ------------------------------------------------------------------- TPen

void TPen::SetWidth(int width) {
  if (width >= 0) Change(FWidth, width);
}

void TPen::Assign(const TPen& other) {
  if (&other == this) return;
  const bool same = FColor == other.FColor && FWidth == other.FWidth && FStyle == other.FStyle && FMode == other.FMode;
  FColor = other.FColor;
  FWidth = other.FWidth;
  FStyle = other.FStyle;
  FMode = other.FMode;
  if (!same) Changed();
}

TPenHandle TPen::CreateHandle(int dpi) const {
  static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return TPenHandle(CreatePen(kStyles[static_cast<int>(FStyle)], ScaleDpi(FWidth, dpi), ColorToRGB(FColor)));
}

int TPen::Rop2() const {
  static constexpr int kRop2[] = {R2_BLACK,       R2_WHITE,      R2_NOP,        R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,   R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,     R2_NOTXORPEN};
  return kRop2[static_cast<int>(FMode)];
}

bool TPen::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "Color") SetColor(AsColor(value));
  else if (name == "Width") SetWidth(AsInt(value));
  else if (name == "Style")
    SetStyle(static_cast<TPenStyle>(AsChoice(
        value, {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}, "a pen style")));
  else if (name == "Mode")
    SetMode(static_cast<TPenMode>(AsChoice(value,
                                           {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                            "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                            "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"},
                                           "a pen mode")));
  else return false;
  return true;
}

// ----------------------------------------------------------------- TBrush

TBrushHandle TBrush::CreateHandle() const {
  LOGBRUSH lb{BS_SOLID, ColorToRGB(FColor), 0};
  static constexpr ULONG_PTR kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                           HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
  if (FStyle == TBrushStyle::bsClear) {
    lb.lbStyle = BS_NULL;
  } else if (FStyle != TBrushStyle::bsSolid) {
    lb.lbStyle = BS_HATCHED;
    lb.lbHatch = kHatches[static_cast<int>(FStyle) - static_cast<int>(TBrushStyle::bsHorizontal)];
  }
  return TBrushHandle(CreateBrushIndirect(&lb));
}

bool TBrush::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "Color") SetColor(AsColor(value));
  else if (name == "Style")
    SetStyle(static_cast<TBrushStyle>(AsChoice(value,
                                               {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                "bsBDiagonal", "bsCross", "bsDiagCross"},
                                               "a brush style")));
  else return false;
  return true;
}

// -------------------------------------------------------- TSelectPenBrush

TSelectPenBrush::TSelectPenBrush(HDC dc, const TPen& pen, const TBrush& brush, int dpi)
    : FDC(dc),
      FPen(pen.CreateHandle(dpi)),
      FBrush(brush.CreateHandle()),
      FOldPen(SelectObject(dc, FPen.Get())),
      FOldBrush(SelectObject(dc, FBrush.Get())),
      FOldRop2(SetROP2(dc, pen.Rop2())),
      FOldBkMode(SetBkMode(dc, brush.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE)),
      FOldBkColor(SetBkColor(dc, ColorToRGB(brush.Color()))) {}

TSelectPenBrush::~TSelectPenBrush() {
  SetBkColor(FDC, FOldBkColor);
  SetBkMode(FDC, FOldBkMode);
  SetROP2(FDC, FOldRop2);
  SelectObject(FDC, FOldBrush);
  SelectObject(FDC, FOldPen);
}
