// The speed button's arithmetic: the frames of its animation, the
// drop-down decision and rectangles, the glyph rectangle beside the arrow
// strip, and the caption it keeps.
#include <gtest/gtest.h>

#include <vector>

#include "skin/launcher-controls/anim_steps.h"
#include "skin/launcher-controls/speed_button_layout.h"

namespace {

// Runs a fade as the timer does: a frame's alpha while one is drawn, the
// index growing every tick, until the fade is over.
std::vector<int> Frames(TsAnimSteps s, int maxTicks = 50) {
  std::vector<int> alphas;
  for (int tick = 0; tick < maxTicks && !AnimStepsDone(s); ++tick) {
    if (AnimStepDraws(s)) alphas.push_back(AnimFrameAlpha(s));
    ++s.StepIndex;
  }
  return alphas;
}

}  // namespace

TEST(AnimSteps, FourIterationsBlendFromTheStartLookToTheNewOne) {
  TsAnimSteps s;
  PlanAnimSteps(s, 4, false, 0);
  EXPECT_EQ(Frames(s), (std::vector<int>{255, 191, 127, 63, 0}));

  // Halving, and odd counts rounding down.
  PlanAnimSteps(s, 4, true, 0);
  EXPECT_EQ(Frames(s), (std::vector<int>{255, 127, 0}));
  PlanAnimSteps(s, 5, true, 0);
  EXPECT_EQ(s.StepCount, 2);
}

TEST(AnimSteps, AReversedFadeRunsBackOnlyTheStepsMade) {
  TsAnimSteps entry;
  PlanAnimSteps(entry, 4, false, 0);
  entry.StepIndex = 2;  // two frames shown, then the mouse leaves
  TsAnimSteps leave;
  PlanAnimSteps(leave, 4, false, AnimStepsLeft(entry));
  EXPECT_EQ(Frames(leave), (std::vector<int>{127, 63, 0}));

  // A finished fade leaves nothing: the next one runs whole.
  entry.StepIndex = 7;
  EXPECT_EQ(AnimStepsLeft(entry), 0);
  // More steps left than the halved count: the fade is over at once.
  PlanAnimSteps(leave, 4, true, 3);
  EXPECT_TRUE(AnimStepsDone(leave));
}

TEST(AnimSteps, ACountOfZeroDrawsNothingUntilTheFinishedTestEndsIt) {
  TsAnimSteps s;
  PlanAnimSteps(s, 0, false, 0);
  EXPECT_FALSE(AnimStepsDone(s));
  EXPECT_FALSE(AnimStepDraws(s));
  ++s.StepIndex;
  EXPECT_TRUE(AnimStepsDone(s));
  EXPECT_TRUE(Frames(s).empty());
  s.StepIndex = -1;
  EXPECT_TRUE(AnimStepsDone(s));
  EXPECT_FALSE(AnimStepDraws(s));
}

TEST(DropDown, OpensOnTheStripOrAnywhereWithoutOnClick) {
  TsDropDownPress p;
  p.LeftButton = true;
  p.Style = tbsDropDown;
  p.HasMenu = true;
  p.HasOnClick = true;
  p.Width = 100;
  p.X = 84;  // the strip is 84 < X < 100
  EXPECT_FALSE(PressOpensDropDown(p));
  p.X = 85;
  EXPECT_TRUE(PressOpensDropDown(p));
  p.X = 10;
  p.HasOnClick = false;
  EXPECT_TRUE(PressOpensDropDown(p));

  for (auto spoil : {+[](TsDropDownPress& q) { q.LeftButton = false; },
                     +[](TsDropDownPress& q) { q.Enabled = false; },
                     +[](TsDropDownPress& q) { q.HasMenu = false; },
                     +[](TsDropDownPress& q) { q.Style = tbsCheck; }}) {
    TsDropDownPress q = p;
    spoil(q);
    EXPECT_FALSE(PressOpensDropDown(q));
  }
}

