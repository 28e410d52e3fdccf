// Recolouring pixels and section colours by hue and saturation.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/color_helpers.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_content.h"
#include "skin/core/skin_recolor.h"

namespace {

// One row: magenta, a grey, pure red, an orange.
TPixelBuffer Strip() {
  TPixelBuffer b(4, 2, 3);
  const TColor colors[4] = {0xFF00FF, 0x7F7F7F, 0x0000FF, 0x0080FF};
  TPixelBufferView v = b.View();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) WritePixelBytes(v.Pixel(x, y), colors[x]);
  return b;
}

TColor At(TPixelBuffer& b, int x, int y = 0) { return ReadPixelBytes(b.View().Pixel(x, y)); }

TEST(Recolor, HueTurnsColouredPixelsAndLeavesMagentaAndGreys) {
  TPixelBuffer b = Strip();
  RecolorHue(b.View(), 120);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(At(b, 0, y), 0xFF00FF);
    EXPECT_EQ(At(b, 1, y), 0x7F7F7F);
    EXPECT_EQ(At(b, 2, y), 0x00FF00);  // red turned a third: green
    EXPECT_EQ(At(b, 3, y), ChangeColorHue(120, 0x0080FF));
  }
}

TEST(Recolor, SaturationMovesTowardGreyAndZeroChangesNothing) {
  TPixelBuffer b = Strip();
  RecolorSaturation(b.View(), 0);
  RecolorHue(b.View(), 0);
  EXPECT_EQ(At(b, 2), 0x0000FF);
  RecolorSaturation(b.View(), 100);
  EXPECT_EQ(At(b, 0), 0xFF00FF);
  EXPECT_EQ(At(b, 2), 0x555555);
  EXPECT_EQ(At(b, 3), ChangeColorSaturation(0x0080FF, 100));
}

TEST(Recolor, SkinRecolorsEachBitmapOnceAndEverySetSectionColour) {
  TsSkinContent skin;
  skin.MasterBitmap = std::make_shared<TPixelBuffer>(Strip());
  auto shared = std::make_shared<TPixelBuffer>(Strip());
  TsMaskData a, b, onMaster;
  a.Image = shared;
  b.Image = shared;  // the same bitmap twice must not turn twice
  skin.MaskItems = {a, b, onMaster};
  // A texture that came with four bytes a pixel.
  TsMaskData texture;
  texture.Image = std::make_shared<TPixelBuffer>(1, 1, 4);
  WritePixelBytes(texture.Image->View().Pixel(0, 0), 0x0000FF);
  skin.MaskItems.push_back(texture);
  TsGeneralData g;
  g.Color = 0x0000FF;
  g.HotColor = 0x00FF00;
  g.FontColor[0] = 0xFF0000;
  g.HotFontColor[2] = 0x0000FF;
  skin.SectionItems = {g};

  ApplyHueOffset(skin, 120);
  EXPECT_EQ(At(*skin.MasterBitmap, 2), 0x00FF00);
  EXPECT_EQ(At(*shared, 2), 0x00FF00);
  EXPECT_EQ(skin.MaskItems[3].Image->BytesPerPixel(), 3);
  EXPECT_EQ(At(*skin.MaskItems[3].Image, 0), 0x00FF00);
  const TsGeneralData& r = skin.SectionItems[0];
  EXPECT_EQ(r.Color, 0x00FF00);
  EXPECT_EQ(r.HotColor, 0xFF0000);
  EXPECT_EQ(r.FontColor[0], 0x0000FF);
  EXPECT_EQ(r.FontColor[1], -1);
  EXPECT_EQ(r.HotFontColor[2], 0x00FF00);
  EXPECT_EQ(r.HotFontColor[3], -1);
}

}  // namespace
