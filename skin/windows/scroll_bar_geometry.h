// The measures of a skinned scroll bar: its thickness and arrow length, where
// the two bars and the corner square lie in a window, the thumb, which part a
// point hits, when the size grip applies, the room the bars take from the
// client area and where a dragged thumb puts the position.
#pragma once

#include <cstdint>

#include "platform/graphics/geometry.h"

class TvxScrollWnd;
class TsSkinManager;

// The fields of a SCROLLINFO the bars use.
struct TvxScrollInfo {
  int nMin = 0;
  int nMax = 0;
  unsigned nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// Parts of a bar, equal to the scroll codes they send.
enum TvxBarPart : int {
  bpNone = -1,
  bpFirstArrow = 0,   // SB_LINEUP
  bpLastArrow = 1,    // SB_LINEDOWN
  bpPageBefore = 2,   // SB_PAGEUP
  bpPageAfter = 3,    // SB_PAGEDOWN
  bpThumb = 5,        // SB_THUMBTRACK
};

inline constexpr int DefaultMinThumbSize = 10;
inline constexpr int BarHorizontal = 0;
inline constexpr int BarVertical = 1;

// The state of one skinned bar.
struct TvxScrollBar {
  uint16_t ShownFlags = 0;  // 8 when the window has the bar's style bit
  bool Visible = false;     // takes room in the non-client area
  TvxScrollInfo Info;
  int ArrowLength = -1;     // negative n: n times the default size
  int Thickness = -1;
  int Direction = BarHorizontal;
  int MinThumbSize = DefaultMinThumbSize;
  TvxScrollWnd* Owner = nullptr;
};

// The system's sizes the metrics fall back on.
struct TvxSystemBarSizes {
  int HorzThickness = 17;  // SM_CYHSCROLL
  int VertThickness = 17;  // SM_CXVSCROLL
  int ArrowWidth = 17;     // SM_CXHSCROLL
};

int ScrollBarThickness(const TvxScrollBar& bar, const TvxSystemBarSizes& system);
// skinArrow: the skin's arrow frame size (SkinArrowSize), 0 to leave it out.
int ScrollBarArrowLength(const TvxScrollBar& bar, const TvxSystemBarSizes& system, int skinArrow);
// The skin's arrow size for a direction: one frame of SCROLLBTNLEFT's
// BORDERSMASK (horizontal) or one state row of SCROLLBTNTOP's (vertical),
// when SCROLLBTNLEFT sets its reserved flag; 0 otherwise or without skin.
int SkinArrowSize(const TsSkinManager* manager, int direction);

// Where a window's bars lie: its rectangle, the widths of its own frame,
// which bars take room, and where the vertical one stands.
struct TvxBarFrame {
  TRect Window;
  int LeftEdge = 0, TopEdge = 0, RightEdge = 0, BottomEdge = 0;
  bool LeftScrollBar = false;
  bool HorzVisible = false, VertVisible = false;
  int HorzThickness = 0, VertThickness = 0;
};
TRect HorzBarRect(const TvxBarFrame& frame);  // empty when the bar takes no room
TRect VertBarRect(const TvxBarFrame& frame);
// The square between two visible bars; empty otherwise.
TRect CornerRect(const TvxBarFrame& frame);

struct TvxThumb {
  int Track = 0;     // bar length less two arrows
  int Size = 0;
  int Offset = 0;    // from the track's start
  int Position = 0;  // bar start + arrow + offset
};
TvxThumb CalcThumb(const TvxScrollInfo& info, int barStart, int barLength, int arrow, int minThumb);

// The part of a bar (rectangle `bar`, direction) under the point.
int HitTestBar(const TRect& bar, int direction, TPoint point, const TvxScrollInfo& info, int arrow,
               int minThumb);

// The window sits flush in its top-level parent's client corner (or has no
// parent): the corner square shows the size grip.
struct TvxGripPlace {
  bool HasParent = false;
  bool ParentIsTopLevel = false;
  TRect Window;        // screen
  TRect ParentClient;  // screen
};
bool SizeGripApplies(const TvxGripPlace& place, const TvxBarFrame& frame);

// After the window's own size calculation: the bars' visibility and the
// client rectangle less their room. None for a bar whose side of the
// client is thinner than the bar.
void TakeBarRoom(TRect& client, TvxScrollBar& horz, TvxScrollBar& vert, bool horzStyle,
                 bool vertStyle, int horzThickness, int vertThickness, bool leftScrollBar);

// The thumb's new start along the bar and the scroll position it stands
// for while dragged: mouse coordinate less the grab offset, held inside the
// track; the position counted from nMin and held to the positions a page
// leaves (nMin .. nMax - max(nPage, 1) + 1).
struct TvxDrag {
  int ThumbStart = 0;
  int Position = 0;
};
TvxDrag DragThumb(const TvxScrollInfo& info, int trackStart, int trackLength, int thumbSize,
                  int mouse, int grabOffset);
