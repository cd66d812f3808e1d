#pragma once
// TLine: a control without a window that draws one straight line with its own
// pen, between free end points or fixed to its middle, an edge or a diagonal.

#include <string>

#include "Control.h"
#include "LineGeometry.h"
#include "Pens.h"

class TLine : public TGraphicControl {
 public:
  // Declared defaults of the stored size. A layout leaves out a value equal
  // to its default, and a control loaded without it keeps its constructed
  // size (kLineConstructedSize), not these.
  static constexpr int kDefaultWidth = 100;
  static constexpr int kDefaultHeight = 10;

  explicit TLine(TComponent* owner);

  TLineType Line() const { return FLine; }
  // Switching mode resizes the control by the mode table, then repaints.
  void SetLine(TLineType line);

  // The end points. Written only in ltCustom (elsewhere the value is
  // dropped); read back, they hold what the last paint computed.
  int FromX() const { return FPoints.FromX; }
  int FromY() const { return FPoints.FromY; }
  int ToX() const { return FPoints.ToX; }
  int ToY() const { return FPoints.ToY; }
  void SetFromX(int value) { SetPoint(FPoints.FromX, value); }
  void SetFromY(int value) { SetPoint(FPoints.FromY, value); }
  void SetToX(int value) { SetPoint(FPoints.ToX, value); }
  void SetToY(int value) { SetPoint(FPoints.ToY, value); }

  // The control keeps its own pen and brush; the setters copy attributes.
  TPen& Pen() { return FPen; }
  const TPen& Pen() const { return FPen; }
  void SetPen(const TPen& pen) { FPen.Assign(pen); }
  TBrush& Brush() { return FBrush; }
  const TBrush& Brush() const { return FBrush; }

  // The change handler of the pen and the brush: repaint.
  void StyleChanged() { Invalidate(); }

  void PrepareToPaint() override;
  void Paint(HDC dc) const override;
  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 private:
  void SetPoint(int& field, int value);

  TLineType FLine = ltCustom;
  // The brush is made before the pen and goes after it.
  TBrush FBrush;
  TPen FPen;
  TLinePoints FPoints;
};
