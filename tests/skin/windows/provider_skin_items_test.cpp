// What a provider takes from a loaded skin: the caption-button images in
// their look-up order and the cut-outs of a shaped frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "skin/core/skin_manager.h"
#include "skin/windows/button_masks.h"
#include "skin/windows/frame_cutouts.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

using namespace brsm::kit;

class ProviderSkinItems : public ::testing::Test {
 protected:
  std::unique_ptr<TsSkinManager> Load(const KitSkin& skin) {
    EXPECT_TRUE(skin.WriteFolder(dir_.Path()));
    auto m = std::make_unique<TsSkinManager>(nullptr);
    m->SetSkinDirectory(dir_.Path());
    m->SetSkinName(skin.Name());
    EXPECT_TRUE(m->Active());
    return m;
  }
  static int Item(const TsSkinManager& m, const char* section, const char* property) {
    return m.LookupImageItemNoParent(section, property);
  }
  static TsButtonMasks Masks(const TsSkinManager& m, const char* section, TsFormBorder border,
                             bool mdiParent) {
    TsButtonMasks masks;
    LookupButtonMasks(m, m.LookupSection(section), section, border, mdiParent, masks);
    return masks;
  }
  static void Glyph(KitSkin& skin, const char* section, const char* key, int colour) {
    const TRect r = skin.PlaceInMaster(GlyphStrip(14, 14, {KitColor(colour, 0), KitColor(colour, 1)}));
    skin.Set(section, key, GlyphValue(r, 2, 0));
  }

  skintest::ScratchFolder dir_{"provider-items"};
};

TEST_F(ProviderSkinItems, FramesTakeBigOrSmallGlobalButtonsByBorderStyle) {
  auto m = Load(MakeMarlSkin());
  const TsButtonMasks big = Masks(*m, "FORM", fbSizeable, false);
  EXPECT_EQ(big.Close, Item(*m, "GLOBALINFO", "BICONCLOSE"));
  EXPECT_EQ(big.Minimize, Item(*m, "GLOBALINFO", "BICONMIN"));
  EXPECT_EQ(big.Maximize, Item(*m, "GLOBALINFO", "BICONMAX"));
  EXPECT_EQ(big.Help, Item(*m, "GLOBALINFO", "BICONHELP"));
  EXPECT_EQ(big.TitleButton, Item(*m, "GLOBALINFO", "TITLEBUTTON"));
  EXPECT_EQ(big.MDIClose, -1);
  EXPECT_NE(big.Close, -1);

  for (TsFormBorder border : {fbDialog, fbToolWindow, fbSizeToolWin}) {
    const TsButtonMasks small = Masks(*m, "FORM", border, false);
    EXPECT_EQ(small.Close, Item(*m, "GLOBALINFO", "SICONCLOSE"));
    EXPECT_EQ(small.Minimize, Item(*m, "GLOBALINFO", "SICONMIN"));
    EXPECT_EQ(small.Help, Item(*m, "GLOBALINFO", "SICONHELP"));
  }
  // An MDI parent's child buttons are the small ones.
  const TsButtonMasks mdi = Masks(*m, "FORM", fbSizeable, true);
  EXPECT_EQ(mdi.MDIClose, Item(*m, "GLOBALINFO", "SICONCLOSE"));
  EXPECT_EQ(mdi.MDIMinimize, Item(*m, "GLOBALINFO", "SICONMIN"));
}

