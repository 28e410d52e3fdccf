// Caption buttons of a skinned title bar: their layout from the skin's
// images, the hit test over it, and what presses and releases lead to.
#include "skin/windows/caption_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A master-bitmap item of `frames` cells of w x h (rows of MaskType + 1).
TsMaskData Item(int frames, int w, int h, int maskType = 0) {
  TsMaskData m;
  m.ImageCount = static_cast<int16_t>(frames);
  m.MaskType = static_cast<int16_t>(maskType);
  m.SourceRect = Bounds(100, 50, std::max(frames, 1) * w, h * std::max(maskType + 1, 1));
  return m;
}

TsWindowCommands Commands(TsFormBorder border, TsFormWindowState state = fwNormal,
                          TsBorderIconFlags icons = {}) {
  TsWindowCommandState s;
  s.Border = border;
  s.State = state;
  s.Icons = icons;
  s.Iconic = state == fwMinimized;
  return WindowCommandsOf(s);
}

// A 400-wide sizeable frame: frame 4 x 4, caption 24, spacing 2.
TsCaptionFrame Frame(int spacing = 2) { return {400, 4, 4, 24, spacing}; }

struct Bar {
  TsMaskData Close = Item(3, 16, 16), Max = Item(3, 16, 16), Min = Item(3, 16, 16),
             Help = Item(3, 16, 16);
  const TsMaskData* Images[SystemButtonCount] = {&Close, &Max, &Min, &Help};
};

TEST(CaptionLayout, SizeableFramePlacesCloseMaxMinRightToLeftWithSpacing) {
  Bar bar;
  const TsCaptionPlan plan = PlanCaptionButtons({}, Commands(fbSizeable), bar.Images, {});
  const TsCaptionButtonLayout l = LayoutCaptionButtons(plan, Frame());
  // x starts at 400 - 4 - 2; the band is 28 high, so a 16 button is at 6.
  EXPECT_EQ(l.System[sbClose], Rect(378, 6, 394, 22));
  EXPECT_EQ(l.System[sbMaximize], Rect(360, 6, 376, 22));
  EXPECT_EQ(l.System[sbMinimize], Rect(342, 6, 358, 22));
  EXPECT_TRUE(l.System[sbHelp].IsEmpty());  // no biHelp
  EXPECT_EQ(l.ButtonsWidth, 394 - 342 + 2);
  EXPECT_EQ(l.ButtonsWidth, 3 * (16 + 2));
}

TEST(CaptionLayout, DialogShowsCloseOnlyAtItsImageSize) {
  Bar bar;
  bar.Close = Item(3, 12, 12);  // SICONCLOSE
  const TsCaptionPlan plan =
      PlanCaptionButtons({true, false, false, false}, Commands(fbDialog, fwNormal, {true, false, false, false}),
                         bar.Images, {});
  const TsCaptionButtonLayout l = LayoutCaptionButtons(plan, Frame());
  EXPECT_EQ(l.System[sbClose], Rect(382, 10, 394, 22));  // (28 - 12) / 2 + 2
  for (int b : {sbMaximize, sbMinimize, sbHelp}) EXPECT_TRUE(l.System[b].IsEmpty()) << b;
  EXPECT_EQ(l.ButtonsWidth, 14);
}

TEST(CaptionLayout, WithoutSystemMenuTitleButtonsStartAtTheRightEdge) {
  Bar bar;
  TsMaskData title = Item(3, 20, 18);
  const TsBorderIconFlags icons{false, true, true, true};
  const TsCaptionPlan plan = PlanCaptionButtons(icons, Commands(fbSizeable, fwNormal, icons), bar.Images,
                                                {{0, &title}, {30, &title}, {0, nullptr}});
  const TsCaptionButtonLayout l = LayoutCaptionButtons(plan, Frame());
  for (int b = 0; b < SystemButtonCount; ++b) EXPECT_TRUE(l.System[b].IsEmpty()) << b;
  ASSERT_EQ(l.Title.size(), 3u);
  EXPECT_EQ(l.Title[0].Right, 394);
  EXPECT_EQ(l.Title[0].Width(), 20);
  EXPECT_EQ(l.Title[1].Width(), 32);  // the glyph and a pixel each side
  EXPECT_EQ(l.Title[1].Right, l.Title[0].Left - 2);
  EXPECT_EQ(l.Title[2].Width(), 21);  // no image: the default
  EXPECT_EQ(l.ButtonsWidth, l.Title[0].Right - l.Title[2].Left + 2);
}

