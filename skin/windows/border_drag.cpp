#include "skin/windows/border_drag.h"

#include <algorithm>
#include <cstdlib>

namespace {

enum : int {
  kLeft = 10, kRight, kTop, kTopLeft, kTopRight, kBottom, kBottomLeft, kBottomRight
};

bool MovesLeft(int e) { return e == kLeft || e == kTopLeft || e == kBottomLeft; }
bool MovesTop(int e) { return e == kTop || e == kTopLeft || e == kTopRight; }
// An edge code that names no side moves the bottom-right corner.
bool MovesRight(int e) { return !MovesLeft(e) && e != kTop && e != kBottom; }
bool MovesBottom(int e) { return !MovesTop(e) && e != kLeft && e != kRight; }

}  // namespace

TsDragOutline StartMoveOutline(const TRect& form, TPoint mouse) {
  TsDragOutline d;
  d.Moving = true;
  d.Form = form;
  d.Outline = form;
  d.LastMouse = mouse;
  return d;
}

TsDragOutline StartSizeOutline(const TRect& form, int edge, int minWidth, int minHeight) {
  TsDragOutline d;
  d.Moving = false;
  d.Pending = true;
  d.EdgeCode = edge;
  d.Form = form;
  d.Outline = form;
  d.MinWidth = std::max(minWidth, 0);
  d.MinHeight = std::max(minHeight, 0);
  return d;
}

void StepOutline(TsDragOutline& d, TPoint mouse) {
  if (d.Moving) {
    d.Pending = false;
    d.Outline.Left += mouse.X - d.LastMouse.X;
    d.Outline.Top += mouse.Y - d.LastMouse.Y;
    d.LastMouse = mouse;
    return;
  }
  if (d.Pending) {
    d.Pending = false;
    d.LastMouse = mouse;
    return;
  }
  const TRect& f = d.Form;
  const int dx = mouse.X - d.LastMouse.X, dy = mouse.Y - d.LastMouse.Y;
  TRect& o = d.Outline;
  if (MovesLeft(d.EdgeCode)) o.Left = std::min(f.Left + dx, o.Right - d.MinWidth);
  if (MovesRight(d.EdgeCode)) o.Right = std::max(f.Right + dx, f.Left + d.MinWidth);
  if (MovesTop(d.EdgeCode)) o.Top = std::min(f.Top + dy, o.Bottom - d.MinHeight);
  if (MovesBottom(d.EdgeCode)) o.Bottom = std::max(f.Bottom + dy, f.Top + d.MinHeight);
}

TRect OutlineRect(const TsDragOutline& d) {
  if (d.Moving) return Bounds(d.Outline.Left, d.Outline.Top, d.Form.Width(), d.Form.Height());
  return d.Outline;
}

std::optional<TRect> FinishOutline(const TsDragOutline& d) {
  if (d.Moving) return OutlineRect(d);
  if (d.Pending) return std::nullopt;
  return d.Outline;
}

TPoint MDIOutlineShift(const TsMDIShiftMeasures& p) {
  return {p.FrameWidth + p.Left + p.BorderWidth + 1,
          2 * p.FrameHeight + p.Top + p.CaptionHeight + p.BorderWidth - 2 + p.MenuLineHeight};
}

std::array<TPoint, 5> OutlinePoints(const TRect& r, TPoint s) {
  return {TPoint{r.Left + s.X, r.Top + s.Y}, TPoint{r.Right + s.X, r.Top + s.Y},
          TPoint{r.Right + s.X, r.Bottom + s.Y}, TPoint{r.Left + s.X, r.Bottom + s.Y},
          TPoint{r.Left + s.X, r.Top + s.Y}};
}

int SnapCoordinate(int value, int edge, int size, int buffer) {
  return std::abs(value + size - edge) < buffer ? edge - size : value;
}

TPoint SnapPosition(const TsSnapInput& in) {
  TPoint p{in.X, in.Y};
  if (in.Maximized || (in.X == 0 && in.Y == 0)) return p;
  p.X = SnapCoordinate(p.X, in.WorkArea.Right, in.Width, in.Buffer);
  p.Y = SnapCoordinate(p.Y, in.WorkArea.Bottom, in.Height, in.Buffer);
  p.X = SnapCoordinate(p.X, in.WorkArea.Left, in.MonitorLeft, in.Buffer);
  p.Y = SnapCoordinate(p.Y, in.WorkArea.Top, in.MonitorTop, in.Buffer);
  return p;
}
