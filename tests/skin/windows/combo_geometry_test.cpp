// Combo box geometry: the drop-down button of windows and controls, the
// arrow frame and an extended box's image.
#include <gtest/gtest.h>

#include "skin/windows/combo_geometry.h"

TEST(ComboGeometry, ButtonRectangleByStyleAndReadingOrder) {
  EXPECT_FALSE(ComboStyleHasButton(0x1));        // CBS_SIMPLE
  EXPECT_TRUE(ComboStyleHasButton(0x2));         // CBS_DROPDOWN
  EXPECT_TRUE(ComboStyleHasButton(0x3 | 0x20));  // CBS_DROPDOWNLIST, owner-drawn
  const TRect simple = ComboButtonRect(100, 22, ComboStyleHasButton(0x1) ? 17 : 0, false);
  EXPECT_EQ(simple, (TRect{98, 2, 98, 20}));
  EXPECT_EQ(ComboButtonRect(100, 22, 17, false), (TRect{81, 2, 98, 20}));
  EXPECT_EQ(ComboButtonRect(100, 22, 17, true), (TRect{2, 2, 19, 20}));
}

TEST(ComboGeometry, OnlyTComboBoxDecidesItsButtonByStyle) {
  EXPECT_TRUE(HasDropDownButton("TComboBox", TvxComboStyle::DropDown));
  EXPECT_TRUE(HasDropDownButton("TComboBox", TvxComboStyle::DropDownList));
  EXPECT_FALSE(HasDropDownButton("TComboBox", TvxComboStyle::Simple));
  EXPECT_FALSE(HasDropDownButton("TComboBox", TvxComboStyle::OwnerDrawFixed));
  EXPECT_FALSE(HasDropDownButton("TComboBox", TvxComboStyle::OwnerDrawVariable));
  EXPECT_TRUE(HasDropDownButton("TwwDBComboBox", TvxComboStyle::Simple));
  EXPECT_TRUE(HasDropDownButton("TComboBoxEx", TvxComboStyle::Simple));  // exact class name only
}

TEST(ComboGeometry, GlyphFrameCentredAndCountsBelowOneAreOne) {
  const TRect button{81, 2, 98, 20};
  // Three frames across, two rows (MaskType 1).
  TvxGlyphFrame f = ComboGlyphFrame(27, 14, 3, 1, button, 22);
  EXPECT_EQ(f.Width, 9);
  EXPECT_EQ(f.Height, 7);
  EXPECT_EQ(f.X, 81 + 4);
  EXPECT_EQ(f.Y, 7);
  f = ComboGlyphFrame(9, 7, 0, -3, button, 22);
  EXPECT_EQ(f.Width, 9);
  EXPECT_EQ(f.Height, 7);
  EXPECT_EQ(ComboGlyphFrame(9, 7, 1, 0, TRect{98, 2, 98, 20}, 22).Width, 0);  // no button, no glyph
}

TEST(ComboGeometry, IndentMovesListItemsNotTheEditFace) {
  const TRect face = ComboImageRect(22, 16, 16, true, false, 2);
  EXPECT_EQ(face, (TRect{3, 3, 19, 19}));
  const TRect item = ComboImageRect(22, 16, 16, true, true, 2);
  EXPECT_EQ(item.Left - face.Left, 32);
  EXPECT_EQ(ComboImageRect(22, 16, 16, true, true, -1), face);
  EXPECT_TRUE(ComboImageRect(22, 16, 16, false, true, 2).IsEmpty());
  // The caption runs from the image to the button.
  EXPECT_EQ(ComboEditTextRect(face, 145, 22, 18, true), (TRect{22, 0, 145 - 18 - 2 - 3, 22}));
  EXPECT_EQ(ComboEditTextRect(TRect{}, 145, 22, 18, false).Left, 3);
}

#include "skin/core/pixel_access.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/combo_button_painting.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

TColor KitState(const char* section, int state) {
  return brsm::kit::KitColor(brsm::kit::MarlSectionIndex(section), 10 + state);
}

}  // namespace

TEST(ComboButtonPainting, MarlButtonFaceAndArrowInEachStateOnlyInsideTheButton) {
  skintest::ScratchFolder dir{"combobutton"};
  ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(dir.Path()));
  TsSkinManager manager{nullptr};
  manager.SetSkinDirectory(dir.Path());
  manager.SetSkinName("Marl");
  ASSERT_TRUE(manager.SkinData.Loaded);
  EXPECT_EQ(ComboGlyphHeight(&manager), 11);
  EXPECT_EQ(ComboGlyphHeight(nullptr), 16);
  constexpr TColor kFace = 0x336699;
  for (int state = 0; state < 3; ++state) {
    TPixelBuffer face(120, 24);
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 120; ++x) WritePixelBytes(face.View().Pixel(x, y), kFace);
    const TRect button = ComboButtonRect(120, 24, 17, false);
    PaintComboButton(&manager, face.View(), button, state);
    auto px = [&](int x, int y) { return ReadPixelBytes(face.View().Pixel(x, y)); };
    EXPECT_EQ(px(button.Left + 8, button.Top), brsm::kit::Shade(KitState("COMBOBTN", state))) << state;
    EXPECT_EQ(px(button.Left + 8, 12), KitState("COMBOBOX", state)) << state;
    EXPECT_EQ(px(button.Left - 1, 12), kFace);
    EXPECT_EQ(px(button.Right, 12), kFace);
  }
  TPixelBuffer face(120, 24);
  PaintComboButton(&manager, face.View(), TRect{118, 2, 118, 22}, 0);  // empty: untouched, no fault

  // Without GLOBALINFO the glyph's master bitmap is gone: the arrow is still
  // there, in COMBOBTN's text colour (hot text colour when hot).
  brsm::kit::KitSkin lacking = brsm::kit::MakeMarlSkin("NoGlobalInfo");
  lacking.LeaveOut({"GLOBALINFO"});
  ASSERT_TRUE(lacking.WriteFolder(dir.Path()));
  manager.SetSkinName("NoGlobalInfo");
  ASSERT_TRUE(manager.SkinData.Loaded);
  const int btn = brsm::kit::MarlSectionIndex("COMBOBTN");
  for (int state = 0; state < 2; ++state) {
    TPixelBuffer plain(120, 24);
    const TRect button = ComboButtonRect(120, 24, 17, false);
    PaintComboButton(&manager, plain.View(), button, state);
    const TColor ink = brsm::kit::KitColor(btn, state ? 3 : 2);
    int arrow = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = button.Left; x < button.Right; ++x) arrow += ReadPixelBytes(plain.View().Pixel(x, y)) == ink;
    EXPECT_EQ(arrow, 7 + 5 + 3 + 1) << state;
  }
}
