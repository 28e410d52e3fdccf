// Section backgrounds, borders, the disabled look and glyph frames, painted
// into plain buffers from a hand-made skin.
#include "skin/core/section_painting.h"

#include <gtest/gtest.h>

#include <cmath>

#include "control_model_test_support.h"
#include "paint_test_support.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_constants.h"

using namespace recordtest;
using painttest::Count;
using painttest::Get;
using painttest::Make;

namespace {

constexpr TColor kSection = 0x204060;
constexpr TColor kHot = 0x6080A0;
constexpr TColor kTexture = 0x0000F0;
constexpr TColor kParent = 0x336699;

int Mix(int a, int b, double f) { return static_cast<int>(std::lround(f * a + (1 - f) * b)); }
TColor MixColor(TColor a, TColor b, double f) {
  return RGBColor(static_cast<uint8_t>(Mix(a & 0xFF, b & 0xFF, f)),
                  static_cast<uint8_t>(Mix((a >> 8) & 0xFF, (b >> 8) & 0xFF, f)),
                  static_cast<uint8_t>(Mix((a >> 16) & 0xFF, (b >> 16) & 0xFF, f)));
}

// One section "PANEL", a master bitmap whose left 8 x 8 is a texture of
// kTexture and whose next 8 x 8 holds a border frame.
class SectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TsGeneralData& s = skin.Add("PANEL", kSection);
    s.HotColor = kHot;
    skin.manager->MasterBitmap = std::make_shared<TPixelBuffer>(Make(32, 16, kTexture));
    painttest::FillRect(*skin.manager->MasterBitmap, 8, 0, 16, 8, 0x00FF00);
  }
  TsGeneralData& Sec() { return skin.manager->SectionItems[0]; }
  int AddItem(const std::string& property, TRect r, TvxImgType type, int stretch = 0) {
    TsMaskData item;
    item.SectionName = "PANEL";
    item.PropertyName = property;
    item.SourceRect = r;
    item.ImageCount = 1;
    item.ImgType = type;
    item.StretchMode = static_cast<int16_t>(stretch);
    item.Manager = skin.manager.get();
    skin.manager->MaskItems.push_back(item);
    return static_cast<int>(skin.manager->MaskItems.size()) - 1;
  }
  void Paint(TPixelBuffer& b, const TCacheInfo& cache = EmptyCacheInfo, int state = 0,
             TRect r = TRect{}) {
    if (r.IsEmpty()) r = TRect{0, 0, b.Width(), b.Height()};
    PaintSectionBackground(0, "PANEL", cache, SkinTransparentColor, -1, -1, nullptr, b.View(),
                           TPoint{}, r, state);
  }

  ModelScope scope;
  ManagerScope skin;
};

}  // namespace

// -- Backgrounds ----------------------------------------------------------------------------------

TEST_F(SectionTest, PlainColourNormalAndHot) {
  TPixelBuffer b = Make(10, 6, 0);
  Paint(b);
  EXPECT_EQ(Count(b, kSection), 60);
  Paint(b, EmptyCacheInfo, 1);
  EXPECT_EQ(Count(b, kHot), 60);
  // An override colour paints plain, whatever the section holds.
  Sec().GradientPercent = 100;
  PaintSectionBackground(0, "PANEL", EmptyCacheInfo, 0x010203, -1, -1, nullptr, b.View(), {},
                         TRect{0, 0, 10, 6}, 0);
  EXPECT_EQ(Count(b, 0x010203), 60);
}

TEST_F(SectionTest, NothingForAnInvalidSectionOrWithoutManager) {
  TPixelBuffer b = Make(4, 4, 0x111111);
  PaintSectionBackground(7, "PANEL", EmptyCacheInfo, SkinTransparentColor, -1, -1, nullptr,
                         b.View(), {}, TRect{0, 0, 4, 4}, 0);
  EXPECT_EQ(Count(b, 0x111111), 16);
  skin.manager.reset();
  Paint(b);
  EXPECT_EQ(Count(b, 0x111111), 16);
}

