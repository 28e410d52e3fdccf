// The outline drag that replaces live moving and sizing (ResizeMode
// rmBorder) and the snapping of a moved form to the work area's edges.
// Only the arithmetic lives here: where the outline is after each mouse
// step and where the form goes on release. The desktop drawing is the
// Windows half's.
#pragma once

#include <array>
#include <optional>

#include "platform/graphics/geometry.h"

// One drag, in screen coordinates.
struct TsDragOutline {
  bool Moving = true;
  bool Pending = false;  // no mouse step yet
  int EdgeCode = 0;      // HTCAPTION, or HTLEFT 10 .. HTBOTTOMRIGHT 17
  TRect Form;            // the form's bounds when the drag started
  TRect Outline;         // left, top, right, bottom
  TPoint LastMouse;
  int MinWidth = 0;
  int MinHeight = 0;
};

// A move drag from the mouse at `mouse`, or a size drag on `edge` with the
// form's minimum size.
TsDragOutline StartMoveOutline(const TRect& form, TPoint mouse);
TsDragOutline StartSizeOutline(const TRect& form, int edge, int minWidth, int minHeight);

// One mouse step; a size drag's first step only remembers the mouse.
void StepOutline(TsDragOutline& drag, TPoint mouse);

// The rectangle drawn for the outline now.
TRect OutlineRect(const TsDragOutline& drag);

// Where the form goes on release; none for a size drag the mouse never
// moved.
std::optional<TRect> FinishOutline(const TsDragOutline& drag);

// An MDI child's outline is drawn relative to its parent's client area.
struct TsMDIShiftMeasures {
  int Left = 0, Top = 0;
  int FrameWidth = 0, FrameHeight = 0, CaptionHeight = 0, BorderWidth = 0;
  int MenuLineHeight = 0;  // rows x menu height when a menu line shows
};
TPoint MDIOutlineShift(const TsMDIShiftMeasures& parent);

// The closed polyline of a rectangle, shifted.
std::array<TPoint, 5> OutlinePoints(const TRect& r, TPoint shift);

// -- Snapping ----------------------------------------------------------------------------------
// value moves to edge - size when value + size lies less than `buffer`
// from edge.
int SnapCoordinate(int value, int edge, int size, int buffer);

struct TsSnapInput {
  int X = 0, Y = 0, Width = 0, Height = 0;
  TRect WorkArea;
  int MonitorLeft = 0, MonitorTop = 0;
  int Buffer = 10;
  bool Maximized = false;
};
// The snapped position; unchanged for a maximised form or one going to
// (0, 0).
TPoint SnapPosition(const TsSnapInput& in);
