// The skinned scroll bar's portable logic: metrics, where the bars lie, the
// thumb, hit zones, the grip rule, the room taken from the client, drag
// positions, the press/repeat/release sequence, and one bar composed from
// the kit's Marl.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/core/pixel_access.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/scroll_bar_geometry.h"
#include "skin/windows/scroll_bar_painting.h"
#include "skin/windows/scroll_tracking.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tests/support/skin_without.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

TvxScrollInfo Info(int nMin, int nMax, unsigned nPage, int nPos) {
  TvxScrollInfo i;
  i.nMin = nMin;
  i.nMax = nMax;
  i.nPage = nPage;
  i.nPos = nPos;
  return i;
}

}  // namespace

TEST(ScrollBarMetrics, FieldsCountInSystemSizesAndTheSkinsArrowOnlyWhenLarger) {
  TvxScrollBar bar;
  TvxSystemBarSizes sys{15, 16, 17};
  EXPECT_EQ(ScrollBarThickness(bar, sys), 15);
  bar.Direction = BarVertical;
  EXPECT_EQ(ScrollBarThickness(bar, sys), 16);
  bar.Thickness = -2;
  EXPECT_EQ(ScrollBarThickness(bar, sys), 32);
  bar.Thickness = 5;
  EXPECT_EQ(ScrollBarThickness(bar, sys), 5);
  EXPECT_EQ(ScrollBarArrowLength(bar, sys, 0), 17);
  EXPECT_EQ(ScrollBarArrowLength(bar, sys, 24), 24);
  EXPECT_EQ(ScrollBarArrowLength(bar, sys, 9), 17);
  bar.ArrowLength = 0;
  EXPECT_EQ(ScrollBarArrowLength(bar, sys, 24), 0);
}

TEST(ScrollBarRects, BarsAndCornerWithTheVerticalBarRightOrLeft) {
  TvxBarFrame f;
  f.Window = {100, 50, 300, 250};
  f.LeftEdge = f.TopEdge = f.RightEdge = f.BottomEdge = 2;
  f.HorzVisible = f.VertVisible = true;
  f.HorzThickness = 15;
  f.VertThickness = 17;
  EXPECT_EQ(HorzBarRect(f), (TRect{102, 233, 281, 248}));
  EXPECT_EQ(VertBarRect(f), (TRect{281, 52, 298, 233}));
  EXPECT_EQ(CornerRect(f), (TRect{281, 233, 298, 248}));
  f.LeftScrollBar = true;
  EXPECT_EQ(HorzBarRect(f), (TRect{119, 233, 298, 248}));
  EXPECT_EQ(VertBarRect(f), (TRect{102, 52, 119, 233}));
  EXPECT_EQ(CornerRect(f), (TRect{102, 233, 119, 248}));
  f.HorzVisible = false;
  EXPECT_TRUE(HorzBarRect(f).IsEmpty());
  EXPECT_TRUE(CornerRect(f).IsEmpty());
  EXPECT_EQ(VertBarRect(f), (TRect{102, 52, 119, 248}));
}

TEST(ScrollThumb, SizeOffsetAndTheCasesThatWouldDivideByZero) {
  // Track 200 - 2 * 20 = 160; a page of 10 in 100 gives 16.
  TvxThumb t = CalcThumb(Info(0, 99, 10, 45), 0, 200, 20, 10);
  EXPECT_EQ(t.Track, 160);
  EXPECT_EQ(t.Size, 16);
  EXPECT_EQ(t.Offset, 72);  // 45 * 144 / 90
  EXPECT_EQ(t.Position, 92);
  // Minimum size, nMin counted.
  t = CalcThumb(Info(100, 1099, 1, 100), 5, 200, 20, 10);
  EXPECT_EQ(t.Size, 10);
  EXPECT_EQ(t.Offset, 0);
  EXPECT_EQ(t.Position, 25);
  // A page of 0: one arrow length.
  EXPECT_EQ(CalcThumb(Info(0, 99, 0, 0), 0, 200, 20, 10).Size, 20);
  // An empty range: no thumb, no offset.
  t = CalcThumb(Info(5, 4, 10, 7), 0, 200, 20, 10);
  EXPECT_EQ(t.Size, 0);
  EXPECT_EQ(t.Offset, 0);
  // The page covers everything: the thumb fills the track, offset 0.
  t = CalcThumb(Info(0, 9, 10, 3), 0, 200, 20, 10);
  EXPECT_EQ(t.Size, 160);
  EXPECT_EQ(t.Offset, 0);
  // Positions beyond the range are held inside the track; a bar shorter
  // than its arrows has no track.
  EXPECT_EQ(CalcThumb(Info(0, 99, 10, 5000), 0, 200, 20, 10).Offset, 144);
  EXPECT_EQ(CalcThumb(Info(0, 99, 10, -50), 0, 200, 20, 10).Offset, 0);
  t = CalcThumb(Info(0, 99, 10, 50), 0, 30, 20, 10);
  EXPECT_EQ(t.Track, 0);
  EXPECT_EQ(t.Offset, 0);
}