TEST(CaptionLayout, ShortButtonsSitLowerAndEmptyCountsDivideByOne) {
  Bar bar;
  bar.Close = Item(0, 15, 15);  // ImageCount 0 counts as one frame
  bar.Max = Item(3, 15, 15, -1);
  const TsCaptionPlan plan = PlanCaptionButtons({}, Commands(fbSizeable), bar.Images, {});
  EXPECT_EQ(plan.Height, 15);
  EXPECT_EQ(plan.Width[sbClose], 15);
  EXPECT_EQ(plan.Width[sbMaximize], 15);
  const TsCaptionButtonLayout l = LayoutCaptionButtons(plan, Frame());
  EXPECT_EQ(l.System[sbClose].Top, (28 - 15) / 2 + 2);

  // Own bitmaps: the upper half is the state row.
  TsMaskData own = Item(3, 16, 16);
  own.Image = std::make_shared<TPixelBuffer>(48, 40, 24);
  EXPECT_EQ(CaptionButtonCell(&own, 21), (TSize{16, 20}));
  EXPECT_EQ(CaptionButtonCell(nullptr, 21), (TSize{21, 21}));
  EXPECT_EQ(ThreeStateCell(nullptr, 16), (TSize{16, 16}));
  EXPECT_EQ(ThreeStateCell(&own, 16), (TSize{16, 20}));
}

TEST(CaptionLayout, ForbiddenOrMissingButtonsAreNotPlaced) {
  Bar bar;
  bar.Images[sbMinimize] = nullptr;
  const TsCaptionPlan plan = PlanCaptionButtons({}, Commands(fbSizeable), bar.Images, {});
  const TsCaptionButtonLayout l = LayoutCaptionButtons(plan, Frame());
  EXPECT_TRUE(l.System[sbMinimize].IsEmpty());
  EXPECT_EQ(l.ButtonsWidth, 2 * 18);

  // A single-border form without biMaximize shows no maximise button.
  const TsBorderIconFlags noMax{true, true, false, false};
  const TsCaptionPlan single = PlanCaptionButtons(noMax, Commands(fbSingle, fwNormal, noMax), Bar().Images, {});
  EXPECT_FALSE(single.Placed[sbMaximize]);
  EXPECT_TRUE(single.Placed[sbMinimize]);

  // No close image: the system's buttons at the platform's size, whatever
  // other images the skin has; none without a platform size.
  Bar noClose;
  noClose.Images[sbClose] = nullptr;
  const TsCaptionPlan platform = PlanCaptionButtons({}, Commands(fbSizeable), noClose.Images, {}, TSize{16, 14});
  const TsCaptionButtonLayout p = LayoutCaptionButtons(platform, Frame());
  EXPECT_EQ(p.System[sbClose], Rect(378, 9, 394, 23));  // (28 - 14) / 2 + 2
  EXPECT_EQ(p.System[sbMaximize], Rect(360, 9, 376, 23));
  EXPECT_EQ(p.System[sbMinimize], Rect(342, 9, 358, 23));
  const TsCaptionPlan none = PlanCaptionButtons({}, Commands(fbSizeable), noClose.Images, {});
  EXPECT_FALSE(none.Placed[sbClose]);
  EXPECT_TRUE(none.Placed[sbMaximize]);
}

TEST(CaptionLayout, TextTitleBarAndMDIAreaRectangles) {
  const TsCaptionFrame f = Frame();
  EXPECT_EQ(CaptionTextRect(f, 16, 54), Rect(24, 4, 340, 24));
  EXPECT_EQ(CentreTextRect(Rect(24, 4, 340, 24), 12), Rect(24, 8, 340, 20));
  EXPECT_EQ(CaptionIconRect(f, 16, 16), Rect(4, 6, 20, 22));

  TsMaskData bar = Item(3, 30, 20);  // a frame is 30: its thirds are 10
  EXPECT_EQ(TitleBarStripWidth(bar, 54), 20 + 54);
  bar.ImageCount = 0;
  bar.SourceRect = Bounds(0, 0, 30, 20);
  EXPECT_EQ(TitleBarStripWidth(bar, 54), 20 + 54);
  TsMaskData own = bar;
  own.Image = std::make_shared<TPixelBuffer>(90, 20, 24);
  EXPECT_EQ(TitleBarStripWidth(own, 0), 20);

  TsMDIAreaMeasures m;
  m.Width = 500;
  m.Height = 400;
  m.FrameWidth = 4;
  m.FrameHeight = 4;
  m.CaptionHeight = 24;
  m.BorderWidth = 1;
  m.MenuLineHeight = 19;
  m.LeftAligned = 30;
  m.RightAligned = 20;
  m.BottomAligned = 10;
  EXPECT_EQ(MDIAreaRect(m), Rect(35, 8 + 24 + 19 + 1 - 2, 500 - 5 - 20, 400 - 5 - 10));

  const TsMDIButtonRects mdi = LayoutMDIButtons(500, 4, 47, 19, TSize{16, 14});
  EXPECT_EQ(mdi.Close, Bounds(500 - 4 - 17, 47 - 2 - 14 - 1, 16, 14));
  EXPECT_EQ(mdi.Restore.Right + 1, mdi.Close.Left);
  EXPECT_EQ(mdi.Minimize.Right + 1, mdi.Restore.Left);
}