TEST_F(SectionTest, FullTransparencyShowsTheParentsPixels) {
  Sec().Transparency = 100;
  TPixelBuffer parent = Make(20, 20, kParent);
  painttest::Set(parent, 5, 7, 0xABCDEF);
  TPixelBuffer b = Make(6, 6, 0);
  Paint(b, MakeCacheInfo(parent.View(), 5, 7));
  EXPECT_EQ(Get(b, 0, 0), 0xABCDEF);
  EXPECT_EQ(Count(b, kParent), 35);

  // Without a ready cache the section colour is painted.
  Paint(b);
  EXPECT_EQ(Count(b, kSection), 36);

  // The parent's cache as target: left as it is.
  const auto before = painttest::Bytes(parent);
  PaintSectionBackground(0, "PANEL", MakeCacheInfo(parent.View(), 0, 0), SkinTransparentColor,
                         -1, -1, nullptr, parent.View(), {}, TRect{0, 0, 20, 20}, 0);
  EXPECT_EQ(painttest::Bytes(parent), before);
}

TEST_F(SectionTest, PartialTransparencyWeighsTheParent) {
  Sec().Transparency = 40;  // alpha 102 on the parent
  TPixelBuffer parent = Make(8, 8, 0xFFFFFF);
  TPixelBuffer b = Make(8, 8, 0);
  Paint(b, MakeCacheInfo(parent.View(), 0, 0));
  const int alpha = 40 * 255 / 100;
  auto ch = [&](int p, int f) { return (p * alpha + f * (255 - alpha) + 127) >> 8; };
  EXPECT_EQ(Get(b, 3, 3), RGBColor(static_cast<uint8_t>(ch(255, 0x60)),
                                   static_cast<uint8_t>(ch(255, 0x40)),
                                   static_cast<uint8_t>(ch(255, 0x20))));
}

TEST_F(SectionTest, ImagePercentKeepsThatShareOfTheTexture) {
  AddItem("PATTERN", TRect{0, 0, 8, 8}, itisaTexture);
  Sec().ImagePercent = 30;
  TPixelBuffer b = Make(20, 12, 0);
  Paint(b);
  EXPECT_EQ(Count(b, MixColor(kTexture, kSection, 0.3)), 240);
  Sec().ImagePercent = 100;
  Paint(b);
  EXPECT_EQ(Count(b, kTexture), 240);
}

TEST_F(SectionTest, TextureBandsLeaveTheRestToTheColour) {
  const int item = AddItem("PATTERN", TRect{0, 0, 8, 8}, itisaTexture, 2);
  Sec().ImagePercent = 100;
  TPixelBuffer b = Make(20, 12, 0);
  Paint(b);
  EXPECT_EQ(Get(b, 19, 7), kTexture);  // the row of tiles along the top
  EXPECT_EQ(Get(b, 0, 8), kSection);
  EXPECT_EQ(Count(b, kSection), 20 * 4);

  skin.manager->MaskItems[static_cast<size_t>(item)].StretchMode = 7;  // column at the right
  Paint(b);
  EXPECT_EQ(Get(b, 12, 11), kTexture);
  EXPECT_EQ(Get(b, 11, 0), kSection);

  TRect left{0, 0, 20, 12};
  TPixelBuffer t = Make(20, 12, 0);
  PaintTexture(t.View(), left, skin.manager->MasterBitmap->View(), 0,
               skin.manager->MaskItems[static_cast<size_t>(item)]);
  EXPECT_EQ(left.Right, -1);
  EXPECT_EQ(Count(t, kTexture), 240);
}

TEST_F(SectionTest, GradientOverATextureIsWeighedByTheImagePercent) {
  AddItem("PATTERN", TRect{0, 0, 8, 8}, itisaTexture);
  Sec().ImagePercent = 60;
  Sec().GradientPercent = 40;
  Sec().GradientArray = {TGradientStop{0xFFFFFF, 0xFFFFFF, 100, 0, 0}};
  TPixelBuffer b = Make(10, 10, 0);
  Paint(b);
  const int alpha = 60 * 255 / 100;
  auto ch = [&](int tex, int grad) { return (tex * alpha + grad * (255 - alpha) + 127) >> 8; };
  EXPECT_EQ(Get(b, 5, 5), RGBColor(static_cast<uint8_t>(ch(0xF0, 0xFF)),
                                   static_cast<uint8_t>(ch(0, 0xFF)),
                                   static_cast<uint8_t>(ch(0, 0xFF))));
}