TEST(ScrollHitTest, ZonesAlongTheBarAndABarShorterThanTwoArrows) {
  const TRect bar{0, 0, 17, 200};  // vertical, arrows of 20
  const TvxScrollInfo info = Info(0, 99, 10, 45);  // thumb 92..108
  auto hit = [&](int y) { return HitTestBar(bar, BarVertical, TPoint{8, y}, info, 20, 10); };
  EXPECT_EQ(hit(0), bpFirstArrow);
  EXPECT_EQ(hit(19), bpFirstArrow);
  EXPECT_EQ(hit(20), bpPageBefore);
  EXPECT_EQ(hit(91), bpPageBefore);
  EXPECT_EQ(hit(92), bpThumb);
  EXPECT_EQ(hit(107), bpThumb);
  EXPECT_EQ(hit(108), bpPageAfter);
  EXPECT_EQ(hit(180), bpLastArrow);
  EXPECT_EQ(hit(199), bpLastArrow);
  EXPECT_EQ(HitTestBar(bar, BarVertical, TPoint{17, 50}, info, 20, 10), bpNone);
  // 30 pixels long: each arrow gets half, nothing in between.
  const TRect shortBar{0, 0, 30, 17};
  EXPECT_EQ(HitTestBar(shortBar, BarHorizontal, TPoint{14, 5}, info, 20, 10), bpFirstArrow);
  EXPECT_EQ(HitTestBar(shortBar, BarHorizontal, TPoint{15, 5}, info, 20, 10), bpLastArrow);
  // A thumb that fills the track leaves no page zones.
  EXPECT_EQ(HitTestBar(bar, BarVertical, TPoint{8, 100}, Info(0, 9, 10, 0), 20, 10), bpNone);
}

TEST(ScrollGrip, OnlyFlushInATopLevelParentsClientCorner) {
  TvxBarFrame f;
  f.RightEdge = f.BottomEdge = f.LeftEdge = 2;
  TvxGripPlace p;
  EXPECT_TRUE(SizeGripApplies(p, f));  // no parent
  p.HasParent = true;
  p.ParentIsTopLevel = true;
  p.ParentClient = {10, 10, 410, 310};
  p.Window = {200, 150, 408, 308};
  EXPECT_TRUE(SizeGripApplies(p, f));
  p.Window.Right -= 1;
  EXPECT_FALSE(SizeGripApplies(p, f));
  f.LeftScrollBar = true;
  p.Window = {12, 150, 300, 308};
  EXPECT_TRUE(SizeGripApplies(p, f));
  p.ParentIsTopLevel = false;
  EXPECT_FALSE(SizeGripApplies(p, f));
}

TEST(ScrollClientRoom, BarsTakeRoomOnlyWhereTheClientIsThickEnough) {
  TvxScrollBar h, v;
  TRect client{2, 2, 202, 102};
  TakeBarRoom(client, h, v, true, true, 15, 17, false);
  EXPECT_TRUE(h.Visible);
  EXPECT_TRUE(v.Visible);
  EXPECT_EQ(client, (TRect{2, 2, 185, 87}));
  client = {2, 2, 202, 12};  // thinner than the horizontal bar
  TakeBarRoom(client, h, v, true, true, 15, 17, true);
  EXPECT_FALSE(h.Visible);
  EXPECT_EQ(h.ShownFlags, 8);
  EXPECT_TRUE(v.Visible);
  EXPECT_EQ(client, (TRect{19, 2, 202, 12}));
  TakeBarRoom(client, h, v, false, false, 15, 17, false);
  EXPECT_EQ(h.ShownFlags, 0);
  EXPECT_FALSE(v.Visible);
}