TEST_F(ProviderSkinItems, FallbacksWhenTheSkinLacksButtons) {
  // GLOBALINFO without BICONCLOSE: every button from the form's section.
  KitSkin own("Own");
  own.Set("GLOBALINFO", "VERSION", "5.49");
  Glyph(own, "GLOBALINFO", "SICONCLOSE", 1);
  for (const char* key : {"BICONMIN", "BICONMAX", "BICONCLOSE", "BICONHELP"}) Glyph(own, "FORM", key, 2);
  own.Set("FORM", "COLOR", 0x808080);
  auto m = Load(own);
  TsButtonMasks masks = Masks(*m, "FORM", fbToolWindow, true);
  EXPECT_EQ(masks.Close, Item(*m, "FORM", "BICONCLOSE"));
  EXPECT_EQ(masks.Help, Item(*m, "FORM", "BICONHELP"));
  EXPECT_EQ(masks.MDIMaximize, Item(*m, "FORM", "BICONMAX"));
  EXPECT_EQ(masks.TitleButton, -1);

  // A tool window without SICONHELP takes BICONHELP; without SICONCLOSE
  // all four fall back to the BICON items, and so do an MDI parent's.
  KitSkin global("Global");
  global.Set("GLOBALINFO", "VERSION", "5.49");
  for (const char* key : {"BICONMIN", "BICONMAX", "BICONCLOSE", "BICONHELP", "SICONCLOSE"})
    Glyph(global, "GLOBALINFO", key, 3);
  global.Set("FORM", "COLOR", 0x808080);
  m = Load(global);
  masks = Masks(*m, "FORM", fbToolWindow, false);
  EXPECT_EQ(masks.Close, Item(*m, "GLOBALINFO", "SICONCLOSE"));
  EXPECT_EQ(masks.Help, Item(*m, "GLOBALINFO", "BICONHELP"));
  EXPECT_EQ(masks.Minimize, -1);
  // No SICONMIN: an MDI parent's child buttons copy its own buttons.
  masks = Masks(*m, "FORM", fbDialog, true);
  EXPECT_EQ(masks.MDIMinimize, masks.Minimize);
  EXPECT_EQ(masks.MDIClose, masks.Close);

  // Without a GLOBALINFO section at all the form's section gives them too.
  // (Own files: a master bitmap is named in GLOBALINFO.)
  KitSkin formOnly("FormOnly");
  for (const char* key : {"BICONMIN", "BICONMAX", "BICONCLOSE", "BICONHELP"}) {
    TPixelBuffer picture = GlyphStrip(14, 14, {KitColor(4, 0), KitColor(4, 1)});
    formOnly.AddFile(std::string(key) + ".bmp", BmpBytes(picture));
    formOnly.Set("FORM", key, OwnFileValue(std::string(key) + ".BMP", 2, 0, 2));
  }
  formOnly.Set("FORM", "COLOR", 0x808080);
  m = Load(formOnly);
  ASSERT_EQ(m->LookupSection("GLOBALINFO"), -1);
  masks = Masks(*m, "FORM", fbSizeable, false);
  EXPECT_NE(masks.Close, -1);
  EXPECT_EQ(masks.Close, Item(*m, "FORM", "BICONCLOSE"));
  EXPECT_EQ(masks.Minimize, Item(*m, "FORM", "BICONMIN"));
  EXPECT_EQ(masks.TitleButton, -1);
}

TEST_F(ProviderSkinItems, TheFormBordersMagentaCornersAreExactlyTheCutouts) {
  auto m = Load(MakeMarlSkin());
  const int form = Item(*m, "FORM", "BORDERSMASK");
  const int title = Item(*m, "FORMTITLE", "BORDERSMASK");
  ASSERT_NE(form, -1);
  ASSERT_NE(title, -1);
  const int w = 200, h = 120;
  std::vector<TRect> cutouts = CollectFrameCutouts(*m, form, title, w, h);

  // The kit's corners are triangles 6 pixels on a side: row r of the top
  // cells is cut 6 - r pixels in from each side, row r of the bottom
  // cells r + 1 pixels.
  std::vector<TRect> expected;
  for (int r = 0; r < 6; ++r) {
    expected.push_back(Rect(0, r, 6 - r, r + 1));
    expected.push_back(Rect(w - (6 - r), r, w, r + 1));
    expected.push_back(Rect(0, h - 6 + r, r + 1, h - 5 + r));
    expected.push_back(Rect(w - (r + 1), h - 6 + r, w, h - 5 + r));
  }
  auto order = [](const TRect& a, const TRect& b) {
    return std::tie(a.Top, a.Left, a.Right, a.Bottom) < std::tie(b.Top, b.Left, b.Right, b.Bottom);
  };
  std::sort(cutouts.begin(), cutouts.end(), order);
  std::sort(expected.begin(), expected.end(), order);
  EXPECT_EQ(cutouts, expected);

  TRegionHandle region = MakeFormRegion(cutouts, w, h);
  const auto* recorded = static_cast<const TRecordedRegion*>(region);
  EXPECT_FALSE(recorded->Contains(0, 0));
  EXPECT_FALSE(recorded->Contains(5, 0));
  EXPECT_TRUE(recorded->Contains(6, 0));
  EXPECT_FALSE(recorded->Contains(1, 4));
  EXPECT_TRUE(recorded->Contains(2, 4));
  EXPECT_FALSE(recorded->Contains(w - 1, h - 1));
  EXPECT_TRUE(recorded->Contains(w / 2, h / 2));
  EXPECT_FALSE(recorded->Contains(w, 10));
  PaintSeam().DeleteRegion(region);
}

}  // namespace