TEST_F(SectionTest, MissingTextureFallsBackToTheColour) {
  Sec().ImagePercent = 50;  // no PATTERN item at all
  TPixelBuffer b = Make(6, 6, 0x0F0F0F);
  Paint(b);
  EXPECT_EQ(Count(b, kSection), 36);
}

TEST_F(SectionTest, MaskedTextureOfModeTenIsLaidOverTheNormalState) {
  // Picture rows 0..3 of the texture column, mask rows 4..7: mask 0 shows it.
  painttest::FillRect(*skin.manager->MasterBitmap, 16, 0, 20, 4, 0x123456);
  painttest::FillRect(*skin.manager->MasterBitmap, 16, 4, 20, 8, 0x000000);
  const int item = AddItem("PATTERN", TRect{16, 0, 20, 8}, itisaTexture, 10);
  skin.manager->MaskItems[static_cast<size_t>(item)].MaskType = 1;
  TPixelBuffer b = Make(8, 8, 0);
  PaintSectionBackground(0, "PANEL", EmptyCacheInfo, SkinTransparentColor, -1, item, nullptr,
                         b.View(), {}, TRect{0, 0, 8, 8}, 0);
  EXPECT_EQ(Count(b, 0x123456), 64);
  PaintSectionBackground(0, "PANEL", EmptyCacheInfo, SkinTransparentColor, -1, item, nullptr,
                         b.View(), {}, TRect{0, 0, 8, 8}, 1);
  EXPECT_EQ(Count(b, kHot), 64);
}

// -- Whole sections -------------------------------------------------------------------------------

TEST_F(SectionTest, RectangleOnePixelPastTheEdgePaintsNothing) {
  TPixelBuffer b = Make(10, 10, 0x0A0A0A);
  const auto before = painttest::Bytes(b);
  PaintSection(0, "PANEL", EmptyCacheInfo, -1, -1, nullptr, b.View(), {}, TRect{0, 0, 11, 10}, 0, true);
  EXPECT_EQ(painttest::Bytes(b), before);
  PaintSection(0, "PANEL", EmptyCacheInfo, -1, -1, nullptr, b.View(), {}, TRect{-1, 0, 9, 10}, 0, true);
  EXPECT_EQ(painttest::Bytes(b), before);
  PaintSection(0, "PANEL", EmptyCacheInfo, -1, -1, nullptr, b.View(), {}, TRect{0, 0, 10, 10}, 0, true);
  EXPECT_EQ(Count(b, kSection), 100);  // no corners, no border: only the background
}

TEST_F(SectionTest, BorderAndCornersArePaintedOverTheBackground) {
  AddItem("BORDERSMASK", TRect{8, 0, 16, 8}, itisaBorder);
  skin.manager->MaskItems.back().WL = skin.manager->MaskItems.back().WT = 2;
  skin.manager->MaskItems.back().WR = skin.manager->MaskItems.back().WB = 2;
  painttest::FillRect(*skin.manager->MasterBitmap, 24, 0, 27, 3, 0x0000AA);
  AddItem("IMGBTMRIGHT", TRect{24, 0, 27, 3}, itisaGlyph);
  TPixelBuffer b = Make(20, 20, 0);
  PaintSection(0, "PANEL", EmptyCacheInfo, -1, -1, nullptr, b.View(), {}, TRect{0, 0, 20, 20}, 0, false);
  EXPECT_EQ(Get(b, 0, 0), 0x00FF00);
  EXPECT_EQ(Get(b, 1, 10), 0x00FF00);
  EXPECT_EQ(Get(b, 10, 10), kSection);  // centre not filled
  EXPECT_EQ(Get(b, 16, 16), kSection);
  EXPECT_EQ(Get(b, 17, 17), 0x0000AA);  // the corner image, under the border
  EXPECT_EQ(Get(b, 18, 18), 0x00FF00);
}