TEST(ScrollDrag, PositionsCountFromNMinAndStayWithinWhatAPageLeaves) {
  // Track 100 from 20, thumb 20: 80 pixels of travel for 91 positions.
  const TvxScrollInfo info = Info(50, 149, 10, 50);
  TvxDrag d = DragThumb(info, 20, 100, 20, 20 + 5, 5);
  EXPECT_EQ(d.ThumbStart, 20);
  EXPECT_EQ(d.Position, 50);
  d = DragThumb(info, 20, 100, 20, 60 + 5, 5);
  EXPECT_EQ(d.ThumbStart, 60);
  EXPECT_EQ(d.Position, 50 + 45);  // 40 * (99 - 10 + 1) / 80
  d = DragThumb(info, 20, 100, 20, 500, 5);
  EXPECT_EQ(d.ThumbStart, 100);
  EXPECT_EQ(d.Position, 140);      // nMax - nPage + 1
  d = DragThumb(info, 20, 100, 20, -500, 5);
  EXPECT_EQ(d.Position, 50);
  // A thumb as long as its track cannot move and divides by nothing.
  d = DragThumb(info, 20, 20, 20, 80, 5);
  EXPECT_EQ(d.ThumbStart, 20);
  EXPECT_EQ(d.Position, 50);
}

namespace {

class SeamRecorder : public TvxScrollSeam {
 public:
  void SetTimer(uintptr_t w, unsigned id, unsigned ms) override {
    Log.push_back("set " + Hex(id) + " " + std::to_string(ms) + " on " + std::to_string(w));
  }
  void KillTimer(uintptr_t w, unsigned id) override {
    Log.push_back("kill " + Hex(id) + " on " + std::to_string(w));
  }
  void SendScroll(uintptr_t, unsigned msg, int code, int pos) override {
    Log.push_back((msg == ScrollMessageVert ? "vscroll " : "hscroll ") + std::to_string(code) + " " +
                  std::to_string(pos));
  }
  void SetCapture(uintptr_t w) override { Log.push_back("capture " + std::to_string(w)); }
  void ReleaseCapture(uintptr_t w) override { Log.push_back("release " + std::to_string(w)); }
  static std::string Hex(unsigned v) {
    char b[16];
    snprintf(b, sizeof b, "%X", v);
    return b;
  }
  std::vector<std::string> Log;
};

class ScrollPressTest : public ::testing::Test {
 protected:
  void SetUp() override { SetScrollSeam(&seam); }
  void TearDown() override {
    ForgetScrollWindow(ScrollTracking().Window);
    SetScrollSeam(nullptr);
  }
  SeamRecorder seam;
};

}  // namespace

TEST_F(ScrollPressTest, HeldArrowScrollsAtOnceThenAfterTheDelayThenRepeatsAndEndsOnRelease) {
  PressScrollPart(7, BarVertical, bpLastArrow, bpLastArrow);
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"vscroll 1 0", "set FFFD 300 on 7", "capture 7"}));
  seam.Log.clear();
  EXPECT_FALSE(PressTimer(7, RepeatTimerId, bpLastArrow));  // not yet repeating
  EXPECT_TRUE(PressTimer(7, DelayTimerId, bpLastArrow));
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"kill FFFD on 7", "set FFFE 55 on 7"}));
  seam.Log.clear();
  EXPECT_TRUE(PressTimer(7, RepeatTimerId, bpLastArrow));
  EXPECT_TRUE(PressTimer(7, RepeatTimerId, bpNone));  // cursor off the arrow: no scroll
  EXPECT_TRUE(PressTimer(7, RepeatTimerId, bpLastArrow));
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"vscroll 1 0", "vscroll 1 0"}));
  seam.Log.clear();
  ReleaseScrollPress(7, true);
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"release 7", "kill FFFE on 7", "vscroll 8 0"}));
  EXPECT_FALSE(ScrollTracking().Pressed());
  seam.Log.clear();
  ReleaseScrollPress(7, true);  // nothing pressed: nothing ends twice
  EXPECT_FALSE(PressTimer(7, RepeatTimerId, bpLastArrow));
  EXPECT_TRUE(seam.Log.empty());
}