class CaptionHit : public ::testing::Test {
 protected:
  void SetUp() override {
    in.Frame = Frame();
    in.Commands = Commands(fbSizeable);
    TsMaskData title = Item(3, 20, 18);
    plan = PlanCaptionButtons({}, in.Commands, bar.Images, {{0, &title}, {0, &title}});
    Relayout();
    in.ButtonHeight = 16;
    in.IconWidth = 16;
    in.TitleEnabled = {true, false};
    in.Width = in.CacheWidth = 400;
    in.Height = in.CacheHeight = 300;
  }
  void Relayout() { in.Layout = LayoutCaptionButtons(plan, in.Frame); }
  int At(int x, int y) {
    in.At = {x, y};
    return CaptionHitTest(in);
  }
  int Centre(const TRect& r) { return At((r.Left + r.Right) / 2, 10); }

  Bar bar;
  TsCaptionPlan plan;
  TsHitTestInput in;
};

TEST_F(CaptionHit, ButtonRowAnswersIconButtonsAndCaption) {
  EXPECT_EQ(At(4, 10), CaptionIcon);
  EXPECT_EQ(At(20, 10), CaptionIcon);
  EXPECT_EQ(At(21, 10), 2);
  EXPECT_EQ(Centre(in.Layout.System[sbClose]), CaptionClose);
  EXPECT_EQ(At(in.Layout.System[sbClose].Right, 6), CaptionClose);  // edges count
  EXPECT_EQ(At(in.Layout.System[sbClose].Right, 22), CaptionClose);
  EXPECT_EQ(At(in.Layout.System[sbClose].Right, 23), 0);  // below the row
  EXPECT_EQ(Centre(in.Layout.System[sbMaximize]), CaptionMaximize);
  EXPECT_EQ(Centre(in.Layout.System[sbMinimize]), CaptionMinimize);
  EXPECT_EQ(Centre(in.Layout.Title[0]), CaptionTitleButton);
  EXPECT_EQ(Centre(in.Layout.Title[1]), 2);  // disabled: caption
  EXPECT_EQ(At(in.Layout.Title[1].Left - 5, 10), 2);

  // More title buttons placed than enabled flags given: never past them.
  in.TitleEnabled = {true};
  EXPECT_EQ(Centre(in.Layout.Title[1]), 2);
}

TEST_F(CaptionHit, ForbiddenCommandsAnswerCaption) {
  const TsBorderIconFlags noMax{true, true, false, false};
  in.Commands = Commands(fbSizeable, fwNormal, noMax);
  in.Commands.MaximizeVisible = true;  // shown but not allowed
  plan = PlanCaptionButtons(noMax, in.Commands, bar.Images, {});
  Relayout();
  EXPECT_EQ(Centre(in.Layout.System[sbMaximize]), 2);
  EXPECT_FALSE(PressAllowed(CaptionMaximize, in.Commands, false));

  // A maximised form restores through the same button.
  in.Commands = Commands(fbSizeable, fwMaximized);
  EXPECT_EQ(Centre(in.Layout.System[sbMaximize]), CaptionMaximize);
  EXPECT_TRUE(PressAllowed(CaptionMaximize, in.Commands, true));

  // An iconic form: minimise (third) restores even when not allowed.
  in.Commands = Commands(fbSizeable, fwMinimized);
  in.Iconic = true;
  EXPECT_FALSE(in.Commands.MinimizeEnabled);
  EXPECT_EQ(Centre(in.Layout.System[sbMinimize]), CaptionMinimize);
}

