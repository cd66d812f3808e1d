#include "Lines.h"

#include "Layout.h"
#include "Scale.h"
#include "LayoutValues.h"

TLine::TLine(TComponent* owner) : TGraphicControl(owner) {
  FBrush.OnChange = [this] { StyleChanged(); };
  FPen.OnChange = [this] { StyleChanged(); };
  StoreBounds(Left(), Top(), kLineConstructedSize, kLineConstructedSize);
  FPoints = {0, 0, 35, 35};
}

void TLine::SetLine(TLineType line) {
  if (line == FLine) return;
  const TLineSize size = ResizeForLineType(FLine, line, {Width(), Height()});
  SetBounds(Left(), Top(), size.Width, size.Height);
  FLine = line;
  Invalidate();
}

void TLine::SetPoint(int& field, int value) {
  if (FLine != ltCustom) return;
  field = value;
  Invalidate();
}

void TLine::PrepareToPaint() {
  // The end points come from the size at the start of the paint; a mode that
  // fixes the line's thickness or holds far points settles on a new size,
  // which asks for another paint.
  const TLinePaint plan = PlanLinePaint(FLine, FPoints, {Width(), Height()}, ScaleDpi(FPen.Width(), Dpi()));
  FPoints = plan.Points;
  if (plan.Size != TLineSize{Width(), Height()}) Place(Left(), Top(), plan.Size.Width, plan.Size.Height);
}

void TLine::Paint(HDC dc) const {
  TSelectPenBrush canvas(dc, FPen, FBrush, Dpi());
  // The end point itself is not painted.
  MoveToEx(dc, FPoints.FromX, FPoints.FromY, nullptr);
  LineTo(dc, FPoints.ToX, FPoints.ToY);
}

bool TLine::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "Line") {
    TLineType line;
    if (!LineTypeFromName(AsIdent(value), line)) throw layout::ParseError(value.line, "expected a line type");
    SetLine(line);
  } else if (name == "FromX") SetFromX(AsInt(value));
  else if (name == "FromY") SetFromY(AsInt(value));
  else if (name == "ToX") SetToX(AsInt(value));
  else if (name == "ToY") SetToY(AsInt(value));
  else if (name.starts_with("Pen.")) return FPen.ReadProperty(name.substr(4), value);
  else if (name.starts_with("Brush.")) return FBrush.ReadProperty(name.substr(6), value);
  else return TGraphicControl::ReadProperty(name, value);
  return true;
}