TEST_F(ScrollPressTest, LosingTheCaptureOrTheWindowEndsThePress) {
  PressScrollPart(7, BarHorizontal, bpPageAfter, bpPageAfter);
  seam.Log.clear();
  // WM_CAPTURECHANGED: the capture is already gone, the press ends.
  ReleaseScrollPress(7, false);
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"kill FFFD on 7", "hscroll 8 0"}));
  EXPECT_FALSE(PressTimer(7, DelayTimerId, bpPageAfter));

  PressScrollPart(7, BarHorizontal, bpFirstArrow, bpFirstArrow);
  HoverBar(7, BarHorizontal, TRect{0, 0, 10, 10});
  seam.Log.clear();
  // Another window takes the tracking: the first one's timers and capture go.
  HoverBar(9, BarVertical, TRect{0, 0, 10, 10});
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"kill FFFD on 7", "kill FFF2 on 7", "release 7",
                                                "set FFF2 20 on 9"}));
  EXPECT_FALSE(ScrollTracking().Pressed());
  EXPECT_EQ(ScrollTracking().Window, 9u);
}

TEST_F(ScrollPressTest, ThumbDragSendsTrackOnChangeThenPositionAndEnd) {
  // Bar 0..140 on screen, arrows 20: track 20..120, thumb 20 long at 20.
  PressScrollThumb(3, BarHorizontal, 20, 20, TRect{0, 0, 140, 17}, 25, 50);
  const TvxScrollInfo info = Info(50, 149, 10, 50);
  EXPECT_EQ(DragPressedThumb(info, 20, 65), 60);
  EXPECT_EQ(DragPressedThumb(info, 20, 65), 60);  // same place: nothing sent
  EXPECT_EQ(DragPressedThumb(info, 20, 999), 100);
  ReleaseScrollPress(3, true);
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"capture 3", "hscroll 5 95", "hscroll 5 140", "release 3",
                                                "hscroll 4 140", "hscroll 8 140"}));
}

TEST(ScrollHover, TicksRepaintOnlyOnAChangeAndEndOutside) {
  SeamRecorder seam;
  SetScrollSeam(&seam);
  EXPECT_TRUE(HoverBar(4, BarVertical, TRect{0, 0, 17, 100}));
  EXPECT_FALSE(HoverBar(4, BarVertical, TRect{0, 0, 17, 100}));
  EXPECT_TRUE(HoverTick(4, true, bpThumb));
  EXPECT_FALSE(HoverTick(4, true, bpThumb));
  EXPECT_TRUE(HoverTick(4, true, bpFirstArrow));
  EXPECT_TRUE(HoverTick(4, false, bpNone));
  EXPECT_EQ(ScrollTracking().HoverBar, -1);
  EXPECT_EQ(seam.Log, (std::vector<std::string>{"set FFF2 20 on 4", "kill FFF2 on 4"}));
  ForgetScrollWindow(4);
  SetScrollSeam(nullptr);
}

namespace {

using brsm::kit::KitColor;

TColor Px(TPixelBuffer& b, int x, int y) { return ReadPixelBytes(b.View().Pixel(x, y)); }
TColor Edge(const char* section, int state) {
  return brsm::kit::Shade(KitColor(brsm::kit::MarlSectionIndex(section), 10 + state));
}
TColor GlyphColor(const char* section, int state) {
  return KitColor(brsm::kit::MarlSectionIndex(section), 10 + state);
}

class MarlBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(dir.Path()));
    manager.SetSkinDirectory(dir.Path());
    manager.SetSkinName("Marl");
    ASSERT_TRUE(manager.SkinData.Loaded);
    background.Resize(300, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 300; ++x) WritePixelBytes(background.View().Pixel(x, y), kUnder);
  }
  static constexpr TColor kUnder = 0x336699;
  skintest::ScratchFolder dir{"scrollbar"};
  TsSkinManager manager{nullptr};
  TPixelBuffer background;
};

}  // namespace