TEST_F(SectionTest, ControlSkinUsesTheParentColourWithoutCacheAndResetsTheGlobals) {
  Control form(nullptr, "TForm1");
  Control* panel = form.Add(new Control(&form));
  form.BackColor = kParent;
  TsCommonData sd(panel, true);
  sd.SetSkinSection("PANEL");
  Sec().Transparency = 100;
  sd.PrepareCacheBitmap();
  const TPixelBufferView cache = sd.CachePixels();
  PaintControlSkin(&sd, EmptyCacheInfo, true, 1, cache, {}, TRect{0, 0, cache.Width, cache.Height}, 0);
  // No parent pixels to copy: the parent's colour fills it.
  EXPECT_EQ(ReadPixelBytes(cache.Pixel(5, 5)), kParent);
  EXPECT_EQ(ParentBackColor, SkinTransparentColor);
  EXPECT_EQ(TransparentFillColor, SkinTransparentColor);

  // A custom colour paints plain.
  panel->BackColor = 0x0C0B0A;
  sd.SetCustomColor(true);
  PaintControlSkin(&sd, EmptyCacheInfo, true, 1, cache, {}, TRect{0, 0, cache.Width, cache.Height}, 0);
  EXPECT_EQ(ReadPixelBytes(cache.Pixel(5, 5)), 0x0C0B0A);
}

TEST_F(SectionTest, TransparentChildCopiesItsParentsCache) {
  Control form(nullptr, "TForm1");
  Control* child = form.Add(new Control(&form));
  // A parent whose look is more than a colour: its children copy its pixels.
  TsGeneralData& formSection = skin.Add("FORM", kParent);
  formSection.GradientPercent = 100;
  formSection.GradientArray = {TGradientStop{kParent, kParent, 100, 0, 0}};
  TsCommonData formRecord(&form, true);
  form.Record = &formRecord;
  formRecord.SetSkinSection("FORM");
  form.W = 30;
  form.H = 30;
  formRecord.PrepareCacheBitmap();
  const TPixelBufferView formCache = formRecord.CachePixels();
  PaintControlSkin(&formRecord, EmptyCacheInfo, true, 1, formCache, {}, TRect{0, 0, 30, 30}, 0);
  WritePixelBytes(formCache.Pixel(12, 4), 0x00ABCD);

  TsCommonData sd(child, true);
  sd.SetSkinSection("PANEL");
  Sec().Transparency = 100;
  sd.PrepareCacheBitmap();
  TCacheInfo ci = EmptyCacheInfo;
  sd.GetParentCacheInfo(ci);
  ASSERT_TRUE(ci.Ready);
  ci.X = 12;
  ci.Y = 4;  // the child's place in its parent
  const TPixelBufferView cache = sd.CachePixels();
  PaintControlSkin(&sd, ci, true, 1, cache, {}, TRect{0, 0, cache.Width, cache.Height}, 0);
  EXPECT_EQ(ReadPixelBytes(cache.Pixel(0, 0)), 0x00ABCD);
  EXPECT_EQ(ReadPixelBytes(cache.Pixel(10, 10)), kParent);
}

// -- Disabled look --------------------------------------------------------------------------------

