#include "skin/controls/hint_geometry.h"

#include <gtest/gtest.h>

#include "skin/core/skin_data.h"

TEST(HintGeometry, SkinBordersFromItemOrFromAThirdOfAFrame) {
  EXPECT_EQ(HintSkinBorders(nullptr).L, 0);
  TsMaskData item;
  item.SourceRect = TRect{0, 0, 60, 36};
  item.ImageCount = 2;
  const THintBorders unset = HintSkinBorders(&item);
  EXPECT_EQ(unset.L, 10);
  EXPECT_EQ(unset.R, 10);
  EXPECT_EQ(unset.T, 6);
  EXPECT_EQ(unset.B, 6);
  item.ImageCount = 0;  // counts as one frame
  EXPECT_EQ(HintSkinBorders(&item).L, 20);
  item.WL = 3, item.WT = 4, item.WR = 5, item.WB = 6;
  const THintBorders set = HintSkinBorders(&item);
  EXPECT_EQ(set.L + set.T + set.R + set.B, 18);
}

TEST(HintGeometry, SizesPerStyle) {
  THintSizing s;
  s.MarginH = 4, s.MarginV = 2, s.BevelWidth = 1, s.Shadow = 6, s.ExOffset = 16;
  const TRect text{0, 0, 30, 13};
  s.Style = hsSimply;
  EXPECT_EQ(FinishHintRect(text, s).Rect, (TRect{0, 0, 46, 25}));
  s.Style = hsComics;
  EXPECT_EQ(FinishHintRect(text, s).Rect, (TRect{0, 0, 46, 41}));
  // Ellipse: at least 50 wide, then the tail, then the diagonal growth.
  s.Style = hsEllipse;
  const THintSize e = FinishHintRect(text, s);
  EXPECT_EQ(e.ExtraWidth, 19);   // w 66, h 41: d = 11.70
  EXPECT_EQ(e.ExtraHeight, 7);
  EXPECT_EQ(e.Rect, (TRect{0, 0, 85, 48}));
  // With skin data the section's borders replace margins, tail and shadow.
  s.SkinInUse = true, s.Shadow = 0, s.Borders = THintBorders{2, 3, 4, 5};
  EXPECT_EQ(FinishHintRect(text, s).Rect, (TRect{0, 0, 64, 29}));
  // A frame keeps its own size; the ellipse does not grow round it.
  s.SkinInUse = false, s.HasFrame = true;
  const THintSize f = FinishHintRect(TRect{0, 0, 20, 10}, s);
  EXPECT_EQ(f.Rect, (TRect{0, 0, 20, 26}));
  EXPECT_EQ(f.ExtraWidth, 0);
}

TEST(HintGeometry, NoGrowthWithoutAreaAndNoSizeBeyondTheDesktop) {
  THintSizing s;
  s.Style = hsBalloon;
  s.HasFrame = true;
  EXPECT_EQ(FinishHintRect(TRect{0, 0, 0, 0}, s).Rect, (TRect{0, 0, 0, 0}));
  s.HasFrame = false;
  s.Desktop = TSize{300, 200};
  const THintSize big = FinishHintRect(TRect{0, 0, 5000, 4000}, s);
  EXPECT_EQ(big.Rect, (TRect{0, 0, 300, 200}));
}

TEST(HintGeometry, CornersAtThePoint) {
  const TRect desk{-1280, 0, 1280, 1024};
  EXPECT_EQ(PlaceHint({100, 100}, 40, 20, mpLeftTop, desk).Rect, (TRect{100, 100, 140, 120}));
  EXPECT_EQ(PlaceHint({100, 100}, 40, 20, mpLeftBottom, desk).Rect, (TRect{100, 80, 140, 100}));
  EXPECT_EQ(PlaceHint({100, 100}, 40, 20, mpRightTop, desk).Rect, (TRect{60, 100, 100, 120}));
  const THintPlacement rb = PlaceHint({100, 100}, 40, 20, mpRightBottom, desk);
  EXPECT_EQ(rb.Rect, (TRect{60, 80, 100, 100}));
  EXPECT_EQ(rb.Corner, mpRightBottom);
}

