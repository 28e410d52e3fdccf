// List-view arithmetic: the report view test, thumb drags, header columns.
#include <gtest/gtest.h>

#include "skin/windows/list_view_geometry.h"

TEST(ListViewGeometry, ReportViewFromTheViewOrFromAnOldListsStyle) {
  EXPECT_TRUE(IsReportView(1, 0));
  EXPECT_TRUE(IsReportView(0, 0x1 | 0x8000));  // no LVM_GETVIEW: LVS_REPORT
  EXPECT_FALSE(IsReportView(0, 0x3));          // LVS_LIST
  EXPECT_FALSE(IsReportView(3, 0x1));          // small icons win over the style
}

TEST(ListViewGeometry, ThumbDragScrollsWholeItemsInReportViewOnly) {
  EXPECT_EQ(ThumbTrackVerticalAmount(5, 5, true, 17), 0);
  EXPECT_EQ(ThumbTrackVerticalAmount(5, 8, true, 17), 51);
  EXPECT_EQ(ThumbTrackVerticalAmount(8, 5, true, 17), -51);
  EXPECT_EQ(ThumbTrackVerticalAmount(5, 8, true, 0), 3);  // no item height: at least 1
  EXPECT_EQ(ThumbTrackVerticalAmount(5, 8, false, 17), 3);
}

TEST(ListViewGeometry, HeaderTextAndArrowPerAlignment) {
  // 100 x 20 column, text extent 30 (35 wide), arrow frame 9 x 5 (15 room).
  TvxHeaderLayout l = LayoutHeaderColumn(100, 20, 0, false, 30, 9, 5);
  EXPECT_EQ(l.Text, (TRect{4, 1, 39, 19}));
  EXPECT_FALSE(l.Arrow);
  l = LayoutHeaderColumn(100, 20, HeaderFormatSortUp, false, 30, 9, 5);
  EXPECT_TRUE(l.Arrow);
  EXPECT_EQ(l.ArrowAt.X, 45);
  EXPECT_EQ(l.ArrowAt.Y, 7);
  l = LayoutHeaderColumn(100, 20, HeaderFormatRight | HeaderFormatSortDown, false, 30, 9, 5);
  EXPECT_EQ(l.Text.Right, 92 - 15);
  EXPECT_EQ(l.ArrowAt.X + 9, 92);
  l = LayoutHeaderColumn(100, 20, HeaderFormatRight, false, 30, 9, 5);
  EXPECT_EQ(l.Text.Right, 92);
  l = LayoutHeaderColumn(100, 20, HeaderFormatCenter, true, 30, 9, 5);
  EXPECT_EQ(l.Text.Left, 5 + (88 - 35) / 2);
  EXPECT_EQ(l.Text.Top, 2);
  EXPECT_FALSE(LayoutHeaderColumn(0, 20, 0, false, 30, 9, 5).Paint);
}
