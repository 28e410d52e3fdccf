// A skinned list view's arithmetic: which view shows a header, how far a
// dragged skinned thumb scrolls the list, and where a column header's text
// and sort arrow go.
#pragma once

#include "platform/graphics/geometry.h"

// LVM_GETVIEW's answer and the window style: report view is view 1, or,
// from common controls that answer 0 to LVM_GETVIEW, LVS_REPORT in the style.
bool IsReportView(int getViewAnswer, unsigned style);

// Pixels ListView_Scroll moves for a thumb dragged from `lastPosition` to
// `position`: whole items (of `itemHeight`, at least 1) in report view,
// else positions 1:1. 0 when the thumb did not move.
int ThumbTrackVerticalAmount(int lastPosition, int position, bool report, int itemHeight);
inline int ThumbTrackHorizontalAmount(int lastPosition, int position) { return position - lastPosition; }

// HDITEM format bits the header painting reads.
inline constexpr unsigned HeaderFormatRight = 0x1;
inline constexpr unsigned HeaderFormatCenter = 0x2;
inline constexpr unsigned HeaderFormatSortDown = 0x200;
inline constexpr unsigned HeaderFormatSortUp = 0x400;

// One column face `width` x `height`: the text as wide as its extent + 5,
// left, right (before the arrow's room) or centred; the arrow 6 px after the
// text, centred in height. Everything moves 1 px right and down when pressed.
struct TvxHeaderLayout {
  bool Paint = false;  // false for an empty column
  TRect Text;
  bool Arrow = false;
  TPoint ArrowAt;
};
TvxHeaderLayout LayoutHeaderColumn(int width, int height, unsigned format, bool pressed, int textExtent,
                                   int arrowFrameWidth, int arrowFrameHeight);
