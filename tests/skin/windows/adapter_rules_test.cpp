// Decisions of the button, check-box, panel, static, tool-bar, up-down and
// grip adapters that need no window.
#include <gtest/gtest.h>

#include <string>

#include "skin/core/skin_data.h"
#include "skin/windows/bar_adapter_rules.h"
#include "skin/windows/button_adapter_rules.h"
#include "skin/windows/panel_adapter_rules.h"

TEST(ButtonLookState, PushedBeatsDisabledBeatsFocusThenTheDefaultStyle) {
  EXPECT_EQ(ButtonLookState(true, false, false, true, 0), 2);
  EXPECT_EQ(ButtonLookState(false, false, true, true, 1), 0);
  EXPECT_EQ(ButtonLookState(false, true, true, true, 0), 1);
  // With an owner control only BS_DEFPUSHBUTTON in the low four bits; an
  // owner-drawn button ($B) has the low bit but is not the default.
  EXPECT_EQ(ButtonLookState(false, true, false, true, 0x1), 1);
  EXPECT_EQ(ButtonLookState(false, true, false, true, 0xB), 0);
  EXPECT_EQ(ButtonLookState(false, true, false, true, 0x10001), 1);
  // Without one the lowest bit alone decides.
  EXPECT_EQ(ButtonLookState(false, true, false, false, 0xB), 1);
  EXPECT_EQ(ButtonLookState(false, true, false, false, 0xA), 0);
}

TEST(BitBtnGlyphCell, PressedCellOnlyWithThreeCellsDisabledCellWithTwo) {
  for (int state = 0; state <= 2; ++state) EXPECT_EQ(BitBtnGlyphCell(1, true, state), 0);
  EXPECT_EQ(BitBtnGlyphCell(1, false, 0), 0);
  EXPECT_EQ(BitBtnGlyphCell(2, true, 2), 0);  // never the disabled cell when pressed
  EXPECT_EQ(BitBtnGlyphCell(2, false, 0), 1);
  EXPECT_EQ(BitBtnGlyphCell(3, true, 2), 2);
  EXPECT_EQ(BitBtnGlyphCell(3, true, 1), 0);
  EXPECT_EQ(BitBtnGlyphCell(4, true, 2), 3);
  EXPECT_EQ(BitBtnGlyphCell(4, false, 2), 1);
}

