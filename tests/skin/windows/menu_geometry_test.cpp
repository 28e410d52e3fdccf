// The skinned menus' arithmetic: measure, popup size, border width,
// background layout, frame bands, divider span and region holes.
#include "skin/windows/menu_geometry.h"

#include <gtest/gtest.h>

namespace {

const TsMenuSpacing kSpacing{2, 6};

TEST(MenuGeometry, ItemKindsAndMeasuredText) {
  EXPECT_EQ(MenuItemTypeOf("-"), smDivider);
  EXPECT_EQ(MenuItemTypeOf("-Tools-"), smCaption);
  EXPECT_EQ(MenuItemTypeOf("--"), smCaption);
  EXPECT_EQ(MenuItemTypeOf("-Tools"), smNormal);
  EXPECT_EQ(MenuItemTypeOf(""), smNormal);
  EXPECT_EQ(MeasuredTextOf(smCaption, "-Tools-", "Ctrl+T"), "--Tools--");
  EXPECT_EQ(MeasuredTextOf(smDivider, "-", "Ctrl+T"), "");
  EXPECT_EQ(MeasuredTextOf(smNormal, "Open", "Ctrl+O"), "OpenCtrl+O");
  EXPECT_FALSE(ExtraLineAllowedFor("SkinSelectItem"));
  EXPECT_TRUE(ExtraLineAllowedFor("SkinSelectItem0"));
}

TEST(MenuGeometry, MeasureTakesGlyphFromBitmapThenImagesElse16) {
  EXPECT_EQ(MenuGlyphSize(TSize{20, 18}, TSize{24, 24}), (TSize{20, 18}));
  EXPECT_EQ(MenuGlyphSize(TSize{0, 0}, TSize{24, 22}), (TSize{24, 22}));
  EXPECT_EQ(MenuGlyphSize(TSize{}, TSize{}), (TSize{16, 16}));
  // 2 glyphs + text + 3 margins + spacing, the extra line beside it.
  EXPECT_EQ(PopupItemWidth(kSpacing, 16, 50, 0), 32 + 50 + 6 + 6);
  EXPECT_EQ(PopupItemWidth(kSpacing, 16, 50, 32), 32 + 50 + 6 + 6 + 32);
  EXPECT_EQ(PopupItemHeight(kSpacing, smDivider, 13, 16), 2);
  EXPECT_EQ(PopupItemHeight(kSpacing, smCaption, 13, 40), 16 + 4);  // round(16.25)
  EXPECT_EQ(PopupItemHeight(kSpacing, smNormal, 13, 16), 16 + 4);
  EXPECT_EQ(PopupItemHeight(kSpacing, smNormal, 13, 24), 24 + 4);
}

TEST(MenuGeometry, TotalSizeOfTwoColumnsAndBorderWidth) {
  const std::vector<TsMeasuredItem> items = {{80, 20, false}, {100, 20, false}, {60, 2, false},
                                             {70, 20, true},  {90, 20, false}};
  // Columns 100 + 12 and 90 + 12 with 4 between; the first column is tallest.
  EXPECT_EQ(PopupTotalSize(items, 3), (TSize{112 + 4 + 102 + 6, 42 + 6}));
  EXPECT_EQ(PopupTotalSize({}, 3), (TSize{6, 6}));
  EXPECT_EQ(SkinBorderWidthOf(false, 5), 0);
  EXPECT_EQ(SkinBorderWidthOf(true, 5), 5);
  EXPECT_EQ(SkinBorderWidthOf(true, 0), 3);
  EXPECT_EQ(SkinBorderWidthOf(true, -2), 3);
}

TEST(MenuGeometry, BackgroundStripsWithAndWithoutExtraLine) {
  const TsPopupStrips both = PopupStripsOf(200, 100, 3, 32, 24);
  EXPECT_EQ(both.ExtraLine, (TRect{3, 3, 35, 97}));
  EXPECT_EQ(both.IconColumn, (TRect{35, 3, 59, 97}));
  const TsPopupStrips icons = PopupStripsOf(200, 100, 3, 0, 24);
  EXPECT_FALSE(HasArea(icons.ExtraLine));
  EXPECT_EQ(icons.IconColumn, (TRect{3, 3, 27, 97}));
  const TsPopupStrips none = PopupStripsOf(200, 100, 3, 0, 0);
  EXPECT_FALSE(HasArea(none.ExtraLine));
  EXPECT_FALSE(HasArea(none.IconColumn));
  // Lower than both borders: nothing is painted.
  const TsPopupStrips low = PopupStripsOf(200, 5, 3, 32, 24);
  EXPECT_FALSE(HasArea(low.ExtraLine));
  EXPECT_FALSE(HasArea(low.IconColumn));
}

TEST(MenuGeometry, BandsOfFirstAndLastItem) {
  const TSize window{120, 80};
  const TsItemBands first = ItemFrameBands(TRect{3, 3, 117, 23}, true, false, window, 3, 4, 0);
  EXPECT_EQ(first.Top, (TRect{0, 0, 120, 3}));
  EXPECT_FALSE(HasArea(first.Bottom));
  EXPECT_EQ(first.Left, (TRect{0, 3, 4, 23}));
  EXPECT_EQ(first.Right, (TRect{117, 3, 120, 23}));
  const TsItemBands last = ItemFrameBands(TRect{3, 57, 117, 77}, false, true, window, 3, 2, 32);
  EXPECT_FALSE(HasArea(last.Top));
  EXPECT_EQ(last.Bottom, (TRect{0, 77, 120, 80}));
  EXPECT_EQ(last.Left, (TRect{0, 57, 35, 77}));
}

TEST(MenuGeometry, DividerSpanIsClampedAndMayBeEmpty) {
  const TsSpan wide = DividerSpan(TRect{0, 0, 150, 2}, kSpacing, 0, 24);
  EXPECT_EQ(wide.Left, 26);   // icon column + 2 beats margin + spacing
  EXPECT_EQ(wide.Right, 140);
  const TsSpan extra = DividerSpan(TRect{0, 0, 150, 2}, kSpacing, 32, 0);
  EXPECT_EQ(extra.Left, 40);
  EXPECT_EQ(extra.Right, 150 - 42);
  // An item narrower than the extra-line offset paints nothing.
  EXPECT_TRUE(DividerSpan(TRect{0, 0, 30, 2}, kSpacing, 32, 24).Empty());
}

TEST(MenuGeometry, RegionHolesAreTheCornersOrTheTopLeftPixel) {
  EXPECT_EQ(PopupRegionHoles({}), (std::vector<TRect>{TRect{0, 0, 1, 1}}));
  const std::vector<TRect> corners = {TRect{0, 0, 2, 1}, TRect{118, 0, 120, 1}};
  EXPECT_EQ(PopupRegionHoles(corners), corners);
}

}  // namespace
