// Line geometry: where each mode draws, how a paint resizes, and the size
// changes of a mode switch.

#include <gtest/gtest.h>

#include <limits>

#include "LineGeometry.h"

namespace {

constexpr TLinePoints kNewControl{0, 0, 35, 35};

TEST(LinePaint, FixedModesDrawAlongTheirEdgeOrDiagonal) {
  const TLineSize size{11, 7};  // w = 10, h = 6
  struct Case {
    TLineType mode;
    TLinePoints points;
  };
  const Case cases[] = {
      {ltTop, {0, 0, 10, 0}},        {ltBottom, {0, 6, 10, 6}},     {ltLeft, {0, 0, 0, 6}},
      {ltRight, {10, 0, 10, 6}},     {ltUpDiagonal, {0, 6, 10, 0}}, {ltDownDiagonal, {0, 0, 10, 6}},
  };
  for (const Case& c : cases) {
    const TLinePaint plan = PlanLinePaint(c.mode, kNewControl, size, 1);
    EXPECT_EQ(plan.Points, c.points) << int(c.mode);
    EXPECT_EQ(plan.Size, size) << "fixed modes keep their size: " << int(c.mode);
    // A 1 x 1 control draws from (0, 0) to (0, 0): nothing at all.
    EXPECT_EQ(PlanLinePaint(c.mode, kNewControl, {1, 1}, 1).Points, (TLinePoints{0, 0, 0, 0})) << int(c.mode);
  }
}

TEST(LinePaint, HorizontalComputesFromTheSizeAtPaintThenTakesTenPenWidths) {
  struct Case {
    int height, penWidth, y, newHeight;
  };
  const Case cases[] = {
      {10, 1, 4, 10}, {12, 1, 5, 10}, {65, 1, 32, 10},
      {0, 1, 0, 10},  // half of -1 truncates to 0
      {10, 2, 4, 20}, {20, 2, 9, 20}, {10, 3, 4, 30}, {10, 0, 4, 0},
  };
  for (const Case& c : cases) {
    const TLinePaint plan = PlanLinePaint(ltHorizontal, kNewControl, {196, c.height}, c.penWidth);
    EXPECT_EQ(plan.Points, (TLinePoints{0, c.y, 195, c.y})) << c.height << " / " << c.penWidth;
    EXPECT_EQ(plan.Size, (TLineSize{196, c.newHeight})) << c.height << " / " << c.penWidth;
  }
}

TEST(LinePaint, FixedModesIgnoreWhatThePointsHeld) {
  // FromX 10 left in a horizontal control reads 0 after the next paint.
  EXPECT_EQ(PlanLinePaint(ltHorizontal, {10, 7, 3, 2}, {196, 10}, 1).Points, (TLinePoints{0, 4, 195, 4}));
  EXPECT_EQ(PlanLinePaint(ltRight, {10, 7, 3, 2}, {5, 6}, 1).Points, (TLinePoints{4, 0, 4, 5}));
}

TEST(LinePaint, AHorizontalLineLoadedAt65SettlesOnItsSecondPaint) {
  TLineSize size{196, 65};
  TLinePaint plan = PlanLinePaint(ltHorizontal, {0, 4, 195, 4}, size, 1);
  EXPECT_EQ(plan.Points.FromY, 32);
  plan = PlanLinePaint(ltHorizontal, plan.Points, plan.Size, 1);
  EXPECT_EQ(plan.Points, (TLinePoints{0, 4, 195, 4}));
  EXPECT_EQ(plan.Size, (TLineSize{196, 10}));
}

TEST(LinePaint, VerticalMirrorsHorizontal) {
  const TLinePaint plan = PlanLinePaint(ltVertical, kNewControl, {12, 196}, 2);
  EXPECT_EQ(plan.Points, (TLinePoints{5, 0, 5, 195}));
  EXPECT_EQ(plan.Size, (TLineSize{20, 196}));
}

TEST(LinePaint, CustomRaisesNegativesAndOnlyEverGrows) {
  // ToX beyond the width and a negative FromY.
  TLinePaint plan = PlanLinePaint(ltCustom, {0, -5, 300, 35}, {65, 65}, 1);
  EXPECT_EQ(plan.Points, (TLinePoints{0, 0, 300, 35}));
  EXPECT_EQ(plan.Size, (TLineSize{301, 65}));
  // Either point may be the far one, on either axis.
  plan = PlanLinePaint(ltCustom, {70, 90, 10, 80}, {65, 65}, 1);
  EXPECT_EQ(plan.Size, (TLineSize{71, 91}));
  // A point on the last pixel fits; points well inside never shrink it.
  EXPECT_EQ(PlanLinePaint(ltCustom, {0, 0, 64, 64}, {65, 65}, 1).Size, (TLineSize{65, 65}));
  EXPECT_EQ(PlanLinePaint(ltCustom, {1, 1, 2, 2}, {500, 400}, 1).Size, (TLineSize{500, 400}));
  // The points themselves are kept as written.
  EXPECT_EQ(PlanLinePaint(ltCustom, {3, 4, 5, 6}, {65, 65}, 1).Points, (TLinePoints{3, 4, 5, 6}));
}

TEST(LinePaint, ExtremeValuesStayInRange) {
  constexpr int kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(PlanLinePaint(ltCustom, {0, 0, kMax, kMax}, {65, 65}, 1).Size, (TLineSize{kMax, kMax}));
  EXPECT_EQ(PlanLinePaint(ltHorizontal, kNewControl, {65, 65}, kMax).Size.Height, kMax);
  EXPECT_EQ(PlanLinePaint(ltVertical, kNewControl, {65, 65}, -3).Size.Width, 0);
  const int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(PlanLinePaint(ltBottom, kNewControl, {kMin, kMin}, 1).Points, (TLinePoints{0, kMin, kMin, kMin}));
}

TEST(LineModeSwitch, LeavingAMiddleModeFollowsTheTable) {
  const TLineSize horizontal{196, 10};
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltVertical, horizontal), (TLineSize{10, 196}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltLeft, horizontal), (TLineSize{65, 196}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltRight, horizontal), (TLineSize{65, 196}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltTop, horizontal), (TLineSize{196, 65}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltBottom, horizontal), (TLineSize{196, 65}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltUpDiagonal, horizontal), (TLineSize{196, 65}));
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltCustom, horizontal), horizontal);

  const TLineSize vertical{10, 196};
  EXPECT_EQ(ResizeForLineType(ltVertical, ltHorizontal, vertical), (TLineSize{196, 10}));
  EXPECT_EQ(ResizeForLineType(ltVertical, ltTop, vertical), (TLineSize{196, 65}));
  EXPECT_EQ(ResizeForLineType(ltVertical, ltLeft, vertical), (TLineSize{65, 196}));
  EXPECT_EQ(ResizeForLineType(ltVertical, ltDownDiagonal, vertical), (TLineSize{65, 196}));
  EXPECT_EQ(ResizeForLineType(ltVertical, ltCustom, vertical), vertical);
}

TEST(LineModeSwitch, OtherModesAndSameModeKeepTheSize) {
  const TLineSize size{40, 30};
  for (int from = ltCustom; from <= ltDownDiagonal; ++from) {
    if (from == ltHorizontal || from == ltVertical) continue;
    for (int to = ltCustom; to <= ltDownDiagonal; ++to)
      EXPECT_EQ(ResizeForLineType(TLineType(from), TLineType(to), size), size) << from << " -> " << to;
  }
  EXPECT_EQ(ResizeForLineType(ltHorizontal, ltHorizontal, size), size);
  EXPECT_EQ(ResizeForLineType(ltVertical, ltVertical, size), size);
}

TEST(LineModeSwitch, AnEdgeControlTurnedVerticalSettlesAtTenPenWidthsWide) {
  const TLineSize size = ResizeForLineType(ltTop, ltVertical, {80, 50});
  EXPECT_EQ(size, (TLineSize{80, 50}));
  EXPECT_EQ(PlanLinePaint(ltVertical, kNewControl, size, 1).Size, (TLineSize{10, 50}));
}

}  // namespace
