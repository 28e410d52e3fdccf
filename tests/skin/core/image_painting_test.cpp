#include "skin/core/image_painting.h"

#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"
#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

namespace {

constexpr TColor Key = 0xFF00FF;
constexpr TColor A = RGBColor(200, 0, 0), B = RGBColor(0, 200, 0), C = RGBColor(0, 0, 200);
constexpr TColor Back = RGBColor(9, 9, 9);

struct StretchRecorder : TPortablePaintSeam {
  std::vector<TRect> Targets;
  void StretchHalftone(const TPixelBufferView& t, const TRect& dst, const TPixelBufferView& s,
                       const TRect& src) override {
    Targets.push_back(dst);
    TPortablePaintSeam::StretchHalftone(t, dst, s, src);
  }
};

}  // namespace

class ImagePainting : public ::testing::TestWithParam<Order> {
 protected:
  void TearDown() override {
    ParentBackColor = SkinTransparentColor;
    TransparentFillColor = SkinTransparentColor;
  }

  // An item in its own bitmap of `w` x `h` pixels filled with `fill`.
  TsMaskData& Item(int w, int h, TColor fill, int frames, int maskType, int border) {
    image = std::make_shared<TPixelBuffer>(Make(w, h, fill, GetParam()));
    item.Image = image;
    item.Manager = &skin;
    item.SourceRect = TRect{0, 0, w, h};
    item.ImageCount = static_cast<int16_t>(frames);
    item.MaskType = static_cast<int16_t>(maskType);
    item.WL = item.WT = item.WR = item.WB = static_cast<int16_t>(border);
    item.StretchMode = 0;
    return item;
  }
  TPixelBuffer Target(int w, int h) { return Make(w, h, Back, GetParam()); }

  TsSkinContent skin;
  std::shared_ptr<TPixelBuffer> image;
  TsMaskData item;
};

TEST_P(ImagePainting, NarrowRectangleShrinksBothSidesAndDropsTheCentre) {
  Item(12, 3, C, 1, 0, 1);
  item.WL = item.WR = 5;
  item.StretchMode = 4;
  FillRect(*image, 0, 0, 5, 3, A);
  FillRect(*image, 7, 0, 12, 3, B);
  TPixelBuffer t = Target(7, 3);
  PaintMaskImage(t.View(), TRect{0, 0, 7, 3}, true, 0, 0, item, EmptyCacheInfo);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Get(t, x, y), A) << x << "," << y;
    for (int x = 4; x < 7; ++x) EXPECT_EQ(Get(t, x, y), B) << x << "," << y;
  }
}

TEST_P(ImagePainting, StateChoosesTheFrameAndIsClampedBothWays) {
  Item(12, 4, A, 3, 0, 1);
  item.StretchMode = 4;
  FillRect(*image, 4, 0, 8, 4, B);
  FillRect(*image, 8, 0, 12, 4, C);
  TPixelBuffer t = Target(6, 6);
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, true, 0, 7, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t, C), 36);
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, true, 0, -3, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t, A), 36);
}

TEST_P(ImagePainting, SkippedStatesAndTheCentreFlag) {
  Item(4, 4, A, 1, 0, 1);
  item.StretchMode = 2 | 4;
  TPixelBuffer t = Target(6, 6);
  const auto before = Bytes(t);
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, true, 0, 0, item, EmptyCacheInfo);
  EXPECT_EQ(Bytes(t), before);  // state 0 with bit 2: nothing at all
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, false, 0, 1, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t, Back), 16);  // border only
  item.StretchMode = 0;
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, true, 0, 1, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t, Back), 16);  // fill flag without bit 4
  item.StretchMode = 4;
  PaintMaskImage(t.View(), TRect{0, 0, 6, 6}, true, 0, 1, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t, Back), 0);
  item.Manager = nullptr;
  TPixelBuffer t2 = Target(6, 6);
  PaintMaskImage(t2.View(), TRect{0, 0, 6, 6}, true, 0, 1, item, EmptyCacheInfo);
  PaintMaskImage(t2.View(), TRect{0, 0, 6, 1}, true, 0, 1, item, EmptyCacheInfo);
  EXPECT_EQ(Count(t2, Back), 36);
}

TEST_P(ImagePainting, SidesAreTiledInFramePieces) {
  for (int maskType : {0, 1}) {
    Item(3, 4 * (maskType + 1), A, 1, maskType, 1);  // centre height 2: rows 1 and 2
    FillRect(*image, 0, 2, 3, 3, B);
    if (maskType) FillRect(*image, 0, 4, 3, 8, clBlack);  // mask 0 shows the picture
    TPixelBuffer t = Target(3, 9);
    PaintMaskImage(t.View(), TRect{0, 0, 3, 9}, false, 0, 0, item, EmptyCacheInfo);
    const TColor expected[9] = {A, A, B, A, B, A, B, A, A};  // last piece cut to one row
    for (int y = 0; y < 9; ++y) EXPECT_EQ(Get(t, 0, y), expected[y]) << maskType << " row " << y;
  }
}

