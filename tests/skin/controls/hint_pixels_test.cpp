#include "skin/controls/hint_pixels.h"

#include <gtest/gtest.h>

#include "skin/controls/hint_presets.h"

namespace {

TColor PixelAt(const TPixelBufferView& v, int x, int y) {
  const uint8_t* p = v.Pixel(x, y);
  return RGBColor(p[2], p[1], p[0]);
}

void Fill(const TPixelBufferView& v, TColor c) {
  for (int y = 0; y < v.Height; ++y)
    for (int x = 0; x < v.Width; ++x) {
      uint8_t* p = v.Pixel(x, y);
      p[0] = static_cast<uint8_t>(c >> 16), p[1] = static_cast<uint8_t>(c >> 8), p[2] = static_cast<uint8_t>(c);
    }
}

}  // namespace

TEST(HintPixels, BackgroundFallsBackToPlainColour) {
  TPixelBuffer buf(12, 10);
  const TPixelBufferView v = buf.View();
  THintFill fill;
  fill.Color = 0x3366CC;
  fill.GradientPercent = 100;
  fill.GradientData = "1;2;x;0;0";
  EXPECT_EQ(PaintHintBackground(v, TRect{0, 0, 10, 8}, fill), 0);
  EXPECT_EQ(PixelAt(v, 0, 0), 0x3366CC);
  // Right and bottom edges are part of the body; beyond them nothing.
  EXPECT_EQ(PixelAt(v, 10, 8), 0x3366CC);
  EXPECT_EQ(PixelAt(v, 11, 9), 0);

  // Gradient and texture together above 100 percent: plain colour again.
  TPixelBuffer tex(2, 2);
  Fill(tex.View(), 0xFFFFFF);
  fill.GradientData = "255;16711680;100;0;0";
  fill.TexturePercent = 50;
  fill.Texture = tex.View();
  EXPECT_EQ(PaintHintBackground(v, TRect{0, 0, 10, 8}, fill), 100);
  EXPECT_EQ(PixelAt(v, 5, 5), 0x3366CC);

  // A valid gradient alone at 100 percent is left as painted.
  fill.TexturePercent = 0;
  Fill(v, 0);
  EXPECT_EQ(PaintHintBackground(v, TRect{0, 0, 10, 8}, fill), 100);
  EXPECT_NE(PixelAt(v, 5, 0), 0x3366CC);
  EXPECT_NE(PixelAt(v, 5, 0), PixelAt(v, 5, 7));
}

TEST(HintPixels, EdgeTracedTopLeftThenBottomRight) {
  // A 4 x 4 mask with a 2 x 2 inside at (1, 1) and one inside pixel on the
  // bitmap's first column.
  TPixelBuffer mask(4, 4), bmp(4, 4);
  Fill(mask.View(), 0xFFFFFF);
  Fill(bmp.View(), 0x808080);
  for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {0, 3}}) {
    uint8_t* p = mask.View().Pixel(x, y);
    p[0] = p[1] = p[2] = 0;
  }
  // (3, 3) is grey, not white: inside too.
  mask.View().Pixel(3, 3)[0] = 254;
  TraceShapeEdge(bmp.View(), mask.View(), 0x0000FF, 0x00FF00);
  const TPixelBufferView b = bmp.View();
  EXPECT_EQ(PixelAt(b, 1, 1), 0xFF);
  EXPECT_EQ(PixelAt(b, 2, 1), 0xFF);
  EXPECT_EQ(PixelAt(b, 1, 2), 0xFF);
  EXPECT_EQ(PixelAt(b, 2, 2), 0xFF00);
  EXPECT_EQ(PixelAt(b, 0, 3), 0xFF);
  EXPECT_EQ(PixelAt(b, 3, 3), 0xFF);  // its left neighbour is outside
  EXPECT_EQ(PixelAt(b, 3, 0), 0x808080);
}

