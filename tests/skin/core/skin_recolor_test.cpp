// Recolouring pixels and section colours by hue and saturation.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/color_helpers.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_content.h"
#include "skin/core/skin_recolor.h"

namespace {

// Magenta, a grey, pure red, an orange.
std::shared_ptr<TPixelBuffer> Strip(int bytesPerPixel = 3) {
  auto b = std::make_shared<TPixelBuffer>(4, 2, bytesPerPixel);
  const TColor colors[4] = {0xFF00FF, 0x7F7F7F, 0x0000FF, 0x0080FF};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) WritePixelBytes(b->View().Pixel(x, y), colors[x]);
  return b;
}

TColor At(const std::shared_ptr<TPixelBuffer>& b, int x) { return ReadPixelBytes(b->View().Pixel(x, 1)); }

TEST(Recolor, PixelsTurnButMagentaAndGreysStay) {
  auto b = Strip();
  RecolorHue(b->View(), 0);
  RecolorSaturation(b->View(), 0);
  EXPECT_EQ(At(b, 3), 0x0080FF);
  RecolorHue(b->View(), 120);
  EXPECT_EQ(At(b, 0), 0xFF00FF);
  EXPECT_EQ(At(b, 1), 0x7F7F7F);
  EXPECT_EQ(At(b, 2), 0x00FF00);  // red turned a third: green
  EXPECT_EQ(At(b, 3), ChangeColorHue(120, 0x0080FF));
  RecolorSaturation(b->View(), 100);
  EXPECT_EQ(At(b, 0), 0xFF00FF);
  EXPECT_EQ(At(b, 2), 0x555555);
}

TEST(Recolor, SkinTurnsEachBitmapOnceAndEverySetSectionColour) {
  TsSkinContent skin;
  skin.MasterBitmap = Strip();
  auto shared = Strip();
  TsMaskData a, b, texture;
  a.Image = b.Image = shared;  // the same bitmap twice must not turn twice
  texture.Image = Strip(4);    // four bytes a pixel: made three first
  skin.MaskItems = {a, b, TsMaskData{}, texture};
  TsGeneralData g;
  g.Color = 0x0000FF;
  g.HotFontColor[2] = 0x0000FF;
  skin.SectionItems = {g};

  ApplyHueOffset(skin, 120);
  EXPECT_EQ(At(skin.MasterBitmap, 2), 0x00FF00);
  EXPECT_EQ(At(shared, 2), 0x00FF00);
  EXPECT_EQ(skin.MaskItems[3].Image->BytesPerPixel(), 3);
  EXPECT_EQ(At(skin.MaskItems[3].Image, 2), 0x00FF00);
  const TsGeneralData& r = skin.SectionItems[0];
  EXPECT_EQ(r.Color, 0x00FF00);
  EXPECT_EQ(r.HotFontColor[2], 0x00FF00);
  EXPECT_EQ(r.FontColor[0], 0);  // black is grey
  EXPECT_EQ(r.FontColor[1], -1);
}

}  // namespace
