// Mouse messages of windowless children: the parent window hit-tests them,
// routes the message with the child's coordinates, and tells the control
// under the mouse CM_MOUSEENTER / CM_MOUSELEAVE.
#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    const bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
    if (windowed && !allowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (!c->BoundsRect().Contains(p.X, p.Y)) continue;
    // A windowless control may let the mouse through parts of itself.
    const TPoint local = Point(p.X - c->Left(), p.Y - c->Top());
    if (!windowed &&
        c->Perform(CM_HITTEST, 0, MAKELPARAM(static_cast<WORD>(local.X), static_cast<WORD>(local.Y))) == 0)
      continue;
    return c;
  }
  return nullptr;
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
  const TWMMouse mouse(m);
  const TPoint p = Point(mouse.XPos(), mouse.YPos());
  const bool captured = handle_ && GetCapture() == handle_;
  TControl* target = nullptr;
  if (captured) {
    TControl* c = GetCaptureControl();
    if (c && c != this && c->Parent() == this) target = c;
  } else {
    target = ControlAtPos(p, false);
  }
  if (m.Msg == WM_MOUSEMOVE) {
    TControl* under = target;
    if (captured) under = ClientRect().Contains(p.X, p.Y) ? ControlAtPos(p, false) : nullptr;
    if (!under && (!captured || ClientRect().Contains(p.X, p.Y))) under = this;
    TrackMouseControl(under);
  }
  if (!target) return false;
  const int x = p.X - target->Left();
  const int y = p.Y - target->Top();
  m.Result = target->Perform(m.Msg, m.WParam,
                             MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(x)),
                                        static_cast<WORD>(static_cast<int16_t>(y))));
  return true;
}

void TWinControl::TrackMouseControl(TControl* underMouse) {
  if (handle_ && !trackingMouse_) {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
    if (TrackMouseEvent(&tme)) trackingMouse_ = true;
  }
  TControl* old = MouseControl();
  if (old == underMouse) return;
  brsm::SetMouseControl(underMouse);
  if (old) old->Perform(CM_MOUSELEAVE);
  // The leave handler may have moved the mouse's control on already.
  if (underMouse && MouseControl() == underMouse) underMouse->Perform(CM_MOUSEENTER);
}

void TWinControl::WMMouseLeave(TMessage& m) {
  trackingMouse_ = false;
  DefaultHandler(m);
  TControl* current = MouseControl();
  if (!current) return;
  const bool ours = current == this ||
                    (current->Parent() == this && !dynamic_cast<TWinControl*>(current));
  if (!ours) return;
  // Still over a windowless child of ours while the cursor sits on a child
  // window: that window's own mouse move takes over.
  brsm::SetMouseControl(nullptr);
  current->Perform(CM_MOUSELEAVE);
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && static_cast<int16_t>(LOWORD(m.LParam)) == HTCLIENT) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* c = ControlAtPos(ScreenToClient(Point(p.x, p.y)), false);
      if (c) cursor = c->Cursor();
      if (cursor == crDefault) cursor = Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

TControl* FindDragTarget(TPoint screenPos, bool allowDisabled) {
  const POINT p{screenPos.X, screenPos.Y};
  HWND wnd = WindowFromPoint(p);
  TWinControl* control = nullptr;
  while (wnd && !(control = FindControl(wnd))) wnd = GetParent(wnd);
  if (!control) return nullptr;
  if (TControl* child = control->ControlAtPos(control->ScreenToClient(screenPos), allowDisabled))
    return child;
  return control;
}
