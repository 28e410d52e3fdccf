#include "skin/core/color_helpers.h"

#include "skin/core/bitmap_helpers.h"
#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

TEST(ColorHelpers, SwapAndInterpolateRoundHalvesToEven) {
  EXPECT_EQ(SwapRedBlue(static_cast<TColor>(0xAA112233)), 0x00332211);
  // 2.5 -> 2 and 1.5 -> 2; a's top byte is kept.
  EXPECT_EQ(InterpolateColor(0x01000305, 0, 0.5), 0x01000202);
  EXPECT_EQ(InterpolateColor(0x102030, 0x405060, 1.0), 0x102030);
  EXPECT_EQ(InterpolateColor(0x102030, 0x405060, 0.0), 0x405060);
}

TEST(ColorHelpers, SaturationMovesTowardOrAwayFromGrey) {
  EXPECT_EQ(ChangeColorSaturation(static_cast<TColor>(0x7F123456), 0), static_cast<TColor>(0x7F123456));
  EXPECT_EQ(ChangeColorSaturation(RGBColor(200, 100, 0), 50), RGBColor(150, 100, 50));
  EXPECT_EQ(ChangeColorSaturation(RGBColor(200, 100, 0), 100), RGBColor(100, 100, 100));
  EXPECT_EQ(ChangeColorSaturation(RGBColor(200, 100, 0), -100), RGBColor(255, 100, 0));
  EXPECT_EQ(ChangeColorSaturation(RGBColor(9, 0, 0), 50), RGBColor(6, 2, 2));  // 1.5 -> 2
  EXPECT_EQ(ChangeColorSaturation(RGBColor(3, 0, 0), 50), RGBColor(2, 0, 0));  // 0.5 -> 0
}

TEST(ColorHelpers, HueTurnsEitherWay) {
  EXPECT_EQ(ChangeColorHue(0, clRed), clRed);
  EXPECT_EQ(ChangeColorHue(120, clRed), clLime);
  EXPECT_EQ(ChangeColorHue(480, clRed), clLime);
  // A negative turn must wrap round, not fall into the last sextant.
  EXPECT_EQ(ChangeColorHue(-120, clRed), clBlue);
  EXPECT_EQ(ChangeColorHue(-400, clRed), ChangeColorHue(320, clRed));
  EXPECT_EQ(ChangeColorHue(30, RGBColor(200, 100, 50)), RGBColor(200, 175, 50));
  EXPECT_EQ(ChangeColorHue(90, RGBColor(77, 77, 77)), RGBColor(77, 77, 77));
}

TEST(BitmapHelpers, GreyingTruncatesAndCanSpareTheKey) {
  for (Order order : {Order::TopDown, Order::BottomUp}) {
    TPixelBuffer b = Make(3, 2, RGBColor(31, 20, 10), order);
    Set(b, 1, 1, 0xFF00FF);
    TPixelBuffer copy = b;
    GrayscaleExceptKey(b.View(), 0xFF00FF);
    EXPECT_EQ(Get(b, 0, 0), RGBColor(20, 20, 20));  // 61 div 3
    EXPECT_EQ(Get(b, 1, 1), 0xFF00FF);
    EXPECT_EQ(Count(b, RGBColor(20, 20, 20)), 5);
    GrayscaleBitmap(copy.View());
    EXPECT_EQ(Get(copy, 1, 1), RGBColor(170, 170, 170));
    EXPECT_EQ(Get(copy, 2, 0), RGBColor(20, 20, 20));
  }
}