TEST_F(CaptionHit, GripCornerMaximisedEdgesAndMDIButtons) {
  in.Grip = true;
  in.GripCell = {12, 12};
  const int gx = 400 - 12 - 4, gy = 300 - 12 - 4;
  EXPECT_EQ(At(gx, gy), 17);
  EXPECT_EQ(At(399, 299), 17);
  EXPECT_EQ(At(gx - 1, gy + 5), 0);
  EXPECT_EQ(At(gx + 5, gy - 1), 0);

  in.Grip = false;
  in.Maximized = true;
  EXPECT_EQ(At(1, 150), -1);
  EXPECT_EQ(At(200, 297), -1);
  EXPECT_EQ(At(2, 150), 0);

  in.MDIButtons = true;
  in.MDI = LayoutMDIButtons(400, 4, 47, 19, TSize{16, 14});
  EXPECT_EQ(At(in.MDI.Close.Left, in.MDI.Close.Top), CaptionMDIClose);
  EXPECT_EQ(At(in.MDI.Restore.Left + 3, in.MDI.Restore.Top + 3), CaptionMDIRestore);
  EXPECT_EQ(At(in.MDI.Minimize.Left + 3, in.MDI.Minimize.Bottom), CaptionMDIMinimize);

  // An MDI child tests from its frame inside the client; iconic, it has
  // no caption above its client.
  EXPECT_EQ(HitTestOrigin(true, {0, 0}, {100, 200}, 4, 4, 24, false), (TPoint{96, 172}));
  EXPECT_EQ(HitTestOrigin(true, {0, 0}, {100, 200}, 4, 4, 24, true), (TPoint{96, 196}));
  EXPECT_EQ(HitTestOrigin(false, {30, 40}, {100, 200}, 4, 4, 24, false), (TPoint{30, 40}));
}

TEST(CaptionRelease, DecisionsFollowButtonDownPlaceAndState) {
  TsReleaseInput in;
  in.Commands = Commands(fbSizeable);
  in.TitleCount = 2;
  in.Code = CaptionMinimize;
  EXPECT_EQ(ReleaseAction(in), raPassOn);  // never pressed
  in.ButtonDown = true;
  EXPECT_EQ(ReleaseAction(in), raClearHot);  // released outside it
  in.InButton = true;
  EXPECT_EQ(ReleaseAction(in), raMinimize);
  in.Iconic = true;
  EXPECT_EQ(ReleaseAction(in), raRestore);
  in.MainForm = true;
  EXPECT_EQ(ReleaseAction(in), raMinimize);

  in = TsReleaseInput{};
  in.ButtonDown = true;
  in.InButton = true;
  in.Code = CaptionMaximize;
  in.Commands = Commands(fbSizeable);
  EXPECT_EQ(ReleaseAction(in), raMaximize);
  in.Maximized = true;
  in.Commands = Commands(fbSizeable, fwMaximized);
  EXPECT_EQ(ReleaseAction(in), raRestoreMaximized);
  in.Commands = Commands(fbDialog);
  EXPECT_EQ(ReleaseAction(in), raSwallow);

  in.Code = CaptionClose;
  EXPECT_EQ(ReleaseAction(in), raClose);
  in.Code = CaptionHelp;
  EXPECT_EQ(ReleaseAction(in), raHelp);
  in.ButtonDown = false;
  EXPECT_EQ(ReleaseAction(in), raClearHot);
  in.Code = CaptionClose;
  EXPECT_EQ(ReleaseAction(in), raSwallow);

  in.ButtonDown = true;
  in.TitleCount = 2;
  in.Code = CaptionTitleButton + 1;
  EXPECT_EQ(ReleaseAction(in), raTitleButtonUp);
  in.Code = CaptionTitleButton + 2;  // deleted meanwhile
  EXPECT_EQ(ReleaseAction(in), raOther);
  in.InButton = false;
  EXPECT_EQ(ReleaseAction(in), raOther);
  in.Code = CaptionClose;  // pressed, then released off the button
  EXPECT_EQ(ReleaseAction(in), raClearHot);
  in.InButton = true;
  in.Code = CaptionMDIRestore;
  EXPECT_EQ(ReleaseAction(in), raMDIRestore);
  in.Code = 2;
  EXPECT_EQ(ReleaseAction(in), raOther);
}

TEST(CaptionRelease, ClientReleaseNamesTheHotButtonOnlyWhileCaptured) {
  const int ctrl = 8;  // MK_CONTROL, the minimise code's number
  EXPECT_EQ(ReleasedCode(true, false, ctrl, 0), 0);
  EXPECT_EQ(ReleasedCode(true, true, ctrl, CaptionClose), CaptionClose);
  EXPECT_EQ(ReleasedCode(false, false, CaptionMinimize, CaptionClose), CaptionMinimize);
}

}  // namespace