TEST(HintPixels, LayeredAlphaOutsideFromShadowInsideOpaque) {
  TPixelBuffer out(2, 1, 4), image(2, 1), mask(2, 1), shadow(2, 1);
  Fill(image.View(), 0x102030);
  Fill(shadow.View(), 0x404040);
  Fill(mask.View(), 0xFFFFFF);
  mask.View().Pixel(1, 0)[2] = 0;
  ComposeLayeredImage(out.View(), image.View(), mask.View(), shadow.View());
  const uint8_t* outside = out.View().Pixel(0, 0);
  const uint8_t* inside = out.View().Pixel(1, 0);
  EXPECT_EQ(outside[0] + outside[1] + outside[2], 0);
  EXPECT_EQ(outside[3], 255 - 0x40);
  EXPECT_EQ(inside[0], 0x10);  // blue byte first
  EXPECT_EQ(inside[2], 0x30);
  EXPECT_EQ(inside[3], 255);
}

// The preset table written out row by row, apart from the one it checks.
TEST(HintPresets, MatchTheTable) {
  struct Row {
    TsHintsPredefinitions P;
    TsHintStyle Style;
    int Bevel, Ex, MH, MV, MaxW, Rad;
    TColor Color;
    int Tr;
    TColor Top, Bottom;
    int Gp, Blur, Off, STr;
    bool HasGradient;
  };
  const Row rows[] = {
      {shSimply, hsSimply, 1, -1, 4, 2, 240, -1, static_cast<TColor>(0xFF000018), 0, 0, 0, 0, 3, 6, 40, false},
      {shGradient, hsSimply, 1, -1, 6, 3, 240, -1, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, 100, 5, 6, 50, true},
      {shTransparent, hsSimply, 0, -1, 13, 5, 240, -1, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, 0, 3, 10, 70, false},
      {shEllipse, hsEllipse, 1, 16, 6, 12, 240, -1, 0xC2FCFC, 5, 0x008080, 0, 100, 4, 16, 75, true},
      {shBalloon, hsBalloon, 6, 18, 6, 6, 240, -1, 0xC2FCFC, 10, 0x408080, 0x408080, 0, 6, 8, 70, false},
      {shComicsGradient, hsComics, 1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, 100, 10, 7, 28, true},
      {shComicsTransparent, hsComics, 1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0, 0, 0, 4, 7, 45, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.P);
    const THintPreset* p = HintPreset(r.P);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Style, r.Style);
    EXPECT_EQ(p->BevelWidth, r.Bevel);
    EXPECT_EQ(p->ExOffset, r.Ex);
    EXPECT_EQ(p->MarginH, r.MH);
    EXPECT_EQ(p->MarginV, r.MV);
    EXPECT_EQ(p->MaxWidth, r.MaxW);
    EXPECT_EQ(p->Radius, r.Rad);
    EXPECT_EQ(p->Color, r.Color);
    EXPECT_EQ(p->Transparency, r.Tr);
    EXPECT_EQ(p->ColorBorderTop, r.Top);
    EXPECT_EQ(p->ColorBorderBottom, r.Bottom);
    EXPECT_EQ(p->Bevel, 1);
    EXPECT_EQ(p->GradientPercent, r.Gp);
    EXPECT_EQ(p->ShadowBlur, r.Blur);
    EXPECT_EQ(p->ShadowOffset, r.Off);
    EXPECT_EQ(p->ShadowTransparency, r.STr);
    EXPECT_EQ(std::string(p->GradientData).empty(), !r.HasGradient);
  }
  EXPECT_EQ(std::string(HintPreset(shEllipse)->GradientData), "7728127;16777215;99;0;0;16777215;16777215;0;0;0");
  EXPECT_EQ(HintPreset(shStandard), nullptr);
  EXPECT_EQ(HintPreset(shNone), nullptr);
  EXPECT_EQ(HintPreset(shCustom), nullptr);
}