TEST(HintGeometry, FlipsAtEveryEdgeOfADesktopLeftOfZero) {
  const TRect desk{-1280, -50, 1280, 1024};
  // Near the far corner a left-top hint flips to right-bottom.
  const THintPlacement far = PlaceHint({1270, 1020}, 40, 20, mpLeftTop, desk);
  EXPECT_EQ(far.Rect, (TRect{1230, 1000, 1270, 1020}));
  EXPECT_EQ(far.Corner, mpRightBottom);
  // At the left edge of the left monitor, not at x 0.
  const THintPlacement left = PlaceHint({-1270, -40}, 40, 20, mpRightBottom, desk);
  EXPECT_EQ(left.Rect, (TRect{-1270, -40, -1230, -20}));
  EXPECT_EQ(left.Corner, mpLeftTop);
  // A point at x -10 is far from the edge: no flip there.
  EXPECT_EQ(PlaceHint({-10, 100}, 40, 20, mpRightTop, desk).Corner, mpRightTop);
  EXPECT_EQ(PlaceHint({1270, 100}, 40, 20, mpLeftBottom, desk).Corner, mpRightBottom);
}

TEST(HintGeometry, BodyTailAndBubbles) {
  EXPECT_EQ(HintBodyRect(hsSimply, false, mpLeftTop, 50, 40, 5, 16), (TRect{0, 0, 45, 35}));
  EXPECT_EQ(HintBodyRect(hsComics, true, mpLeftTop, 50, 40, 0, 16), (TRect{0, 0, 50, 40}));
  EXPECT_EQ(HintBodyRect(hsComics, false, mpLeftTop, 50, 40, 5, 16), (TRect{0, 16, 45, 35}));
  EXPECT_EQ(HintBodyRect(hsComics, false, mpRightBottom, 50, 40, 5, 16), (TRect{0, 0, 45, 19}));
  EXPECT_EQ(HintBodyRect(hsEllipse, false, mpLeftBottom, 50, 40, 5, -20).Bottom, 40);
  EXPECT_EQ(HintBodyRect(hsEllipse, false, mpLeftTop, 50, 40, 5, -8).Top, 0);

  EXPECT_EQ(HintTailPoint(mpLeftTop, 50, 40), (TPoint{3, 3}));
  EXPECT_EQ(HintTailPoint(mpLeftBottom, 50, 40), (TPoint{3, 37}));
  EXPECT_EQ(HintTailPoint(mpRightTop, 50, 40), (TPoint{47, 3}));
  EXPECT_EQ(HintTailPoint(mpRightBottom, 50, 40), (TPoint{47, 37}));
  const THintTailBase base = HintTailBase(TRect{0, 16, 45, 35}, mpLeftTop);
  EXPECT_EQ(base.CentreX, 22);
  EXPECT_EQ(base.Y, 25);
  EXPECT_EQ(base.HalfWidth, 5);

  // A negative tail offset puts the body's top at -1: nothing to divide by.
  EXPECT_EQ(ShadowTailFactor(TRect{0, -1, 40, 30}, mpLeftTop, 40), 0.0);
  EXPECT_EQ(ShadowTailFactor(TRect{0, 0, 40, 41}, mpRightBottom, 40), 0.0);
  EXPECT_DOUBLE_EQ(ShadowTailFactor(TRect{0, 9, 40, 29}, mpLeftTop, 40), 1.9);

  const std::vector<TRect> b = BalloonBubbles(TRect{0, 20, 80, 60}, mpLeftTop, 85, 65, 5);
  ASSERT_EQ(b.size(), 5u);
  // q 20, r 10, cx 40: start (20, 16), steps (3, 2); sizes w div 4i, h div 4i.
  EXPECT_EQ(b[0], (TRect{17, 14, 37, 24}));
  EXPECT_EQ(b[4], (TRect{5, 6, 9, 8}));
}

TEST(HintGeometry, GreyLevelsAndAlphaHoldPercentages) {
  EXPECT_EQ(LayerGreyLevel(0, 0, 100), 100);
  EXPECT_EQ(LayerGreyLevel(4, 0, 0), 204);
  EXPECT_EQ(LayerGreyLevel(4, 4, 51), 51);
  EXPECT_EQ(LayerGreyLevel(-1, 0, 300), 255);
  EXPECT_EQ(ShapeMaskGreyLevel(hsEllipse, true, 80), 0);
  EXPECT_EQ(ShapeMaskGreyLevel(hsEllipse, false, 80), 153);
  EXPECT_EQ(ShapeMaskGreyLevel(hsComics, false, 20), 0);
  EXPECT_EQ(ShapeMaskGreyLevel(hsBalloon, false, 150), 255);
  EXPECT_EQ(EffectiveShadowTransparency(50, 40), 70);
  EXPECT_EQ(EffectiveShadowTransparency(-5, 140), 100);
  EXPECT_EQ(HintConstantAlpha(10), 230);
  EXPECT_EQ(HintConstantAlpha(150), 0);
  EXPECT_EQ(HintConstantAlpha(-20), 255);
}