TEST_P(ImagePainting, ClippedAndWholeBandsMixAlike) {
  // Varied pictures and masks: whole bands mix row by row, bands cut by the
  // target edge tile by tile; both must give the same pixels.
  Item(15, 14, 0, 3, 1, 0);
  item.WL = 1, item.WT = 2, item.WR = 1, item.WB = 1;
  item.StretchMode = 4;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 15; ++x)
      Set(*image, x, y, static_cast<TColor>((x * 2654435761u + y * 40503u) & 0xFEFEFE));
  TPixelBuffer whole = Target(30, 30);
  PaintMaskImage(whole.View(), TRect{0, 0, 23, 21}, true, 0, 1, item, EmptyCacheInfo);
  TPixelBuffer cut = Target(12, 10);
  PaintMaskImage(cut.View(), TRect{-5, -4, 18, 17}, true, 0, 1, item, EmptyCacheInfo);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(Get(cut, x, y), Get(whole, x + 5, y + 4)) << x << "," << y;
}

TEST_P(ImagePainting, KeyedItemsStretchSidesThroughTheSeam) {
  StretchRecorder seam;
  SetPaintSeam(&seam);
  Item(6, 6, A, 1, 0, 2);
  item.StretchMode = 1 | 4;
  TPixelBuffer t = Target(10, 8);
  PaintMaskImage(t.View(), TRect{0, 0, 10, 8}, true, 0, 0, item, EmptyCacheInfo);
  const std::vector<TRect> keyed = seam.Targets;
  seam.Targets.clear();
  Item(6, 12, A, 1, 1, 2);
  item.StretchMode = 1 | 4;
  PaintMaskImage(t.View(), TRect{0, 0, 10, 8}, true, 0, 0, item, EmptyCacheInfo);
  SetPaintSeam(nullptr);
  ASSERT_EQ(keyed.size(), 5u);
  EXPECT_EQ(keyed[0], (TRect{0, 2, 2, 6}));   // left side
  EXPECT_EQ(keyed[1], (TRect{2, 0, 8, 2}));   // top side
  EXPECT_EQ(keyed[4], (TRect{2, 2, 8, 6}));   // centre
  EXPECT_TRUE(seam.Targets.empty());          // masked items always tile
  EXPECT_EQ(Count(t, Back), 0);
}

TEST_P(ImagePainting, KeyedCornerShowsTheParentOnlyWithAReadyCache) {
  Item(4, 4, A, 1, 0, 2);
  Set(*image, 0, 0, Key);
  TPixelBuffer cache = Make(20, 20, clBlack, GetParam());
  Set(cache, 11, 21 - 10, clLime);
  TPixelBuffer t = Target(6, 6);
  PaintMaskImage(t.View(), TRect{1, 1, 5, 5}, false, 1, 0, item, MakeCacheInfo(cache.View(), 10, 10));
  EXPECT_EQ(Get(t, 1, 1), clLime);  // cache (10 + 1, 10 + 1)
  EXPECT_EQ(Get(t, 2, 1), A);
  TPixelBuffer t2 = Target(6, 6);
  PaintMaskImage(t2.View(), TRect{1, 1, 5, 5}, false, 1, 0, item, EmptyCacheInfo);
  EXPECT_EQ(Get(t2, 1, 1), Back);
  PaintMaskImage(t2.View(), TRect{1, 1, 5, 5}, false, 0, 0, item, MakeCacheInfo(cache.View(), 10, 10));
  EXPECT_EQ(Get(t2, 1, 1), Back);  // mode 0: no parent fill
}

TEST_P(ImagePainting, MaskedCornerWithoutCacheTakesTheFillColour) {
  Item(4, 8, A, 1, 1, 2);
  FillRect(*image, 0, 4, 4, 8, clBlack);
  Set(*image, 0, 0, Key);
  TPixelBuffer t = Target(4, 4);
  PaintMaskImage(t.View(), TRect{0, 0, 4, 4}, false, 0, 0, item, EmptyCacheInfo);
  EXPECT_EQ(Get(t, 0, 0), Key);
  TransparentFillColor = clAqua;
  PaintMaskImage(t.View(), TRect{0, 0, 4, 4}, false, 0, 0, item, EmptyCacheInfo);
  EXPECT_EQ(Get(t, 0, 0), clAqua);
  EXPECT_EQ(Get(t, 1, 0), A);
}