TEST_F(MarlBarTest, BarSplitsItsPagesAtTheThumbCentreWithArrowsThumbAndGlyphs) {
  TPixelBuffer bar(200, 17);
  TvxBarLook look;
  look.Info = Info(0, 99, 10, 45);  // thumb 16 at 92 with arrows of 20
  look.HitArrow = look.PaintArrow = look.GlyphArea = 20;
  look.LastArrowState = 2;
  look.ThumbState = 1;
  ComposeScrollBar(&manager, bar.View(), look, MakeCacheInfo(background.View(), 10, 5));
  EXPECT_EQ(Px(bar, 10, 0), Edge("SCROLLBTNLEFT", 0));
  EXPECT_EQ(Px(bar, 190, 0), Edge("SCROLLBTNRIGHT", 2));
  EXPECT_EQ(Px(bar, 100, 0), Edge("SCROLLSLIDERH", 1));
  EXPECT_EQ(Px(bar, 50, 0), Edge("SCROLLBAR1H", 0));
  EXPECT_EQ(Px(bar, 150, 0), Edge("SCROLLBAR2H", 0));
  // Glyphs centred: the arrow's 9-pixel strip (square inset 2) and the
  // thumb's 7-pixel one, in the piece's state.
  EXPECT_EQ(Px(bar, 10, 8), GlyphColor("SCROLLBTNLEFT", 0));
  EXPECT_EQ(Px(bar, 190, 8), GlyphColor("SCROLLBTNRIGHT", 2));
  EXPECT_EQ(Px(bar, 100, 8), GlyphColor("SCROLLSLIDERH", 1));
  // Pressing the page after the thumb paints that section pressed.
  look.PressedPart = bpPageAfter;
  ComposeScrollBar(&manager, bar.View(), look, MakeCacheInfo(background.View(), 10, 5));
  EXPECT_EQ(Px(bar, 150, 0), Edge("SCROLLBAR2H", 1));
  EXPECT_EQ(Px(bar, 50, 0), Edge("SCROLLBAR1H", 0));
}

// A skin without the slider's section: the thumb in the platform's raised
// face, never left out.
TEST_F(MarlBarTest, WithoutItsSectionTheThumbTakesThePlatformsFace) {
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoSlider"), dir.Path(), {"SCROLLSLIDERH"}));
  manager.SetSkinName("NoSlider");
  ASSERT_TRUE(manager.SkinData.Loaded);
  TPixelBuffer bar(200, 17);
  TvxBarLook look;
  look.Info = Info(0, 99, 10, 45);  // thumb 16 at 92 with arrows of 20
  look.HitArrow = look.PaintArrow = look.GlyphArea = 20;
  ComposeScrollBar(&manager, bar.View(), look, MakeCacheInfo(background.View(), 10, 5));
  EXPECT_EQ(Px(bar, 100, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Px(bar, 100, 8), ColorToRGB(clBtnFace));
  EXPECT_EQ(Px(bar, 100, 16), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Px(bar, 50, 0), Edge("SCROLLBAR1H", 0));
}

TEST_F(MarlBarTest, ShortBarIsTwoHalvesWithoutThumbAndDisabledBarBlendsOverWhatLiesUnder) {
  TPixelBuffer shortBar(30, 17);
  TvxBarLook look;
  look.Info = Info(0, 99, 10, 45);
  look.HitArrow = look.PaintArrow = look.GlyphArea = 20;
  ComposeScrollBar(&manager, shortBar.View(), look, MakeCacheInfo(background.View(), 0, 0));
  EXPECT_EQ(Px(shortBar, 7, 0), Edge("SCROLLBTNLEFT", 0));
  EXPECT_EQ(Px(shortBar, 22, 0), Edge("SCROLLBTNRIGHT", 0));

  TPixelBuffer enabled(200, 17), disabled(200, 17);
  ComposeScrollBar(&manager, enabled.View(), look, MakeCacheInfo(background.View(), 0, 0));
  look.Enabled = false;
  ComposeScrollBar(&manager, disabled.View(), look, MakeCacheInfo(background.View(), 0, 0));
  // 40 percent bar, 60 percent background; no thumb on a disabled bar.
  auto mix = [](TColor bar, TColor under, int shift) {
    const int a = (bar >> shift) & 0xFF, b = (under >> shift) & 0xFF;
    return static_cast<int>(0.4 * a + 0.6 * b + 0.5);
  };
  const TColor arrowEdge = Edge("SCROLLBTNLEFT", 0);
  const TColor got = Px(disabled, 10, 0);
  for (int shift : {0, 8, 16}) EXPECT_NEAR((got >> shift) & 0xFF, mix(arrowEdge, kUnder, shift), 1);
  EXPECT_NE(Px(disabled, 100, 0), Px(enabled, 100, 0));
  EXPECT_EQ(Px(enabled, 100, 0), Edge("SCROLLSLIDERH", 0));

  // Without anything under it a disabled bar is tinted instead.
  TPixelBuffer tinted(200, 17);
  ComposeScrollBar(&manager, tinted.View(), look, TCacheInfo{});
  EXPECT_NE(Px(tinted, 10, 8), Px(enabled, 10, 8));
}
