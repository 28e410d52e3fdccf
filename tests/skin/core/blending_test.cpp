#include "skin/core/blending.h"

#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

class Blending : public ::testing::TestWithParam<Order> {};

TEST_P(Blending, ColorBlendCoversAnInclusiveRectangleAndRoundsToEven) {
  TPixelBuffer b = Make(100, 100, 0, GetParam());
  BlendRectWithColor(b.View(), TRect{0, 0, 10, 10}, 50, RGBColor(5, 7, 1));
  EXPECT_EQ(Count(b, RGBColor(2, 4, 0)), 11 * 11);  // 2.5 -> 2, 3.5 -> 4, 0.5 -> 0
  EXPECT_EQ(Get(b, 10, 10), RGBColor(2, 4, 0));
  EXPECT_EQ(Get(b, 11, 10), 0);

  TPixelBuffer small = Make(4, 3, clWhite, GetParam());
  BlendRectWithColor(small.View(), TRect{-5, -5, 50, 50}, 0, clBlack);
  EXPECT_EQ(Count(small, clBlack), 12);
}

TEST_P(Blending, KeyedWeightedBlend) {
  TPixelBuffer source = Make(3, 3, RGBColor(100, 100, 100), GetParam());
  Set(source, 1, 0, 0xFF00FF);
  TPixelBuffer target = Make(4, 4, RGBColor(51, 49, 0), GetParam());
  BlendRectKeyed(target.View(), 1, 1, 0xFF00FF, 0.5, TRect{0, 0, 1, 1}, source.View());
  EXPECT_EQ(Get(target, 1, 1), RGBColor(76, 74, 50));  // 75.5 -> 76, 74.5 -> 74, 50
  EXPECT_EQ(Get(target, 2, 1), RGBColor(51, 49, 0));   // key pixel skipped
  EXPECT_EQ(Get(target, 2, 2), RGBColor(76, 74, 50));
  EXPECT_EQ(Get(target, 3, 3), RGBColor(51, 49, 0));   // inclusive 2 x 2 only

  // A key with 0xFF on top is no key; a place left of the target is skipped.
  TPixelBuffer t2 = Make(2, 2, clWhite, GetParam());
  BlendRectKeyed(t2.View(), -1, 0, static_cast<TColor>(0xFFFF00FF), 0.0, TRect{0, 0, 2, 0},
                 source.View());
  EXPECT_EQ(Get(t2, 0, 0), 0xFF00FF);
  EXPECT_EQ(Get(t2, 1, 0), RGBColor(100, 100, 100));
  EXPECT_EQ(Get(t2, 0, 1), clWhite);
  BlendRectKeyed(t2.View(), 0, 0, clNone, 1.0, TRect{0, 0, 2, 2}, source.View());
  EXPECT_EQ(Get(t2, 0, 1), clWhite);  // weight 1 keeps the target
}

TEST_P(Blending, AlphaBlendsUseTheirOwnDivisor) {
  TPixelBuffer target = Make(3, 3, clWhite, GetParam());
  TPixelBuffer source = Make(3, 3, clWhite, GetParam());
  BlendWholeBitmap(target.View(), source.View(), 255);
  EXPECT_EQ(Count(target, 0xFEFEFE), 9);  // white over white: 254

  TPixelBuffer gray = Make(3, 3, RGBColor(100, 100, 100), GetParam());
  BlendWholeBitmap(target.View(), gray.View(), 0);
  EXPECT_EQ(Get(target, 2, 2), RGBColor(100, 100, 100));

  TPixelBuffer other = Make(3, 4, clBlack, GetParam());
  TPixelBuffer dot = Make(1, 1, clBlack, GetParam());
  const auto before = Bytes(target);
  BlendWholeBitmap(target.View(), other.View(), 0);
  TPixelBuffer dotTarget = Make(1, 1, clWhite, GetParam());
  BlendWholeBitmap(dotTarget.View(), dot.View(), 0);
  EXPECT_EQ(Bytes(target), before);
  EXPECT_EQ(Get(dotTarget, 0, 0), clWhite);
}

TEST_P(Blending, RectangleBlendClipsAgainstBothBitmaps) {
  TPixelBuffer source = Make(4, 4, clBlack, GetParam());
  const TColor mark = RGBColor(100, 0, 0);  // survives alpha 0 unchanged
  for (int x = 0; x < 4; ++x) Set(source, x, 1, mark);
  TPixelBuffer target = Make(5, 5, clWhite, GetParam());
  BlendBitmapRect(target.View(), source.View(), 0, TPoint{-1, -1}, TRect{0, 0, 4, 4});
  EXPECT_EQ(Get(target, 0, 0), mark);  // source row 1 lands on row 0
  EXPECT_EQ(Get(target, 2, 2), clBlack);
  EXPECT_EQ(Get(target, 3, 3), clWhite);
  EXPECT_EQ(Count(target, clWhite), 25 - 9);

  TPixelBuffer t2 = Make(5, 5, clWhite, GetParam());
  BlendBitmapRect(t2.View(), source.View(), 0, TPoint{3, 3}, TRect{0, 0, 4, 4});
  EXPECT_EQ(Count(t2, clWhite), 25 - 4);
  TPixelBuffer t3 = Make(5, 5, clWhite, GetParam());
  BlendBitmapRect(t3.View(), source.View(), 0, TPoint{0, 0}, TRect{-2, 0, 2, 2});
  EXPECT_EQ(Get(t3, 2, 1), mark);  // the point moved right by 2
  EXPECT_EQ(Get(t3, 1, 1), clWhite);
  EXPECT_EQ(Count(t3, clWhite), 25 - 4);
  const auto before = Bytes(t3);
  BlendBitmapRect(t3.View(), source.View(), 0, TPoint{9, 0}, TRect{0, 0, 4, 4});
  EXPECT_EQ(Bytes(t3), before);
}