TEST(DropDown, MenuPointStayRectAndWidthByStyle) {
  EXPECT_EQ(DropDownMenuPoint(22), (TPoint{0, 23}));
  // The menu at screen (300, 423) under a 22-pixel button at (300, 400).
  const TRect stay = DropDownStayRect(TPoint{300, 423}, 80, 22);
  EXPECT_EQ(stay, (TRect{300, 400, 380, 422}));
  EXPECT_TRUE(stay.Contains(379, 421));
  EXPECT_FALSE(stay.Contains(300, 422));

  EXPECT_EQ(WidthForStyleChange(80, tbsButton, tbsDropDown), 96);
  EXPECT_EQ(WidthForStyleChange(96, tbsDropDown, tbsSeparator), 80);
  EXPECT_EQ(WidthForStyleChange(80, tbsCheck, tbsDivider), 80);
  EXPECT_EQ(WidthForStyleChange(96, tbsDropDown, tbsDropDown), 96);
  EXPECT_EQ(DropDownStripWidth(tbsDropDown), 16);
  EXPECT_EQ(DropDownStripWidth(tbsButton), 0);
}

TEST(SpeedButtonGlyph, EveryPlaceOfTheTableLeavesTheStripOut) {
  // Face 116 x 40 with a 16 strip; glyph 16 x 12; caption 30 x 13;
  // margin 2 (m = 5); spacing 4. fx = (100-16-4-30)/2 - 5 = 20;
  // fy = (40-12-4-13)/2 - 5 = 0.
  TsGlyphPlaceFacts f;
  f.Width = 116;
  f.Height = 40;
  f.RightStrip = DropDownStripWidth(tbsDropDown);
  f.GlyphWidth = 16;
  f.GlyphHeight = 12;
  f.CaptionWidth = 30;
  f.CaptionHeight = 13;
  f.HasCaption = true;
  f.Margin = 2;
  f.Spacing = 4;
  struct Row {
    TButtonLayout layout;
    TAlignment alignment;
    TPoint at;
  };
  const Row rows[] = {
      {blGlyphLeft, taLeftJustify, {5, 14}},
      {blGlyphLeft, taCenter, {25, 14}},
      {blGlyphLeft, taRightJustify, {45, 14}},
      {blGlyphRight, taLeftJustify, {100 - 5 - 40 - 4 - 16, 14}},
      {blGlyphRight, taCenter, {(100 - 16 + 4 + 30) / 2, 14}},
      {blGlyphRight, taRightJustify, {100 - 16 - 5, 14}},
      {blGlyphTop, taLeftJustify, {43, 5}},
      {blGlyphBottom, taRightJustify, {43, 40 - 5 - 0 - 12}},
  };
  for (const Row& r : rows) {
    f.Layout = r.layout;
    f.Alignment = r.alignment;
    f.Pressed = false;
    EXPECT_EQ(SpeedButtonGlyphRect(f), (TRect{r.at.X, r.at.Y, r.at.X + 16, r.at.Y + 12}))
        << r.layout << "/" << r.alignment;
    f.Pressed = true;
    EXPECT_EQ(SpeedButtonGlyphRect(f), (TRect{r.at.X + 1, r.at.Y + 1, r.at.X + 17, r.at.Y + 13}))
        << r.layout << "/" << r.alignment << " pressed";
  }
  // An alignment outside the table (the one value the type can still
  // hold): the corner, pressed or not.
  f.Alignment = static_cast<TAlignment>(3);
  for (TButtonLayout layout : {blGlyphLeft, blGlyphRight}) {
    f.Layout = layout;
    EXPECT_EQ(SpeedButtonGlyphRect(f), (TRect{0, 0, 16, 12})) << layout;
  }
}

TEST(SpeedButtonCaption, HidingAndShowingBringsBackTheLastNonEmptyCaption) {
  std::string kept;
  EXPECT_EQ(KeepCaption(kept, "About", true), "About");
  EXPECT_EQ(KeepCaption(kept, "About", false), "");
  // Hidden: the control's caption is empty now, and must not wipe the kept one.
  EXPECT_EQ(KeepCaption(kept, "", false), "");
  EXPECT_EQ(KeepCaption(kept, "", true), "About");
  EXPECT_EQ(KeepCaption(kept, "Help", true), "Help");
}