TEST_F(SectionTest, DisabledLookGreysThenBlendsWithTheParent) {
  TPixelBuffer b = Make(4, 4, 0x0000FF);
  PaintDisabledLook(b.View(), TsDisabledKind{dkGrayed}, nullptr, {}, EmptyCacheInfo);
  EXPECT_EQ(Count(b, 0x555555), 16);

  TPixelBuffer parent = Make(10, 10, 0xFFFFFF);
  b = Make(4, 4, 0x000000);
  PaintDisabledLook(b.View(), TsDisabledKind{dkBlended}, nullptr, TPoint{2, 2},
                    MakeCacheInfo(parent.View(), 1, 1));
  EXPECT_EQ(Count(b, MixColor(0xFFFFFF, 0, 0.6)), 16);  // 40 percent own, 60 parent

  // Without a parent cache: half and half with the parent's colour.
  Control form(nullptr);
  form.BackColor = 0xFFFFFF;
  b = Make(4, 4, 0x000000);
  PaintDisabledLook(b.View(), TsDisabledKind{dkGrayed, dkBlended}, &form, {}, EmptyCacheInfo);
  EXPECT_EQ(Count(b, MixColor(0, 0xFFFFFF, 0.5)), 16);
}

// -- Glyphs ---------------------------------------------------------------------------------------

TEST(GlyphImageTest, FrameOfAStrip) {
  EXPECT_EQ(GlyphFrameIndex(4, 1, false, true), 0);  // no hot frame below 5
  EXPECT_EQ(GlyphFrameIndex(5, 1, false, true), 4);
  EXPECT_EQ(GlyphFrameIndex(4, 2, true, true), 3);
  EXPECT_EQ(GlyphFrameIndex(3, 2, true, true), 2);
  EXPECT_EQ(GlyphFrameIndex(2, 2, false, true), 0);
  EXPECT_EQ(GlyphFrameIndex(4, 0, false, false), 1);
  EXPECT_EQ(GlyphFrameIndex(1, 2, true, false), 0);
}

TEST(GlyphImageTest, StripFramesAreCopiedKeyed) {
  // Four 3 x 3 frames of their own colour, each with a magenta key corner.
  const TColor frames[4] = {0x000011, 0x000022, 0x000033, 0x000044};
  TPixelBuffer strip = Make(12, 3, 0);
  for (int f = 0; f < 4; ++f) {
    painttest::FillRect(strip, f * 3, 0, f * 3 + 3, 3, frames[f]);
    painttest::Set(strip, f * 3, 2, SkinTransparentColor);
  }
  TPixelBuffer t = Make(5, 5, 0x777777);
  PaintGlyphImage(strip.View(), t.View(), TRect{1, 1, 4, 4}, false, 0, 1, {}, false, true, 4);
  EXPECT_EQ(Get(t, 2, 2), frames[0]);
  EXPECT_EQ(Get(t, 1, 3), 0x777777);  // key pixel left out
  PaintGlyphImage(strip.View(), t.View(), TRect{1, 1, 4, 4}, true, 0, 2, {}, false, true, 4);
  EXPECT_EQ(Get(t, 2, 2), frames[3]);
  PaintGlyphImage(strip.View(), t.View(), TRect{1, 1, 4, 4}, false, 0, 0, {}, false, false, 4);
  EXPECT_EQ(Get(t, 2, 2), frames[1]);
}

TEST(GlyphImageTest, SingleGlyphBlendsGreysAndKeepsItsKey) {
  TPixelBuffer glyph = Make(2, 2, 0x0000FF);
  painttest::Set(glyph, 0, 1, SkinTransparentColor);
  TPixelBuffer t = Make(2, 2, 0x000000);
  PaintGlyphImage(glyph.View(), t.View(), TRect{0, 0, 2, 2}, false, 50, 0, {}, false, true, 1);
  EXPECT_EQ(Get(t, 1, 1), 0x000080);
  EXPECT_EQ(Get(t, 0, 1), 0x000000);
  t = Make(2, 2, 0x000000);
  PaintGlyphImage(glyph.View(), t.View(), TRect{0, 0, 2, 2}, false, 0, 0, {}, true, true, 1);
  EXPECT_EQ(Get(t, 1, 1), 0x555555);
  EXPECT_EQ(Get(t, 0, 1), 0x000000);
  t = Make(2, 2, 0x000000);
  PaintGlyphImage(glyph.View(), t.View(), TRect{0, 0, 2, 2}, false, 0, 0,
                  TsDisabledKind{dkBlended}, false, false, 1);
  EXPECT_EQ(Get(t, 1, 0), 0x000080);
}