TEST(CheckGlyphName, RadioImagesForBothRadioTypesGrayedAlwaysTheBox) {
  const char* box[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED"};
  const char* radio[] = {"RADIOUNCHECKED", "RADIOCHECKED", "BOXGRAYED"};
  for (uint32_t type : {2u, 3u, 5u, 6u})
    for (int s = 0; s <= 2; ++s) EXPECT_EQ(CheckGlyphName(0x50000000 | type, s), box[s]) << type << s;
  for (uint32_t type : {4u, 9u})
    for (int s = 0; s <= 2; ++s) EXPECT_EQ(CheckGlyphName(type | StyleLeftText, s), radio[s]) << type << s;
}

TEST(CheckGlyphGeometry, FramesAsPaintedAndTheBoxAtTheTextSide) {
  TsMaskData item;
  item.SourceRect = TRect{10, 20, 58, 52};  // 48 x 32
  item.ImageCount = 0;
  item.MaskType = 0;
  EXPECT_EQ(ItemFrameSize(item), (TSize{48, 32}));
  EXPECT_EQ(item.ImageCount, 0);  // measuring never writes into the skin
  item.ImageCount = 3;
  item.MaskType = 1;
  EXPECT_EQ(ItemFrameSize(item), (TSize{16, 16}));
  item.ImageCount = 2;
  item.Image = std::make_shared<TPixelBuffer>();  // an own bitmap is cut the same way
  EXPECT_EQ(ItemFrameSize(item), (TSize{24, 16}));

  EXPECT_EQ(CheckGlyphRect(TSize{100, 21}, TSize{13, 13}, false), (TRect{0, 4, 13, 17}));
  EXPECT_EQ(CheckGlyphRect(TSize{100, 21}, TSize{13, 13}, true), (TRect{87, 4, 100, 17}));
  EXPECT_EQ(CheckCaptionRect(TSize{100, 20}, 16, TSize{40, 14}, false, false), (TRect{20, 2, 60, 16}));
  EXPECT_EQ(CheckCaptionRect(TSize{100, 20}, 16, TSize{40, 14}, false, true), (TRect{19, 2, 59, 16}));
  EXPECT_EQ(CheckCaptionRect(TSize{100, 20}, 16, TSize{40, 14}, true, false), (TRect{2, 3, 42, 17}));
  // A caption higher than the window starts at the top.
  EXPECT_EQ(CheckCaptionRect(TSize{100, 10}, 16, TSize{40, 30}, true, false).Top, 0);
}

TEST(PanelSections, BevelTableAndTheDialogPanelsClassTest) {
  const int none = 0, lowered = 1, raised = 2, space = 3;
  EXPECT_EQ(PanelSectionOfBevels(lowered, raised, true), "GROUPBOX");
  EXPECT_EQ(PanelSectionOfBevels(lowered, none, false), "PANEL_LOW");
  EXPECT_EQ(PanelSectionOfBevels(lowered, lowered, false), "PANEL_LOW");
  EXPECT_EQ(PanelSectionOfBevels(raised, lowered, false), "GROUPBOX");
  EXPECT_EQ(PanelSectionOfBevels(raised, space, true), "PANEL");
  EXPECT_EQ(PanelSectionOfBevels(none, raised, false), "CHECKBOX");
  EXPECT_EQ(PanelSectionOfBevels(space, none, true), "PANEL_LOW");
  EXPECT_EQ(DialogPanelSection(true, "TPanel"), "CHECKBOX");
  EXPECT_EQ(DialogPanelSection(true, "TPANEL"), "GROUPBOX");
  EXPECT_EQ(DialogPanelSection(true, "TsPanel"), "GROUPBOX");
  EXPECT_EQ(DialogPanelSection(false, "TPanel"), "GROUPBOX");
}

TEST(GroupCaption, CutOnePixelBeforeTheEdgeAndNeverFlat) {
  EXPECT_EQ(GroupCaptionRect(200, TSize{50, 13}), (TRect{6, 0, 64, 15}));
  EXPECT_EQ(GroupCaptionRect(60, TSize{50, 13}).Right, 59);
  EXPECT_EQ(GroupCaptionRect(64, TSize{50, 13}).Right, 64);
  EXPECT_EQ(GroupCaptionRect(200, TSize{0, 0}).Bottom, 6);
}

TEST(LinkText, TagsGoInEitherCaseWithAttributesOtherAnglesStay) {
  EXPECT_EQ(StripLinkTags("See <A>help</A> now"), "See help now");
  EXPECT_EQ(StripLinkTags("<a href=\"x\">site</a>"), "site");
  EXPECT_EQ(StripLinkTags("a < b <b>"), "a < b <b>");
  EXPECT_EQ(StripLinkTags("open <A"), "open <A");
}

TEST(ToolItems, StatesShiftsAndWhatIsSkipped) {
  const auto look = [](uint8_t state, uint8_t style, bool under) { return ToolItemLook(state, style, under); };
  EXPECT_EQ(look(ToolStateEnabled, 0, false).State, 0);
  EXPECT_EQ(look(ToolStateEnabled, 0, true).State, 1);
  EXPECT_EQ(look(ToolStateEnabled | ToolStatePressed, 0, false).State, 2);
  EXPECT_EQ(look(ToolStateEnabled | ToolStatePressed, 0, false).Shift, 1);
  EXPECT_EQ(look(ToolStateEnabled | ToolStateChecked, 0, true).State, 2);
  EXPECT_EQ(look(ToolStatePressed, 0, true).State, 0);  // disabled
  EXPECT_EQ(look(ToolStatePressed, 0, true).Shift, 0);
  EXPECT_TRUE(look(ToolStateEnabled, ToolStyleSeparator, true).Separator);
  EXPECT_EQ(look(ToolStateEnabled, ToolStyleSeparator, true).State, 0);
  EXPECT_TRUE(look(ToolStateEnabled | ToolStateHidden, 0, true).Skip);

  EXPECT_TRUE(ToolItemHasImage(0, 3));
  EXPECT_FALSE(ToolItemHasImage(3, 3));
  EXPECT_FALSE(ToolItemHasImage(-2, 3));  // I_IMAGENONE
  EXPECT_EQ(ToolImageLeft(40, 16, 0, 0), 12);
  EXPECT_EQ(ToolImageLeft(40, 16, 9, 1), 8);
  EXPECT_EQ(ToolImageLeft(41, 16, 0, 1), 13);
}

TEST(ToolItems, TextBreaksBeforeTheFirstOverflowingWord) {
  const auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 5; };
  TvxTwoLines two = SplitToolText("Open the file", 45, measure);
  EXPECT_EQ(two.First, "Open the");
  EXPECT_EQ(two.Second, "file");
  two = SplitToolText("Save", 10, measure);  // one word stays one line
  EXPECT_EQ(two.First, "Save");
  EXPECT_TRUE(two.Second.empty());
  two = SplitToolText("Go on", 40, measure);  // fits
  EXPECT_TRUE(two.Second.empty());
  two = SplitToolText("Extraordinary long", 30, measure);  // first word overflows alone
  EXPECT_EQ(two.First, "Extraordinary long");
  EXPECT_TRUE(two.Second.empty());
}

TEST(SpinHalves, OddRowGoesUpAndTheLeftColumnsStayOut) {
  EXPECT_EQ(SpinUpperHalf(TSize{17, 21}, 2), (TRect{2, 0, 17, 11}));
  EXPECT_EQ(SpinLowerHalf(TSize{17, 21}, 2), (TRect{2, 11, 17, 21}));
  EXPECT_EQ(SpinUpperHalf(TSize{17, 20}, 0).Bottom, SpinLowerHalf(TSize{17, 20}, 0).Top);
}

TEST(SizeGrip, OnlyGripAndBoxStylesAreGrips) {
  EXPECT_TRUE(IsSizeGripStyle(0x10));
  EXPECT_TRUE(IsSizeGripStyle(0x08));
  EXPECT_FALSE(IsSizeGripStyle(0x00));
  EXPECT_FALSE(IsSizeGripStyle(0x01 | 0x04));  // a vertical bar aligned right
}
