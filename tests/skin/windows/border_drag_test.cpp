// The outline drag's arithmetic and the snapping of moved forms.
#include "skin/windows/border_drag.h"

#include <gtest/gtest.h>

namespace {

constexpr int HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTBOTTOMRIGHT = 17;
const TRect kForm = Bounds(100, 80, 300, 200);  // right 400, bottom 280

TEST(BorderDrag, MoveFollowsTheMouseAndKeepsTheSize) {
  TsDragOutline d = StartMoveOutline(kForm, {150, 90});
  EXPECT_EQ(OutlineRect(d), kForm);
  StepOutline(d, {160, 95});
  StepOutline(d, {170, 70});
  EXPECT_EQ(OutlineRect(d), Bounds(120, 60, 300, 200));
  EXPECT_EQ(FinishOutline(d), Bounds(120, 60, 300, 200));
}

TEST(BorderDrag, LeftEdgeStopsAtMinWidthFromTheRight) {
  TsDragOutline d = StartSizeOutline(kForm, HTLEFT, 120, 50);
  StepOutline(d, {100, 150});  // the first step only remembers the mouse
  EXPECT_TRUE(d.Outline == kForm);
  StepOutline(d, {130, 160});
  EXPECT_EQ(OutlineRect(d), Rect(130, 80, 400, 280));
  StepOutline(d, {600, 150});  // far past the right edge
  EXPECT_EQ(OutlineRect(d), Rect(400 - 120, 80, 400, 280));
  EXPECT_EQ(FinishOutline(d), Rect(280, 80, 400, 280));
}

TEST(BorderDrag, SideCodesMoveOnlyTheirEdge) {
  TsDragOutline right = StartSizeOutline(kForm, HTRIGHT, 0, 0);
  StepOutline(right, {400, 150});
  StepOutline(right, {430, 190});
  EXPECT_EQ(OutlineRect(right), Rect(100, 80, 430, 280));
  StepOutline(right, {0, 150});  // past the left edge: a zero minimum
  EXPECT_EQ(OutlineRect(right), Rect(100, 80, 100, 280));

  TsDragOutline top = StartSizeOutline(kForm, HTTOP, 0, 40);
  StepOutline(top, {150, 80});
  StepOutline(top, {190, 500});
  EXPECT_EQ(OutlineRect(top), Rect(100, 240, 400, 280));

  TsDragOutline corner = StartSizeOutline(kForm, HTBOTTOMRIGHT, 0, 0);
  StepOutline(corner, {400, 280});
  StepOutline(corner, {410, 300});
  EXPECT_EQ(OutlineRect(corner), Rect(100, 80, 410, 300));
}

TEST(BorderDrag, ASizeDragWithoutMovesChangesNothing) {
  TsDragOutline d = StartSizeOutline(kForm, HTLEFT, 0, 0);
  EXPECT_FALSE(FinishOutline(d).has_value());
  StepOutline(d, {100, 150});
  EXPECT_EQ(FinishOutline(d), kForm);  // moved, but back where it was
}

TEST(BorderDrag, MDIChildOutlineIsShiftedIntoTheParent) {
  TsMDIShiftMeasures parent;
  parent.Left = 50;
  parent.Top = 40;
  parent.FrameWidth = 4;
  parent.FrameHeight = 4;
  parent.CaptionHeight = 24;
  parent.BorderWidth = 1;
  EXPECT_EQ(MDIOutlineShift(parent), (TPoint{4 + 50 + 1 + 1, 8 + 40 + 24 + 1 - 2}));
  parent.MenuLineHeight = 19;
  const TPoint shift = MDIOutlineShift(parent);
  EXPECT_EQ(shift.Y, 71 + 19);
  const auto pts = OutlinePoints(Rect(10, 20, 110, 70), shift);
  EXPECT_EQ(pts[0], (TPoint{66, 110}));
  EXPECT_EQ(pts[2], (TPoint{166, 160}));
  EXPECT_EQ(pts[4], pts[0]);  // closed
}

TEST(ScreenSnap, BufferOfTenSnapsNineAndLeavesTen) {
  TsSnapInput in;
  in.WorkArea = Rect(0, 0, 1024, 740);
  in.Width = 300;
  in.Height = 200;
  in.X = 1024 - 300 + 9;
  in.Y = 100;
  EXPECT_EQ(SnapPosition(in), (TPoint{724, 100}));
  in.X = 1024 - 300 + 10;
  EXPECT_EQ(SnapPosition(in).X, 734);
  in.X = 1024 - 300 - 9;
  EXPECT_EQ(SnapPosition(in).X, 724);

  in.X = 200;
  in.Y = 740 - 200 - 5;
  EXPECT_EQ(SnapPosition(in), (TPoint{200, 540}));
  in.Y = 7;  // near the top
  EXPECT_EQ(SnapPosition(in), (TPoint{200, 0}));
  in.X = -6;
  EXPECT_EQ(SnapPosition(in), (TPoint{0, 0}));

  in.X = 0;
  in.Y = 0;  // (0, 0) is never snapped
  in.WorkArea = Rect(5, 5, 1024, 740);
  EXPECT_EQ(SnapPosition(in), (TPoint{0, 0}));
  in.X = 1024 - 300 + 3;
  in.Y = 100;
  in.Maximized = true;
  EXPECT_EQ(SnapPosition(in), (TPoint{727, 100}));
}

}  // namespace
