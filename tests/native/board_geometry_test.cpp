// Where the board stands in the main window, and the move status text.

#include <gtest/gtest.h>

#include <string>

#include "BoardGeometry.h"
#include "Scale.h"

TEST(BoardGeometry, WindowGrowsTwentyPerColumnAndThirtyTwoPerRow) {
  struct Case {
    int rows, cols, width, height;
  };
  for (const Case c : {Case{2, 2, 140, 164}, Case{3, 4, 180, 196}, Case{5, 5, 200, 260}, Case{10, 2, 140, 420},
                       Case{2, 10, 300, 164}, Case{10, 10, 300, 420}}) {
    SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols));
    const TWindowSize size = BoardWindowSize(c.rows, c.cols);
    EXPECT_EQ(size.Width, c.width);
    EXPECT_EQ(size.Height, c.height);
  }
}

TEST(BoardGeometry, CellsComeFromTheBoardAreaWithTheRemaindersDropped) {
  // 192 x 187 at 5 x 5: (192 - 4) / 5 = 37 wide, (187 - 6) / 5 = 36 high.
  auto expect = [](int n, int left, int top) {
    const TTileBounds b = TileBounds(n, 5, 5, 192, 187, 96);
    EXPECT_EQ(b.Left, left) << n;
    EXPECT_EQ(b.Top, top) << n;
    EXPECT_EQ(b.Width, 37) << n;
    EXPECT_EQ(b.Height, 36) << n;
  };
  expect(1, 2, 2);
  expect(5, 150, 2);  // end of the first row
  expect(6, 2, 38);   // start of the second
  expect(7, 39, 38);
  expect(25, 150, 146);

  // Rows and columns are not mixed up on a board that is not square.
  const TTileBounds last = TileBounds(6, 2, 3, 100, 50, 96);
  EXPECT_EQ(last.Left, 2 + 2 * 32);
  EXPECT_EQ(last.Top, 2 + 22);
}

TEST(BoardGeometry, MarginsScaleWithTheScreen) {
  // 144 DPI: 3-pixel margins, 6 and 9 taken off the area, as MulDiv rounds.
  const TTileBounds b = TileBounds(7, 5, 5, 288, 292, 144);
  EXPECT_EQ(b.Width, (288 - 6) / 5);
  EXPECT_EQ(b.Height, (292 - 9) / 5);
  EXPECT_EQ(b.Left, 3 + b.Width);
  EXPECT_EQ(b.Top, 3 + b.Height);
}

TEST(Scale, RoundsAsMulDivDoes) {
  struct Case {
    int value, to, from, expected;
  };
  for (const Case c : {Case{1, 144, 96, 2}, Case{-1, 144, 96, -2}, Case{-11, 144, 96, -17}, Case{159, 144, 96, 239},
                       Case{5, 120, 96, 6}, Case{2, 96, 144, 1}, Case{7, 96, 96, 7}, Case{7, 0, 96, 7}}) {
    EXPECT_EQ(ScaleDpi(c.value, c.to, c.from), c.expected) << c.value << " " << c.to << "/" << c.from;
  }
}
