#include "skin/core/bitmap_region.h"

#include "skin/core/round_shadow.h"
#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

namespace {
constexpr TColor Key = 0xFF00FF;

struct RegionOwner {
  TRegionHandle Handle = nullptr;
  ~RegionOwner() { PaintSeam().DeleteRegion(Handle); }
  const TRecordedRegion& Get() const { return *static_cast<TRecordedRegion*>(Handle); }
};
}  // namespace

class BitmapRegion : public ::testing::TestWithParam<Order> {};

TEST_P(BitmapRegion, KeyRunsOnEmptyFullAndMixedRows) {
  TPixelBuffer b = Make(4, 3, clWhite, GetParam());
  for (int x = 0; x < 4; ++x) Set(b, x, 1, Key);
  Set(b, 0, 2, Key);
  Set(b, 1, 2, Key);
  Set(b, 3, 2, Key);
  std::vector<TRect> runs;
  CollectKeyRuns(runs, b.View(), static_cast<TColor>(0x7FFF00FF));  // top byte not compared
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0], (TRect{0, 1, 4, 2}));  // a full row closes at the row's end
  EXPECT_EQ(runs[1], (TRect{0, 2, 2, 3}));
  EXPECT_EQ(runs[2], (TRect{3, 2, 4, 3}));

  std::vector<TRect> none;
  TPixelBuffer thin = Make(1, 5, Key, GetParam());
  CollectKeyRuns(none, thin.View(), Key);
  EXPECT_TRUE(none.empty());
}

TEST_P(BitmapRegion, RegionIsTheRectangleWithoutKeyPixels) {
  TPixelBuffer plain = Make(3, 3, clWhite, GetParam());
  RegionOwner full;
  BuildBitmapRegion(full.Handle, plain.View(), Key);
  EXPECT_TRUE(full.Get().Contains(0, 0));
  EXPECT_TRUE(full.Get().Contains(2, 2));
  EXPECT_FALSE(full.Get().Contains(3, 0));

  TPixelBuffer keyed = Make(3, 3, Key, GetParam());
  RegionOwner empty;
  BuildBitmapRegion(empty.Handle, keyed.View(), Key);
  EXPECT_TRUE(empty.Get().IsEmpty());

  Set(keyed, 1, 1, clBlack);
  RegionOwner dot;
  BuildBitmapRegion(dot.Handle, keyed.View(), Key);
  EXPECT_TRUE(dot.Get().Contains(1, 1));
  EXPECT_FALSE(dot.Get().Contains(0, 1));
  EXPECT_FALSE(dot.Get().Contains(2, 1));
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, BitmapRegion,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);

namespace {
struct RingRecorder : TPortablePaintSeam {
  std::vector<TRect> Rects;
  std::vector<TColor> Colors;
  void FillRoundRect(const TPixelBufferView& t, const TRect& r, int corner, TColor c) override {
    Rects.push_back(r);
    Colors.push_back(c);
    TPortablePaintSeam::FillRoundRect(t, r, corner, c);
  }
};
uint8_t Blue(TPixelBuffer& b, int x, int y) { return static_cast<uint8_t>(Get(b, x, y) >> 16); }
}  // namespace

TEST(RoundShadow, RingsFadeFromKeptToTransparencyLevel) {
  RingRecorder seam;
  SetPaintSeam(&seam);
  TPixelBuffer b = Make(30, 30, clWhite);
  PaintRoundShadow(b.View(), TRect{5, 5, 25, 25}, 50, 0, 3, clBlack);
  ASSERT_EQ(seam.Rects.size(), 4u);
  EXPECT_EQ(seam.Rects[1], (TRect{1, 1, 19, 19}));
  // G = 127; rings 255, then G + Round(128 / 4 * (3 - t)).
  EXPECT_EQ(seam.Colors, (std::vector<TColor>{0xFFFFFF, 0xBFBFBF, 0x9F9F9F, 0x7F7F7F}));
  EXPECT_EQ(Blue(b, 5, 5), 254);    // mask 255 of 256
  EXPECT_EQ(Blue(b, 6, 6), 190);
  EXPECT_EQ(Blue(b, 15, 15), 126);  // the inside takes the last grey
  EXPECT_EQ(Blue(b, 24, 15), 254);  // the ring's missing column is kept too
  EXPECT_EQ(Blue(b, 15, 24), 254);
  EXPECT_EQ(Get(b, 4, 4), clWhite);
  EXPECT_EQ(Get(b, 25, 25), clWhite);

  seam.Rects.clear();
  PaintRoundShadow(b.View(), TRect{0, 0, 10, 8}, 0, 40, 50, clBlack);  // capped at 4 rings
  EXPECT_EQ(seam.Rects.size(), 5u);
  // Cut to the bitmap: a 2 x 2 area has room for one ring inside the first.
  PaintRoundShadow(b.View(), TRect{28, 28, 60, 60}, 0, 4, 4, clBlack);
  SetPaintSeam(nullptr);
  EXPECT_EQ(seam.Rects.size(), 7u);
  EXPECT_EQ(seam.Rects.back(), (TRect{1, 1, 1, 1}));
}
