#include "skin/controls/button_face.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 30 face, a 16 x 16 glyph and a 40 x 13 caption, spacing 4.
TsGlyphPlaceFacts Face(TButtonLayout layout, TAlignment alignment, int margin = -1) {
  TsGlyphPlaceFacts f;
  f.Width = 100;
  f.Height = 30;
  f.GlyphWidth = 16;
  f.GlyphHeight = 16;
  f.CaptionWidth = 40;
  f.CaptionHeight = 13;
  f.HasCaption = true;
  f.Margin = margin;
  f.Spacing = 4;
  f.Layout = layout;
  f.Alignment = alignment;
  return f;
}

TPoint At(const TsGlyphPlaceFacts& f) { return ButtonGlyphPosition(f); }

}  // namespace

TEST(ButtonGlyphPosition, EachLayoutAndAlignment) {
  // fx = (100 - 16 - 4 - 40) / 2 = 20; fy = (30 - 16 - 4 - 13) / 2 = -1 (toward zero).
  EXPECT_EQ(At(Face(blGlyphLeft, taLeftJustify)), (TPoint{0, 7}));
  EXPECT_EQ(At(Face(blGlyphLeft, taRightJustify)), (TPoint{40, 7}));
  EXPECT_EQ(At(Face(blGlyphLeft, taCenter)), (TPoint{20, 7}));
  EXPECT_EQ(At(Face(blGlyphRight, taLeftJustify)), (TPoint{40, 7}));
  EXPECT_EQ(At(Face(blGlyphRight, taRightJustify)), (TPoint{84, 7}));
  EXPECT_EQ(At(Face(blGlyphRight, taCenter)), (TPoint{64, 7}));
  EXPECT_EQ(At(Face(blGlyphTop, taCenter)), (TPoint{43, -1}));
  EXPECT_EQ(At(Face(blGlyphTop, taLeftJustify)), (TPoint{43, -1}));
  EXPECT_EQ(At(Face(blGlyphBottom, taCenter)), (TPoint{43, 15}));
}

TEST(ButtonGlyphPosition, MarginAddsThreeAndCountsFromTheEdge) {
  // m = 5, fx = 20 - 5 = 15.
  EXPECT_EQ(At(Face(blGlyphLeft, taLeftJustify, 2)), (TPoint{5, 7}));
  EXPECT_EQ(At(Face(blGlyphLeft, taRightJustify, 2)), (TPoint{35, 7}));
  EXPECT_EQ(At(Face(blGlyphRight, taRightJustify, 2)), (TPoint{79, 7}));
  EXPECT_EQ(At(Face(blGlyphTop, taCenter, 2)), (TPoint{43, -1}));  // m + fy = 5 - 6
  EXPECT_EQ(At(Face(blGlyphLeft, taLeftJustify, 0)), (TPoint{3, 7}));
}

TEST(ButtonGlyphPosition, NoCaptionCentresTheGlyphAlone) {
  TsGlyphPlaceFacts empty = Face(blGlyphLeft, taCenter);
  empty.HasCaption = false;
  empty.CaptionWidth = 0;
  EXPECT_EQ(At(empty), (TPoint{42, 7}));
  TsGlyphPlaceFacts hidden = Face(blGlyphLeft, taCenter);
  hidden.ShowCaption = false;
  EXPECT_EQ(At(hidden).X, 42);  // neither caption width nor spacing counts
}

TEST(ButtonGlyphPosition, PressedMovesByOneAndTheStripNarrowsTheFace) {
  TsGlyphPlaceFacts f = Face(blGlyphRight, taRightJustify);
  f.Pressed = true;
  EXPECT_EQ(At(f), (TPoint{85, 8}));
  f.Pressed = false;
  f.RightStrip = 16;
  EXPECT_EQ(At(f), (TPoint{68, 7}));
}

TEST(ButtonStateIndex, TruthTable) {
  TsButtonStateFacts f;
  EXPECT_EQ(ButtonStateIndex(f), ButtonStateNormal);
  f.Down = true;
  EXPECT_EQ(ButtonStateIndex(f), ButtonStatePressed);

  TsButtonStateFacts pushed;
  pushed.Pushed = true;
  pushed.LeftButtonHeld = true;
  EXPECT_EQ(ButtonStateIndex(pushed), ButtonStateNormal);  // held, dragged off the button
  pushed.MouseOver = true;
  EXPECT_EQ(ButtonStateIndex(pushed), ButtonStatePressed);
  pushed.MouseOver = false;
  pushed.LeftButtonHeld = false;
  EXPECT_EQ(ButtonStateIndex(pushed), ButtonStatePressed);  // the space bar

  TsButtonStateFacts forced;
  forced.ForcedPress = true;
  forced.ActiveState = true;
  EXPECT_EQ(ButtonStateIndex(forced), ButtonStatePressed);

  for (int which = 0; which < 4; ++which) {
    TsButtonStateFacts a;
    a.DefaultStyle = which == 0;
    a.DefPushStyle = which == 1;
    a.ActiveState = which == 2;
    a.DesignDefault = which == 3;
    EXPECT_EQ(ButtonStateIndex(a), ButtonStateActive) << which;
  }
}
