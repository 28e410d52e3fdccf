#include "skin/controls/glyph_frames.h"

#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

namespace {
TColor At(TPixelBuffer b, int x, int y) { return Get(b, x, y); }
constexpr TColor Key = 0xFF00FF;
constexpr TColor Ink = RGBColor(10, 20, 30);
constexpr TColor Grey = RGBColor(20, 20, 20);  // (10 + 20 + 30) / 3
constexpr TColor Face = RGBColor(200, 100, 50);
constexpr TColor Under = RGBColor(2, 4, 6);

// 3 x 2 of ink with the key in the top-left corner.
TPixelBuffer Image() {
  TPixelBuffer b = Make(3, 2, Ink);
  Set(b, 0, 0, Key);
  return b;
}

TPixelBuffer Frames(TsDisabledGlyphKind kind) {
  TPixelBuffer image = Image();
  return MakeImageListGlyphFrames(image.View(), Key, kind, Face);
}
}  // namespace

TEST(ImageListGlyphFrames, WithoutKindTheDisabledFrameRepeatsTheImage) {
  TPixelBuffer f = Frames({});
  ASSERT_EQ(f.Width(), 6);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Get(f, x + 3, y), Get(f, x, y)) << x << "," << y;
  EXPECT_EQ(Get(f, 0, 0), Key);
}

TEST(ImageListGlyphFrames, GrayedCopiesGreyOverTheFaceWithAMagentaCorner) {
  TPixelBuffer f = Frames({dgGrayed});
  EXPECT_EQ(Get(f, 1, 0), Ink);     // the normal frame is untouched
  EXPECT_EQ(Get(f, 3, 0), Face);    // key pixel: the face shows
  EXPECT_EQ(Get(f, 4, 0), Grey);
  EXPECT_EQ(Get(f, 5, 1), Grey);
  EXPECT_EQ(Get(f, 3, 1), Key);     // bottom-left of the disabled frame
}

TEST(ImageListGlyphFrames, BlendedMixesHalfWithTheFace) {
  TPixelBuffer f = Frames({dgBlended});
  EXPECT_EQ(Get(f, 4, 1), RGBColor(105, 60, 40));
  EXPECT_EQ(Get(f, 3, 1), RGBColor(105, 60, 40));  // no magenta corner here
  EXPECT_EQ(Get(f, 3, 0), Face);
  TPixelBuffer both = Frames({dgBlended, dgGrayed});
  EXPECT_EQ(Get(both, 4, 1), RGBColor(110, 60, 35));  // grey 20 halfway to the face
}

TEST(ImageListGlyph, EnabledLooks) {
  auto paint = [](TsImageGlyphLook look) {
    TPixelBuffer image = Image();
    TPixelBuffer target = Make(5, 4, Under);
    PaintImageListGlyph(target.View(), TPoint{1, 1}, image.View(), Key, look);
    return target;
  };
  TsImageGlyphLook look;
  look.Blend = 50;
  TPixelBuffer blended = paint(look);
  EXPECT_EQ(Get(blended, 1, 1), Under);  // key left out
  EXPECT_EQ(Get(blended, 2, 1), RGBColor(6, 12, 18));  // halfway: (10 + 2) / 2, ...
  look.Active = true;
  EXPECT_EQ(At(paint(look), 2, 1), Ink);  // active: copied
  look.Active = false;
  look.Blend = 0;
  EXPECT_EQ(At(paint(look), 2, 1), Ink);  // Blend 0 copies even when not active
  look.Grayed = true;
  TPixelBuffer grey = paint(look);
  EXPECT_EQ(Get(grey, 2, 1), Grey);
  EXPECT_EQ(Get(grey, 1, 1), Under);  // the top-left colour kept, so still keyed
  look.Active = true;
  EXPECT_EQ(At(paint(look), 2, 1), Ink);  // Grayed only while not active
}

TEST(ImageListGlyph, DisabledLooks) {
  auto paint = [](TsDisabledGlyphKind kind) {
    TPixelBuffer image = Image();
    TPixelBuffer target = Make(4, 3, Under);
    TsImageGlyphLook look;
    look.Enabled = false;
    look.DisabledKind = kind;
    PaintImageListGlyph(target.View(), TPoint{0, 0}, image.View(), Key, look);
    return target;
  };
  EXPECT_EQ(At(paint({}), 1, 0), Ink);
  EXPECT_EQ(At(paint({dgGrayed}), 1, 0), Grey);
  EXPECT_EQ(At(paint({dgBlended}), 1, 0), RGBColor(6, 12, 18));
  EXPECT_EQ(At(paint({dgBlended}), 0, 0), Under);
}
