// The measures of a skinned form over the border styles the provider meets.
#include "skin/windows/form_geometry.h"

#include <gtest/gtest.h>

namespace {

// Distinct values, so a metric read in the wrong place shows.
TsSystemMetrics Metrics() {
  TsSystemMetrics m;
  m.CaptionHeight = 19;
  m.SmallCaptionHeight = 15;
  m.FixedFrameX = 3;
  m.FixedFrameY = 4;
  m.SizeFrameX = 5;
  m.SizeFrameY = 6;
  m.DialogFrameX = 7;
  m.DialogFrameY = 8;
  m.FrameX = 9;
  m.FrameY = 10;
  m.MenuHeight = 20;
  return m;
}

// A 300 x 200 window whose client area leaves `top` rows above, `side`
// columns on either side and `bottom` rows below.
TsFormMeasures Form(TsFormBorder border, int top, int side, int bottom = -1) {
  if (bottom < 0) bottom = side;
  TsFormMeasures f;
  f.Border = border;
  f.FullCaptionStyle = border != fbNone;
  f.Width = 300;
  f.Height = 200;
  f.WindowRect = Rect(40, 50, 340, 250);
  f.ClientRect = Rect(0, 0, 300 - 2 * side, 200 - top - bottom);
  return f;
}

TEST(FormGeometry, FramesAndCaptionsFollowBorderStyleAndWindowStyle) {
  const TsSystemMetrics m = Metrics();
  struct Case {
    TsFormBorder Border;
    bool MDIChild;
    int Caption, FrameW, FrameH;
  } cases[] = {
      {fbDialog, false, 19, 7, 8},      {fbSingle, false, 19, 7, 8},
      {fbSizeable, false, 19, 9, 10},   {fbToolWindow, false, 15, 7, 8},
      {fbSizeToolWin, false, 15, 9, 10}, {fbNone, false, 0, 0, 0},
      {fbSingle, true, 19, 3, 4},       {fbToolWindow, true, 15, 3, 4},
      {fbSizeable, true, 19, 5, 6},     {fbNone, true, 19, 5, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "border " << c.Border << " mdi child " << c.MDIChild);
    TsFormMeasures f = Form(c.Border, 30, 4);
    f.MDIChild = c.MDIChild;
    f.FullCaptionStyle = true;
    EXPECT_EQ(HasSkinnedFrame(f), c.FrameW != 0);
    EXPECT_EQ(CaptionHeight(f, m), c.Caption);
    EXPECT_EQ(FrameWidth(f, m), c.FrameW);
    EXPECT_EQ(FrameHeight(f, m), c.FrameH);
  }
  // Without all of WS_CAPTION no caption, unless the window is iconic.
  TsFormMeasures f = Form(fbSizeable, 30, 4);
  f.FullCaptionStyle = false;
  EXPECT_EQ(CaptionHeight(f, m), 0);
  f.Iconic = true;
  EXPECT_EQ(CaptionHeight(f, m), 19);
}

TEST(FormGeometry, TopAreaAndClientOffsetsMatchTheWindowAndClientRectangles) {
  const TsSystemMetrics m = Metrics();
  // bsDialog with BorderWidth 3: frame 8 + caption 19 + 3 above the
  // client, 7 + 3 beside it, 8 + 3 below it.
  TsFormMeasures f = Form(fbDialog, 30, 10, 11);
  f.BorderWidth = 3;
  EXPECT_EQ(TopAreaHeight(f, m), 30);
  EXPECT_EQ(ClientOffset(f, m), (TPoint{10, 30}));

  // Skinned scroll bars inside the client rectangle move its painted part.
  f.VScrollWidth = 4;
  f.HScrollHeight = 5;
  EXPECT_EQ(ClientOffset(f, m), (TPoint{8, 25}));
  EXPECT_EQ(TopAreaHeight(f, m), 25);

  // No caption: the whole difference is the top area.
  TsFormMeasures none = Form(fbNone, 0, 0);
  EXPECT_EQ(TopAreaHeight(none, m), 0);
  EXPECT_EQ(ClientOffset(none, m), (TPoint{0, 0}));

  // An iconic window's client area is empty; the top area never goes
  // below 0 and an iconic one gains the frame height.
  TsFormMeasures iconic = Form(fbSizeable, 0, 0);
  iconic.WindowRect = Rect(0, 0, 160, 29);
  iconic.ClientRect = Rect(0, 0, 0, 0);
  iconic.Iconic = true;
  EXPECT_EQ(FormWidth(iconic), 160);
  EXPECT_EQ(TopAreaHeight(iconic, m), 29 - 10 + 10);
  iconic.WindowRect = Rect(0, 0, 160, 5);
  iconic.BorderWidth = 40;
  EXPECT_EQ(TopAreaHeight(iconic, m), 10);
  TsFormMeasures squeezed = Form(fbSizeable, 2, 0);
  EXPECT_EQ(TopAreaHeight(squeezed, m), 0);
}

TEST(FormGeometry, CaptionIconSizes) {
  const TsSystemMetrics m = Metrics();
  EXPECT_EQ(IconSizeForCaption(8), 0);
  EXPECT_EQ(IconSizeForCaption(9), 8);
  EXPECT_EQ(IconSizeForCaption(16), 8);
  EXPECT_EQ(IconSizeForCaption(17), 16);
  EXPECT_EQ(IconSizeForCaption(27), 16);
  EXPECT_EQ(IconSizeForCaption(28), 32);
  TsFormMeasures f = Form(fbSizeable, 30, 4);
  EXPECT_EQ(TitleIconWidth(f, m), 16);
  f.TitleIconHeight = 12;
  EXPECT_EQ(TitleIconHeight(f, m), 12);
  EXPECT_EQ(TitleIconWidth(f, m), 16);
  f.ShowAppIcon = false;
  EXPECT_EQ(TitleIconHeight(f, m), 0);
  EXPECT_EQ(TitleIconWidth(Form(fbDialog, 30, 4), m), 0);
}

TEST(FormGeometry, MenuRowsWrapAtTheFrameAndAWideItemTakesOneRow) {
  // Row limit 200 - 2*9 - 2*1 = 180, rows start at x = 9.
  EXPECT_EQ(CountMenuRows({}, 9, 200, 1), 1);
  EXPECT_EQ(CountMenuRows({60, 60, 51}, 9, 200, 1), 1);  // ends at 180
  EXPECT_EQ(CountMenuRows({60, 60, 52}, 9, 200, 1), 2);
  EXPECT_EQ(CountMenuRows({60, 60, 52, 100, 80}, 9, 200, 1), 3);
  // Wider than a whole row: its own row, no empty row before it.
  EXPECT_EQ(CountMenuRows({400}, 9, 200, 1), 1);
  EXPECT_EQ(CountMenuRows({30, 400, 30}, 9, 200, 1), 3);
  TsFormMeasures f = Form(fbSizeable, 30, 4);
  EXPECT_EQ(MenuHeight(f, Metrics()), 0);
  f.HasMenu = true;
  EXPECT_EQ(MenuHeight(f, Metrics()), 19);
}

TEST(FormGeometry, SizeChangedComparesTheCacheWithTheFormWidthAndHeight) {
  TsFormMeasures f = Form(fbSizeable, 30, 4);
  EXPECT_FALSE(SizeChanged(f, 300, 200));
  EXPECT_TRUE(SizeChanged(f, 300, 199));
  EXPECT_TRUE(SizeChanged(f, 0, 0));
}

}  // namespace
