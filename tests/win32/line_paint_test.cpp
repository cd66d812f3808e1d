// The line control painted by a real window into a memory bitmap, and the
// repaints it asks for.

#include <gtest/gtest.h>

#include <memory>

#include "Forms.h"
#include "Layout.h"
#include "Lines.h"
#include "PixelCapture.h"
#include "WindowProbe.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kLeft = 20, kTop = 30;  // where the line control stands in the window

class LinePaintTest : public testing::Test {
 protected:
  void SetUp() override {
    form.LoadLayoutText("object F: TForm\n ClientWidth = 400\n ClientHeight = 300\nend\n");
    form.HandleNeeded();
    line = &TComponent::Create<TLine>(form);
    line->SetBounds(kLeft, kTop, line->Width(), line->Height());
    line->SetParent(&form);
  }

  // One paint of the window into a fresh grey bitmap.
  std::unique_ptr<TPixelCapture> Print() {
    auto capture = std::make_unique<TPixelCapture>(400, 300, kGrey);
    capture->PrintClient(form.Handle());
    return capture;
  }

  // Whether the window has anything left to repaint inside the line's bounds.
  bool LineAreaInvalid() {
    RECT bounds = line->BoundsRect(), update;
    return GetUpdateRect(form.Handle(), &update, FALSE) && IntersectRect(&update, &update, &bounds);
  }
  void ValidateAll() { ValidateRect(form.Handle(), nullptr); }

  TForm form{nullptr};
  TLine* line = nullptr;
};

TEST_F(LinePaintTest, ANewControlDrawsItsDiagonalWithoutTheEndPointAndFillsNothing) {
  EXPECT_EQ(line->Width(), 65);
  EXPECT_EQ(line->Height(), 65);
  EXPECT_EQ(line->Line(), ltCustom);
  EXPECT_EQ(line->Pen().Color(), clBlack);
  EXPECT_EQ(line->Pen().Width(), 1);
  EXPECT_EQ(line->Brush().Color(), clWhite);

  const auto capture = Print();
  for (int i = 0; i < 35; ++i) EXPECT_EQ(capture->Pixel(kLeft + i, kTop + i), kBlack) << i;
  EXPECT_EQ(capture->Pixel(kLeft + 35, kTop + 35), kGrey) << "the end point is not painted";
  // Only the 35 points of the line: the white brush fills nothing.
  EXPECT_EQ(capture->CountOtherThan(kGrey), 35);
}

TEST_F(LinePaintTest, AHorizontalLineDrawsFromItsPaintTimeSizeThenSettles) {
  line->SetWidth(196);
  line->SetLine(ltHorizontal);
  ASSERT_EQ(line->Height(), 65);

  auto capture = Print();
  // Computed from the height of 65: y = 32, x from 0 to 194.
  for (int x = 0; x < 195; ++x) ASSERT_EQ(capture->Pixel(kLeft + x, kTop + 32), kBlack) << x;
  EXPECT_EQ(capture->Pixel(kLeft + 195, kTop + 32), kGrey);
  EXPECT_EQ(capture->CountOtherThan(kGrey), 195);
  EXPECT_EQ(line->Height(), 10);
  EXPECT_EQ(line->FromY(), 32);

  // The next paint uses the new size.
  capture = Print();
  for (int x = 0; x < 195; ++x) ASSERT_EQ(capture->Pixel(kLeft + x, kTop + 4), kBlack) << x;
  EXPECT_EQ(capture->CountOtherThan(kGrey), 195);
  EXPECT_EQ(line->FromY(), 4);
  EXPECT_EQ(line->ToX(), 195);
}

TEST_F(LinePaintTest, ThePenGivesColourAndThickness) {
  line->SetWidth(100);
  line->SetLine(ltHorizontal);
  line->Pen().SetWidth(2);
  Print();
  EXPECT_EQ(line->Height(), 20);
  line->Pen().SetColor(clWhite);
  const auto capture = Print();
  EXPECT_EQ(line->FromY(), 9);
  EXPECT_EQ(capture->Pixel(kLeft + 50, kTop + 9), kWhite);
  EXPECT_EQ(capture->Pixel(kLeft + 50, kTop + 5), kGrey);
}

