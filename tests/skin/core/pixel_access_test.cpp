#include "skin/core/pixel_access.h"

#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

class PixelAccess : public ::testing::TestWithParam<Order> {};

TEST_P(PixelAccess, AccessorsAddressRowsByTheirSignedDistance) {
  TPixelBuffer b24 = Make(5, 4, 0, GetParam());
  TvxFast24 f24;
  ASSERT_TRUE(f24.Attach(b24.View()));
  EXPECT_EQ(f24.RowDelta, b24.View().RowDistance);
  f24.WritePixel(3, 2, static_cast<TColor>(0xAA123456));
  EXPECT_EQ(Get(b24, 3, 2), 0x123456);  // the same pixel as the view's
  EXPECT_EQ(f24.ReadPixel(3, 2), 0x123456);  // top byte cleared
  EXPECT_EQ(Get(b24, 2, 2), 0);
  EXPECT_EQ(Get(b24, 3, 1), 0);

  TPixelBuffer b32 = Make(5, 4, 0, GetParam(), 4);
  TvxFast32 f32;
  ASSERT_TRUE(f32.Attach(b32.View()));
  f32.WritePixel(4, 3, static_cast<TColor>(0x7F112233));
  const uint8_t* p = b32.View().Pixel(4, 3);
  EXPECT_EQ(p[0], 0x11);
  EXPECT_EQ(p[1], 0x22);
  EXPECT_EQ(p[2], 0x33);
  EXPECT_EQ(p[3], 0x7F);
  EXPECT_EQ(static_cast<uint32_t>(f32.ReadPixel(4, 3)), 0x33112233u);  // top byte repeats red
}

TEST_P(PixelAccess, FastSumBlendsWithBiasAndPairsRowsFromTheBottom) {
  TPixelBuffer target = Make(4, 4, 0xFFFFFF, GetParam());
  TPixelBuffer source = Make(4, 4, 0x000000, GetParam());
  Set(source, 1, 3, 0x646464);  // bottom row of the source rectangle
  TvxFastSum24 sum;
  ASSERT_TRUE(sum.Attach(source.View(), target.View()));
  sum.Alpha = 255;
  sum.DstLeft = 0, sum.DstTop = 2, sum.DstRight = 2, sum.DstBottom = 4;
  sum.SrcLeft = 0, sum.SrcTop = 0, sum.SrcRight = 2, sum.SrcBottom = 4;  // two rows taller
  sum.Blend();
  EXPECT_EQ(Get(target, 0, 2), 0xFEFEFE);  // (255 * 255 + 127) >> 8 = 254
  EXPECT_EQ(Get(target, 2, 2), 0xFFFFFF);
  EXPECT_EQ(Get(target, 0, 1), 0xFFFFFF);

  sum.Alpha = 0;  // all source: target row 3 takes source row 3
  sum.Blend();
  EXPECT_EQ(Get(target, 1, 3), 0x646464);
  EXPECT_EQ(Get(target, 1, 2), 0);
}

TEST_P(PixelAccess, FastSumClipsRectanglesThatLeaveTheBitmaps) {
  TPixelBuffer target = Make(3, 3, 0xFFFFFF, GetParam());
  TPixelBuffer source = Make(3, 3, 0, GetParam());
  const auto before = Bytes(target);
  TvxFastSum24 sum;
  ASSERT_TRUE(sum.Attach(source.View(), target.View()));
  sum.Alpha = 0;
  sum.DstLeft = -5, sum.DstTop = -5, sum.DstRight = 50, sum.DstBottom = 50;
  sum.SrcLeft = -5, sum.SrcTop = -5, sum.SrcRight = 50, sum.SrcBottom = 50;
  sum.Blend();  // sanitizers catch any stray access
  EXPECT_EQ(Count(target, 0), 9);
  sum.DstLeft = 3, sum.DstRight = 9;  // wholly right of the target
  TPixelBuffer fresh = Make(3, 3, 0xFFFFFF, GetParam());
  ASSERT_TRUE(sum.Attach(source.View(), fresh.View()));
  sum.Blend();
  EXPECT_EQ(Bytes(fresh), before);
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, PixelAccess,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);

TEST(PixelAccessBinding, RefusesThinBitmapsAndOtherFormats) {
  TPixelBuffer thin(1, 8), flat(8, 1), b32(4, 4, 4), b24(4, 4);
  TvxFast24 f;
  f.Width = 77;
  EXPECT_FALSE(f.Attach(thin.View()));
  EXPECT_EQ(f.Width, 0);
  EXPECT_FALSE(f.Attach(flat.View()));
  EXPECT_FALSE(f.Attach(b32.View()));
  TPixelBufferView eightBit = b24.View();
  eightBit.BytesPerPixel = 1;
  EXPECT_FALSE(f.Attach(eightBit));
  EXPECT_TRUE(f.Attach(b24.View()));

  TvxFast32 f32;
  EXPECT_FALSE(f32.Attach(b24.View()));
  EXPECT_TRUE(f32.Attach(b32.View()));

  TvxFastSum24 sum;
  EXPECT_FALSE(sum.Attach(thin.View(), b24.View()));
  EXPECT_FALSE(sum.Attach(b24.View(), b32.View()));
  TPixelBuffer wide(9, 2);
  ASSERT_TRUE(sum.Attach(wide.View(), b24.View()));
  EXPECT_EQ(sum.Width, 4);
  EXPECT_EQ(sum.Height, 2);
}
