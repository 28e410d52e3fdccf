#include "skin/windows/scroll_tracking.h"

#include "skin/windows/scroll_bar_geometry.h"

namespace {

TvxScrollTracking tracking;
TvxScrollSeam* seam = nullptr;

void ResetPress(TvxScrollTracking& t) {
  t.ScrollMessage = 0;
  t.PressedBar = t.PressedPart = t.PressedHotPart = -1;
  t.RepeatTimer = 0;
  t.ThumbTracking = false;
}

void ResetHover(TvxScrollTracking& t) {
  t.HoverBar = t.HoverPart = t.LastHoverPart = -1;
  t.HoverTimer = 0;
}

unsigned MessageOfBar(int bar) { return bar == 0 ? ScrollMessageHorz : ScrollMessageVert; }

// Another window takes the tracking: what ran on the old one stops there.
void TrackWindow(uintptr_t window) {
  if (tracking.Window && tracking.Window != window) ForgetScrollWindow(tracking.Window);
  tracking.Window = window;
}

}  // namespace

TvxScrollTracking& ScrollTracking() { return tracking; }
void SetScrollSeam(TvxScrollSeam* s) { seam = s; }
TvxScrollSeam* ScrollSeam() { return seam; }

void PressScrollPart(uintptr_t window, int bar, int part, int hotPart) {
  TrackWindow(window);
  if (tracking.Pressed()) ReleaseScrollPress(window, true);
  tracking.ScrollMessage = MessageOfBar(bar);
  tracking.PressedBar = bar;
  tracking.PressedPart = part;
  tracking.PressedHotPart = hotPart;
  if (!seam) return;
  seam->SendScroll(window, tracking.ScrollMessage, part, 0);
  seam->SetTimer(window, DelayTimerId, DelayInterval);
  tracking.RepeatTimer = DelayTimerId;
  seam->SetCapture(window);
  tracking.CaptureTaken = true;
}

void PressScrollThumb(uintptr_t window, int bar, int thumbSize, int thumbPosition, const TRect& barRect,
                      int mouseAlongBar, int position) {
  TrackWindow(window);
  if (tracking.Pressed()) ReleaseScrollPress(window, true);
  tracking.ScrollMessage = MessageOfBar(bar);
  tracking.PressedBar = bar;
  tracking.PressedPart = tracking.PressedHotPart = 5;
  tracking.ThumbTracking = true;
  tracking.ThumbSize = thumbSize;
  tracking.ThumbPosition = thumbPosition;
  tracking.BarRect = barRect;
  tracking.MouseOffset = mouseAlongBar - thumbPosition;
  tracking.ThumbStart = thumbPosition;
  tracking.LastPosition = position;
  if (seam) {
    seam->SetCapture(window);
    tracking.CaptureTaken = true;
  }
}

int DragPressedThumb(const TvxScrollInfo& info, int arrow, int mouseAlongBar) {
  if (!tracking.ThumbTracking) return tracking.ThumbPosition;
  const bool horz = tracking.PressedBar == 0;
  const int start = (horz ? tracking.BarRect.Left : tracking.BarRect.Top) + arrow;
  const int length = (horz ? tracking.BarRect.Width() : tracking.BarRect.Height()) - 2 * arrow;
  const TvxDrag drag =
      DragThumb(info, start, length, tracking.ThumbSize, mouseAlongBar, tracking.MouseOffset);
  tracking.ThumbPosition = drag.ThumbStart;
  if (drag.Position != tracking.LastPosition && seam)
    seam->SendScroll(tracking.Window, tracking.ScrollMessage, ScrollCodeThumbTrack, drag.Position);
  tracking.LastPosition = drag.Position;
  return drag.ThumbStart;
}

void MoveWhilePressed(int hotPart) {
  if (!tracking.Pressed()) return;
  tracking.PressedHotPart = hotPart == tracking.PressedPart ? hotPart : -1;
}

bool PressTimer(uintptr_t window, unsigned id, int hotPart) {
  if (window != tracking.Window || !tracking.Pressed() || tracking.ThumbTracking) return false;
  if (id == DelayTimerId && tracking.RepeatTimer == DelayTimerId) {
    if (seam) {
      seam->KillTimer(window, DelayTimerId);
      seam->SetTimer(window, RepeatTimerId, RepeatInterval);
    }
    tracking.RepeatTimer = RepeatTimerId;
    return true;
  }
  if (id == RepeatTimerId && tracking.RepeatTimer == RepeatTimerId) {
    MoveWhilePressed(hotPart);
    if (tracking.PressedHotPart != -1 && seam)
      seam->SendScroll(window, tracking.ScrollMessage, tracking.PressedHotPart, 0);
    return true;
  }
  return false;
}

void ReleaseScrollPress(uintptr_t window, bool releaseCapture) {
  if (window != tracking.Window || !tracking.Pressed()) return;
  const unsigned message = tracking.ScrollMessage;
  const bool thumb = tracking.ThumbTracking;
  const int last = tracking.LastPosition;
  const unsigned timer = tracking.RepeatTimer;
  // The state is idle before anything is sent: a scroll handler that
  // presses again, or loses the capture, finds no press to end twice.
  ResetPress(tracking);
  const bool captured = tracking.CaptureTaken;
  tracking.CaptureTaken = false;
  if (!seam) return;
  if (releaseCapture && captured) seam->ReleaseCapture(window);
  if (timer) seam->KillTimer(window, timer);
  if (thumb) {
    seam->SendScroll(window, message, ScrollCodeThumbPosition, last);
    seam->SendScroll(window, message, ScrollCodeEndScroll, last);
  } else {
    seam->SendScroll(window, message, ScrollCodeEndScroll, 0);
  }
}

bool HoverBar(uintptr_t window, int bar, const TRect& screenRect) {
  TrackWindow(window);
  if (tracking.HoverBar == bar && tracking.HoverTimer) return false;
  tracking.HoverPart = tracking.LastHoverPart = -1;
  tracking.HoverRect = screenRect;
  tracking.HoverBar = bar;
  if (seam && !tracking.HoverTimer) seam->SetTimer(window, HoverTimerId, HoverInterval);
  tracking.HoverTimer = HoverTimerId;
  return true;
}

bool HoverTick(uintptr_t window, bool inside, int part) {
  if (window != tracking.Window || !tracking.HoverTimer) return false;
  if (inside) {
    tracking.HoverPart = part;
    if (part == tracking.LastHoverPart) return false;
    tracking.LastHoverPart = part;
    return true;
  }
  if (seam) seam->KillTimer(window, HoverTimerId);
  ResetHover(tracking);
  return true;
}

void ForgetScrollWindow(uintptr_t window) {
  if (!window || window != tracking.Window) return;
  if (seam) {
    if (tracking.RepeatTimer) seam->KillTimer(window, tracking.RepeatTimer);
    if (tracking.HoverTimer) seam->KillTimer(window, HoverTimerId);
    if (tracking.CaptureTaken) seam->ReleaseCapture(window);
  }
  ResetPress(tracking);
  ResetHover(tracking);
  tracking.CaptureTaken = false;
  tracking.Window = 0;
}