TEST_F(LinePaintTest, FixedModesOverwriteThePointsAtEachPaint) {
  line->SetBounds(kLeft, kTop, 11, 7);
  line->SetLine(ltUpDiagonal);
  line->SetToX(3);  // dropped outside ltCustom
  EXPECT_EQ(line->ToX(), 35);
  const auto capture = Print();
  EXPECT_EQ(line->FromY(), 6);
  EXPECT_EQ(line->ToX(), 10);
  EXPECT_EQ(capture->Pixel(kLeft, kTop + 6), kBlack);
  EXPECT_EQ(capture->Pixel(kLeft + 10, kTop), kGrey);
}

TEST_F(LinePaintTest, CustomPointsBeyondTheControlEnlargeItAtTheNextPaint) {
  line->SetToX(300);
  line->SetToY(0);
  line->SetFromY(-5);
  EXPECT_EQ(line->Width(), 65);
  Print();
  EXPECT_EQ(line->Width(), 301);
  EXPECT_EQ(line->Height(), 65);
  EXPECT_EQ(line->FromY(), 0);
  // Drawn in full once the control has grown.
  const auto capture = Print();
  EXPECT_EQ(capture->Pixel(kLeft + 299, kTop), kBlack);
  EXPECT_EQ(capture->Pixel(kLeft + 300, kTop), kGrey);
}

TEST_F(LinePaintTest, ChangesRepaintAndNonChangesDoNot) {
  form.Show();
  Pump(30);

  ValidateAll();
  line->Pen().SetColor(clWhite);
  EXPECT_TRUE(LineAreaInvalid()) << "a pen change repaints";

  ValidateAll();
  line->Brush().SetColor(clBlack);
  EXPECT_TRUE(LineAreaInvalid()) << "a brush change repaints";

  ValidateAll();
  line->SetFromX(10);
  EXPECT_TRUE(LineAreaInvalid()) << "a point written in ltCustom repaints";

  line->SetLine(ltHorizontal);
  ValidateAll();
  line->SetLine(ltHorizontal);
  EXPECT_FALSE(LineAreaInvalid()) << "the same mode again does nothing";
  line->SetFromX(10);
  EXPECT_FALSE(LineAreaInvalid()) << "a point written outside ltCustom is dropped";
  EXPECT_EQ(line->Width(), 65);
  Print();
  EXPECT_EQ(line->FromX(), 0);
}

TEST_F(LinePaintTest, AssigningAPenCopiesItsAttributesOnly) {
  form.Show();
  Pump(30);
  TPen other;
  other.SetColor(clWhite);
  other.SetWidth(3);
  ValidateAll();
  line->SetPen(other);
  EXPECT_TRUE(LineAreaInvalid());
  EXPECT_EQ(line->Pen().Color(), clWhite);
  EXPECT_EQ(line->Pen().Width(), 3);
  EXPECT_NE(&line->Pen(), &other);

  ValidateAll();
  other.SetColor(clBlack);
  EXPECT_EQ(line->Pen().Color(), clWhite);
  EXPECT_FALSE(LineAreaInvalid());
  // A negative width is refused.
  line->Pen().SetWidth(-4);
  EXPECT_EQ(line->Pen().Width(), 3);
}

// A form that knows the line control, as the About dialog does.
class TLineForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  TComponent* CreateComponent(const std::string& className) override {
    if (className == "TLine") return &Create<TLine>(*this);
    return TForm::CreateComponent(className);
  }
};

TEST(LineLayout, AStoredLineWithoutHeightKeepsItsConstructedOne) {
  TLineForm form(nullptr);
  form.LoadLayoutText(R"(object F: TForm
  object L: TLine
    Left = 5
    Top = 6
    Width = 196
    Pen.Color = clWhite
    Pen.Width = 2
    FromX = 1
    ToX = 195
    FromY = 4
    ToY = 4
    Line = ltHorizontal
  end
end
)");
  auto& line = form.Find<TLine>(L"L");
  EXPECT_EQ(line.Width(), 196);
  EXPECT_EQ(line.Height(), 65);
  EXPECT_EQ(line.Line(), ltHorizontal);
  EXPECT_EQ(line.FromX(), 1);
  EXPECT_EQ(line.Pen().Color(), clWhite);
  EXPECT_EQ(line.Pen().Width(), 2);
  TLineForm bad(nullptr);
  EXPECT_THROW(bad.LoadLayoutText("object F: TForm\n object L: TLine\n  Line = ltSideways\n end\nend\n"),
               layout::ParseError);
}

}  // namespace