TEST_P(ImagePainting, HostileItemGeometryStaysInside) {
  TPixelBuffer t = Target(8, 8);
  // Zero frames and a MaskType of -1 divide by nothing: one keyed frame.
  Item(4, 4, A, 0, -1, 1);
  PaintMaskImage(t.View(), TRect{0, 0, 8, 8}, true, 0, 3, item, EmptyCacheInfo);
  PaintMaskGlyph(t.View(), TPoint{0, 0}, 3, item, 1);
  CutMaskCorners(t.View(), nullptr, true, 3, item);
  EXPECT_EQ(Get(t, 0, 0), A);

  TPixelBuffer fresh = Target(8, 8);
  const auto before = Bytes(fresh);
  const TRect outside[] = {{100, 100, 140, 140}, {-50, -50, -10, -10}, {0, 0, 1 << 30, 1 << 30},
                           {-(1 << 30), 0, 1 << 30, 4}};
  for (const TRect& r : outside) {
    for (int maskType : {0, 1}) {
      Item(4, 4, A, 3, maskType, 2);
      item.SourceRect = r;
      item.StretchMode = 4;
      PaintMaskImage(fresh.View(), TRect{0, 0, 8, 8}, true, 1, 2, item, EmptyCacheInfo);
      PaintMaskGlyph(fresh.View(), TPoint{1, 1}, 2, item, 1);
      CutMaskCorners(fresh.View(), nullptr, true, 2, item);
      std::vector<TRect> holes;
      CollectCornerHoles(holes, 8, item, true, 0);
      EXPECT_TRUE(holes.empty());
      PaintCacheCorners(fresh.View(), item, 2, AllCorners, EmptyCacheInfo);
    }
  }
  // Negative and oversized side widths.
  Item(4, 4, A, 1, 0, 0);
  item.WL = -7;
  item.WT = 3000;
  item.WR = 32767;
  item.StretchMode = 1 | 4;
  // The shrink cannot balance these: every part lands outside the target.
  PaintMaskImage(fresh.View(), TRect{0, 0, 8, 8}, true, 1, 0, item, EmptyCacheInfo);
  Item(4, 4, A, 1, 0, 1);
  item.Image = std::make_shared<TPixelBuffer>();  // an empty own bitmap
  PaintMaskImage(fresh.View(), TRect{0, 0, 8, 8}, true, 1, 0, item, EmptyCacheInfo);
  EXPECT_EQ(Bytes(fresh), before);
}

TEST_P(ImagePainting, GlyphFrameChoiceAndLooks) {
  // Three 2 x 2 frames in the master bitmap: A, B, C.
  skin.MasterBitmap = std::make_shared<TPixelBuffer>(Make(6, 2, A, GetParam()));
  FillRect(*skin.MasterBitmap, 2, 0, 4, 2, B);
  FillRect(*skin.MasterBitmap, 4, 0, 6, 2, RGBColor(200, 200, 200));
  Set(*skin.MasterBitmap, 5, 1, Key);
  item = TsMaskData{};
  item.Manager = &skin;
  item.SourceRect = TRect{0, 0, 6, 2};
  item.ImageCount = 3;
  TPixelBuffer t = Make(3, 3, RGBColor(100, 100, 100), GetParam());
  PaintMaskGlyph(t.View(), TPoint{0, 0}, -2, item, 1);
  EXPECT_EQ(Get(t, 1, 1), A);
  PaintMaskGlyph(t.View(), TPoint{-1, 1}, 9, item, 1);  // last frame, first column cut
  EXPECT_EQ(Get(t, 0, 1), RGBColor(200, 200, 200));
  EXPECT_EQ(Get(t, 0, 2), RGBColor(100, 100, 100));   // key pixel kept the target
  EXPECT_EQ(Get(t, 1, 1), A);
  TPixelBuffer half = Make(3, 3, RGBColor(100, 100, 100), GetParam());
  PaintMaskGlyph(half.View(), TPoint{1, 1}, 2, item, 2);
  EXPECT_EQ(Get(half, 1, 1), RGBColor(150, 150, 150));  // 50 percent
  EXPECT_EQ(Get(half, 2, 2), RGBColor(100, 100, 100));
  item.ImageCount = 0;
  TPixelBuffer none = Make(3, 3, Back, GetParam());
  PaintMaskGlyph(none.View(), TPoint{0, 0}, 0, item, 1);
  EXPECT_EQ(Count(none, Back), 9);

  // A masked glyph in its own bitmap: mode 1 shows mask 0 fully, other
  // modes lighten the mask by 100.
  Item(2, 4, clWhite, 1, 1, 0);
  FillRect(*image, 0, 2, 2, 4, clBlack);
  TPixelBuffer own = Make(2, 2, clBlack, GetParam());
  PaintMaskGlyph(own.View(), TPoint{0, 0}, 0, item, 1);
  EXPECT_EQ(Get(own, 0, 0), clWhite);
  TPixelBuffer light = Make(2, 2, clBlack, GetParam());
  PaintMaskGlyph(light.View(), TPoint{0, 0}, 0, item, 2);
  EXPECT_EQ(Get(light, 1, 1), RGBColor(155, 155, 155));  // (-255 * 100 + 255 * 256) >> 8
}

