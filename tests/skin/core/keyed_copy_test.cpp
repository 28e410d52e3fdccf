#include "skin/core/keyed_copy.h"

#include "skin/core/image_piece.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"
#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

namespace {
constexpr TColor Key = 0xFF00FF;
constexpr TColor Ink = RGBColor(10, 20, 30);
}  // namespace

class KeyedCopy : public ::testing::TestWithParam<Order> {};

TEST_P(KeyedCopy, KeyPixelsKeepTheTargetAndTheTopByteIsIgnored) {
  TPixelBuffer source = Make(2, 2, Ink, GetParam());
  Set(source, 0, 0, Key);
  TPixelBuffer target = Make(3, 3, clWhite, GetParam());
  CopyBitmapKeyed(target.View(), source.View(), 2, static_cast<TColor>(0xFFFF00FF), 1);
  EXPECT_EQ(Get(target, 2, 1), clWhite);  // key skipped despite the 0xFF top byte
  EXPECT_EQ(Get(target, 2, 2), Ink);
  EXPECT_EQ(Count(target, Ink), 1);  // column 3 lies outside
}

TEST_P(KeyedCopy, ParentFillTakesTheCachePixelUntilTheCacheEnds) {
  // Source row: key, ink, key, ink (inclusive rectangle of 4 x 1).
  TPixelBuffer source = Make(4, 2, Ink, GetParam());
  Set(source, 0, 0, Key);
  Set(source, 2, 0, Key);
  TPixelBuffer cache = Make(5, 5, clBlack, GetParam());
  for (int x = 0; x < 5; ++x) Set(cache, x, 2, RGBColor(static_cast<uint8_t>(x), 7, 7));
  TCacheInfo info = MakeCacheInfo(cache.View(), 2, 2);

  TPixelBuffer target = Make(6, 2, clWhite, GetParam());
  CopyRectKeyed(target.View(), source.View(), 1, true, info, Key, TRect{0, 0, 3, 0}, 0);
  EXPECT_EQ(Get(target, 1, 0), RGBColor(3, 7, 7));  // cache (2 + 1, 2 + 0)
  EXPECT_EQ(Get(target, 2, 0), Ink);
  EXPECT_EQ(Get(target, 3, 0), clWhite);  // cache column 5 is past the cache: the row ends
  EXPECT_EQ(Get(target, 4, 0), clWhite);  // ...so this ink pixel is not copied either

  info.X = -2;  // a negative cache column skips only that pixel
  TPixelBuffer t2 = Make(6, 2, clWhite, GetParam());
  CopyRectKeyed(t2.View(), source.View(), 1, true, info, Key, TRect{0, 0, 3, 0}, 0);
  EXPECT_EQ(Get(t2, 1, 0), clWhite);
  EXPECT_EQ(Get(t2, 3, 0), RGBColor(1, 7, 7));
  EXPECT_EQ(Get(t2, 4, 0), Ink);

  info.Ready = false;
  TPixelBuffer t3 = Make(6, 2, clWhite, GetParam());
  CopyRectKeyed(t3.View(), source.View(), 1, true, info, Key, TRect{0, 0, 3, 0}, 0);
  CopyRectKeyedPlain(t3.View(), source.View(), 1, MakeCacheInfo(cache.View(), 2, 2), Key,
                     TRect{0, 1, 3, 1}, 1);
  EXPECT_EQ(Count(t3, clWhite), 4 + 2);  // both rows: key pixels keep the target
}

TEST_P(KeyedCopy, HostileSourceRectanglesStayInsideBothBitmaps) {
  TPixelBuffer source = Make(3, 3, Ink, GetParam());
  TPixelBuffer target = Make(4, 4, clWhite, GetParam());
  CopyRectKeyed(target.View(), source.View(), -10, true, EmptyCacheInfo, Key,
                TRect{-100, -100, 1000, 1000}, 2);
  EXPECT_EQ(Count(target, Ink), 0);  // lands left of the target
  CopyRectKeyed(target.View(), source.View(), 1, false, EmptyCacheInfo, Key,
                TRect{-100, -100, 1000, 1000}, 1);
  EXPECT_EQ(Count(target, Ink), 9);
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, KeyedCopy,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);

// An item of one 2 x 2 picture over its 2 x 2 mask in its own bitmap.
class ImagePiece : public ::testing::TestWithParam<Order> {
 protected:
  void SetUp() override {
    image = std::make_shared<TPixelBuffer>(Make(2, 4, Ink, GetParam()));
    Set(*image, 1, 0, Key);              // magenta picture pixel
    FillRect(*image, 0, 2, 2, 4, clBlack);  // mask 0: the picture shows
    Set(*image, 0, 3, clWhite);          // mask 255 under picture pixel (0, 1)
    item.Image = image;
    item.SourceRect = TRect{0, 0, 2, 4};
    item.MaskType = 1;
    item.ImageCount = 1;
  }
  void TearDown() override { TransparentFillColor = SkinTransparentColor; }

