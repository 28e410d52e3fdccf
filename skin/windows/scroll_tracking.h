// The one press and the one hover of the skinned scroll bars, shared by every
// scroll-window adapter of the process: which window and bar, which part is
// held, the timers that repeat a held arrow or page and follow the hover,
// and a thumb being dragged. What it does to windows goes through a seam
// the Windows half fills (timers, capture, scroll messages).
#pragma once

#include <cstdint>

#include "platform/graphics/geometry.h"

inline constexpr unsigned HoverTimerId = 0xFFF2;   // every 20 ms while hovered
inline constexpr unsigned DelayTimerId = 0xFFFD;   // 300 ms before the first repeat
inline constexpr unsigned RepeatTimerId = 0xFFFE;  // every 55 ms then
inline constexpr unsigned HoverInterval = 20;
inline constexpr unsigned DelayInterval = 300;
inline constexpr unsigned RepeatInterval = 55;

inline constexpr unsigned ScrollMessageHorz = 0x0114;  // WM_HSCROLL
inline constexpr unsigned ScrollMessageVert = 0x0115;  // WM_VSCROLL
inline constexpr int ScrollCodeThumbPosition = 4;     // SB_THUMBPOSITION
inline constexpr int ScrollCodeThumbTrack = 5;        // SB_THUMBTRACK
inline constexpr int ScrollCodeEndScroll = 8;         // SB_ENDSCROLL

class TvxScrollSeam {
 public:
  virtual ~TvxScrollSeam() = default;
  virtual void SetTimer(uintptr_t window, unsigned id, unsigned ms) = 0;
  virtual void KillTimer(uintptr_t window, unsigned id) = 0;
  // The scroll message with its before/after commands (SendScrollMessage).
  virtual void SendScroll(uintptr_t window, unsigned scrollMessage, int code, int position) = 0;
  virtual void SetCapture(uintptr_t window) = 0;
  virtual void ReleaseCapture(uintptr_t window) = 0;
};

struct TvxScrollTracking {
  uintptr_t Window = 0;        // the window last pressed or hovered
  unsigned ScrollMessage = 0;  // of the press; 0 when idle
  int PressedBar = -1;
  int PressedPart = -1;
  int PressedHotPart = -1;     // the pressed part while the cursor is on it
  unsigned RepeatTimer = 0;
  int HoverBar = -1;
  int HoverPart = -1;
  int LastHoverPart = -1;
  unsigned HoverTimer = 0;
  TRect HoverRect;             // screen
  // A thumb drag.
  bool ThumbTracking = false;
  int ThumbSize = 0;
  int ThumbPosition = 0;
  TRect BarRect;               // screen
  int MouseOffset = 0;
  int ThumbStart = 0;
  int LastPosition = 0;
  bool CaptureTaken = false;

  bool Pressed() const { return PressedPart != -1; }
};

// The process's tracking state.
TvxScrollTracking& ScrollTracking();
// Not owned; nullptr: nothing happens outside the state.
void SetScrollSeam(TvxScrollSeam* seam);
TvxScrollSeam* ScrollSeam();

// An arrow or page area pressed on an enabled bar: one scroll message at
// once, the delay timer, the capture.
void PressScrollPart(uintptr_t window, int bar, int part, int hotPart);
// The thumb pressed: the drag begins at nPos.
void PressScrollThumb(uintptr_t window, int bar, int thumbSize, int thumbPosition, const TRect& barRect,
                      int mouseAlongBar, int position);
// The dragged thumb follows the mouse along the kept bar rectangle (less an
// arrow at each end); SB_THUMBTRACK goes out when the position changes.
// Returns the thumb's new start along the bar (screen).
struct TvxScrollInfo;
int DragPressedThumb(const TvxScrollInfo& info, int arrow, int mouseAlongBar);
// The cursor moved while a part is held: is it still on it?
void MoveWhilePressed(int hotPart);
// A timer of the press; true when it was one. hotPart: the part under the
// cursor now (for the repeat).
bool PressTimer(uintptr_t window, unsigned id, int hotPart);
// The button came up, or the capture went elsewhere: the press ends with
// SB_ENDSCROLL (after SB_THUMBPOSITION for a thumb). Nothing without a press
// on this window.
void ReleaseScrollPress(uintptr_t window, bool releaseCapture);
// The hover moves onto a bar of the window; true when it changed bars.
bool HoverBar(uintptr_t window, int bar, const TRect& screenRect);
// The hover timer: the part under the cursor (inside) or the hover ends.
// True when the bars need repainting.
bool HoverTick(uintptr_t window, bool inside, int part);
// The window is unhooked or gone: its timers die, its capture is given
// back, and the state forgets it.
void ForgetScrollWindow(uintptr_t window);