TEST_P(ImagePainting, CutCornersPaintsAndCutsTheRegion) {
  Item(6, 6, A, 1, 0, 2);
  Set(*image, 0, 0, Key);
  Set(*image, 1, 0, Key);
  Set(*image, 5, 5, Key);
  TPixelBuffer t = Target(8, 8);
  TRegionHandle region = PaintSeam().CreateRectRegion(TRect{0, 0, 8, 8});
  CutMaskCorners(t.View(), region, true, 0, item);
  const auto& r = *static_cast<TRecordedRegion*>(region);
  EXPECT_FALSE(r.Contains(0, 0));
  EXPECT_FALSE(r.Contains(1, 0));
  EXPECT_TRUE(r.Contains(2, 0));
  EXPECT_FALSE(r.Contains(7, 7));  // a run open at the row's end
  EXPECT_TRUE(r.Contains(6, 7));
  EXPECT_EQ(Get(t, 0, 0), Back);   // transparent pixels are not painted
  EXPECT_EQ(Get(t, 2, 0), A);
  EXPECT_EQ(Get(t, 4, 4), Back);   // no centre without StretchMode bit 4
  PaintSeam().DeleteRegion(region);
}

TEST_P(ImagePainting, CornerHolesOfTopAndBottomCells) {
  Item(8, 4, A, 2, 0, 2);  // two frames of 4 x 4; only frame 0 counts
  Set(*image, 0, 0, Key);
  Set(*image, 1, 0, Key);
  Set(*image, 3, 0, Key);
  Set(*image, 3, 3, Key);
  Set(*image, 4, 0, Key);  // frame 1
  std::vector<TRect> holes;
  CollectCornerHoles(holes, 50, item, false, 0);
  ASSERT_EQ(holes.size(), 2u);
  EXPECT_EQ(holes[0], (TRect{0, 0, 2, 1}));
  EXPECT_EQ(holes[1], (TRect{49, 0, 50, 1}));  // the right cell ends at the window width
  holes.clear();
  CollectCornerHoles(holes, 50, item, true, 30);
  ASSERT_EQ(holes.size(), 1u);
  EXPECT_EQ(holes[0], (TRect{49, 31, 50, 32}));
}

TEST_P(ImagePainting, CacheCornersTakeTheParentColourOrCache) {
  Item(6, 6, A, 1, 0, 2);
  Set(*image, 0, 0, Key);
  Set(*image, 5, 5, Key);
  TPixelBuffer cache = Target(10, 10);
  ParentBackColor = clYellow;
  PaintCacheCorners(cache.View(), item, 0, CornerTopLeft, EmptyCacheInfo);
  EXPECT_EQ(Get(cache, 0, 0), clYellow);
  EXPECT_EQ(Get(cache, 1, 1), A);
  EXPECT_EQ(Get(cache, 9, 9), Back);  // not asked for
  ParentBackColor = SkinTransparentColor;
  TPixelBuffer parent = Make(30, 30, clBlack, GetParam());
  Set(parent, 9 + 5, 9 + 5, clLime);
  PaintCacheCorners(cache.View(), item, 0, CornerBottomRight, MakeCacheInfo(parent.View(), 5, 5));
  EXPECT_EQ(Get(cache, 9, 9), clLime);
  EXPECT_EQ(Get(cache, 8, 8), A);

  // An own bitmap without frame count: three frames over a mask half.
  Item(6, 4, A, 0, 0, 1);
  FillRect(*image, 2, 0, 4, 2, B);
  FillRect(*image, 0, 2, 6, 4, clBlack);
  TPixelBuffer c2 = Target(5, 5);
  PaintCacheCorners(c2.View(), item, 1, AllCorners, EmptyCacheInfo);
  EXPECT_EQ(Get(c2, 0, 0), B);
  EXPECT_EQ(Get(c2, 4, 4), B);
  EXPECT_EQ(Get(c2, 2, 2), Back);
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, ImagePainting,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);