  std::shared_ptr<TPixelBuffer> image;
  TsMaskData item;
};

TEST_P(ImagePiece, MaskChoosesBetweenPictureAndTarget) {
  TPixelBuffer target = Make(3, 3, RGBColor(200, 200, 200), GetParam());
  CopyImagePiece(TRect{1, 1, 3, 3}, TRect{0, 0, 2, 2}, target.View(), item, false, EmptyCacheInfo,
                 image->View());
  EXPECT_EQ(Get(target, 1, 1), Ink);
  EXPECT_EQ(Get(target, 1, 2), RGBColor(199, 199, 199));  // ((200 - P) * 255 + P * 256) >> 8
  // Without the fill flag a magenta pixel is mixed like any other.
  EXPECT_EQ(Get(target, 2, 1), Key);
}

TEST_P(ImagePiece, MagentaTakesTheCacheOrTheFillColour) {
  TPixelBuffer cache = Make(4, 4, RGBColor(1, 2, 3), GetParam());
  TPixelBuffer target = Make(2, 2, clWhite, GetParam());
  CopyImagePiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item, true,
                 MakeCacheInfo(cache.View(), 1, 1), image->View());
  EXPECT_EQ(Get(target, 1, 0), RGBColor(1, 2, 3));

  TPixelBuffer cache32 = Make(4, 4, RGBColor(4, 5, 6), GetParam(), 4);
  CopyImagePiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item, true,
                 MakeCacheInfo(cache32.View(), 0, 0), image->View());
  EXPECT_EQ(Get(target, 1, 0), RGBColor(4, 5, 6));

  CopyImagePiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item, true, EmptyCacheInfo,
                 image->View());
  EXPECT_EQ(Get(target, 1, 0), Key);  // fill colour unset: stays magenta
  TransparentFillColor = clLime;
  CopyImagePiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item, true, EmptyCacheInfo,
                 image->View());
  EXPECT_EQ(Get(target, 1, 0), clLime);

  // A cache of another pixel format stops the whole copy.
  TPixelBuffer t2 = Make(2, 2, clWhite, GetParam());
  TPixelBufferView eightBit = cache.View();
  eightBit.BytesPerPixel = 1;
  CopyImagePiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, t2.View(), item, true,
                 MakeCacheInfo(eightBit, 0, 0), image->View());
  EXPECT_EQ(Count(t2, clWhite), 4);
}

TEST_P(ImagePiece, HostileGeometryLeavesMemoryUntouched) {
  TPixelBuffer target = Make(3, 3, clWhite, GetParam());
  const auto before = Bytes(target);
  // The mask half would lie below the bitmap.
  item.SourceRect = TRect{0, 0, 2, 40};
  CopyImagePiece(TRect{0, 0, 3, 3}, TRect{0, 0, 2, 2}, target.View(), item, false, EmptyCacheInfo,
                 image->View());
  // Wholly outside the source, or the target.
  item.SourceRect = TRect{0, 0, 2, 4};
  CopyImagePiece(TRect{0, 0, 3, 3}, TRect{5, 5, 9, 9}, target.View(), item, false, EmptyCacheInfo,
                 image->View());
  CopyImagePiece(TRect{3, 0, 9, 3}, TRect{0, 0, 2, 2}, target.View(), item, false, EmptyCacheInfo,
                 image->View());
  EXPECT_EQ(Bytes(target), before);
  // Negative left edges move both rectangles together.
  CopyImagePiece(TRect{-1, 0, 1, 1}, TRect{0, 0, 2, 1}, target.View(), item, false,
                 EmptyCacheInfo, image->View());
  EXPECT_EQ(Get(target, 0, 0), Key);  // source column 1
  EXPECT_EQ(Get(target, 1, 0), clWhite);
}

TEST_P(ImagePiece, MasterPiecePrefersTheFillColour) {
  TsSkinContent skin;
  skin.MasterBitmap = image;
  item.Image.reset();
  item.Manager = &skin;
  TPixelBuffer cache = Make(4, 4, RGBColor(1, 2, 3), GetParam());
  TPixelBuffer target = Make(2, 2, clWhite, GetParam());
  CopyMasterPiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item,
                  MakeCacheInfo(cache.View(), 0, 0));
  EXPECT_EQ(Get(target, 1, 0), RGBColor(1, 2, 3));
  TransparentFillColor = clAqua;
  CopyMasterPiece(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, target.View(), item,
                  MakeCacheInfo(cache.View(), 0, 0));
  EXPECT_EQ(Get(target, 1, 0), clAqua);
  EXPECT_EQ(Get(target, 0, 0), Ink);
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, ImagePiece,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);
