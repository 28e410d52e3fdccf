// The bound label's place in its four layouts.
#include "skin/core/bound_label.h"

#include <gtest/gtest.h>

namespace {
const TRect kControl = Bounds(100, 50, 80, 21);  // an edit box
}

TEST(BoundLabelTest, LeftOfTheControlVerticallyCentred) {
  const TsLabelPlace p = PlaceBoundLabel(sclLeft, 0, 0, kControl, 30, 13);
  EXPECT_EQ(p.Left + p.Width, 96);  // a 4-pixel gap with indent 0
  EXPECT_EQ(p.Top, 54);
  EXPECT_FALSE(p.Fixed);
  EXPECT_EQ(PlaceBoundLabel(sclLeft, 6, 0, kControl, 30, 13).Left, 100 - 30 - 6 - 4);
}

TEST(BoundLabelTest, AboveTheControlByAlignment) {
  const TsLabelPlace left = PlaceBoundLabel(sclTopLeft, 2, 0, kControl, 30, 13);
  EXPECT_EQ(left.Left, 100);
  EXPECT_EQ(left.Top, 50 - 13 - 2);
  const TsLabelPlace centre = PlaceBoundLabel(sclTopCenter, 2, 0, kControl, 31, 13);
  EXPECT_EQ(centre.Left, 100 + (80 - 31) / 2);
  EXPECT_EQ(centre.Top, left.Top);
  const TsLabelPlace right = PlaceBoundLabel(sclTopRight, 2, 0, kControl, 30, 13);
  EXPECT_EQ(right.Left + right.Width, 180);
  EXPECT_EQ(right.Top, left.Top);
}

TEST(BoundLabelTest, MaxWidthWrapsAtLeastAsHighAsTheControl) {
  const TsLabelPlace p = PlaceBoundLabel(sclLeft, 0, 50, kControl, 30, 13);
  EXPECT_TRUE(p.Fixed);
  EXPECT_EQ(p.Width, 50);
  EXPECT_EQ(p.Height, 21);
  EXPECT_EQ(p.Left, 100 - 30 - 4);  // placed by its auto-sized width
  EXPECT_EQ(PlaceBoundLabel(sclTopLeft, 0, 50, kControl, 30, 40).Height, 40);
}

TEST(BoundLabelTest, AlignmentByLayout) {
  EXPECT_EQ(BoundLabelAlignment(sclLeft), 1);
  EXPECT_EQ(BoundLabelAlignment(sclTopLeft), 0);
  EXPECT_EQ(BoundLabelAlignment(sclTopCenter), 2);
  EXPECT_EQ(BoundLabelAlignment(sclTopRight), 1);
}