TEST_P(Blending, BlendWithinOneBitmapReadsPixelsNotYetWritten) {
  // Right to left and bottom to top: a shift right or down by one reads
  // each neighbour before it is overwritten.
  TPixelBuffer b = Make(4, 3, 0, GetParam());
  const uint8_t v[4] = {10, 100, 200, 50};
  for (int x = 0; x < 4; ++x) Set(b, x, 0, RGBColor(v[x], v[x], v[x]));
  BlendBitmapRect(b.View(), b.View(), 0, TPoint{1, 0}, TRect{0, 0, 3, 1});
  EXPECT_EQ(Get(b, 1, 0), RGBColor(10, 10, 10));
  EXPECT_EQ(Get(b, 2, 0), RGBColor(100, 100, 100));
  EXPECT_EQ(Get(b, 3, 0), RGBColor(199, 199, 199));  // (200 * 255 + 127) >> 8
  BlendBitmapRect(b.View(), b.View(), 0, TPoint{0, 1}, TRect{0, 0, 4, 2});
  EXPECT_EQ(Get(b, 2, 1), RGBColor(100, 100, 100));
  EXPECT_EQ(Get(b, 2, 2), 0);  // took row 1 before row 1 changed
}

TEST_P(Blending, MaskMixes) {
  TPixelBuffer pixels = Make(2, 2, clWhite, GetParam());
  TPixelBuffer mask = Make(2, 2, clWhite, GetParam());
  Set(mask, 1, 0, clBlack);
  Set(mask, 0, 1, RGBColor(128, 128, 128));
  TintThroughMask(pixels.View(), mask.View(), RGBColor(0, 10, 20));
  EXPECT_EQ(Get(pixels, 0, 0), 0xFEFEFE);  // mask 255 of 256: almost kept
  EXPECT_EQ(Get(pixels, 1, 0), RGBColor(0, 10, 20));
  EXPECT_EQ(Get(pixels, 0, 1), RGBColor(127, 132, 137));
  TPixelBuffer bigMask = Make(3, 2, clBlack, GetParam());
  const auto before = Bytes(pixels);
  TintThroughMask(pixels.View(), bigMask.View(), clBlack);
  EXPECT_EQ(Bytes(pixels), before);

  TPixelBuffer target = Make(3, 3, RGBColor(200, 200, 200), GetParam());
  TPixelBuffer source = Make(3, 3, RGBColor(100, 100, 100), GetParam());
  TPixelBuffer m2 = Make(2, 2, RGBColor(128, 0, 255), GetParam());
  MixThroughMask(target.View(), source.View(), m2.View(), TRect{-1, -1, 9, 9});
  EXPECT_EQ(Get(target, 1, 1), RGBColor(150, 100, 199));
  EXPECT_EQ(Get(target, 2, 2), RGBColor(200, 200, 200));  // outside the mask
}

TEST_P(Blending, FadeFramesKeepTheirFourthByteAndShiftLogically) {
  TPixelBuffer frame = Make(2, 2, 0, GetParam(), 4);
  frame.View().Pixel(1, 1)[3] = 0x42;
  TPixelBuffer first = Make(3, 3, clWhite, GetParam());
  TPixelBuffer second = Make(3, 3, clBlack, GetParam());
  MixFadeFrame(frame.View(), first.View(), second.View(), 128, nullptr);
  const uint8_t* p = frame.View().Pixel(1, 1);
  EXPECT_EQ(p[0], 127);
  EXPECT_EQ(p[2], 127);
  EXPECT_EQ(p[3], 0x42);

  // A weight past 256 makes the sum negative; the logical shift ends at 255.
  MixFadeFrame(frame.View(), second.View(), first.View(), 300, nullptr);
  EXPECT_EQ(frame.View().Pixel(0, 0)[1], 255);

  TPixelBuffer mask = Make(3, 3, RGBColor(0, 64, 255), GetParam());
  const TPixelBufferView maskView = mask.View();
  MixFadeFrame(frame.View(), first.View(), second.View(), 0, &maskView);
  p = frame.View().Pixel(0, 1);
  EXPECT_EQ(p[2], 0);    // red: mask 0 shows second
  EXPECT_EQ(p[1], 63);   // green: 255 * 64 >> 8
  EXPECT_EQ(p[0], 254);  // blue: 255 * 255 >> 8

  TPixelBuffer odd = Make(3, 2, clBlack, GetParam());
  const auto before = Bytes(frame);
  MixFadeFrame(frame.View(), first.View(), odd.View(), 128, nullptr);
  EXPECT_EQ(Bytes(frame), before);
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, Blending,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);

TEST(FadeSchedule, FramesFollowTheEightMillisecondStep) {
  EXPECT_TRUE(FadeFrameWeights(7).empty());
  EXPECT_EQ(FadeFrameWeights(8), (std::vector<int>{255, 0}));
  const std::vector<int> w = FadeFrameWeights(80);
  ASSERT_EQ(w.size(), 11u);
  EXPECT_EQ(w.front(), 255);
  EXPECT_EQ(w[1], 230);
  EXPECT_EQ(w.back(), 5);
}
